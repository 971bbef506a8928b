#include "numbertext.h"

#include "arithmeticerror.h"
#include "conversionerror.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numbertext {

namespace {

struct Parts {
    bool negative = false;
    QStringView whole;
    QStringView fraction;
};

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView s) {
    for (QChar c : s)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

Parts split(const QString& text) {
    QStringView s = QStringView(text).trimmed();
    Parts parts;
    if (s.startsWith(u'-')) {
        parts.negative = true;
        s = s.mid(1);
    }
    const qsizetype comma = s.indexOf(u',');
    parts.whole = comma < 0 ? s : s.left(comma);
    parts.fraction = comma < 0 ? QStringView() : s.mid(comma + 1);
    if (!allDigits(parts.whole) || !allDigits(parts.fraction))
        throw ConversionError();
    if (parts.whole.isEmpty() && parts.fraction.isEmpty())
        throw ConversionError();
    return parts;
}

QStringView withoutLeadingZeros(QStringView digits) {
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

} // namespace

bool isNumber(const QString& text) {
    try {
        split(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

Fixed4 readFixed4(const QString& text) {
    const Parts parts = split(text);
    const QStringView whole = withoutLeadingZeros(parts.whole);
    // 2^63 ten-thousandths is below 10^15 whole units; more digits cannot fit.
    if (whole.size() > 16)
        throw ArithmeticError("number beyond the fixed-point range");

    Int128 magnitude = 0;
    for (QChar c : whole)
        magnitude = magnitude * 10 + (c.unicode() - u'0');
    for (qsizetype i = 0; i < 4; ++i)
        magnitude =
            magnitude * 10 + (i < parts.fraction.size() ? parts.fraction[i].unicode() - u'0' : 0);

    if (parts.fraction.size() > 4) {
        const QStringView rest = parts.fraction.mid(4);
        const int first = rest[0].unicode() - u'0';
        bool beyondHalf = first > 5;
        if (first == 5)
            for (QChar c : rest.mid(1))
                if (c != u'0') {
                    beyondHalf = true;
                    break;
                }
        const bool tie = first == 5 && !beyondHalf;
        if (beyondHalf || (tie && magnitude % 2 != 0))
            ++magnitude;
    }

    const Int128 value = parts.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int64_t>::min() ||
        value > std::numeric_limits<std::int64_t>::max())
        throw ArithmeticError("number beyond the fixed-point range");
    return Fixed4::fromRaw(static_cast<std::int64_t>(value));
}

double readDouble(const QString& text) {
    const Parts parts = split(text);
    std::string ascii;
    ascii.reserve(static_cast<size_t>(parts.whole.size() + parts.fraction.size() + 3));
    if (parts.negative)
        ascii += '-';
    ascii += parts.whole.isEmpty() ? std::string("0") : parts.whole.toLatin1().toStdString();
    if (!parts.fraction.isEmpty()) {
        ascii += '.';
        ascii += parts.fraction.toLatin1().toStdString();
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large is an overflow; too small to represent is simply zero.
        if (!withoutLeadingZeros(parts.whole).isEmpty())
            throw ArithmeticError("number beyond the double range");
        return parts.negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        throw ConversionError();
    return value;
}

QString decimalText(Fixed4 value) {
    const std::int64_t raw = value.raw();
    // The magnitude of INT64_MIN does not fit in int64; unsigned arithmetic does.
    const std::uint64_t magnitude =
        raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
    const std::uint64_t whole = magnitude / Fixed4::Scale;
    std::uint64_t fraction = magnitude % Fixed4::Scale;

    QString text;
    if (raw < 0)
        text += u'-';
    text += QString::number(whole);
    if (fraction != 0) {
        int digits = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        text += u',';
        text += QStringLiteral("%1").arg(fraction, digits, 10, QChar(u'0'));
    }
    return text;
}

QString decimalText(double value) {
    if (!std::isfinite(value))
        throw ArithmeticError("not a finite number");
    if (value == 0)
        return QStringLiteral("0");
    // Shortest digits that read back as the same double, in plain positional notation.
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        throw ArithmeticError("number too long to write");
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'.', u',');
    return text;
}

QString roundedText(Fixed4 value, int decimals) {
    return decimalText(value.rounded(decimals));
}

} // namespace numbertext
