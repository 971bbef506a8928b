#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Fixed places of the periodic table window that are not cells, in twips of its client area
// (15 twips = 1 pixel).
namespace periodiclayout {

inline constexpr int twipsPerPixel = 15;
inline constexpr QSize clientTwips{14970, 10740};
// The picture is two pixels wider than the client area; its last columns are never seen.
inline constexpr QSize picturePixels{1000, 716};

// Label63, the one-line description under the picture's title where joke cells show their text.
inline constexpr QRect descriptionLineTwips{2280, 840, 8535, 375};
// Label87, the "***" mark in the top right corner of the чефир cell.
inline constexpr QRect starMarkTwips{3360, 9960, 255, 135};

// Where the pointing finger of the cell cursor touches.
inline constexpr QPoint cellCursorHotSpot{13, 9};

} // namespace periodiclayout
