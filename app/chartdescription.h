#pragma once

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a time-series chart over clock time shows, whatever it is drawn on: series on one
// regular time grid, an optional shaded band between two of them, horizontal level lines,
// vertical time lines and labelled marks, some named in a legend. The value axis runs from 0; a
// second axis on the right shows the values times a factor.
struct ChartDescription {
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
        enum class Shape { Diamond, Circle };
        QDateTime at;
        double value = 0;
        QString label;
        Shape shape = Shape::Diamond;
        QColor colour{};  // the text's when not valid
        QString legend{}; // marks under one name share an entry in the legend; none when empty
        QString spoken{}; // what a screen reader hears of the mark; nothing when empty
    };

    // Value i of every series and band edge lies at start + i × stepSeconds; clock texts are
    // in the time zone of `start`.
    QDateTime start;
    int stepSeconds = 0;
    QList<Series> series; // the first is the main one, read out by the cursor
    std::optional<Band> band;
    QList<LevelLine> levelLines;
    QList<TimeLine> timeLines;
    QList<Mark> marks;
    QString leftUnit;
    QString rightUnit;
    double rightFactor = 0; // no right axis unless above 0
    // The value axis reaches at least this far, so an all-zero series still has a scale.
    double minimumTop = 0.1;
    int valueDecimals = 2; // of the readout, 0 to 6
    QString emptyText;     // shown instead of a chart without data

    bool hasData() const;
    int gridSize() const;
    QDateTime gridTime(int index) const;
    bool hasRightAxis() const { return rightFactor > 0; }

    // The highest finite value of the series, the band, the level lines and the marks (at
    // least 0): what the value axis must reach.
    double highestValue() const;

    // The first series at grid point `index`: "21:35 — 0,52 ‰ (0,26 мг/л)", then the band's
    // "от 0,40 до 0,65 ‰" where it has both edges. Nothing where there is no value.
    QStringList readoutLines(int index) const;

    // What the marks say to a screen reader, in their order.
    QStringList spokenMarks() const;
};
