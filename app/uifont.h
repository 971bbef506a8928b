#pragma once

#include <QFont>

// The program's one typeface at the sizes the layouts use. The sizes are fixed in pixels
// (8.25 pt at 96 dpi is 11 px) so every text fits its laid-out box on any screen setting.
namespace uifont {
enum class Size { Small, Medium, Large, Title }; // 8.25, 9.75, 12 and 13.5 pt

// Registers the embedded typeface; call once before the first window is built.
void install();
QString family();
// Complete: every attribute is set, so nothing of the application's font is mixed in.
QFont font(Size size, bool bold = false, bool underline = false);
} // namespace uifont
