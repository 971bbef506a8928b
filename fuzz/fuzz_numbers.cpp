// Feeds arbitrary text to the number reader and checks what it promises: it either throws one
// of its two errors or returns a value whose decimal text reads back to the same value.
#include "calc/arithmeticerror.h"
#include "calc/conversionerror.h"
#include "calc/numbertext.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bool number = numbertext::isNumber(text);
    try {
        const Fixed4 value = numbertext::readFixed4(text);
        if (!number)
            std::abort();
        const QString written = numbertext::decimalText(value);
        if (numbertext::readFixed4(written) != value)
            std::abort();
        for (int decimals : {0, 2, 3})
            (void)numbertext::roundedText(value, decimals);
    } catch (const ConversionError&) {
        if (number)
            std::abort();
    } catch (const ArithmeticError&) {
    }
    try {
        const double d = numbertext::readDouble(text);
        if (!number)
            std::abort();
        if (numbertext::readDouble(numbertext::decimalText(d)) != d)
            std::abort();
    } catch (const ConversionError&) {
        if (number)
            std::abort();
    } catch (const ArithmeticError&) {
    }
    return 0;
}
