#pragma once

#include <Qt>
#include <QtGlobal>

class BorderlessWindow;

// The title-bar style word of a window, kept with the bit values of the classic window styles
// and applied through Qt window flags.
namespace captionstyle {
constexpr quint32 Caption = 0x00C00000;
constexpr quint32 SystemMenu = 0x00080000;
constexpr quint32 MinimiseBox = 0x00020000;
constexpr quint32 MaximiseBox = 0x00010000;
constexpr quint32 StripMask = 0xFF34FFFF; // clears the four bits above
constexpr quint32 ClipChildrenAndSiblings = 0x06000000;

// What a window declares in its layout.
struct Declared {
    bool systemMenu = true;
    bool minimiseBox = false;
    bool maximiseBox = false;
};

quint32 stripped(quint32 style);
// captionEmpty: the caption read back after it was restored from the tag.
quint32 rebuilt(quint32 style, Declared declared, bool captionEmpty);
// The style word a window starts with: its declared boxes, no title bar.
quint32 initial(Declared declared);

Qt::WindowFlags windowFlags(quint32 style);
} // namespace captionstyle

// Strips (false) or rebuilds (true) the title-bar styles of a window, keeping its outer
// rectangle. The load steps call it twice in a row: false, then true.
void SetCaptionStyle(BorderlessWindow& window, bool showCaption);
