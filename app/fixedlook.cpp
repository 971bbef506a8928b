#include "fixedlook.h"

#include "uifont.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <iterator>

namespace fixedlook {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal;   // active and inactive windows alike
    QRgb disabled; // a disabled control
};

// Grey chrome, black text on white fields, blue selection: the colours the pictures of the
// windows were made with.
constexpr RoleColours Colours[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    {QPalette::NoRole, 0xFF000000, 0xFF000000},
    {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};
// A role without a colour here would be taken from the desktop.
static_assert(std::size(Colours) == QPalette::NColorRoles);

QPalette palette() {
    QPalette p;
    for (const RoleColours& c : Colours) {
        const QColor normal = QColor::fromRgba(c.normal);
        p.setColor(QPalette::Active, c.role, normal);
        p.setColor(QPalette::Inactive, c.role, normal);
        p.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return p;
}

} // namespace

void apply(QWidget& window) {
    window.setPalette(palette());
    window.setFont(uifont::font(uifont::Size::Small));
}

} // namespace fixedlook
