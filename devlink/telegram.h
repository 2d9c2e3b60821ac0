// Telegram grammar of the unit protocol: command word, "|", fields each closed
// by "|", two upper-case hex checksum digits and the end byte 0x04.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace devlink {

inline constexpr char kEndByte = 0x04;
// An answer is at most 700 received characters (end byte included); the
// buffer holds them and a terminating zero.
inline constexpr std::size_t kMaxAnswerChars = 700;
using AnswerBuffer = std::array<char, kMaxAnswerChars + 1>;

// Checksum of the first n bytes of text: sum modulo 256 as two upper-case
// hex digits, high digit first. Bytes past the end of text are not summed.
std::array<char, 2> checksum(std::string_view text, std::size_t n);

// The request text followed by its checksum and the end byte. The string's
// own terminating zero ends the bytes that go on the wire.
std::string frameRequest(std::string_view request);

// Length of a zero-terminated answer in the buffer (never past the buffer).
std::size_t answerLength(const AnswerBuffer& answer);

// True when the two characters before the end byte are the checksum of
// everything before them, compared character for character (case matters).
// Answers shorter than three characters fail, and so does an answer that
// does not end in the end byte, such as one holding a zero byte.
bool verifyAnswer(const char* answer);

// True when the answer is the seven-byte echo a unit sends for a request it
// received with a bad checksum: command word, "|", checksum, end byte.
bool isChecksumEcho(const char* answer, std::string_view commandWord);

// The echo bytes for a command word ("SEQ" gives "SEQ|65" and the end byte).
std::string checksumEcho(std::string_view commandWord);

}  // namespace devlink
