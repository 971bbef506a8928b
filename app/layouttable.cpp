#include "layouttable.h"

#include "clickablelabel.h"
#include "outlinerect.h"
#include "readypicture.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>

namespace layouttable {

QCursor handCursor() {
    // The finger tip is the hot spot.
    static const QCursor cursor(readypicture::pixmap(QStringLiteral(":/chrome/hand.png")), 1, 3);
    return cursor;
}

namespace {

bool isGraphical(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image ||
           kind == ControlKind::Rectangle;
}

// Tops closer than this lie on one line of reading.
constexpr int RowTolerancePixels = 10;

// A control whose focus goes to another (the line of a drop-down) has no place of its own.
bool takesFocus(const QWidget* w) {
    return w->focusPolicy() != Qt::NoFocus && !w->focusProxy();
}

// Of a group of options only the chosen one is a Tab stop; Qt withdraws the others' Tab focus
// while keeping their place in the order.
bool takesTabFocus(const QWidget* w) {
    return takesFocus(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The first control in the part of the window that has just come into sight.
QWidget* firstTabStopIn(QWidget* part) {
    if (isTabStop(part))
        return part;
    const QList<QWidget*> order = readingOrder(part);
    const auto found = std::find_if(order.begin(), order.end(), isTabStop);
    return found == order.end() ? nullptr : *found;
}

// The keyboard side of a built window: Enter presses a focused button (a button only clicks on
// Enter by itself in a dialog), and the Tab order follows a panel that moves, while a panel or
// list that comes over the focused control takes the focus, which would otherwise sit unseen.
class KeyboardUse final : public QObject {
public:
    explicit KeyboardUse(QWidget* window)
        : QObject(window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
            return pressButton(w, static_cast<QKeyEvent*>(event));
        case QEvent::Move:
            if (qobject_cast<QGroupBox*>(w))
                chainTabOrder(m_window);
            takeFocusIfCovering(w);
            break;
        case QEvent::Show:
        case QEvent::ZOrderChange:
            takeFocusIfCovering(w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool pressButton(QWidget* w, const QKeyEvent* key) {
        auto* button = qobject_cast<QPushButton*>(w);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (!button || modifiers != Qt::NoModifier ||
            (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        button->click();
        return true;
    }

    void takeFocusIfCovering(QWidget* shown) {
        QWidget* focused = m_window->focusWidget();
        if (!shown->isVisible() || !focused || !focused->isVisible() || focused == shown ||
            shown->isAncestorOf(focused) || isInSight(focused))
            return;
        const QWidget* hit = m_window->childAt(focused->mapTo(m_window, focused->rect().center()));
        if (hit != shown && !shown->isAncestorOf(hit))
            return;
        if (QWidget* first = firstTabStopIn(shown))
            first->setFocus(Qt::OtherFocusReason);
    }

    QWidget* m_window;
};

// The control without its text: the text is given once the font is in place, so a text box
// or a panel's caption is laid out once, in its own font.
QWidget* create(const ControlSpec& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new ClickableLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(row.look.centred ? Qt::AlignHCenter | Qt::AlignTop
                                             : Qt::AlignLeft | Qt::AlignTop);
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
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Panel: {
        // Panels are opaque: what lies under them does not show through.
        auto* panel = new QGroupBox(parent);
        panel->setAutoFillBackground(true);
        return panel;
    }
    case ControlKind::TextBox:
        return new QLineEdit(parent);
    case ControlKind::MultiLineText: {
        auto* edit = new QPlainTextEdit(parent);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        return edit;
    }
    case ControlKind::List: {
        auto* list = new QListWidget(parent);
        // Every item is one line of text in the list's font, so the first item's size is
        // every item's: measuring each would lay out every text once more before it is shown.
        list->setUniformItemSizes(true);
        return list;
    }
    case ControlKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::Option:
        return new QRadioButton(parent);
    case ControlKind::Rectangle:
        return new OutlineRect(parent);
    }
    return nullptr;
}

void setText(QWidget* w, const ControlSpec& row) {
    if (!row.text || !*row.text)
        return;
    const QString text = QString::fromUtf16(row.text);
    switch (row.kind) {
    case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(text);
        break;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::Option:
        static_cast<QAbstractButton*>(w)->setText(text);
        break;
    case ControlKind::Panel:
        static_cast<QGroupBox*>(w)->setTitle(text);
        break;
    case ControlKind::TextBox:
        static_cast<QLineEdit*>(w)->setText(text);
        break;
    case ControlKind::MultiLineText:
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
        break;
    case ControlKind::Combo:
        static_cast<QComboBox*>(w)->setEditText(text);
        break;
    case ControlKind::Image:
    case ControlKind::PictureBox:
    case ControlKind::List:
    case ControlKind::Rectangle:
        break;
    }
}

void applyLook(QWidget* w, const ControlSpec& row) {
    w->setObjectName(QString::fromLatin1(row.name));
    w->setGeometry(twips::toPixels(row.left, row.top, row.width, row.height));
    // A control that would inherit its font anyway is not given it: every font change restyles
    // the control and its parts.
    const QFont font = uifont::font(row.look.size, row.look.bold, row.look.underline);
    if (w->font() != font)
        w->setFont(font);
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
    if (row.look.accessibleName)
        w->setAccessibleName(QString::fromUtf16(row.look.accessibleName));
    else if (row.kind == ControlKind::Panel && row.container && row.text && *row.text)
        // Screen readers would otherwise name a panel within a panel after the outer one.
        w->setAccessibleName(QString::fromUtf16(row.text));
    // Links are reached by Tab and pressed with Enter or Space, like buttons.
    if (row.look.hand)
        w->setFocusPolicy(Qt::StrongFocus);
}

} // namespace

QList<QWidget*> readingOrder(const QWidget* container) {
    struct Item {
        QWidget* widget;
        QPoint at;
        qsizetype stacking; // higher lies on top
    };
    QList<Item> items;
    const QObjectList& children = container->children();
    for (qsizetype i = 0; i < children.size(); ++i) {
        auto* w = qobject_cast<QWidget*>(children[i]);
        if (w && !w->isWindow())
            items.append({w, w->pos(), i});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.at.y() < b.at.y(); });
    // Within a line: left to right; of two at one place, the one on top first.
    auto line = items.begin();
    while (line != items.end()) {
        const int top = line->at.y();
        const auto end = std::find_if(line, items.end(), [top](const Item& item) {
            return item.at.y() - top > RowTolerancePixels;
        });
        std::sort(line, end, [](const Item& a, const Item& b) {
            return a.at.x() != b.at.x() ? a.at.x() < b.at.x() : a.stacking > b.stacking;
        });
        line = end;
    }

    QList<QWidget*> order;
    for (const Item& item : items) {
        if (takesFocus(item.widget))
            order.append(item.widget);
        else
            order.append(readingOrder(item.widget));
    }
    return order;
}

void chainTabOrder(QWidget* window) {
    const QList<QWidget*> order = readingOrder(window);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool isInSight(const QWidget* control) {
    const QWidget* window = control->window();
    const QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
    return hit && (hit == control || control->isAncestorOf(hit));
}

bool isTabStop(const QWidget* control) {
    const QWidget* window = control->window();
    return takesTabFocus(control) && control->isVisibleTo(window) && control->isEnabled() &&
           isInSight(control);
}

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
        setText(w, row);
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

    for (const ControlSpec& row : rows) {
        if (!row.look.labelledBy)
            continue;
        const ControlSpec* labelRow = byName.value(QString::fromLatin1(row.look.labelledBy));
        Q_ASSERT_X(labelRow, "labelledBy", row.look.labelledBy);
        auto* label = qobject_cast<QLabel*>(made.value(labelRow));
        Q_ASSERT_X(label, "labelledBy", row.look.labelledBy);
        QWidget* control = made.value(&row);
        label->setBuddy(control);
        // Their accessible names do not look at a buddy.
        if ((row.kind == ControlKind::List || row.kind == ControlKind::Combo) &&
            !row.look.accessibleName)
            control->setAccessibleName(label->text().simplified());
    }

    chainTabOrder(window);
    auto* keyboard = new KeyboardUse(window);
    for (const ControlSpec& row : rows)
        if (!isGraphical(row.kind))
            made.value(&row)->installEventFilter(keyboard);
}

} // namespace layouttable
