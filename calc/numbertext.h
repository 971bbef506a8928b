#pragma once

#include "fixed4.h"

#include <QString>

// The one way numbers are read from and written to the texts of the windows.
//
// Reading: surrounding blanks are ignored, then an optional '-', digits, an optional ','
// and digits, at least one digit in all ("72", "-0,5", "0,", ",5"). Only ASCII digits; the
// comma is the only decimal separator. Anything else throws ConversionError; a value beyond
// the range throws ArithmeticError.
//
// Writing: the shortest decimal form with a comma, no grouping, no trailing zeros, a leading
// 0 below 1, never an exponent and never "-0".
namespace numbertext {

bool isNumber(const QString& text);

// More than four decimals are rounded to four, ties to even.
Fixed4 readFixed4(const QString& text);
double readDouble(const QString& text);

QString decimalText(Fixed4 value);
QString decimalText(double value);

// decimalText of the value rounded to `decimals` places, ties to even.
QString roundedText(Fixed4 value, int decimals);

} // namespace numbertext
