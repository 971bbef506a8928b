#include "outlinerect.h"

#include <QPaintEvent>
#include <QPainter>

OutlineRect::OutlineRect(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineRect::setColor(const QColor& color) {
    m_color = color;
    update();
}

void OutlineRect::paintEvent(QPaintEvent* event) {
    const int w = width();
    const int h = height();
    // An outline round a whole window lies over everything in it, so it is asked to paint
    // whenever anything inside repaints, such as a frame of an animation; only a region that
    // reaches an edge needs a painter at all.
    if (rect().adjusted(1, 1, -1, -1).contains(event->rect()))
        return;
    // Four one-pixel edges: filled as rectangles, they cost a fraction of a stroked outline.
    QPainter p(this);
    p.fillRect(0, 0, w, 1, m_color);
    p.fillRect(0, h - 1, w, 1, m_color);
    p.fillRect(0, 1, 1, h - 2, m_color);
    p.fillRect(w - 1, 1, 1, h - 2, m_color);
}
