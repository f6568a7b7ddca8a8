#include "text/CodePage.h"

#include <QList>
#include <array>

namespace d7 {

namespace {

// 0x80..0xFF of Windows 1253; 0 marks an undefined byte.
constexpr std::array<char16_t, 128> kWin1253High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,       // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,       // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,       // F8
};

// 0xA0..0xFF of ISO 8859-7 (2003 edition); 0x80..0x9F are C1 controls.
constexpr std::array<char16_t, 96> kIso8859_7High = {
    0x00A0, 0x2018, 0x2019, 0x00A3, 0x20AC, 0x20AF, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x037A, 0x00AB, 0x00AC, 0x00AD, 0,      0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x0385, 0x0386, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,       // F8
};

struct ReverseTable {
    std::array<short, 0x0400> low{};     // U+0000..U+03FF
    std::array<std::pair<char16_t, unsigned char>, 32> high{};
    int highCount = 0;
};

ReverseTable buildReverse(CodePage page) {
    ReverseTable t;
    t.low.fill(-1);
    for (int b = 0; b < 256; ++b) {
        const QChar c = DecodeByte(page, static_cast<unsigned char>(b));
        if (c.isNull() && b != 0)
            continue;
        if (c.unicode() < 0x0400)
            t.low[c.unicode()] = short(b);
        else
            t.high[t.highCount++] = {c.unicode(), static_cast<unsigned char>(b)};
    }
    return t;
}

const ReverseTable &reverse(CodePage page) {
    static const ReverseTable win = buildReverse(CodePage::Windows1253);
    static const ReverseTable iso = buildReverse(CodePage::Iso8859_7);
    return page == CodePage::Windows1253 ? win : iso;
}

std::array<unsigned char, 256> buildUpper() {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) {
        t[b] = static_cast<unsigned char>(b);
        const QChar c = DecodeByte(CodePage::Windows1253, static_cast<unsigned char>(b));
        if (c.isNull() || !c.isLower() || c.unicode() == 0x00B5)   // the micro sign is no letter here
            continue;
        const int u = EncodeChar(CodePage::Windows1253, c.toUpper());
        if (u >= 0)
            t[b] = static_cast<unsigned char>(u);
    }
    return t;
}

}  // namespace

QChar DecodeByte(CodePage page, unsigned char byte) {
    if (byte < 0x80)
        return QChar(byte);
    if (page == CodePage::Windows1253)
        return QChar(kWin1253High[byte - 0x80]);
    if (byte < 0xA0)
        return QChar(byte);   // C1 control characters map to themselves
    return QChar(kIso8859_7High[byte - 0xA0]);
}

QString DecodeText(CodePage page, const QByteArray &bytes) {
    QString s;
    s.reserve(bytes.size());
    for (char b : bytes) {
        const QChar c = DecodeByte(page, static_cast<unsigned char>(b));
        s += c.isNull() ? QChar(0xFFFD) : c;
    }
    return s;
}

int EncodeChar(CodePage page, QChar c) {
    const ReverseTable &t = reverse(page);
    if (c.unicode() < 0x0400)
        return t.low[c.unicode()];
    for (int i = 0; i < t.highCount; ++i)
        if (t.high[i].first == c.unicode())
            return t.high[i].second;
    return -1;
}

bool CanEncode(CodePage page, const QString &text) {
    for (QChar c : text)
        if (EncodeChar(page, c) < 0)
            return false;
    return true;
}

QByteArray EncodeForMarkup(CodePage page, const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    const auto codepoints = text.toUcs4();
    for (char32_t cp : codepoints) {
        const int b = cp < 0x10000 ? EncodeChar(page, QChar(char16_t(cp))) : -1;
        if (b >= 0)
            out += char(b);
        else
            out += "&#" + QByteArray::number(uint(cp)) + ';';
    }
    return out;
}

unsigned char UpperCp1253(unsigned char byte) {
    static const std::array<unsigned char, 256> table = buildUpper();
    return table[byte];
}

QByteArray UpperCp1253(const QByteArray &bytes) {
    QByteArray out(bytes);
    for (char &b : out)
        b = char(UpperCp1253(static_cast<unsigned char>(b)));
    return out;
}

}  // namespace d7
