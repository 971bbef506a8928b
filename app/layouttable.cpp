#include "layouttable.h"

#include "clickablelabel.h"
#include "outlinerect.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace layouttable {

QCursor handCursor() {
    // The finger tip is the hot spot.
    static const QCursor cursor(QPixmap(QStringLiteral(":/chrome/hand.png")), 1, 3);
    return cursor;
}

namespace {

bool isGraphical(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image ||
           kind == ControlKind::Rectangle;
}

QWidget* create(const ControlSpec& row, QWidget* parent) {
    const QString text = row.text ? QString::fromUtf16(row.text) : QString();
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new ClickableLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(row.look.centred ? Qt::AlignHCenter | Qt::AlignTop
                                             : Qt::AlignLeft | Qt::AlignTop);
        label->setText(text);
        if (row.look.boxed) {
            label->setFrameShape(QFrame::Box);
            label->setFrameShadow(QFrame::Plain);
            label->setLineWidth(1);
        }
        label->setAutoFillBackground(row.look.opaque);
        return label;
    }
    case ControlKind::Image:
    case ControlKind::PictureBox: {
        auto* picture = new ClickableLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setScaledContents(row.look.stretch);
        return picture;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Panel: {
        // Panels are opaque: what lies under them does not show through.
        auto* panel = new QGroupBox(text, parent);
        panel->setAutoFillBackground(true);
        return panel;
    }
    case ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case ControlKind::MultiLineText: {
        auto* edit = new QPlainTextEdit(text, parent);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        return edit;
    }
    case ControlKind::List:
        return new QListWidget(parent);
    case ControlKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(text);
        return combo;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::Option:
        return new QRadioButton(text, parent);
    case ControlKind::Rectangle:
        return new OutlineRect(parent);
    }
    return nullptr;
}

void applyLook(QWidget* w, const ControlSpec& row) {
    w->setObjectName(QString::fromLatin1(row.name));
    w->setGeometry(twips::toPixels(row.left, row.top, row.width, row.height));
    w->setFont(uifont::font(row.look.size, row.look.bold, row.look.underline));
    QPalette palette = w->palette();
    if (row.look.color != 0) {
        palette.setColor(QPalette::WindowText, QColor::fromRgb(row.look.color));
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(row.look.color));
        palette.setColor(QPalette::Text, QColor::fromRgb(row.look.color));
    }
    if (row.look.background != 0) {
        palette.setColor(QPalette::Button, QColor::fromRgb(row.look.background));
        palette.setColor(QPalette::Window, QColor::fromRgb(row.look.background));
    }
    w->setPalette(palette);
    if (row.look.hand)
        w->setCursor(handCursor());
    if (row.look.tooltip)
        w->setToolTip(QString::fromUtf16(row.look.tooltip));
    if (row.look.work)
        w->setVisible(false);
}

} // namespace

void setBackColour(QWidget* control, QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    QPalette p = control->palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        p.setColor(role, c);
    control->setPalette(p);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        area->viewport()->setPalette(p);
}

void build(QWidget* window, std::span<const ControlSpec> rows) {
    QHash<QString, const ControlSpec*> byName;
    for (const ControlSpec& row : rows)
        byName.insert(QString::fromLatin1(row.name), &row);

    // Containers are made on first need, so a panel exists before anything placed in it.
    QHash<const ControlSpec*, QWidget*> made;
    std::function<QWidget*(const ControlSpec&)> make = [&](const ControlSpec& row) -> QWidget* {
        if (QWidget* w = made.value(&row))
            return w;
        QWidget* parent = window;
        if (row.container) {
            const ControlSpec* container = byName.value(QString::fromLatin1(row.container));
            Q_ASSERT(container);
            parent = make(*container);
        }
        QWidget* w = create(row, parent);
        applyLook(w, row);
        made.insert(&row, w);
        return w;
    };
    for (const ControlSpec& row : rows)
        make(row);

    // The first row lies on top: raise from the last row up. Panels, buttons, lists, text boxes
    // and check boxes then go above the labels and pictures of their container, keeping the
    // table's order among themselves.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        made.value(&*it)->raise();
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (!isGraphical(it->kind))
            made.value(&*it)->raise();
}

} // namespace layouttable
