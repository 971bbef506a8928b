#include "clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
    m_armed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool click = m_armed && event->button() == Qt::LeftButton && inside;
    m_armed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    // A focused link is activated from the keyboard like a button.
    if (focusPolicy() != Qt::NoFocus &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    // Pictures, unwrapped and rich text, and underlined links (a static text draws no
    // underline) are drawn by QLabel itself.
    if (!pixmap().isNull() || !wordWrap() || textFormat() != Qt::PlainText || text().isEmpty() ||
        font().underline() || font().strikeOut()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);

    // The text rectangle as QLabel computes it: contents, margin, and the indent of a framed
    // label.
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indentation = indent();
    if (indentation < 0 && frameWidth() > 0)
        indentation = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (indentation > 0) {
        const Qt::Alignment a = alignment();
        if (a & Qt::AlignLeft)
            area.setLeft(area.left() + indentation);
        if (a & Qt::AlignRight)
            area.setRight(area.right() - indentation);
        if (a & Qt::AlignTop)
            area.setTop(area.top() + indentation);
        if (a & Qt::AlignBottom)
            area.setBottom(area.bottom() - indentation);
    }

    const QColor colour =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const qreal ratio = devicePixelRatioF();
    if (m_laidOutText != text() || m_laidOutFont != font() || m_laidOutSize != area.size() ||
        m_laidOutColour != colour || m_laidOut.devicePixelRatio() != ratio) {
        QStaticText layout(text());
        layout.setTextFormat(Qt::PlainText);
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.setTextWidth(area.width());
        m_laidOut = QPixmap(area.size() * ratio);
        m_laidOut.setDevicePixelRatio(ratio);
        m_laidOut.fill(Qt::transparent);
        QPainter text(&m_laidOut);
        text.setFont(font());
        text.setPen(colour);
        text.drawStaticText(QPointF(0, 0), layout);
        m_laidOutText = this->text();
        m_laidOutFont = font();
        m_laidOutSize = area.size();
        m_laidOutColour = colour;
    }
    // Only the exposed part is copied: a frame of the picture below repaints a small rectangle.
    const QRect exposed = event->rect() & area;
    painter.drawPixmap(exposed, m_laidOut,
                       QRectF(exposed.translated(-area.topLeft()).topLeft() * ratio,
                              QSizeF(exposed.size()) * ratio));
}
