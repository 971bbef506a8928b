#include "app/chartaxis.h"
#include "app/chartwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

class TestChartWidget : public QObject {
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
    void ticksStayFewOverAnySpan_data();
    void ticksStayFewOverAnySpan();
    void midnightsStayFewOverAnySpan_data();
    void midnightsStayFewOverAnySpan();
    void farApartTimesLayOutAndPaintAtOnce_data();
    void farApartTimesLayOutAndPaintAtOnce();
    void readoutNamesTheNearestGridPoint_data();
    void readoutNamesTheNearestGridPoint();
    void emptyChartHasNoReadout_data();
    void emptyChartHasNoReadout();
    void bandIsFilledOnlyBetweenItsEdges_data();
    void bandIsFilledOnlyBetweenItsEdges();
    void thinningKeepsANarrowPeak_data();
    void thinningKeepsANarrowPeak();
    void arrowKeysMoveTheReadout_data();
    void arrowKeysMoveTheReadout();
    void hoverShowsTheReadoutAndLeavingHidesIt();
};

namespace {

// 21:00 in Moscow, whatever the zone of the machine running the test.
const QDateTime evening(QDate(2024, 12, 9), QTime(21, 0), Qt::OffsetFromUTC, 3 * 3600);

QList<double> line(int count, double first, double slope) {
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values.append(first + slope * i);
    return values;
}

ChartWidget::Series central(const QList<double>& values, QColor colour = Qt::blue) {
    return {u"Средняя"_qs, values, colour, 2.5};
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

QImage rendered(ChartWidget& chart) {
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    chart.render(&image);
    return image;
}

// Whether any pixel within `radius` of `at` has exactly `colour`.
bool colourNear(const QImage& image, QPointF at, QRgb colour, int radius) {
    const QPoint centre = at.toPoint();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && (image.pixel(p) & 0xffffff) == (colour & 0xffffff))
                return true;
        }
    }
    return false;
}

} // namespace

void TestChartWidget::mappingRoundTripsAtEverySize_data() {
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

void TestChartWidget::mappingRoundTripsAtEverySize() {
    QFETCH(QSize, size);
    QFETCH(int, minutes);
    QFETCH(double, value);
    ChartWidget chart;
    chart.setGrid(evening, 60);
    chart.setSeries({central(line(301, 0.8, -0.0025))});
    chart.setLevelLines({{1.3, u"Предел"_qs, Qt::red, Qt::DashDotLine}});
    const QDateTime moment = evening.addSecs(minutes * 60);

    // Where the point sits as a fraction of the plot must survive a resize.
    chart.resize(1000, 600);
    const QRectF before = chart.plotRect();
    const double topBefore = chart.valueTop();
    const QPointF first = chart.toPixel(moment, value);
    const QPointF share((first.x() - before.left()) / before.width(),
                        (before.bottom() - first.y()) / before.height());
    chart.resize(size);

    const QRectF plot = chart.plotRect();
    QVERIFY(QRectF(chart.rect()).contains(plot));
    QVERIFY(plot.width() > size.width() / 2 && plot.height() > size.height() / 2);
    const QPointF p = chart.toPixel(moment, value);
    QVERIFY2(plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p),
             qPrintable(u"%1,%2"_qs.arg(p.x()).arg(p.y())));
    QVERIFY(std::abs(chart.timeAtX(p.x()).msecsTo(moment)) <= 1000);
    QVERIFY(std::abs(chart.valueAtY(p.y()) - value) < 1e-9);
    QCOMPARE(chart.timeAtX(p.x()).offsetFromUtc(), evening.offsetFromUtc());
    QVERIFY(std::abs((p.x() - plot.left()) / plot.width() - share.x()) < 1e-9);
    // The value axis may choose other steps at another height; the time axis may not.
    if (chart.valueTop() == topBefore)
        QVERIFY(std::abs((plot.bottom() - p.y()) / plot.height() - share.y()) < 1e-9);
}

void TestChartWidget::valueAxisCoversEverythingInNiceSteps_data() {
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

void TestChartWidget::valueAxisCoversEverythingInNiceSteps() {
    QFETCH(QSize, size);
    QFETCH(QList<double>, values);
    QFETCH(double, bandTop);
    QFETCH(double, level);
    QFETCH(double, mark);
    QFETCH(double, mustReach);
    const double floor = 0.01;
    ChartWidget chart;
    chart.resize(size);
    chart.setMinimumTop(floor);
    chart.setGrid(evening, 600);
    chart.setSeries({central(values)});
    if (bandTop > 0)
        chart.setBand(ChartWidget::Band{{},
                                        QList<double>(values.size(), 0.0),
                                        QList<double>(values.size(), bandTop),
                                        Qt::cyan});
    if (level > 0)
        chart.setLevelLines({{level, u"Предел"_qs, Qt::red, Qt::DashDotLine}});
    if (mark > 0)
        chart.setMarks({{evening.addSecs(1200), mark, u"пик"_qs}});

    const double top = chart.valueTop();
    const double step = chart.valueStep();
    QVERIFY2(top >= std::max(mustReach, floor), qPrintable(QString::number(top)));
    QVERIFY2(isNice(step), qPrintable(QString::number(step)));
    const double steps = top / step;
    QVERIFY(std::abs(steps - std::round(steps)) < 1e-9);
    QVERIFY(steps >= 2 && steps <= 10);
    // Nice, but not wasteful: the top lies within a step of what must show (and headroom).
    QVERIFY2(top <= std::max(mustReach * 1.05, floor) + step + 1e-12,
             qPrintable(QString::number(top)));
}

void TestChartWidget::timeLabelsNeverOverlap_data() {
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

void TestChartWidget::timeLabelsNeverOverlap() {
    QFETCH(int, width);
    QFETCH(int, hours);
    ChartWidget chart;
    chart.resize(width, 300);
    chart.setGrid(evening.addSecs(-(3 * 3600 + 50 * 60)), 60); // 17:10
    chart.setSeries({central(QList<double>(hours * 60 + 1, 0.2))});

    const QList<QDateTime> ticks = chart.timeTicks();
    QVERIFY2(ticks.size() >= 3, qPrintable(QString::number(ticks.size())));
    const int step = chart.timeStepMinutes();
    QVERIFY(QList<int>({15, 30, 60, 120, 180, 360, 720, 1440, 2880}).contains(step));
    const qreal labelWidth = QFontMetricsF(chart.font()).horizontalAdvance(u"00:00"_qs);
    const QRectF plot = chart.plotRect();
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const QDateTime local = chartaxis::inZoneOf(ticks[i], evening);
        QCOMPARE(local.time().msecsSinceStartOfDay() % (step * 60000), 0);
        const qreal x = chart.toPixel(ticks[i], 0).x();
        QVERIFY(x >= plot.left() - 0.5 && x <= plot.right() + 0.5);
        if (i > 0) {
            const qreal gap = x - chart.toPixel(ticks[i - 1], 0).x();
            QVERIFY2(gap >= labelWidth + 8, qPrintable(u"%1 px apart"_qs.arg(gap)));
        }
    }
}

void TestChartWidget::midnightIsMarkedWithTheDate_data() {
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

void TestChartWidget::midnightIsMarkedWithTheDate() {
    QFETCH(QDateTime, start);
    QFETCH(int, hours);
    QFETCH(int, nowAfterHours);
    QFETCH(QStringList, dates);
    ChartWidget chart;
    chart.resize(800, 400);
    chart.setGrid(start, 300);
    chart.setSeries({central(QList<double>(hours * 12 + 1, 0.3))});
    chart.setTimeLines(
        {{start.addSecs(nowAfterHours * 3600), u"сейчас"_qs, Qt::black, Qt::DotLine}});

    QStringList texts;
    for (const QDateTime& tick : chart.dateTicks()) {
        const QDateTime local = chartaxis::inZoneOf(tick, start);
        QCOMPARE(local.time(), QTime(0, 0));
        QVERIFY(tick >= chart.firstTime() && tick <= chart.lastTime());
        texts.append(chartaxis::dateText(local.date()));
    }
    QCOMPARE(texts, dates);
}

void TestChartWidget::ticksStayFewOverAnySpan_data() {
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("count"); // −1: thinned, between a quarter of the limit and the limit
    QTest::addColumn<int>("dayStride"); // the days between midnights, once thinned to them

    const QDateTime day(QDate(2024, 12, 9), QTime(0, 0), Qt::OffsetFromUTC, 3 * 3600);
    const QDateTime future(QDate(9999, 9, 9), QTime(21, 0), Qt::OffsetFromUTC, 3 * 3600);
    const QDateTime utcMin =
        QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::min(), Qt::UTC);
    const QDateTime utcMax =
        QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max(), Qt::UTC);
    const int most = chartaxis::MaxTicks;
    QTest::newRow("a day, hourly") << day << day.addDays(1) << 60 << most << 25 << 0;
    QTest::newRow("ten days, quarter hours") << day << day.addDays(10) << 15 << most << 961 << 0;
    // 1057 quarter hours would not fit: midnights instead.
    QTest::newRow("eleven days, quarter hours: daily")
        << day << day.addDays(11) << 15 << most << 12 << 1;
    QTest::newRow("a day, hourly, room for ten: midnights")
        << day << day.addDays(1) << 60 << 10 << 2 << 1;
    QTest::newRow("a year, weekly, room for ten")
        << day << day.addDays(365) << 10080 << 10 << -1 << 7;
    QTest::newRow("to 9999, quarter hours") << day << future << 15 << most << -1 << 1;
    QTest::newRow("to 9999, weekly") << day << future << 10080 << most << -1 << 7;
    QTest::newRow("to 9999 in local time, two-hourly")
        << QDateTime(QDate(2026, 3, 1), QTime(12, 0)) << QDateTime(QDate(9999, 9, 9), QTime(21, 0))
        << 120 << most << -1 << 1;
    QTest::newRow("the whole calendar, daily") << utcMin << utcMax << 1440 << most << -1 << 1;
    QTest::newRow("a limit above the cap counts as the cap")
        << utcMin << utcMax << 1440 << 100 * most << -1 << 1;
}

void TestChartWidget::ticksStayFewOverAnySpan() {
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, step);
    QFETCH(int, limit);
    QFETCH(int, count);
    QFETCH(int, dayStride);
    QElapsedTimer timer;
    timer.start();
    const QList<QDateTime> ticks = chartaxis::timeTicks(from, to, step, limit);
    QCOMPARE_LT(timer.elapsed(), 1000);

    if (count >= 0) {
        QCOMPARE(ticks.size(), count);
    } else {
        const int most = std::min(limit, chartaxis::MaxTicks);
        QCOMPARE_LE(ticks.size(), most);
        QCOMPARE_GE(ticks.size(), most / 4);
    }
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        QVERIFY(ticks[i] >= from && ticks[i] <= to);
        if (i > 0)
            QCOMPARE_LT(ticks[i - 1], ticks[i]);
        const QDateTime local = chartaxis::inZoneOf(ticks[i], from);
        if (dayStride == 0) {
            QCOMPARE(local.time().msecsSinceStartOfDay() % (step * 60000), 0);
            continue;
        }
        // Thinned: midnights on days that are multiples of a multiple of the stride.
        QCOMPARE(local.time(), QTime(0, 0));
        QCOMPARE(local.date().toJulianDay() % dayStride, 0);
        if (i > 0)
            QCOMPARE(chartaxis::inZoneOf(ticks[i - 1], from).daysTo(local) % dayStride, 0);
    }
}

void TestChartWidget::midnightsStayFewOverAnySpan_data() {
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<int>("count"); // −1: thinned, so between a quarter of the cap and the cap

    QTest::newRow("a week") << evening << evening.addDays(7) << 7;
    QTest::newRow("as many days as the cap")
        << evening << evening.addDays(chartaxis::MaxTicks) << chartaxis::MaxTicks;
    QTest::newRow("to 9999") << evening
                             << QDateTime(QDate(9999, 9, 9), QTime(21, 0), Qt::OffsetFromUTC,
                                          3 * 3600)
                             << -1;
    QTest::newRow("to 9999 in local time") << QDateTime(QDate(2026, 3, 1), QTime(12, 0))
                                           << QDateTime(QDate(9999, 9, 9), QTime(21, 0)) << -1;
    QTest::newRow("the whole calendar")
        << QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::min(), Qt::UTC)
        << QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max(), Qt::UTC) << -1;
}

void TestChartWidget::midnightsStayFewOverAnySpan() {
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, count);
    QElapsedTimer timer;
    timer.start();
    const QList<QDateTime> days = chartaxis::midnights(from, to);
    QCOMPARE_LT(timer.elapsed(), 1000);

    if (count >= 0) {
        QCOMPARE(days.size(), count);
    } else {
        QCOMPARE_LE(days.size(), chartaxis::MaxTicks);
        QCOMPARE_GE(days.size(), chartaxis::MaxTicks / 4);
    }
    for (qsizetype i = 0; i < days.size(); ++i) {
        QVERIFY(days[i] > from && days[i] <= to);
        QCOMPARE(chartaxis::inZoneOf(days[i], from).time(), QTime(0, 0));
        if (i > 0)
            QCOMPARE_LT(days[i - 1], days[i]);
    }
}

void TestChartWidget::farApartTimesLayOutAndPaintAtOnce_data() {
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

void TestChartWidget::farApartTimesLayOutAndPaintAtOnce() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, mark);
    QElapsedTimer timer;
    timer.start();
    ChartWidget chart;
    chart.resize(800, 400);
    chart.setGrid(start, 60);
    // Three days of a forecast on a one-minute grid.
    chart.setSeries({central(line(4321, 0.6, -0.0001))});
    chart.setBand(
        ChartWidget::Band{{}, line(4321, 0.5, -0.0001), line(4321, 0.7, -0.0001), Qt::cyan});
    chart.setTimeLines({{now, u"сейчас"_qs, Qt::black, Qt::DotLine}});
    if (mark.isValid())
        chart.setMarks({{mark, 0.4, u"пик"_qs}});

    QVERIFY(!chart.grab().isNull());
    QVERIFY(chart.firstTime() <= std::min(start, now) && chart.lastTime() >= std::max(start, now));
    // The axis thins rather than smears: clock labels clear of each other, day lines apart.
    const qreal labelWidth = QFontMetricsF(chart.font()).horizontalAdvance(u"00:00"_qs);
    const QList<QDateTime> ticks = chart.timeTicks();
    QCOMPARE_GE(ticks.size(), 2);
    for (qsizetype i = 1; i < ticks.size(); ++i)
        QCOMPARE_GE(chart.toPixel(ticks[i], 0).x() - chart.toPixel(ticks[i - 1], 0).x(),
                    labelWidth + 8);
    const QList<QDateTime> days = chart.dateTicks();
    QCOMPARE_GE(days.size(), 2);
    for (qsizetype i = 1; i < days.size(); ++i)
        QCOMPARE_GE(chart.toPixel(days[i], 0).x() - chart.toPixel(days[i - 1], 0).x(), 3.0);
    const QPointF over = chart.toPixel(start, 0.5);
    QMouseEvent move(QEvent::MouseMove, over, chart.mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    QTest::keyClick(&chart, Qt::Key_End);
    QVERIFY(chart.readout());
    QVERIFY(!chart.grab().isNull());
    // Well under a second here, about three under Wine on a busy machine; the walk over every
    // day took minutes.
    QCOMPARE_LT(timer.elapsed(), 8000);
}

void TestChartWidget::readoutNamesTheNearestGridPoint_data() {
    QTest::addColumn<int>("seconds"); // from the grid start, where the pointer is
    QTest::addColumn<bool>("rightAxis");
    QTest::addColumn<bool>("band");
    QTest::addColumn<QString>("expected"); // empty: no readout

    QTest::newRow("on a grid point")
        << 35 * 60 << true << false << u"21:35 — 0,52 ‰ (0,26 мг/л)"_qs;
    QTest::newRow("nearest point before")
        << 37 * 60 << true << false << u"21:35 — 0,52 ‰ (0,26 мг/л)"_qs;
    QTest::newRow("nearest point after")
        << 43 * 60 << true << false << u"21:45 — 0,54 ‰ (0,27 мг/л)"_qs;
    QTest::newRow("no right axis") << 35 * 60 << false << false << u"21:35 — 0,52 ‰"_qs;
    QTest::newRow("with the band")
        << 35 * 60 << true << true << u"21:35 — 0,52 ‰ (0,26 мг/л); от 0,42 до 0,67 ‰"_qs;
    QTest::newRow("first point") << 0 << false << false << u"21:00 — 0,45 ‰"_qs;
    QTest::newRow("past midnight")
        << 200 * 60 << false << true << u"00:20 — 0,85 ‰; от 0,75 до 1,00 ‰"_qs;
    QTest::newRow("before the grid") << -20 * 60 << true << true << QString();
    QTest::newRow("after the grid") << 215 * 60 << true << true << QString();
}

void TestChartWidget::readoutNamesTheNearestGridPoint() {
    QFETCH(int, seconds);
    QFETCH(bool, rightAxis);
    QFETCH(bool, band);
    QFETCH(QString, expected);
    ChartWidget chart;
    chart.resize(1000, 600);
    chart.setGrid(evening, 300);
    const QList<double> values = line(41, 0.45, 0.01); // 21:00 … 00:20
    chart.setSeries({central(values), {u"другая"_qs, line(41, 0.1, 0), Qt::gray}});
    chart.setLeftAxis(u"‰"_qs);
    if (rightAxis)
        chart.setRightAxis(u"мг/л"_qs, 0.5);
    if (band)
        chart.setBand(ChartWidget::Band{{}, line(41, 0.35, 0.01), line(41, 0.6, 0.01), Qt::cyan});
    // Time lines on both sides leave room beyond the grid.
    chart.setTimeLines({{evening.addSecs(-30 * 60), u"сейчас"_qs, Qt::black, Qt::DotLine},
                        {evening.addSecs(240 * 60), u"потом"_qs, Qt::black, Qt::DotLine}});

    const qreal x = chart.toPixel(evening.addSecs(seconds), 0).x();
    QCOMPARE(chart.readoutAt(x).value_or(QString()), expected);
    // Outside the plot there is nothing to read.
    QVERIFY(!chart.readoutAt(chart.plotRect().left() - 3));
    QVERIFY(!chart.readoutAt(chart.plotRect().right() + 3));
}

void TestChartWidget::emptyChartHasNoReadout_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("never fed") << 0;
    QTest::newRow("cleared") << 1;
    QTest::newRow("grid without series") << 2;
    QTest::newRow("series without grid") << 3;
    QTest::newRow("empty series") << 4;
}

void TestChartWidget::emptyChartHasNoReadout() {
    QFETCH(int, state);
    ChartWidget chart;
    chart.resize(500, 300);
    chart.setEmptyText(u"Нет данных"_qs);
    const QList<double> values = line(30, 0.2, 0.01);
    if (state == 1 || state == 2 || state == 4)
        chart.setGrid(evening, 60);
    if (state == 1 || state == 3)
        chart.setSeries({central(values)});
    if (state == 4)
        chart.setSeries({central({})});
    if (state == 1) {
        QTest::keyClick(&chart, Qt::Key_Home);
        QVERIFY(chart.readout());
        chart.clear();
    }

    QVERIFY(!chart.hasData());
    QVERIFY(!chart.readout());
    for (int x = 0; x < chart.width(); x += 7)
        QVERIFY2(!chart.readoutAt(x), qPrintable(QString::number(x)));
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_End);
    QVERIFY(!chart.readout());
    QVERIFY(chart.timeTicks().isEmpty());
    // Painting the empty state must not trip over missing data.
    QVERIFY(!rendered(chart).isNull());
}

void TestChartWidget::bandIsFilledOnlyBetweenItsEdges_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("large") << QSize(1000, 600);
    QTest::newRow("small") << QSize(500, 300);
}

void TestChartWidget::bandIsFilledOnlyBetweenItsEdges() {
    QFETCH(QSize, size);
    const QColor fill(255, 0, 255);
    ChartWidget chart;
    chart.resize(size);
    chart.setGrid(evening, 60);
    const int count = 241;
    chart.setSeries({central(line(count, 0.5, -0.001))});
    // The band widens to the right.
    chart.setBand(ChartWidget::Band{{}, line(count, 0.4, -0.0015), line(count, 0.6, 0.001), fill});
    const QImage image = rendered(chart);

    for (const int i : {30, 120, 210}) {
        const QDateTime at = evening.addSecs(i * 60);
        const double lower = 0.4 - 0.0015 * i;
        const double upper = 0.6 + 0.001 * i;
        const double middle = 0.5 - 0.001 * i;
        // Halfway between the central curve and each edge.
        const QPointF inUpper = chart.toPixel(at, (middle + upper) / 2);
        const QPointF inLower = chart.toPixel(at, (middle + lower) / 2);
        QCOMPARE(QColor(image.pixel(inUpper.toPoint())), fill);
        QCOMPARE(QColor(image.pixel(inLower.toPoint())), fill);
        // Well clear of the edges, outside.
        const QPointF above = chart.toPixel(at, upper) - QPointF(0, 8);
        const QPointF below = chart.toPixel(at, lower) + QPointF(0, 8);
        QVERIFY(!colourNear(image, above, fill.rgb(), 2));
        QVERIFY(!colourNear(image, below, fill.rgb(), 2));
    }
}

void TestChartWidget::thinningKeepsANarrowPeak_data() {
    QTest::addColumn<double>("background");
    QTest::addColumn<double>("extreme");
    QTest::addColumn<int>("at");
    QTest::newRow("peak") << 0.2 << 1.0 << 2503;
    QTest::newRow("peak near the end") << 0.2 << 0.9 << 4991;
    QTest::newRow("dip") << 0.8 << 0.15 << 1237;
}

void TestChartWidget::thinningKeepsANarrowPeak() {
    QFETCH(double, background);
    QFETCH(double, extreme);
    QFETCH(int, at);
    const QColor colour(0, 160, 0);
    QList<double> values(5000, background);
    values[at] = extreme; // one point in ten thousand seconds: far less than a pixel wide
    ChartWidget chart;
    chart.resize(1000, 600);
    chart.setGrid(evening, 2);
    chart.setSeries({central(values, colour)});
    const QImage image = rendered(chart);

    const QPointF tip = chart.toPixel(evening.addSecs(2 * at), extreme);
    QVERIFY2(colourNear(image, tip, colour.rgb(), 2),
             qPrintable(u"%1,%2"_qs.arg(tip.x()).arg(tip.y())));
}

void TestChartWidget::arrowKeysMoveTheReadout_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("time"); // empty: no readout

    QTest::newRow("first press starts at now") << 60 << QList<int>{Qt::Key_Right} << u"22:00"_qs;
    QTest::newRow("right moves ten minutes")
        << 60 << QList<int>{Qt::Key_Right, Qt::Key_Right} << u"22:10"_qs;
    QTest::newRow("left moves back")
        << 60 << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Left} << u"21:40"_qs;
    QTest::newRow("ten minutes on a coarser grid")
        << 300 << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << u"22:20"_qs;
    QTest::newRow("home") << 60 << QList<int>{Qt::Key_Right, Qt::Key_Home} << u"21:00"_qs;
    QTest::newRow("end") << 60 << QList<int>{Qt::Key_End} << u"00:00"_qs;
    QTest::newRow("stops at the end")
        << 60 << QList<int>{Qt::Key_End, Qt::Key_Right} << u"00:00"_qs;
    QTest::newRow("stops at the start")
        << 60 << QList<int>{Qt::Key_Home, Qt::Key_Left} << u"21:00"_qs;
    QTest::newRow("escape hides it")
        << 60 << QList<int>{Qt::Key_Right, Qt::Key_Escape} << QString();
    QTest::newRow("other keys leave it alone")
        << 60 << QList<int>{Qt::Key_Up, Qt::Key_A} << QString();
}

void TestChartWidget::arrowKeysMoveTheReadout() {
    QFETCH(int, step);
    QFETCH(QList<int>, keys);
    QFETCH(QString, time);
    ChartWidget chart;
    chart.resize(800, 400);
    chart.setGrid(evening, step);
    chart.setSeries({central(QList<double>(3 * 3600 / step + 1, 0.4))});
    chart.setLeftAxis(u"‰"_qs);
    chart.setTimeLines({{evening.addSecs(3600), u"сейчас"_qs, Qt::black, Qt::DotLine}});
    QSignalSpy changes(&chart, &ChartWidget::readoutChanged);

    for (const int key : keys)
        QTest::keyClick(&chart, Qt::Key(key));

    QCOMPARE(chart.readout().value_or(QString()).section(u" — "_qs, 0, 0), time);
    if (!time.isEmpty()) {
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().at(0).toString(), *chart.readout());
        // The readout the keys show is the one the pointer would show there.
        const qreal x = chart.toPixel(chart.gridTime(*chart.cursorIndex()), 0).x();
        QCOMPARE(chart.readoutAt(x), chart.readout());
    }
}

void TestChartWidget::hoverShowsTheReadoutAndLeavingHidesIt() {
    ChartWidget chart;
    chart.resize(600, 350);
    chart.setGrid(evening, 60);
    chart.setSeries({central(line(121, 0.6, -0.002))});
    chart.setLeftAxis(u"‰"_qs);
    QVERIFY(chart.hasMouseTracking());
    QSignalSpy changes(&chart, &ChartWidget::readoutChanged);

    const QPointF over = chart.toPixel(evening.addSecs(40 * 60), 0.5);
    QMouseEvent move(QEvent::MouseMove, over, chart.mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    QCOMPARE(chart.readout().value_or(QString()), u"21:40 — 0,52 ‰"_qs);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().at(0).toString(), u"21:40 — 0,52 ‰"_qs);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    QVERIFY(!chart.readout());
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.last().at(0).toString(), QString());
}

QTEST_MAIN(TestChartWidget)
#include "tst_chartwidget.moc"
