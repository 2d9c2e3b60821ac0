#include "devlink/server_connect.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <thread>

#include "devlink/wait_hook.h"

namespace devlink {

namespace {

using AddressList = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

// A lookup that runs in a thread of its own: getaddrinfo() blocks for as
// long as the name servers take. The thread owns its share of the state, so
// a lookup the program stopped waiting for ends on its own.
struct Lookup {
    std::string host;
    std::string port;
    int result = EAI_AGAIN;
    addrinfo* list = nullptr;
    int doneFd = -1;
    ~Lookup() {
        if (list) freeaddrinfo(list);
        if (doneFd >= 0) ::close(doneFd);
    }
};

addrinfo hintsFor(int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    return hints;
}

// Nothing when the lookup failed; problem says why.
AddressList lookUp(const NetworkAddress& address, std::int64_t deadlineMs, PortProblem& problem) {
    AddressList none(nullptr, freeaddrinfo);
    // An address needs no name server: no thread for it.
    addrinfo* list = nullptr;
    const addrinfo numeric = hintsFor(AI_NUMERICHOST);
    if (getaddrinfo(address.host.c_str(), address.port.c_str(), &numeric, &list) == 0)
        return AddressList(list, freeaddrinfo);
    auto lookup = std::make_shared<Lookup>();
    lookup->host = address.host;
    lookup->port = address.port;
    lookup->doneFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (lookup->doneFd < 0) {
        problem.kind = PortProblem::Kind::Other;
        problem.error = errno;
        return none;
    }
    std::thread([lookup] {
        const addrinfo hints = hintsFor(0);
        lookup->result =
            getaddrinfo(lookup->host.c_str(), lookup->port.c_str(), &hints, &lookup->list);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(lookup->doneFd, &one, sizeof one);
    }).detach();
    if (!waitForDescriptor(lookup->doneFd, POLLIN, deadlineMs)) {
        problem.kind = PortProblem::Kind::Unreachable;
        problem.error = ETIMEDOUT;
        return none;
    }
    if (lookup->result != 0) {
        // EAI_AGAIN: no name server answered; the others: no such name.
        problem.kind = PortProblem::Kind::HostNotFound;
        problem.error = lookup->result;
        return none;
    }
    AddressList found(lookup->list, freeaddrinfo);
    lookup->list = nullptr;
    return found;
}

PortProblem::Kind connectFailure(int error) {
    switch (error) {
        case ECONNREFUSED:
            return PortProblem::Kind::Refused;
        case ENETUNREACH:
        case EHOSTUNREACH:
        case ETIMEDOUT:
        case ENETDOWN:
        case EHOSTDOWN:
            return PortProblem::Kind::Unreachable;
        default:
            return PortProblem::Kind::Other;
    }
}

// Each request byte goes out the moment it is written, as on a serial line,
// and a connection whose bytes go unacknowledged for the connect timeout is
// dead: the next action then connects again.
void tuneSocket(int fd) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const unsigned int userTimeoutMs = kConnectTimeoutMs;
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeoutMs, sizeof userTimeoutMs);
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
}

// 0 when connected, else the error.
int tryAddress(const addrinfo& address, std::int64_t deadlineMs, int& fd) {
    fd = socket(address.ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return errno;
    tuneSocket(fd);
    int error = 0;
    if (connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            error = ETIMEDOUT;
            if (waitForDescriptor(fd, POLLOUT, deadlineMs)) {
                socklen_t size = sizeof error;
                if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
            }
        }
    }
    if (error != 0) {
        ::close(fd);
        fd = -1;
    }
    return error;
}

}  // namespace

int connectToServer(const NetworkAddress& address, std::int64_t deadlineMs, PortProblem& problem) {
    const AddressList addresses = lookUp(address, deadlineMs, problem);
    if (!addresses) return -1;
    int error = EHOSTUNREACH;
    for (const addrinfo* each = addresses.get(); each; each = each->ai_next) {
        int fd = -1;
        error = tryAddress(*each, deadlineMs, fd);
        if (error == 0) return fd;
        if (error == ETIMEDOUT || endRequested()) break;  // no time left for the others
    }
    problem.kind = connectFailure(error);
    problem.error = error;
    return -1;
}

}  // namespace devlink
