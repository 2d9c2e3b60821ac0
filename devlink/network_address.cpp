#include "devlink/network_address.h"

#include <cctype>

namespace devlink {

namespace {

constexpr std::string_view kRawScheme = "tcp://";
constexpr std::string_view kRfc2217Scheme = "rfc2217://";
// The longest host name DNS allows.
constexpr std::size_t kMaxHostChars = 253;

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

bool isHostNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
}

// Inside brackets: hexadecimal digits, colons, the dots of an embedded IPv4
// address and a zone after '%' ("fe80::1%eth0").
bool isIpv6Char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == ':' || c == '.' || c == '%';
}

// 1 ... 65535, or 0 for anything else.
unsigned portNumber(std::string_view text) {
    if (text.empty() || text.size() > 5) return 0;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= 65535 ? value : 0;
}

}  // namespace

std::string NetworkAddress::hostAndPort() const {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + port;
}

std::string NetworkAddress::url() const {
    return std::string(protocol == Protocol::Raw ? kRawScheme : kRfc2217Scheme) + hostAndPort();
}

bool isNetworkText(std::string_view text) {
    return startsWithNoCase(text, kRawScheme) || startsWithNoCase(text, kRfc2217Scheme);
}

std::optional<NetworkAddress> parseNetworkAddress(std::string_view text) {
    NetworkAddress address;
    if (startsWithNoCase(text, kRawScheme)) {
        text.remove_prefix(kRawScheme.size());
    } else if (startsWithNoCase(text, kRfc2217Scheme)) {
        address.protocol = NetworkAddress::Protocol::Rfc2217;
        text.remove_prefix(kRfc2217Scheme.size());
    } else {
        return std::nullopt;
    }
    std::string_view host;
    std::string_view rest;
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        host = text.substr(1, close - 1);
        rest = text.substr(close + 1);
        if (host.find(':') == std::string_view::npos) return std::nullopt;
        for (char c : host)
            if (!isIpv6Char(c)) return std::nullopt;
    } else {
        const std::size_t colon = text.rfind(':');
        if (colon == std::string_view::npos) return std::nullopt;
        host = text.substr(0, colon);
        rest = text.substr(colon);
        for (char c : host)
            if (!isHostNameChar(c)) return std::nullopt;
    }
    if (host.empty() || host.size() > kMaxHostChars) return std::nullopt;
    if (rest.empty() || rest.front() != ':') return std::nullopt;
    const unsigned port = portNumber(rest.substr(1));
    if (port == 0) return std::nullopt;
    address.host = std::string(host);
    address.port = std::to_string(port);
    return address;
}

}  // namespace devlink
