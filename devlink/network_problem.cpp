// What the technician reads below a port message when the COM name leads to
// a network serial server: what went wrong on the way to the server and
// what to do about it.
#include <netdb.h>

#include <cstring>

#include "devlink/port_problem.h"

namespace devlink {

namespace {

std::string quotedServerText(const PortProblem& p, bool english) {
    if (p.serverText.empty()) return {};
    return english ? " (\"" + p.serverText + "\")" : " (\u201E" + p.serverText + "\u201C)";
}

std::string hostText(const PortProblem& p, bool english) {
    if (p.error == EAI_AGAIN)
        return english ? p.path + ": the name " + p.host +
                             " cannot be looked up now (no name server answers). Check that the "
                             "network or VPN is up, then try again."
                       : p.path + ": der Name " + p.host +
                             " l\u00E4sst sich jetzt nicht aufl\u00F6sen (kein Namensserver "
                             "antwortet). Bitte pr\u00FCfen, ob das Netz oder VPN verbunden ist, "
                             "und es dann erneut versuchen.";
    return english ? p.path + ": host " + p.host +
                         " not found. Check the name in the binding (aquendor-ports lists it) and "
                         "that the network or VPN is up."
                   : p.path + ": Rechner " + p.host +
                         " nicht gefunden. Bitte den Namen in der Zuordnung pr\u00FCfen "
                         "(aquendor-ports zeigt sie) und ob das Netz oder VPN verbunden ist.";
}

std::string unreachableText(const PortProblem& p, bool english) {
    const std::string seconds = std::to_string(kConnectTimeoutMs / 1000);
    const std::string what =
        p.error == ETIMEDOUT
            ? (english ? ": no answer from the server within " + seconds + " s."
                       : ": keine Antwort vom Server innerhalb von " + seconds + " s.")
            : (english
                   ? ": the server cannot be reached (" + std::string(std::strerror(p.error)) + ")."
                   : ": der Server ist nicht erreichbar (" + std::string(std::strerror(p.error)) +
                         ").");
    return p.path + what +
           (english ? " Check that the network or VPN is up and the server is switched on."
                    : " Bitte pr\u00FCfen, ob das Netz oder VPN verbunden und der Server "
                      "eingeschaltet ist.");
}

std::string closedText(const PortProblem& p, bool english) {
    return english
               ? p.path + ": the server closed the connection" + quotedServerText(p, true) +
                     ". Another client is using the port or has taken it over (ser2net's "
                     "kickolduser), or the device behind the server went away. Close the "
                     "other client; the next action connects again."
               : p.path + ": der Server hat die Verbindung beendet" + quotedServerText(p, false) +
                     ". Ein anderer Client verwendet den Port oder hat ihn \u00FCbernommen "
                     "(kickolduser bei ser2net), oder das Ger\u00E4t am Server ist weg. Bitte "
                     "den anderen Client beenden; die n\u00E4chste Aktion verbindet neu.";
}

std::string rawPortText(const PortProblem& p, bool english) {
    std::string raw = p.path;
    if (const auto scheme = raw.find("://"); scheme != std::string::npos)
        raw = "tcp" + raw.substr(scheme);
    return english ? p.path +
                         ": the server does not offer Com Port Control (RFC 2217): it is a raw "
                         "port. Bind it as " +
                         raw + ": aquendor-ports bind " + p.comName + " " + raw
                   : p.path +
                         ": der Server bietet keine Com Port Control (RFC 2217): es ist ein "
                         "einfacher TCP-Port. Bitte als " +
                         raw + " binden: aquendor-ports bind " + p.comName + " " + raw;
}

}  // namespace

std::string explainNetwork(const PortProblem& p, bool english) {
    using K = PortProblem::Kind;
    switch (p.kind) {
        case K::BadAddress:
            return english ? p.comName + " is bound to \"" + p.path +
                                 "\", which is no network address: tcp://HOST:PORT or "
                                 "rfc2217://HOST:PORT (aquendor-ports binds it anew)."
                           : p.comName + " ist an \u201E" + p.path +
                                 "\u201C gebunden, das ist keine Netzadresse: tcp://HOST:PORT "
                                 "oder rfc2217://HOST:PORT (aquendor-ports setzt sie neu).";
        case K::HostNotFound:
            return hostText(p, english);
        case K::Refused:
            return english ? p.path +
                                 ": connection refused. No serial server is running there, or the "
                                 "port number is wrong."
                           : p.path +
                                 ": Verbindung abgelehnt. Dort l\u00E4uft kein serieller Server, "
                                 "oder die Portnummer ist falsch.";
        case K::Unreachable:
            return unreachableText(p, english);
        case K::ClosedByServer:
            return closedText(p, english);
        case K::ConnectionBroken:
            return english ? p.path + ": the connection to the server broke off (" +
                                 std::strerror(p.error) +
                                 "). Check the network or VPN; the next action connects again."
                           : p.path + ": die Verbindung zum Server ist abgebrochen (" +
                                 std::strerror(p.error) +
                                 "). Bitte das Netz oder VPN pr\u00FCfen; die n\u00E4chste Aktion "
                                 "verbindet neu.";
        case K::NoComPortControl:
            return rawPortText(p, english);
        case K::LineRefused:
            return english ? p.path + ": the server did not confirm the line settings " + p.asked +
                                 " (it answered " + p.serverText +
                                 "). Check the settings of the server's port."
                           : p.path + ": der Server hat die Leitungseinstellungen " + p.asked +
                                 " nicht best\u00E4tigt (Antwort: " + p.serverText +
                                 "). Bitte die Einstellungen des Server-Ports pr\u00FCfen.";
        default:
            return p.path + ": " + std::strerror(p.error);
    }
}

}  // namespace devlink
