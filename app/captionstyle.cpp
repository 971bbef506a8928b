#include "captionstyle.h"

#include "borderlesswindow.h"

namespace captionstyle {

quint32 stripped(quint32 style) {
    return style & StripMask;
}

quint32 rebuilt(quint32 style, Declared declared, bool captionEmpty) {
    if (declared.systemMenu)
        style |= SystemMenu;
    if (declared.maximiseBox)
        style |= MaximiseBox;
    if (declared.minimiseBox)
        style |= MinimiseBox;
    // Only a window whose caption is empty gets a title bar back; a captioned borderless
    // window keeps its caption for the task bar and stays without one.
    if (captionEmpty)
        style |= Caption;
    return style;
}

quint32 initial(Declared declared) {
    return rebuilt(ClipChildrenAndSiblings, declared, false);
}

Qt::WindowFlags windowFlags(quint32 style) {
    Qt::WindowFlags flags = Qt::Window;
    if ((style & Caption) == Caption)
        flags |= Qt::WindowTitleHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (style & SystemMenu)
        flags |= Qt::WindowSystemMenuHint;
    if (style & MinimiseBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & MaximiseBox)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace captionstyle

void SetCaptionStyle(BorderlessWindow& window, bool showCaption) {
    const QRect outer = window.frameGeometry();
    const bool wasVisible = window.isVisible();
    quint32 style = window.styleWord();
    if (!showCaption) {
        window.setCaptionTag(window.caption());
        window.setCaption(QString());
        style = captionstyle::stripped(style);
    } else {
        window.setCaption(window.captionTag());
        style = captionstyle::rebuilt(style, window.declaredStyle(), window.caption().isEmpty());
    }
    window.setStyleWord(style);
    window.setWindowFlags(captionstyle::windowFlags(style));
    // Changing the flags recreates the native window: put the outer rectangle back.
    window.move(outer.topLeft());
    if (wasVisible)
        window.show();
    window.update();
}
