// A request telegram as the unit sees it, and the text of its answer before
// the checksum is added.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unitsim {

struct Request {
    std::string word;  // the three-letter command word
    std::string body;  // everything between "XXX|" and the checksum
    bool checksumOk = false;
};

// Splits a telegram (end byte included). Nothing for bytes that do not start
// with a command word and "|": the unit cannot even echo those.
std::optional<Request> parseRequest(std::string_view telegram);

struct Reply {
    std::string text;  // the answer up to its checksum
    // Position in text of a digit the unit does not use (-1: none), free to
    // change when the checksum must contain a letter.
    int spare = -1;
};

// The answer to a request the unit received garbled or does not know: the
// command word and "|" only.
inline Reply echoReply(const std::string& word) {
    return Reply{word + "|"};
}

}  // namespace unitsim
