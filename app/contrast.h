#pragma once

#include <QColor>

// How well one colour stands out from another, as the WCAG 2 contrast ratio: 1 for equal
// colours up to 21 for black on white. Text wants 4,5 against its background, a line or a mark
// that carries meaning 3.
namespace contrast {

inline constexpr double ForText = 4.5;
inline constexpr double ForGraphics = 3.0;

// A translucent `colour` counts as laid over the opaque `background`.
double ratio(const QColor& colour, const QColor& background);

// `wanted` as it is when it stands out from `background` by `minimum`; otherwise moved towards
// black or white, whichever the background leaves more room for, just far enough. Opaque.
QColor readableOn(const QColor& wanted, const QColor& background, double minimum);

} // namespace contrast
