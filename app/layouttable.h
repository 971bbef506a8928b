#pragma once

#include "uifont.h"

#include <QColor>
#include <QList>
#include <QRgb>

#include <span>

class QWidget;

enum class ControlKind {
    Label,      // text, transparent unless opaque
    Image,      // picture, optionally stretched to its box
    PictureBox, // picture shown at its top-left corner
    Button,
    Panel,         // frame with a caption
    TextBox,       // single line
    MultiLineText, // multi-line with scroll bars
    List,
    Combo, // editable drop-down
    CheckBox,
    Option,
    Rectangle, // one-pixel outline
};

struct ControlLook {
    uifont::Size size = uifont::Size::Small;
    bool bold = false;
    bool underline = false;
    QRgb color = 0; // text colour; 0 keeps the default
    bool boxed = false;
    bool centred = false;
    bool hand = false;   // the pointing-hand cursor of links
    bool work = false;   // a work field or button: exists, never visible
    bool opaque = false; // label drawn on its own background
    bool stretch = false;
    QRgb background = 0; // 0 keeps the container's or the face colour
    const char16_t* tooltip = nullptr;
    // What a screen reader calls the control where neither its caption nor its text says it:
    // pictures, marks, unlabelled fields, cryptic captions such as "<<".
    const char16_t* accessibleName = nullptr;
    // The label beside the control that says what it holds. It becomes the label's buddy, so
    // a screen reader reads the label's current text as the control's name (the calculator
    // relabels its fields by mode); lists and drop-downs also take the text as their name.
    const char* labelledBy = nullptr;
};

// One row of a window's layout: where a control lies (twips, within its container), its text
// and look. Rows are listed top of the stacking order first.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: the window itself
    int left, top, width, height;
    const char16_t* text;
    ControlLook look;
};

namespace layouttable {
constexpr QRgb FaceColour = 0xFFECE9D8; // RGB(236, 233, 216)
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb Navy = 0xFF000080;
constexpr QRgb White = 0xFFFFFFFF;

// Creates every control of the table on the window, named and stacked as listed, and makes
// the window usable from the keyboard: links take the focus, Enter presses a focused button,
// and Tab follows the reading order (kept when a panel moves or comes to the front).
void build(QWidget* window, std::span<const ControlSpec> rows);

// The controls that take the focus within a container, in reading order: top to bottom, left
// to right, the contents of a panel in the panel's place. Hidden controls and options not
// chosen are included, so the order holds whatever is shown or chosen later.
QList<QWidget*> readingOrder(const QWidget* container);

// Chains the Tab order of the window's controls in reading order.
void chainTabOrder(QWidget* window);

// Whether a click on the middle of the control would reach it, i.e. nothing lies over it.
bool isInSight(const QWidget* control);

// Whether Tab may stop on the control now: it takes the Tab focus, is shown, enabled and in
// sight. A control under a panel is skipped, as the mouse could not reach it either.
bool isTabStop(const QWidget* control);

// Gives a control its background colour: a button's face, a panel's or label's background,
// a text box's or list's writing area.
void setBackColour(QWidget* control, QRgb colour);

// The pointing-hand cursor of the links.
QCursor handCursor();
} // namespace layouttable
