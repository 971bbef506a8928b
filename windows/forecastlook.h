#pragma once

#include "app/contrast.h"

#include <QColor>

// The forecast window's colours for what needs the user's eye. The window follows the desktop's
// colours; these are made lighter on a dark one, so that they stay readable there.
namespace forecastlook {

inline const QColor ProblemColour(0xC0, 0, 0);      // a problem's words
inline const QColor ProblemField(0xFF, 0xE4, 0xE4); // the field it belongs to

// A problem's words on `background`.
inline QColor problemWords(const QColor& background) {
    return contrast::readableOn(ProblemColour, background, contrast::ForText);
}

// The desktop's `text` colour, or one near it that can be read on a marked field.
inline QColor readableOnMark(const QColor& text) {
    return contrast::readableOn(text, ProblemField, contrast::ForText);
}

} // namespace forecastlook
