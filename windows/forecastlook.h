#pragma once

#include <QColor>

// The forecast window's colours for what needs the user's eye.
namespace forecastlook {

inline const QColor ProblemColour(0xC0, 0, 0);      // a problem's words
inline const QColor ProblemField(0xFF, 0xE4, 0xE4); // the field it belongs to

} // namespace forecastlook
