#pragma once

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

// A time-series chart over clock time: series on one regular time grid, an optional shaded
// band between two of them, horizontal level lines, vertical time lines and labelled marks.
// The value axis runs from 0; a second axis on the right shows the values times a factor.
// Hovering, or the arrow keys, move a cursor that reads out the first series (and the band).
class ChartWidget : public QWidget {
    Q_OBJECT

public:
    struct Series {
        QString name;
        QList<double> values; // NaN leaves a gap
        QColor colour;
        qreal width = 1.5;
        Qt::PenStyle style = Qt::SolidLine;
    };
    struct Band {
        QString name;
        QList<double> lower, upper;
        QColor fill;
    };
    struct LevelLine {
        double value = 0;
        QString label;
        QColor colour;
        Qt::PenStyle style = Qt::DashDotLine;
    };
    struct TimeLine {
        QDateTime at;
        QString label;
        QColor colour;
        Qt::PenStyle style = Qt::DotLine;
    };
    struct Mark {
        QDateTime at;
        double value = 0;
        QString label;
    };

    explicit ChartWidget(QWidget* parent = nullptr);

    // Value i of every series and band edge lies at start + i × stepSeconds; clock texts are
    // in the time zone of `start`.
    void setGrid(const QDateTime& start, int stepSeconds);
    void setSeries(const QList<Series>& series);
    void setBand(const std::optional<Band>& band);
    void setLevelLines(const QList<LevelLine>& lines);
    void setTimeLines(const QList<TimeLine>& lines);
    void setMarks(const QList<Mark>& marks);
    void setLeftAxis(const QString& unit);
    void setRightAxis(const QString& unit, double factor);
    // The value axis reaches at least this far, so an all-zero series still has a scale.
    void setMinimumTop(double value);
    void setValueDecimals(int decimals);
    void setEmptyText(const QString& text);
    void clear();

    bool hasData() const;
    int gridSize() const;
    QDateTime gridTime(int index) const;

    // Geometry for the current size.
    QRectF plotRect() const;
    QPointF toPixel(const QDateTime& moment, double value) const;
    QDateTime timeAtX(double x) const;
    double valueAtY(double y) const;
    QDateTime firstTime() const; // the left and right ends of the time axis
    QDateTime lastTime() const;
    double valueTop() const;
    double valueStep() const;
    int timeStepMinutes() const;
    QList<QDateTime> timeTicks() const;
    QList<QDateTime> dateTicks() const;

    // "21:35 — 0,52 ‰ (0,26 мг/л); от 0,40 до 0,65 ‰" for the grid point nearest to x, or
    // nothing where there is no value.
    std::optional<QString> readoutAt(double x) const;
    std::optional<QString> readout() const; // at the cursor, if it is shown
    std::optional<int> cursorIndex() const { return m_cursor; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void readoutChanged(const QString& text); // empty when the cursor is hidden

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Layout;

    Layout layout() const;
    // Pixels one time label needs, gap to the next included.
    int timeLabelSpacing() const;
    QPointF toPixel(const Layout& layout, qint64 msecs, double value) const;
    std::optional<int> indexAt(const Layout& layout, double x) const;
    QStringList readoutLines(int index) const;
    void moveCursorTo(std::optional<int> index);
    void dataChanged();

    void paintAxes(QPainter& painter, const Layout& layout) const;
    void paintBand(QPainter& painter, const Layout& layout) const;
    // Returns where the labels went, for the marks to keep clear of.
    QList<QRectF> paintLevelLines(QPainter& painter, const Layout& layout) const;
    void paintTimeLines(QPainter& painter, const Layout& layout) const;
    void paintSeries(QPainter& painter, const Layout& layout) const;
    void paintMarks(QPainter& painter, const Layout& layout, QList<QRectF> taken) const;
    void paintCursor(QPainter& painter, const Layout& layout) const;

    QDateTime m_start;
    int m_step = 0;
    QList<Series> m_series;
    std::optional<Band> m_band;
    QList<LevelLine> m_levelLines;
    QList<TimeLine> m_timeLines;
    QList<Mark> m_marks;
    QString m_leftUnit;
    QString m_rightUnit;
    double m_rightFactor = 0;
    double m_minimumTop = 0.1;
    int m_decimals = 2;
    QString m_emptyText;
    std::optional<int> m_cursor;
};
