#include "devlink/login.h"

#include <cstring>

namespace devlink {

namespace {

constexpr const char* kSerialDigitsDe = "Bitte 6 Ziffern f\u00FCr die Seriennummer eingeben";
constexpr const char* kSerialDigitsEn = "Please insert 6 numbers for the serialnumber";
constexpr const char* kWrongSerialDe = "Bitte die korrekte Seriennummer eingeben";
constexpr const char* kWrongSerialEn = "Insert the correct serialnumber";
constexpr const char* kNoAccessDe = "Keine Schreib- und Leseberechtigung";
constexpr const char* kNoAccessEn = "no authorisation to read and write";
constexpr const char* kNoWriteDe = "Keine Schreibberechtigung";
constexpr const char* kNoWriteEn = "no authorisation to write";

void say(LinkWindow& window, const char* german, const char* english) {
    window.showMessage(window.english() ? english : german, MessageCaption::ProgramCaption);
}

// Steps shared by both program kinds: serial-number check, purge, request,
// answer and its checks. On success the answer is left without its end byte.
bool sendLogin(DeviceLink& link, AnswerBuffer& answer, bool showBusy) {
    LinkWindow& window = link.window();
    std::string serial = window.serialNumberText();
    if (serial.size() > 6) serial.resize(6);
    // Only six decimal digits ever go on the wire: anything else is not a
    // serial number the unit could accept, and a stray "|" would break the
    // telegram's grammar.
    if (!isSixDigitSerial(serial)) {
        say(window, kSerialDigitsDe, kSerialDigitsEn);
        window.focusSerialNumber();
        return false;
    }
    if (!link.port().purgeReceive()) {
        link.refreshLinkState();
        window.lineFailed(LineFailure::Port);
        window.showMessage(purgeFailedText(link.port(), window.english()),
                           MessageCaption::ProgramName);
        return false;
    }
    if (!link.writeRequest(frameRequest(loginRequest(serial)), false)) return false;
    switch (link.readAnswer(answer, showBusy)) {
        case ReadResult::Failed:
            return false;
        case ReadResult::Overflow:
            link.reportOverflow();
            return false;
        case ReadResult::Complete:
            break;
    }
    if (!link.checkAnswer(answer, "CSN", "CSN")) return false;
    answer[answerLength(answer) - 1] = '\0';  // the end byte
    return true;
}

bool is(const AnswerBuffer& answer, const char* text) {
    return std::strcmp(answer.data(), text) == 0;
}

// The level of a long measuring-unit answer: '0' or '1' for the twelve
// known level-0 and level-1 answers ("CSN|40|40", "CSN|41|41" ...), '2' for
// everything else.
char knownLongLevel(const AnswerBuffer& answer) {
    for (char type = '1'; type <= '6'; ++type) {
        for (char level : {'0', '1'}) {
            std::string known = frameRequest(std::string("CSN|") + type + level + "|");
            known.pop_back();  // the end byte
            if (is(answer, known.c_str())) return level;
        }
    }
    return '2';
}

LoginAnswer controllerAnswer(const AnswerBuffer& answer) {
    if (is(answer, "CSN|CF|65")) return LoginAnswer::WrongSerial;
    if (is(answer, "CSN|0|0C")) return LoginAnswer::NoAccess;
    if (is(answer, "CSN|1|0D")) return LoginAnswer::ReadOnly;
    if (is(answer, "CSN|2|0E")) return LoginAnswer::ReadWrite;
    return LoginAnswer::Other;
}

}  // namespace

bool isSixDigitSerial(std::string_view serial) {
    if (serial.size() != 6) return false;
    for (const char c : serial)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string loginRequest(const std::string& serialNumber) {
    return "CSN|" + serialNumber + "|";
}

int controllerLogin(DeviceLink& link, LoginIntent intent) {
    LinkWindow& window = link.window();
    AnswerBuffer answer{};
    if (!sendLogin(link, answer, true)) return 0;
    const LoginAnswer said = controllerAnswer(answer);
    window.loginAnswered(said);
    if (said == LoginAnswer::WrongSerial) {
        window.loginRefused();
        say(window, kWrongSerialDe, kWrongSerialEn);
        window.focusSerialNumber();
        return 0;
    }
    const bool interval = window.intervalReadingTicked();
    if (said == LoginAnswer::NoAccess) {
        window.loginRefused();
        if (interval) window.stopIntervalTimer();
        say(window, kNoAccessDe, kNoAccessEn);
        return 0;
    }
    if (said == LoginAnswer::ReadOnly && !interval) {
        // The histories read quietly: a reading-only unit is all they need.
        if (intent == LoginIntent::Write) window.loginRefused();
        if (intent != LoginIntent::QuietRead) say(window, kNoWriteDe, kNoWriteEn);
        if (intent == LoginIntent::Write) return 0;
    }
    window.setStatusText(intent == LoginIntent::Write ? "WRITE" : "READ");
    return said == LoginAnswer::ReadOnly ? 1 : 2;
}

std::string MeasuringLogin::variantName(char deviceType) {
    static const char* const kNames[] = {"Vantiqo LM",  "Vantiqo pH", "Vantiqo redox",
                                         "Vantiqo Cl2", "Vantiqo O3", "Vantiqo ClO2"};
    if (deviceType < '1' || deviceType > '6') return {};
    return kNames[deviceType - '1'];
}

int MeasuringLogin::login(DeviceLink& link, LoginIntent intent) {
    LinkWindow& window = link.window();
    AnswerBuffer answer{};
    if (!sendLogin(link, answer, false)) return 0;
    if (is(answer, "CSN|CF|65")) {
        window.loginRefused();
        say(window, kWrongSerialDe, kWrongSerialEn);
        window.focusSerialNumber();
        return 4;
    }
    deviceType_ = '0';
    char level = '2';
    if (answerLength(answer) == 8) {
        // Short form "CSN|l|cs": only the level digit.
        level = answer[4];
        if (!is(answer, "CSN|0|0C") && !is(answer, "CSN|1|0D")) level = '2';
    } else {
        if (answerLength(answer) > 4) deviceType_ = answer[4];
        const std::string name = variantName(deviceType_);
        if (!name.empty()) window.showVariant(name);
        level = knownLongLevel(answer);
    }
    if (level == '0') {
        window.loginRefused();
        say(window, kNoAccessDe, kNoAccessEn);
        return 1;
    }
    if (level == '1') {
        if (intent == LoginIntent::Write) window.loginRefused();
        if (intent != LoginIntent::QuietRead) say(window, kNoWriteDe, kNoWriteEn);
        if (intent == LoginIntent::Write) return 2;
        window.setStatusText("LESEN");
        return 2;
    }
    window.setStatusText(intent == LoginIntent::Write ? "SCHREIBEN" : "LESEN");
    return 3;
}

}  // namespace devlink
