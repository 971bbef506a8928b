#include "app/chartwidget.h"

#include "samplechart.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

// The chart on the screen: its readout under the pointer and the keys, and the empty state.
class TestChartWidget : public QObject {
    Q_OBJECT

private slots:
    void readoutNamesTheNearestGridPoint_data();
    void readoutNamesTheNearestGridPoint();
    void emptyChartHasNoReadout_data();
    void emptyChartHasNoReadout();
    void arrowKeysMoveTheReadout_data();
    void arrowKeysMoveTheReadout();
    void hoverShowsTheReadoutAndLeavingHidesIt();
};

namespace {

using Chart = ChartDescription;

using samplechart::evening;
using samplechart::line;

Chart::Series central(const QList<double>& values) {
    return {u"Средняя"_qs, values, Qt::blue, 2.5};
}

// One series in промилле on a grid from the evening.
Chart chartOf(int step, const QList<double>& values) {
    Chart chart = samplechart::of(evening, step, values);
    chart.leftUnit = u"‰"_qs;
    return chart;
}

QImage rendered(ChartWidget& chart) {
    QImage image(chart.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    chart.render(&image);
    return image;
}

} // namespace

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
    Chart description = chartOf(300, line(41, 0.45, 0.01)); // 21:00 … 00:20
    description.series.append({u"другая"_qs, line(41, 0.1, 0), Qt::gray});
    if (rightAxis) {
        description.rightUnit = u"мг/л"_qs;
        description.rightFactor = 0.5;
    }
    if (band)
        description.band = Chart::Band{{}, line(41, 0.35, 0.01), line(41, 0.6, 0.01), Qt::cyan};
    // Time lines on both sides leave room beyond the grid.
    description.timeLines = {{evening.addSecs(-30 * 60), u"сейчас"_qs, Qt::black, Qt::DotLine},
                             {evening.addSecs(240 * 60), u"потом"_qs, Qt::black, Qt::DotLine}};
    ChartWidget chart;
    chart.resize(1000, 600);
    chart.setDescription(description);

    const qreal x = chart.chartGeometry().toPixel(evening.addSecs(seconds), 0).x();
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
    Chart description = chartOf(60, line(30, 0.2, 0.01));
    if (state == 2)
        description.series.clear();
    if (state == 3)
        description.start = {};
    if (state == 4)
        description.series = {central({})};
    if (state != 0)
        chart.setDescription(description);
    chart.setEmptyText(u"Нет данных"_qs);
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
    QVERIFY(chart.chartGeometry().timeTicks().isEmpty());
    // Painting the empty state must not trip over missing data.
    QVERIFY(!rendered(chart).isNull());
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
    Chart description = chartOf(step, QList<double>(3 * 3600 / step + 1, 0.4));
    description.timeLines = {{evening.addSecs(3600), u"сейчас"_qs, Qt::black, Qt::DotLine}};
    ChartWidget chart;
    chart.resize(800, 400);
    chart.setDescription(description);
    QSignalSpy changes(&chart, &ChartWidget::readoutChanged);

    for (const int key : keys)
        QTest::keyClick(&chart, Qt::Key(key));

    QCOMPARE(chart.readout().value_or(QString()).section(u" — "_qs, 0, 0), time);
    if (!time.isEmpty()) {
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().at(0).toString(), *chart.readout());
        // The readout the keys show is the one the pointer would show there.
        const ChartGeometry geometry = chart.chartGeometry();
        const qreal x = geometry.toPixel(description.gridTime(*chart.cursorIndex()), 0).x();
        QCOMPARE(chart.readoutAt(x), chart.readout());
    }
}

void TestChartWidget::hoverShowsTheReadoutAndLeavingHidesIt() {
    ChartWidget chart;
    chart.resize(600, 350);
    chart.setDescription(chartOf(60, line(121, 0.6, -0.002)));
    QVERIFY(chart.hasMouseTracking());
    QSignalSpy changes(&chart, &ChartWidget::readoutChanged);

    const QPointF over = chart.chartGeometry().toPixel(evening.addSecs(40 * 60), 0.5);
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
