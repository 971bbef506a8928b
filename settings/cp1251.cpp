#include "cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

// Characters of the bytes 0x80 to 0xFF. 0x98 is unassigned in the code page and stands for
// U+0098 here.
constexpr std::array<char16_t, 128> upperHalf = {
    // 0x80
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, //
    // 0x90
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, //
    // 0xA0
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, //
    // 0xB0
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, //
    // 0xC0: А to П, Р to Я
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, //
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, //
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, //
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, //
    // 0xE0: а to п, р to я
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, //
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, //
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, //
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, //
};

using Reverse = std::array<std::pair<char16_t, std::uint8_t>, 128>;

// The table sorted by character, for encoding by binary search.
constexpr Reverse makeReverse() {
    Reverse reverse{};
    for (std::size_t i = 0; i < upperHalf.size(); ++i)
        reverse[i] = {upperHalf[i], static_cast<std::uint8_t>(0x80 + i)};
    std::sort(reverse.begin(), reverse.end());
    return reverse;
}

constexpr Reverse reverseTable = makeReverse();

constexpr bool tableIsOneToOne() {
    for (std::size_t i = 1; i < reverseTable.size(); ++i) {
        if (reverseTable[i - 1].first == reverseTable[i].first)
            return false;
    }
    return reverseTable.front().first >= 0x80;
}
static_assert(tableIsOneToOne(), "each byte needs its own non-ASCII character");

char encodeUnit(char16_t unit) {
    if (unit < 0x80)
        return static_cast<char>(unit);
    const auto it = std::lower_bound(
        reverseTable.begin(), reverseTable.end(), unit,
        [](const std::pair<char16_t, std::uint8_t>& entry, char16_t u) { return entry.first < u; });
    if (it != reverseTable.end() && it->first == unit)
        return static_cast<char>(it->second);
    return '?';
}

} // namespace

QByteArray Cp1251::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate()) {
            // A pair is one character outside the code page: one '?', not two.
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            bytes.append('?');
            continue;
        }
        bytes.append(encodeUnit(c.unicode()));
    }
    return bytes;
}

QString Cp1251::decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        *out++ = QChar(byte < 0x80 ? char16_t(byte) : upperHalf[byte - 0x80]);
    }
    return text;
}
