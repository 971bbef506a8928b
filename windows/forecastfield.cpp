#include "forecastfield.h"

#include "windows/forecastlook.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// A ProblemLine is a static text named by what it says, and by nothing else.
class ProblemAccessible : public QAccessibleWidget {
public:
    explicit ProblemAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? static_cast<QLabel*>(widget())->text()
                                                        : widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* forecastAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ProblemLine::staticMetaObject.className()))
        return new ProblemAccessible(static_cast<ProblemLine*>(object));
    return nullptr;
}

void installAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(forecastAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

ForecastField::ForecastField(QWidget* parent)
    : QLineEdit(parent) {}

void ForecastField::setWidestText(const QString& text, bool snug) {
    m_widest = text;
    m_snug = snug;
    setSizePolicy(snug ? QSizePolicy::Fixed : QSizePolicy::Expanding,
                  sizePolicy().verticalPolicy());
    updateGeometry();
}

int ForecastField::widthFor(const QString& text) const {
    // As QLineEdit lays its text out: two pixels each side inside the text margins, a pixel for
    // the cursor, the style's frame around them.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const int inside =
        fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + margins.left() + margins.right();
    return style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inside, fontMetrics().height()),
                           this)
        .width();
}

QSize ForecastField::minimumSizeHint() const {
    QSize size = QLineEdit::minimumSizeHint();
    if (!m_widest.isEmpty())
        size.setWidth(std::max(size.width(), widthFor(m_widest)));
    return size;
}

QSize ForecastField::sizeHint() const {
    QSize size = QLineEdit::sizeHint();
    if (!m_widest.isEmpty())
        size.setWidth(m_snug ? widthFor(m_widest) : std::max(size.width(), widthFor(m_widest)));
    return size;
}

void ForecastField::setProblem(const QString& problem) {
    // A screen reader reads the problem as the field's description.
    setAccessibleDescription(problem);
    if (problem == m_problem)
        return;
    m_problem = problem;
    showProblem();
}

QColor ForecastField::markedText() const {
    const QWidget* around = parentWidget();
    return forecastlook::readableOnMark(
        (around ? around->palette() : QApplication::palette()).color(QPalette::Text));
}

void ForecastField::showProblem() {
    // Unmarked, the field takes the desktop's colours again; marked, its text is set with its
    // background, so that the light text of a dark scheme never lands on the light mark.
    QPalette p;
    if (hasProblem()) {
        p.setColor(QPalette::Base, forecastlook::ProblemField);
        p.setColor(QPalette::Text, markedText());
    }
    setPalette(p);
}

void ForecastField::changeEvent(QEvent* event) {
    // The desktop's colours changed under a marked field.
    if (event->type() == QEvent::PaletteChange && hasProblem() &&
        palette().color(QPalette::Text) != markedText())
        showProblem();
    QLineEdit::changeEvent(event);
}

ProblemLine::ProblemLine(QWidget* parent)
    : QLabel(parent) {
    installAccessible();
    showColour();
}

QColor ProblemLine::wordsColour() const {
    const QWidget* around = parentWidget();
    return forecastlook::problemWords(
        (around ? around->palette() : QApplication::palette()).color(QPalette::Window));
}

void ProblemLine::showColour() {
    QPalette p;
    p.setColor(QPalette::WindowText, wordsColour());
    setPalette(p);
}

void ProblemLine::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange &&
        palette().color(QPalette::WindowText) != wordsColour())
        showColour();
    QLabel::changeEvent(event);
}
