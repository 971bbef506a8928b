#include "fixed4.h"

#include "arithmeticerror.h"

#include <cmath>
#include <limits>

namespace {

constexpr Int128 Min = std::numeric_limits<std::int64_t>::min();
constexpr Int128 Max = std::numeric_limits<std::int64_t>::max();

std::int64_t checked(Int128 value) {
    if (value < Min || value > Max)
        throw ArithmeticError("fixed-point overflow");
    return static_cast<std::int64_t>(value);
}

Int128 quotientToEven(Int128 n, Int128 d) {
    Int128 q = n / d;
    Int128 r = n % d;
    if (r == 0)
        return q;
    const Int128 twice = 2 * (r < 0 ? -r : r);
    const bool negative = (n < 0);
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += negative ? -1 : 1;
    return q;
}

} // namespace

std::int64_t divideRoundingToEven(Int128 n, Int128 d) {
    return checked(quotientToEven(n, d));
}

Fixed4 Fixed4::fromInt(std::int64_t whole) {
    return fromRaw(checked(static_cast<Int128>(whole) * Scale));
}

Fixed4 Fixed4::rounded(int decimals) const {
    if (decimals >= 4)
        return *this;
    Int128 unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    return fromRaw(checked(quotientToEven(m_raw, unit) * unit));
}

Fixed4 operator+(Fixed4 a, Fixed4 b) {
    return Fixed4::fromRaw(checked(static_cast<Int128>(a.m_raw) + b.m_raw));
}

Fixed4 operator-(Fixed4 a, Fixed4 b) {
    return Fixed4::fromRaw(checked(static_cast<Int128>(a.m_raw) - b.m_raw));
}

Fixed4 operator*(Fixed4 a, Fixed4 b) {
    const Int128 exact = static_cast<Int128>(a.m_raw) * b.m_raw;
    return Fixed4::fromRaw(checked(quotientToEven(exact, Fixed4::Scale)));
}

Fixed4 toFixed(double x) {
    if (!std::isfinite(x))
        throw ArithmeticError("not a finite number");
    const double scaled = std::nearbyint(x * static_cast<double>(Fixed4::Scale));
    // 2^63 is exactly representable; every double below it in magnitude fits.
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw ArithmeticError("beyond the fixed-point range");
    return Fixed4::fromRaw(static_cast<std::int64_t>(scaled));
}
