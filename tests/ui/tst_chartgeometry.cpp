#include "app/chartaxis.h"
#include "app/chartgeometry.h"
#include "app/chartpainter.h"

#include "samplechart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

// Layout and mapping of a chart at a size, without any widget: where the plot goes, the value
// and time scales, the ticks, and pixels to time, value and grid point and back.
class TestChartGeometry : public QObject {
    Q_OBJECT

private slots:
    void mappingRoundTripsAtEverySize_data();
    void mappingRoundTripsAtEverySize();
    void valueAxisCoversEverythingInNiceSteps_data();
    void valueAxisCoversEverythingInNiceSteps();
    void timeLabelsNeverOverlap_data();
    void timeLabelsNeverOverlap();
    void midnightIsMarkedWithTheDate_data();
    void midnightIsMarkedWithTheDate();
    void farApartTimesLayOutAndPaintAtOnce_data();
    void farApartTimesLayOutAndPaintAtOnce();
    void indexAtFindsTheNearestPointUpToThePlotsEdges_data();
    void indexAtFindsTheNearestPointUpToThePlotsEdges();
};

namespace {

using Chart = ChartDescription;

using samplechart::evening;
using samplechart::line;

// One series on a grid from `start`.
Chart chartOf(const QDateTime& start, int step, const QList<double>& values) {
    return samplechart::of(start, step, values);
}

// As a widget of that size lays it out, in the application's font.
ChartGeometry laidOut(const Chart& chart, QSizeF size) {
    return ChartGeometry(chart, size, QApplication::font());
}

qreal clockLabelWidth() {
    return QFontMetricsF(QApplication::font()).horizontalAdvance(u"00:00"_qs);
}

bool isNice(double step) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(step)));
    const double mantissa = step / magnitude;
    for (const double nice : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (std::abs(mantissa - nice) < 1e-9)
            return true;
    }
    return false;
}

} // namespace

void TestChartGeometry::mappingRoundTripsAtEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<double>("value");
    QTest::newRow("large, start") << QSize(1000, 600) << 0 << 0.0;
    QTest::newRow("large, middle") << QSize(1000, 600) << 125 << 0.37;
    QTest::newRow("small, middle") << QSize(500, 300) << 125 << 0.37;
    QTest::newRow("small, end") << QSize(500, 300) << 300 << 1.2;
    QTest::newRow("minimum, peak") << QSize(400, 250) << 47 << 0.81;
    QTest::newRow("wide and flat") << QSize(1600, 260) << 211 << 0.05;
}

void TestChartGeometry::mappingRoundTripsAtEverySize() {
    QFETCH(QSize, size);
    QFETCH(int, minutes);
    QFETCH(double, value);
    Chart chart = chartOf(evening, 60, line(301, 0.8, -0.0025));
    chart.levelLines = {{1.3, u"Предел"_qs, Qt::red, Qt::DashDotLine}};
    const QDateTime moment = evening.addSecs(minutes * 60);

    // Where the point sits as a fraction of the plot must survive a resize.
    const ChartGeometry large = laidOut(chart, QSizeF(1000, 600));
    const QRectF before = large.plotRect();
    const double topBefore = large.valueTop();
    const QPointF first = large.toPixel(moment, value);
    const QPointF share((first.x() - before.left()) / before.width(),
                        (before.bottom() - first.y()) / before.height());
    const ChartGeometry geometry = laidOut(chart, size);

    const QRectF plot = geometry.plotRect();
    QVERIFY(QRectF(QPointF(), geometry.size()).contains(plot));
    QVERIFY(plot.width() > size.width() / 2 && plot.height() > size.height() / 2);
    const QPointF p = geometry.toPixel(moment, value);
    QVERIFY2(plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p),
             qPrintable(u"%1,%2"_qs.arg(p.x()).arg(p.y())));
    QVERIFY(std::abs(geometry.timeAtX(p.x()).msecsTo(moment)) <= 1000);
    QVERIFY(std::abs(geometry.valueAtY(p.y()) - value) < 1e-9);
    QCOMPARE(geometry.timeAtX(p.x()).offsetFromUtc(), evening.offsetFromUtc());
    QVERIFY(std::abs((p.x() - plot.left()) / plot.width() - share.x()) < 1e-9);
    // The value axis may choose other steps at another height; the time axis may not.
    if (geometry.valueTop() == topBefore)
        QVERIFY(std::abs((plot.bottom() - p.y()) / plot.height() - share.y()) < 1e-9);
}

void TestChartGeometry::valueAxisCoversEverythingInNiceSteps_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("bandTop");
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("mark");
    QTest::addColumn<double>("mustReach");

    const QList<double> hump{0, 0.3, 0.83, 0.6, 0.2, 0};
    QTest::newRow("series") << QSize(1000, 600) << hump << 0.0 << 0.0 << 0.0 << 0.83;
    QTest::newRow("limit above the series")
        << QSize(1000, 600) << QList<double>{0, 0.1, 0.2} << 0.0 << 0.5 << 0.0 << 0.5;
    QTest::newRow("band above the series") << QSize(500, 300) << hump << 1.31 << 0.5 << 0.0 << 1.31;
    QTest::newRow("mark above everything") << QSize(500, 300) << hump << 1.0 << 0.5 << 2.4 << 2.4;
    QTest::newRow("large values") << QSize(1000, 600) << QList<double>{3, 37, 12} << 0.0 << 0.0
                                  << 0.0 << 37.0;
    QTest::newRow("tiny values") << QSize(400, 250) << QList<double>{0, 0.013, 0.004} << 0.0 << 0.0
                                 << 0.0 << 0.013;
    QTest::newRow("flat zero") << QSize(1000, 600) << QList<double>(10, 0.0) << 0.0 << 0.0 << 0.0
                               << 0.0;
}

void TestChartGeometry::valueAxisCoversEverythingInNiceSteps() {
    QFETCH(QSize, size);
    QFETCH(QList<double>, values);
    QFETCH(double, bandTop);
    QFETCH(double, level);
    QFETCH(double, mark);
    QFETCH(double, mustReach);
    const double floor = 0.01;
    Chart chart = chartOf(evening, 600, values);
    chart.minimumTop = floor;
    if (bandTop > 0)
        chart.band = Chart::Band{
            {}, QList<double>(values.size(), 0.0), QList<double>(values.size(), bandTop), Qt::cyan};
    if (level > 0)
        chart.levelLines = {{level, u"Предел"_qs, Qt::red, Qt::DashDotLine}};
    if (mark > 0)
        chart.marks = {{evening.addSecs(1200), mark, u"пик"_qs}};

    const ChartGeometry geometry = laidOut(chart, size);
    const double top = geometry.valueTop();
    const double step = geometry.valueStep();
    QVERIFY2(top >= std::max(mustReach, floor), qPrintable(QString::number(top)));
    QVERIFY2(isNice(step), qPrintable(QString::number(step)));
    const double steps = top / step;
    QVERIFY(std::abs(steps - std::round(steps)) < 1e-9);
    QVERIFY(steps >= 2 && steps <= 10);
    // Nice, but not wasteful: the top lies within a step of what must show (and headroom).
    QVERIFY2(top <= std::max(mustReach * 1.05, floor) + step + 1e-12,
             qPrintable(QString::number(top)));
}

void TestChartGeometry::timeLabelsNeverOverlap_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("hours");
    for (const int width : {400, 520, 700, 1000, 1600}) {
        for (const int hours : {1, 5, 12, 26, 72}) {
            const QByteArray name =
                QByteArray::number(width) + " px, " + QByteArray::number(hours) + " h";
            QTest::newRow(name.constData()) << width << hours;
        }
    }
}

void TestChartGeometry::timeLabelsNeverOverlap() {
    QFETCH(int, width);
    QFETCH(int, hours);
    // From 17:10.
    const Chart chart =
        chartOf(evening.addSecs(-(3 * 3600 + 50 * 60)), 60, QList<double>(hours * 60 + 1, 0.2));
    const ChartGeometry geometry = laidOut(chart, QSizeF(width, 300));

    const QList<QDateTime> ticks = geometry.timeTicks();
    QVERIFY2(ticks.size() >= 3, qPrintable(QString::number(ticks.size())));
    const int step = geometry.timeStepMinutes();
    QVERIFY(QList<int>({15, 30, 60, 120, 180, 360, 720, 1440, 2880}).contains(step));
    const qreal labelWidth = clockLabelWidth();
    const QRectF plot = geometry.plotRect();
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const QDateTime local = chartaxis::inZoneOf(ticks[i], evening);
        QCOMPARE(local.time().msecsSinceStartOfDay() % (step * 60000), 0);
        const qreal x = geometry.toPixel(ticks[i], 0).x();
        QVERIFY(x >= plot.left() - 0.5 && x <= plot.right() + 0.5);
        if (i > 0) {
            const qreal gap = x - geometry.toPixel(ticks[i - 1], 0).x();
            QVERIFY2(gap >= labelWidth + 8, qPrintable(u"%1 px apart"_qs.arg(gap)));
        }
    }
}

void TestChartGeometry::midnightIsMarkedWithTheDate_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("nowAfterHours");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("evening into night") << evening << 8 << 1 << QStringList{u"10 дек."_qs};
    QTest::newRow("within one day") << evening.addSecs(-12 * 3600) << 10 << 1 << QStringList{};
    QTest::newRow("over new year")
        << evening.addDays(22).addSecs(3600) << 30 << 1 << QStringList{u"1 янв."_qs, u"2 янв."_qs};
    // The time axis reaches out to "now" even when it lies beyond the data.
    QTest::newRow("now after midnight") << evening << 2 << 4 << QStringList{u"10 дек."_qs};
    QTest::newRow("in UTC") << QDateTime(QDate(2025, 3, 1), QTime(23, 0), Qt::UTC) << 3 << 1
                            << QStringList{u"2 мар."_qs};
}

void TestChartGeometry::midnightIsMarkedWithTheDate() {
    QFETCH(QDateTime, start);
    QFETCH(int, hours);
    QFETCH(int, nowAfterHours);
    QFETCH(QStringList, dates);
    Chart chart = chartOf(start, 300, QList<double>(hours * 12 + 1, 0.3));
    chart.timeLines = {{start.addSecs(nowAfterHours * 3600), u"сейчас"_qs, Qt::black, Qt::DotLine}};
    const ChartGeometry geometry = laidOut(chart, QSizeF(800, 400));

    QStringList texts;
    for (const QDateTime& tick : geometry.dateTicks()) {
        const QDateTime local = chartaxis::inZoneOf(tick, start);
        QCOMPARE(local.time(), QTime(0, 0));
        QVERIFY(tick >= geometry.firstTime() && tick <= geometry.lastTime());
        texts.append(chartaxis::dateText(local.date()));
    }
    QCOMPARE(texts, dates);
}

void TestChartGeometry::farApartTimesLayOutAndPaintAtOnce_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("mark");

    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0));
    QTest::newRow("grid in 9999, now in 2026")
        << QDateTime(QDate(9999, 9, 9), QTime(21, 0)) << now << QDateTime();
    QTest::newRow("grid in 7000, now in 2026")
        << QDateTime(QDate(7000, 1, 1), QTime(20, 0)) << now << QDateTime();
    QTest::newRow("grid in 2200, now in 2026")
        << QDateTime(QDate(2200, 1, 1), QTime(20, 0)) << now << QDateTime();
    QTest::newRow("grid now, a mark in 4000")
        << now << now << QDateTime(QDate(4000, 1, 1), QTime(20, 0));
    QTest::newRow("grid in 9999 in Moscow, now in 2026")
        << QDateTime(QDate(9999, 9, 9), QTime(21, 0), Qt::OffsetFromUTC, 3 * 3600) << now
        << QDateTime();
}

void TestChartGeometry::farApartTimesLayOutAndPaintAtOnce() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, mark);
    QElapsedTimer timer;
    timer.start();
    // Three days of a forecast on a one-minute grid.
    Chart chart = chartOf(start, 60, line(4321, 0.6, -0.0001));
    chart.band = Chart::Band{{}, line(4321, 0.5, -0.0001), line(4321, 0.7, -0.0001), Qt::cyan};
    chart.timeLines = {{now, u"сейчас"_qs, Qt::black, Qt::DotLine}};
    if (mark.isValid())
        chart.marks = {{mark, 0.4, u"пик"_qs}};
    const ChartGeometry geometry = laidOut(chart, QSizeF(800, 400));

    QVERIFY(geometry.firstTime() <= std::min(start, now) &&
            geometry.lastTime() >= std::max(start, now));
    // The axis thins rather than smears: clock labels clear of each other, day lines apart.
    const qreal labelWidth = clockLabelWidth();
    const QList<QDateTime> ticks = geometry.timeTicks();
    QCOMPARE_GE(ticks.size(), 2);
    QCOMPARE_LE(ticks.size(), geometry.plotRect().width() / (labelWidth + 8) + 1);
    for (qsizetype i = 1; i < ticks.size(); ++i)
        QCOMPARE_GE(geometry.toPixel(ticks[i], 0).x() - geometry.toPixel(ticks[i - 1], 0).x(),
                    labelWidth + 8);
    const QList<QDateTime> days = geometry.dateTicks();
    QCOMPARE_GE(days.size(), 2);
    for (qsizetype i = 1; i < days.size(); ++i)
        QCOMPARE_GE(geometry.toPixel(days[i], 0).x() - geometry.toPixel(days[i - 1], 0).x(), 3.0);
    // The grid's first and last points are still found under the pointer.
    QCOMPARE(geometry.indexAt(geometry.toPixel(start, 0).x()), 0);
    QCOMPARE(geometry.indexAt(geometry.toPixel(chart.gridTime(4320), 0).x()), 4320);
    QImage image(800, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartPainter(painter, geometry, QApplication::palette()).paint(4320);
    painter.end();
    // Well under a second here, about three under Wine on a busy machine; the walk over every
    // day took minutes.
    QCOMPARE_LT(timer.elapsed(), 8000);
}

void TestChartGeometry::indexAtFindsTheNearestPointUpToThePlotsEdges_data() {
    QTest::addColumn<int>("edge");    // −1, +1: at the plot's left or right edge; 0: at `seconds`
    QTest::addColumn<int>("seconds"); // from the grid start
    QTest::addColumn<double>("nudge"); // pixels further right
    QTest::addColumn<int>("index");    // −1: none

    QTest::newRow("first point") << 0 << 0 << 0.0 << 0;
    QTest::newRow("nearer the first") << 0 << 290 << 0.0 << 0;
    QTest::newRow("nearer the second") << 0 << 310 << 0.0 << 1;
    QTest::newRow("last point") << 0 << 7200 << 0.0 << 12;
    QTest::newRow("a gap in the series") << 0 << 3000 << 0.0 << -1;
    // The axis runs a little beyond the grid, less than half a step here.
    QTest::newRow("plot's left edge") << -1 << 0 << 0.0 << 0;
    QTest::newRow("plot's right edge") << 1 << 0 << 0.0 << 12;
    QTest::newRow("left of the plot") << -1 << 0 << -1.0 << -1;
    QTest::newRow("right of the plot") << 1 << 0 << 1.0 << -1;
}

void TestChartGeometry::indexAtFindsTheNearestPointUpToThePlotsEdges() {
    QFETCH(int, edge);
    QFETCH(int, seconds);
    QFETCH(double, nudge);
    QFETCH(int, index);
    QList<double> values = line(13, 0.2, 0.05); // two hours, every ten minutes
    values[5] = std::numeric_limits<double>::quiet_NaN();
    const ChartGeometry geometry = laidOut(chartOf(evening, 600, values), QSizeF(700, 400));
    const QRectF plot = geometry.plotRect();
    const double x = (edge < 0   ? plot.left()
                      : edge > 0 ? plot.right()
                                 : geometry.toPixel(evening.addSecs(seconds), 0).x()) +
                     nudge;

    QCOMPARE(geometry.indexAt(x).value_or(-1), index);
}

QTEST_MAIN(TestChartGeometry)
#include "tst_chartgeometry.moc"
