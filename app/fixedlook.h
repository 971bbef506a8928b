#pragma once

class QWidget;

// The windows drawn to a fixed picture keep their colours and type whatever the desktop sets:
// a dark colour scheme or another application font would otherwise reach every control that
// does not name its own, and draw white text on the beige face or cut a laid-out text.
namespace fixedlook {

// Gives the window the light scheme it is drawn in (every role of every colour group) and the
// program's small face (every attribute), before its controls are made. The controls inherit them,
// a control's own colour or font is resolved against them, and a later change of the application's
// palette or font passes them by.
void apply(QWidget& window);

} // namespace fixedlook
