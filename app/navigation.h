#pragma once

class QWidget;

// Moving between windows: the new window is always shown before the old one is hidden, so one
// window of the program is visible at every moment.
namespace navigation {
void showInsteadOf(QWidget& shown, QWidget& hidden);
} // namespace navigation
