// Windows-1252 by hand: Latin-1 plus the 32 characters that code page puts at 0x80 to 0x9F.
#include "qt_text.h"

namespace {

// 0 marks the five positions the code page leaves undefined.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString ToQString(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
            text.append(QChar(kHighControls[byte - 0x80]));
        else
            text.append(QChar(byte));
    }
    return text;
}

char ToCodePage(QChar character) {
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    // The five bytes the code page leaves undefined travel as their C1 control characters, so a
    // file's bytes come back exactly as they were read.
    if (unicode >= 0x80 && unicode <= 0x9F && kHighControls[unicode - 0x80] == 0)
        return static_cast<char>(unicode);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unicode && unicode != 0) return static_cast<char>(0x80 + i);
    return '?';
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar character : text) bytes += ToCodePage(character);
    return bytes;
}

QString ForDisplay(std::string_view bytes) {
    QString text = ToQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}
