#include "shell/cp1252.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <unordered_map>

namespace shell {

namespace {

// The code page as Qt's converter (ICU on Debian) knows it, one entry per
// byte. The five bytes the code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control character of the same number, as on
// Windows, so that every byte a file holds comes back unchanged.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, char> fromUnicode;

    CodePage() {
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        for (int byte = 0; byte < 256; ++byte) {
            const char in = static_cast<char>(byte);
            const QString decoded =
                decoder.isValid() ? decoder.decode(QByteArrayView(&in, 1)) : QString(QChar(byte));
            const bool unassigned =
                decoded.size() != 1 || decoded[0] == QChar::ReplacementCharacter;
            toUnicode[byte] = unassigned ? static_cast<char16_t>(byte) : decoded[0].unicode();
            fromUnicode.emplace(toUnicode[byte], in);
        }
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

// The code page's byte for a character; bytes that are no UTF-8 come out
// as the replacement character, which the code page lacks.
std::optional<char> byteOf(char32_t c) {
    const CodePage& page = codePage();
    if (c > 0xFFFF) return std::nullopt;
    const auto found = page.fromUnicode.find(static_cast<char16_t>(c));
    if (found == page.fromUnicode.end()) return std::nullopt;
    return found->second;
}

QList<uint> ucs4Of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4();
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    const CodePage& page = codePage();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char b : bytes) text += QChar(page.toUnicode[static_cast<unsigned char>(b)]);
    return text.toStdString();
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    // Characters the code page lacks (an emoji, a Greek letter) become "?".
    for (const char32_t c : ucs4Of(text)) out += byteOf(c).value_or('?');
    return out;
}

std::optional<char32_t> firstOutsideCp1252(std::string_view text) {
    for (const char32_t c : ucs4Of(text))
        if (!byteOf(c)) return c;
    return std::nullopt;
}

}  // namespace shell
