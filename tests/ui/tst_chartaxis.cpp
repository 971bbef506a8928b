#include "app/chartaxis.h"

#include <QElapsedTimer>
#include <QTest>

#include <limits>

// The axes' ticks over spans from a day to the whole calendar: few, in order, on the step.
class TestChartAxis : public QObject {
    Q_OBJECT

private slots:
    void ticksStayFewOverAnySpan_data();
    void ticksStayFewOverAnySpan();
    void midnightsStayFewOverAnySpan_data();
    void midnightsStayFewOverAnySpan();
};

namespace {

// 21:00 in Moscow, whatever the zone of the machine running the test.
const QDateTime evening(QDate(2024, 12, 9), QTime(21, 0), Qt::OffsetFromUTC, 3 * 3600);

} // namespace

void TestChartAxis::ticksStayFewOverAnySpan_data() {
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

void TestChartAxis::ticksStayFewOverAnySpan() {
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(int, step);
    QFETCH(int, limit);
    QFETCH(int, count);
    QFETCH(int, dayStride);
    // The work must not grow with the span: the whole span costs about what ten years at either
    // end of it cost, measured in the same run. Local time far ahead is slow to work out on some
    // systems, so no absolute bound holds everywhere.
    QElapsedTimer timer;
    timer.start();
    chartaxis::timeTicks(from, std::min(to, from.addYears(10)), step, limit);
    chartaxis::timeTicks(std::max(from, to.addYears(-10)), to, step, limit);
    const qint64 ends = timer.restart();
    const QList<QDateTime> ticks = chartaxis::timeTicks(from, to, step, limit);
    QCOMPARE_LT(timer.elapsed(), 20 * ends + 200);

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

void TestChartAxis::midnightsStayFewOverAnySpan_data() {
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

void TestChartAxis::midnightsStayFewOverAnySpan() {
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

QTEST_MAIN(TestChartAxis)
#include "tst_chartaxis.moc"
