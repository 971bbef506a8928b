#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a borderless window while the left button is held on its title strip: through the
// window system's own move where it offers one, otherwise by the mouse's travel.
class WindowDrag : public QObject {
    Q_OBJECT

public:
    WindowDrag(QWidget* window, QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_windowAtPress;
};

// Starts a system move of the window; false where the platform refuses.
bool StartWindowDrag(QWidget& window);
