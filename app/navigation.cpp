#include "navigation.h"

#include <QWidget>

namespace navigation {

void showInsteadOf(QWidget& shown, QWidget& hidden) {
    if (shown.isMinimized())
        shown.showNormal();
    else
        shown.show();
    shown.raise();
    shown.activateWindow();
    hidden.hide();
}

} // namespace navigation
