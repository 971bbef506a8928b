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
    QPainter p(this);
    p.setPen(QPen(m_color, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
