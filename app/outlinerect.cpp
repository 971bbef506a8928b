#include "outlinerect.h"

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

void OutlineRect::paintEvent(QPaintEvent*) {
    // Four one-pixel edges: filled as rectangles, they cost a fraction of a stroked outline.
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, w, 1, m_color);
    p.fillRect(0, h - 1, w, 1, m_color);
    p.fillRect(0, 1, 1, h - 2, m_color);
    p.fillRect(w - 1, 1, 1, h - 2, m_color);
}
