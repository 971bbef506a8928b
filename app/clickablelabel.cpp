#include "clickablelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>

namespace {

// What a screen reader learns of a clickable label: a label's text is its name unless it has
// one of its own; a focusable one is a link, a picture a graphic; one that reacts to clicks
// can be pressed.
class ClickableLabelAccessible final : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (label()->focusPolicy() != Qt::NoFocus)
            return QAccessible::Link;
        if (!label()->pixmap().isNull())
            return QAccessible::Graphic;
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QAccessibleInterface* buddy =
                    QAccessible::queryAccessibleInterface(label()->buddy()))
                found.append({buddy, QAccessible::Labelled});
        return found;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->reactsToClicks())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label()->reactsToClicks())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("ClickableLabel"))
        if (auto* label = qobject_cast<ClickableLabel*>(object))
            return new ClickableLabelAccessible(label);
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::activate() {
    emit clicked();
}

bool ClickableLabel::reactsToClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::clicked));
}

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
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    drawText(event);
    if (!hasFocus())
        return;
    // The classic dotted focus frame, in the label's own colour so it shows on any face.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ClickableLabel::drawText(QPaintEvent* event) {
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
        // A painter on a pixmap fills whatever the font leaves unset from the application's
        // font, and a label that inherits its font has nothing marked as set.
        QFont face = font();
        face.setResolveMask(QFont::AllPropertiesResolved);
        text.setFont(face);
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
