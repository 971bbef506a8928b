#include "windowdrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool StartWindowDrag(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

WindowDrag::WindowDrag(QWidget* window, QWidget* handle)
    : QObject(handle)
    , m_window(window) {
    handle->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        if (StartWindowDrag(*m_window))
            return true;
        m_dragging = true;
        m_pressGlobal = e->globalPosition().toPoint();
        m_windowAtPress = m_window->pos();
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!m_dragging || !(e->buttons() & Qt::LeftButton))
            return false;
        m_window->move(m_windowAtPress + (e->globalPosition().toPoint() - m_pressGlobal));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_dragging = false;
        return false;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
