#include "tools/unitsim/simulator.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "devlink/delay.h"
#include "devlink/skip_clock.h"
#include "tools/unitsim/answer_faults.h"
#include "tools/unitsim/com_binding.h"
#include "tools/unitsim/hayes_modem.h"
#include "tools/unitsim/line_writer.h"
#include "tools/unitsim/pseudo_terminal.h"
#include "tools/unitsim/telegram_assembler.h"
#include "tools/unitsim/unit.h"

namespace unitsim {

namespace {

// steady_clock reads the same monotonic clock as devlink::monotonicUs.
Clock::time_point toClock(std::int64_t us) {
    return Clock::time_point(
        std::chrono::duration_cast<Clock::duration>(std::chrono::microseconds(us)));
}

ReceivedTelegram toReceived(const IncomingTelegram& telegram) {
    ReceivedTelegram received{telegram.bytes, {}};
    received.byteTimes.reserve(telegram.arrivalUs.size());
    for (const std::int64_t us : telegram.arrivalUs) received.byteTimes.push_back(toClock(us));
    return received;
}

}  // namespace

struct Simulator::Impl {
    explicit Impl(const Config& config) : unit(config) {
        if (config.modem) modem = std::make_unique<HayesModem>(config);
    }

    void run(std::promise<void>& joined);
    std::int64_t wakeUs() const;
    bool readLine();
    void passToModem(std::string_view bytes, std::int64_t readUs);
    void serveModem();
    void answerTelegrams();
    void wake() const;
    void setIdle(bool on);
    bool somethingArrived() const;
    void drainWakeUps() const;
    void handle(const IncomingTelegram& telegram);
    std::optional<ShapedAnswer> answerFor(const IncomingTelegram& telegram);
    void vanish();
    void loseCarrier();
    void notify(Direction direction, const std::string& bytes) const;
    int baud() const;
    void changeConditions(const std::function<void(InjectedConditions&)>& change);

    PseudoTerminal pty;
    ComBinding binding;
    TrafficObserver observer;

    mutable std::mutex mutex;  // guards unit, faults, received and modem
    mutable std::condition_variable receivedMore;
    Unit unit;
    AnswerFaults faults;
    std::vector<ReceivedTelegram> received;
    std::unique_ptr<HayesModem> modem;  // null: the line goes straight to the unit

    // Used by the thread alone.
    TelegramAssembler assembler;
    LinePacer modemPacer;
    std::thread thread;
    std::atomic<bool> stopping{false};
    // Set while the thread waits for the line with nothing left to do.
    mutable std::mutex idleMutex;
    mutable std::condition_variable idleChanged;
    bool idle = false;
    int wakeFd = -1;  // written to end the thread's wait at once, e.g. by stop()
};

void Simulator::Impl::run(std::promise<void>& joined) {
    const devlink::ClockParty party;  // a test's clock skips only while the unit waits too
    joined.set_value();
    while (!stopping) {
        pollfd fds[] = {
            {pty.masterFd(), POLLIN, 0}, {wakeFd, POLLIN, 0}, {pty.closeWatchFd(), POLLIN, 0}};
        const std::int64_t until = wakeUs();
        setIdle(true);
        const int ready = devlink::waitOnClock(fds, 3, until, until);
        setIdle(false);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents & POLLIN) drainWakeUps();
        if (fds[2].revents & POLLIN) pty.releaseExclusiveMode();
        // Without a reader the line reports errors at once; pausing keeps
        // that from turning into a busy loop.
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) && !readLine()) devlink::Delay(20);
        if (modem) serveModem();
        answerTelegrams();
    }
}

// When the modem's next dial result or escape is due; without one (-1),
// the wait lasts until something happens on the line.
std::int64_t Simulator::Impl::wakeUs() const {
    if (!modem) return -1;
    std::lock_guard lock(mutex);
    const auto deadline = modem->deadlineUs();
    return deadline ? std::max<std::int64_t>(0, *deadline) : -1;
}

bool Simulator::Impl::readLine() {
    char bytes[4096];
    const ssize_t n = ::read(pty.masterFd(), bytes, sizeof bytes);
    if (n <= 0) return n < 0 && (errno == EAGAIN || errno == EINTR);
    devlink::noteTaken(devlink::InFlight::ToUnit, static_cast<std::size_t>(n));
    const std::string_view read(bytes, static_cast<std::size_t>(n));
    if (modem) {
        passToModem(read, devlink::monotonicUs());
    } else {
        assembler.setBaud(baud());
        assembler.feed(read, devlink::monotonicUs());
    }
    return true;
}

void Simulator::Impl::passToModem(std::string_view bytes, std::int64_t readUs) {
    std::lock_guard lock(mutex);
    modemPacer.setBaud(unit.config().baud);
    for (const char byte : bytes) modem->receive(byte, modemPacer.arrival(readUs));
}

// Logs the modem's commands, sends its answers and passes what it received
// online on to the unit, in that order.
void Simulator::Impl::serveModem() {
    ModemOutput out;
    {
        std::lock_guard lock(mutex);
        modem->tick(devlink::monotonicUs());
        out = modem->take();
        for (const auto& command : out.commands) received.push_back(toReceived(command));
    }
    if (!out.commands.empty()) receivedMore.notify_all();
    for (const auto& command : out.commands) notify(Direction::Received, command.bytes);
    if (!out.reply.empty()) {
        notify(Direction::Sent, out.reply);
        LineWriter(pty.masterFd()).send(out.reply, baud(), stopping);
    }
    if (out.connected) assembler.dropPending();
    for (std::size_t i = 0; i < out.data.bytes.size(); ++i)
        assembler.add(out.data.bytes[i], out.data.arrivalUs[i]);
}

void Simulator::Impl::answerTelegrams() {
    while (!stopping) {
        auto telegram = assembler.next();
        if (!telegram) break;
        handle(*telegram);
    }
}

bool Simulator::Impl::somethingArrived() const {
    pollfd fds[] = {
        {pty.masterFd(), POLLIN, 0}, {wakeFd, POLLIN, 0}, {pty.closeWatchFd(), POLLIN, 0}};
    return poll(fds, 3, 0) > 0;
}

void Simulator::Impl::setIdle(bool on) {
    {
        std::lock_guard lock(idleMutex);
        idle = on;
    }
    if (on) idleChanged.notify_all();
}

void Simulator::Impl::wake() const {
    devlink::notePut(devlink::InFlight::Signal);
    const std::uint64_t one = 1;
    // Cannot fail short of a full counter, which wake-ups never reach: the
    // thread drains them.
    [[maybe_unused]] const ssize_t written = ::write(wakeFd, &one, sizeof one);
}

void Simulator::Impl::drainWakeUps() const {
    std::uint64_t count = 0;
    if (::read(wakeFd, &count, sizeof count) == sizeof count)
        devlink::noteTaken(devlink::InFlight::Signal, count);
}

void Simulator::Impl::handle(const IncomingTelegram& telegram) {
    const int lineBaud = baud();
    // The unit knows a request only once its end byte is through the line.
    if (lineBaud > 0) devlink::sleepUntilUs(telegram.arrivalUs.back());
    const auto answer = answerFor(telegram);
    notify(Direction::Received, telegram.bytes);
    if (!answer) return;
    if (answer->carrierLoss) return loseCarrier();
    notify(Direction::Sent, answer->bytes);
    const LineWriter writer(pty.masterFd());
    std::size_t sent = 0;
    // A slow unit: its first bytes come just inside the reader's timeout.
    for (; sent < answer->bytes.size() && sent < static_cast<std::size_t>(answer->slowBytes) &&
           !stopping;
         ++sent) {
        const std::int64_t until = devlink::monotonicUs() + kSlowByteGapMs * 1000LL;
        while (!stopping && devlink::monotonicUs() < until) devlink::Delay(50);
        writer.send(answer->bytes.substr(sent, 1), 0, stopping);
    }
    writer.send(answer->bytes.substr(sent), lineBaud, stopping);
    if (answer->vanish) vanish();
}

// The device goes away in the middle of an answer, as a USB adapter that is
// pulled out: the program's port sees EIO and hang-up.
void Simulator::Impl::vanish() {
    devlink::Delay(20);  // the half answer reaches the other side first
    pty.close();
}

void Simulator::Impl::loseCarrier() {
    {
        std::lock_guard lock(mutex);
        if (modem) modem->dropCarrier();
    }
    wake();  // the modem's "NO CARRIER" goes out from the loop
}

std::optional<ShapedAnswer> Simulator::Impl::answerFor(const IncomingTelegram& telegram) {
    std::lock_guard lock(mutex);
    received.push_back(toReceived(telegram));
    receivedMore.notify_all();
    const auto reply = unit.answer(telegram.bytes);
    if (!reply) return std::nullopt;
    return faults.shape(*reply, telegram.bytes.substr(0, 3));
}

void Simulator::Impl::notify(Direction direction, const std::string& bytes) const {
    if (observer) observer(direction, bytes);
}

int Simulator::Impl::baud() const {
    std::lock_guard lock(mutex);
    return unit.config().baud;
}

void Simulator::Impl::changeConditions(const std::function<void(InjectedConditions&)>& change) {
    std::lock_guard lock(mutex);
    InjectedConditions conditions = unit.controller().conditions();
    change(conditions);
    unit.controller().setConditions(conditions);
}

Simulator::Simulator(Config config) : impl_(std::make_unique<Impl>(config)) {}

Simulator::~Simulator() {
    stop();
    impl_->binding.unbind();
}

bool Simulator::open() {
    return impl_->pty.open();
}

std::string Simulator::devicePath() const {
    return impl_->pty.slavePath();
}

int Simulator::lineBaud() const {
    return impl_->pty.lineBaud();
}

bool Simulator::bindComName(const std::string& portsFolder, const std::string& comName) {
    if (!impl_->pty.isOpen()) {
        errno = EBADF;
        return false;
    }
    return impl_->binding.bind(portsFolder, comName, impl_->pty.slavePath());
}

void Simulator::setTrafficObserver(TrafficObserver observer) {
    impl_->observer = std::move(observer);
}

void Simulator::start() {
    if (!impl_->pty.isOpen() || impl_->thread.joinable()) return;
    impl_->wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    impl_->stopping = false;
    // The thread takes part in a test's clock before anything can reach the
    // line: until it has, the clock would not know to wait for the unit.
    std::promise<void> joined;
    std::future<void> ready = joined.get_future();
    impl_->thread = std::thread([this, &joined] { impl_->run(joined); });
    ready.wait();
}

// Idle is the thread waiting with nothing arrived for it: a byte, a wake-up
// or a close it has not seen yet would end its wait at once.
bool Simulator::waitUntilIdle(int limitMs) const {
    const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    std::unique_lock lock(impl_->idleMutex);
    for (;;) {
        if (impl_->idle && !impl_->somethingArrived()) return true;
        if (Clock::now() >= deadline) return false;
        impl_->idleChanged.wait_until(
            lock, std::min(deadline, Clock::now() + std::chrono::milliseconds(5)));
    }
}

bool Simulator::waitForReceived(std::size_t count, int limitMs) const {
    std::unique_lock lock(impl_->mutex);
    return impl_->receivedMore.wait_for(lock, std::chrono::milliseconds(limitMs),
                                        [&] { return impl_->received.size() >= count; });
}

void Simulator::stop() {
    if (!impl_->thread.joinable()) return;
    impl_->stopping = true;
    impl_->wake();
    impl_->thread.join();
    ::close(impl_->wakeFd);
    impl_->wakeFd = -1;
}

void Simulator::setFault(Fault fault, int count) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.set(fault, count);
}

void Simulator::setFaultOn(const std::string& commandWord, Fault fault, int skip) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.setOn(commandWord, fault, skip);
}

void Simulator::clearFault() {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.clear();
}

void Simulator::queueRawAnswer(std::string bytes) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults.queueRaw(std::move(bytes));
}

void Simulator::setLevel(int level) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.config().level = level < 0 ? 0 : level > 2 ? 2 : level;
}

void Simulator::setSerialNumber(const std::string& serialNumber) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.config().serialNumber = serialNumber;
}

void Simulator::setVariant(int variant) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.config().variant = variant < 0 ? 0 : variant > 6 ? 6 : variant;
}

void Simulator::setBaud(int baud) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.config().baud = baud > 0 ? baud : 0;
}

std::vector<ReceivedTelegram> Simulator::received() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->received;
}

void Simulator::clearReceived() {
    std::lock_guard lock(impl_->mutex);
    impl_->received.clear();
}

std::string Simulator::parameterRecord() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.controller().record();
}

void Simulator::setParameterRecord(const std::string& record) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.controller().setRecord(record);
}

std::string Simulator::statusArea() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.controller().statusArea();
}

void Simulator::setTimeScale(double scale) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.controller().setTimeScale(scale);
}

void Simulator::advanceMinutes(double minutes) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.controller().advanceMinutes(minutes);
}

bool Simulator::setPlantType(int type) {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.softener().setPlantType(type);
}

void Simulator::setStopInput(bool closed) {
    impl_->changeConditions([closed](InjectedConditions& c) { c.stop = closed; });
}

void Simulator::raiseAlarm(bool on) {
    impl_->changeConditions([on](InjectedConditions& c) { c.alarm = on; });
}

void Simulator::setChemicalsLow(bool low) {
    impl_->changeConditions([low](InjectedConditions& c) { c.chemicalsLow = low; });
}

bool Simulator::overrideStatusByte(std::size_t offset, std::uint8_t value) {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.controller().overrides().pin(offset, value);
}

void Simulator::clearStatusOverrides() {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.controller().overrides().clear();
}

void Simulator::raiseError(std::uint32_t code) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.controller().raiseError(code);
}

void Simulator::setTwoPartHistory(bool twoParts) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.config().twoPartDhi = twoParts;
}

void Simulator::setHistoryText(History history, const std::string& text) {
    std::lock_guard lock(impl_->mutex);
    Unit& unit = impl_->unit;
    (history == History::Status ? unit.softener().statusLog() : unit.controller().errorLog())
        .setRaw(text);
}

std::string Simulator::historyText(History history) const {
    std::lock_guard lock(impl_->mutex);
    Unit& unit = impl_->unit;
    unit.controller().statusArea();  // the plant runs up to now and logs what happened
    return (history == History::Status ? unit.softener().statusLog() : unit.controller().errorLog())
        .area();
}

bool Simulator::hasModem() const {
    return impl_->modem != nullptr;
}

void Simulator::setDialOutcome(ModemOutcome outcome) {
    std::lock_guard lock(impl_->mutex);
    if (impl_->modem) impl_->modem->setDialOutcome(outcome);
}

void Simulator::setEscapeResponse(EscapeResponse response) {
    std::lock_guard lock(impl_->mutex);
    if (impl_->modem) impl_->modem->setEscapeResponse(response);
}

void Simulator::dropCarrier() {
    {
        std::lock_guard lock(impl_->mutex);
        if (!impl_->modem) return;
        impl_->modem->dropCarrier();
    }
    // The thread sends the modem's "NO CARRIER".
    if (impl_->thread.joinable()) impl_->wake();
}

ModemState Simulator::modemState() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->modem ? impl_->modem->state() : ModemState::Idle;
}

std::string Simulator::dialledNumber() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->modem ? impl_->modem->dialledNumber() : std::string();
}

// ---- the measuring unit ----------------------------------------------------

void Simulator::fillLogger(std::size_t records) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.measuring().logger().fill(records, impl_->unit.config().variant);
}

void Simulator::setLoggerData(const std::string& data) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.measuring().logger().setData(data);
}

std::string Simulator::loggerData() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.measuring().logger().data();
}

std::size_t Simulator::loggerRecords() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.measuring().logger().recordCount();
}

void Simulator::setLoggerAnnouncedBytes(std::optional<std::uint32_t> bytes) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.measuring().logger().setAnnouncedBytes(bytes);
}

void Simulator::setLoggerEndless(bool endless) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.measuring().logger().setEndless(endless);
}

void Simulator::setTemperatureMissing(bool missing) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.measuring().setTemperatureMissing(missing);
}

}  // namespace unitsim
