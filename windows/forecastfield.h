#pragma once

#include <QLabel>
#include <QLineEdit>

// A typed field of the forecast window. Marked with a problem, it shows it in its colours, and a
// screen reader hears the problem as the field's description.
class ForecastField : public QLineEdit {
    Q_OBJECT

public:
    explicit ForecastField(QWidget* parent = nullptr);

    void setProblem(const QString& problem);
    bool hasProblem() const { return !m_problem.isEmpty(); }

    // The field is never narrower than `text` in its font, whatever the font; a snug field is
    // no wider either.
    void setWidestText(const QString& text, bool snug = false);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    int widthFor(const QString& text) const;
    QColor markedText() const;
    void showProblem(); // the colours, against the desktop's current ones
    QString m_problem;
    QString m_widest;
    bool m_snug = false;
};

// The line below a field that names its problem. Empty, it says nothing to a screen reader:
// an empty label would otherwise be read out with its group's title.
class ProblemLine : public QLabel {
    Q_OBJECT

public:
    explicit ProblemLine(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    QColor wordsColour() const;
    void showColour();
};
