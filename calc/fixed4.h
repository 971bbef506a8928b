#pragma once

#include <cstdint>

// 128-bit integers hold exact products of two 64-bit values.
__extension__ using Int128 = __int128;

// Fixed-point decimal with four places: a signed 64-bit count of ten-thousandths. Sums and
// differences are exact, products are rounded to four places (ties to even) from the exact
// product. Every result outside the 64-bit range throws ArithmeticError.
class Fixed4 {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Fixed4() = default;

    static constexpr Fixed4 fromRaw(std::int64_t tenThousandths) {
        Fixed4 f;
        f.m_raw = tenThousandths;
        return f;
    }
    static Fixed4 fromInt(std::int64_t whole);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }

    // Rounded to `decimals` places (0 to 4), ties to even.
    Fixed4 rounded(int decimals) const;

    friend Fixed4 operator+(Fixed4 a, Fixed4 b);
    friend Fixed4 operator-(Fixed4 a, Fixed4 b);
    friend Fixed4 operator*(Fixed4 a, Fixed4 b);
    Fixed4& operator+=(Fixed4 other) { return *this = *this + other; }

    // Written out rather than defaulted: Qt's moc cannot read the <compare> header.
    friend constexpr bool operator==(Fixed4 a, Fixed4 b) { return a.m_raw == b.m_raw; }
    friend constexpr bool operator!=(Fixed4 a, Fixed4 b) { return a.m_raw != b.m_raw; }
    friend constexpr bool operator<(Fixed4 a, Fixed4 b) { return a.m_raw < b.m_raw; }
    friend constexpr bool operator<=(Fixed4 a, Fixed4 b) { return a.m_raw <= b.m_raw; }
    friend constexpr bool operator>(Fixed4 a, Fixed4 b) { return a.m_raw > b.m_raw; }
    friend constexpr bool operator>=(Fixed4 a, Fixed4 b) { return a.m_raw >= b.m_raw; }

private:
    std::int64_t m_raw = 0;
};

// A double to four places: x·10000 rounded to the nearest integer, ties to even. NaN, the
// infinities and anything outside the range throw ArithmeticError.
Fixed4 toFixed(double x);

// n / d rounded to the nearest integer, ties to even (d > 0).
std::int64_t divideRoundingToEven(Int128 n, Int128 d);
