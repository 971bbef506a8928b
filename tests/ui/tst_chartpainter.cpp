#include "app/chartgeometry.h"
#include "app/chartpainter.h"
#include "forecast/eveningcheck.h"
#include "windows/forecastchart.h"
#include "windows/forecastreport.h"

#include "desktoplooks.h"
#include "samplechart.h"
#include "sampleevening.h"

#include "app/contrast.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

// The chart as painted onto images, the way the report, the printer and the saved picture get
// it: where the geometry puts something, its colour is there.
class TestChartPainter : public QObject {
    Q_OBJECT

private slots:
    void bandIsFilledOnlyBetweenItsEdges_data();
    void bandIsFilledOnlyBetweenItsEdges();
    void thinningKeepsANarrowPeak_data();
    void thinningKeepsANarrowPeak();
    void levelLineLiesWhereTheGeometrySaysOnAnyDevice_data();
    void levelLineLiesWhereTheGeometrySaysOnAnyDevice();
    void reportPageShowsTheChartWithoutAWidget();
    void reportIsTheSameOnADarkDesktop();
    void linesStandOutOnAnyScheme_data();
    void linesStandOutOnAnyScheme();
    void readingIsMarkedWhereItWasTaken_data();
    void readingIsMarkedWhereItWasTaken();
    void longLegendStaysInThePlot();
    void answersNameTheirDayFromNow_data();
    void answersNameTheirDayFromNow();
};

namespace {

using Chart = ChartDescription;

using samplechart::evening;
using samplechart::line;
const QColor limitColour(0xC0, 0, 0);

Chart chartOf(int step, const QList<double>& values, QColor colour = Qt::blue) {
    return samplechart::of(evening, step, values, colour);
}

// The chart at `size` on a white image, as a widget of that size would show it.
QImage painted(const ChartGeometry& geometry) {
    QImage image(geometry.size().toSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(geometry.font());
    ChartPainter(painter, geometry, QApplication::palette()).paint();
    return image;
}

bool near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// Whether any pixel within `radius` of `at` has `colour`, give or take `tolerance`.
bool colourNear(const QImage& image, QPointF at, const QColor& colour, int radius,
                int tolerance = 0) {
    const QPoint centre = at.toPoint();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.rect().contains(p) && near(image.pixel(p), colour, tolerance))
                return true;
        }
    }
    return false;
}

} // namespace

void TestChartPainter::bandIsFilledOnlyBetweenItsEdges_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("large") << QSize(1000, 600);
    QTest::newRow("small") << QSize(500, 300);
}

void TestChartPainter::bandIsFilledOnlyBetweenItsEdges() {
    QFETCH(QSize, size);
    const QColor fill(255, 0, 255);
    const int count = 241;
    Chart chart = chartOf(60, line(count, 0.5, -0.001));
    // The band widens to the right.
    chart.band = Chart::Band{{}, line(count, 0.4, -0.0015), line(count, 0.6, 0.001), fill};
    const ChartGeometry geometry(chart, size, QApplication::font());
    const QImage image = painted(geometry);

    for (const int i : {30, 120, 210}) {
        const QDateTime at = evening.addSecs(i * 60);
        const double lower = 0.4 - 0.0015 * i;
        const double upper = 0.6 + 0.001 * i;
        const double middle = 0.5 - 0.001 * i;
        // Halfway between the central curve and each edge.
        const QPointF inUpper = geometry.toPixel(at, (middle + upper) / 2);
        const QPointF inLower = geometry.toPixel(at, (middle + lower) / 2);
        QCOMPARE(QColor(image.pixel(inUpper.toPoint())), fill);
        QCOMPARE(QColor(image.pixel(inLower.toPoint())), fill);
        // Well clear of the edges, outside.
        const QPointF above = geometry.toPixel(at, upper) - QPointF(0, 8);
        const QPointF below = geometry.toPixel(at, lower) + QPointF(0, 8);
        QVERIFY(!colourNear(image, above, fill, 2));
        QVERIFY(!colourNear(image, below, fill, 2));
    }
}

void TestChartPainter::thinningKeepsANarrowPeak_data() {
    QTest::addColumn<double>("background");
    QTest::addColumn<double>("extreme");
    QTest::addColumn<int>("at");
    QTest::newRow("peak") << 0.2 << 1.0 << 2503;
    QTest::newRow("peak near the end") << 0.2 << 0.9 << 4991;
    QTest::newRow("dip") << 0.8 << 0.15 << 1237;
}

void TestChartPainter::thinningKeepsANarrowPeak() {
    QFETCH(double, background);
    QFETCH(double, extreme);
    QFETCH(int, at);
    const QColor colour(0, 160, 0);
    QList<double> values(5000, background);
    values[at] = extreme; // one point in ten thousand seconds: far less than a pixel wide
    const ChartGeometry geometry(chartOf(2, values, colour), QSizeF(1000, 600),
                                 QApplication::font());
    const QImage image = painted(geometry);

    const QPointF tip = geometry.toPixel(evening.addSecs(2 * at), extreme);
    QVERIFY2(colourNear(image, tip, colour, 2), qPrintable(u"%1,%2"_qs.arg(tip.x()).arg(tip.y())));
}

void TestChartPainter::levelLineLiesWhereTheGeometrySaysOnAnyDevice_data() {
    QTest::addColumn<QRectF>("area");  // where the chart goes, in the painter's coordinates
    QTest::addColumn<qreal>("scale");  // of the painter, as a page scales its chart
    QTest::addColumn<qreal>("ratio");  // the image's device pixel ratio
    QTest::addColumn<double>("level"); // of the line

    QTest::newRow("picture") << QRectF(0, 0, 800, 400) << 1.0 << 1.0 << 0.5;
    QTest::newRow("picture, another level") << QRectF(0, 0, 800, 400) << 1.0 << 1.0 << 0.23;
    QTest::newRow("sharp picture") << QRectF(0, 0, 800, 400) << 1.0 << 2.0 << 0.5;
    QTest::newRow("box on a page") << QRectF(37, 120, 600, 312) << 1.0 << 1.0 << 0.5;
    QTest::newRow("page scaled up") << QRectF(20, 50, 500, 260) << 2.0 << 1.0 << 0.37;
}

void TestChartPainter::levelLineLiesWhereTheGeometrySaysOnAnyDevice() {
    QFETCH(QRectF, area);
    QFETCH(qreal, scale);
    QFETCH(qreal, ratio);
    QFETCH(double, level);
    Chart chart = chartOf(60, line(181, 0.1, 0.003));
    chart.levelLines = {{level, u"предел"_qs, limitColour, Qt::SolidLine}};
    const QFont font = QApplication::font();
    const QSize logical(int((area.right() + 10) * scale), int((area.bottom() + 10) * scale));
    QImage image(logical * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    ChartPainter::paint(painter, area, chart, font, QApplication::palette());
    painter.end();

    // Where the painter put the chart's (time, level), in the image's own pixels.
    const ChartGeometry geometry(chart, area.size(), font);
    const auto pixel = [&](double value) {
        return (geometry.toPixel(evening.addSecs(90 * 60), value) + area.topLeft()) * scale * ratio;
    };
    QVERIFY2(colourNear(image, pixel(level), limitColour, 1, 70),
             qPrintable(u"%1,%2"_qs.arg(pixel(level).x()).arg(pixel(level).y())));
    QVERIFY(!colourNear(image, pixel(level) - QPointF(0, 8 * scale * ratio), limitColour, 2, 70));
    QVERIFY(!colourNear(image, pixel(level) + QPointF(0, 8 * scale * ratio), limitColour, 2, 70));
}

void TestChartPainter::reportPageShowsTheChartWithoutAWidget() {
    Chart chart = chartOf(60, line(181, 0.1, 0.003));
    chart.levelLines = {{0.5, u"предел"_qs, limitColour, Qt::SolidLine}};
    ReportPage page;
    page.title = u"Прогноз"_qs;
    QImage image(1240, 1754, QImage::Format_ARGB32); // A4 at 150 dpi
    image.fill(Qt::white);
    QPainter painter(&image);
    forecastreport::paint(painter, QRectF(0, 0, 1200, 1700), page, chart);
    painter.end();

    QVERIFY(QApplication::allWidgets().isEmpty());
    // The limit runs across the page's chart: one row holds most of the plot's width of it.
    qsizetype longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        qsizetype count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixel(x, y), limitColour, 40);
        longest = std::max(longest, count);
    }
    QCOMPARE_GT(longest, 900);
}

void TestChartPainter::reportIsTheSameOnADarkDesktop() {
    // Paper is white: the desktop's scheme must not turn the chart's text white on it.
    Chart chart = chartOf(60, line(181, 0.1, 0.003));
    chart.levelLines = {{0.5, u"предел"_qs, limitColour, Qt::SolidLine}};
    chart.leftUnit = u"‰"_qs;
    ReportPage page;
    page.title = u"Прогноз"_qs;
    const auto report = [&] {
        QImage image(620, 877, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        forecastreport::paint(painter, QRectF(0, 0, 600, 850), page, chart);
        return image;
    };
    const QPalette desktop = QApplication::palette();
    const QImage light = report();
    QApplication::setPalette(desktoplooks::dark());
    const QImage dark = report();
    QApplication::setPalette(desktop);
    QVERIFY(light == dark);
}

void TestChartPainter::linesStandOutOnAnyScheme_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << desktoplooks::dark();
}

void TestChartPainter::linesStandOutOnAnyScheme() {
    QFETCH(QPalette, palette);
    // The forecast's colours, which are dark: made for a light plot.
    const int count = 181;
    Chart chart = chartOf(60, line(count, 0.1, 0.003), QColor(0x10, 0x30, 0x90));
    chart.band = Chart::Band{
        {}, line(count, 0.05, 0.003), line(count, 0.15, 0.003), QColor(0x99, 0xBB, 0xEE, 110)};
    chart.levelLines = {{0.7, u"предел"_qs, limitColour, Qt::DashDotLine}};
    chart.timeLines = {{evening.addSecs(30 * 60), u"сейчас"_qs, QColor(0x20, 0x80, 0x20)}};
    const ChartGeometry geometry(chart, QSize(600, 400), QApplication::font());
    QImage image(geometry.size().toSize(), QImage::Format_ARGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(geometry.font());
    ChartPainter(painter, geometry, palette).paint();
    painter.end();

    // The best contrast to the plot near a point of a line: dashes and smoothing leave some
    // pixels fainter.
    const QColor plot = palette.color(QPalette::Base);
    const auto strongest = [&](QPointF at) {
        double best = 1;
        for (int dx = -3; dx <= 3; ++dx)
            for (int dy = -3; dy <= 3; ++dy)
                best = std::max(best,
                                contrast::ratio(image.pixel(at.toPoint() + QPoint(dx, dy)), plot));
        return best;
    };
    const struct {
        const char* what;
        QPointF at;
    } lines[] = {
        {"curve", geometry.toPixel(evening.addSecs(90 * 60), 0.1 + 0.003 * 90)},
        {"limit", geometry.toPixel(evening.addSecs(150 * 60), 0.7)},
        {"now", geometry.toPixel(evening.addSecs(30 * 60), 0.5)},
    };
    for (const auto& l : lines)
        QVERIFY2(strongest(l.at) >= contrast::ForGraphics, l.what);
}

void TestChartPainter::readingIsMarkedWhereItWasTaken_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<MeasurementEntry>("typed"); // none without a date
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("spoken");
    const QPalette light = QApplication::palette();
    const QPalette dark = desktoplooks::dark();
    const QDate day(2026, 12, 8);
    using enum Measurement::Kind;
    QTest::newRow("none") << light << MeasurementEntry{} << QString() << QString();
    QTest::newRow("breath") << light << MeasurementEntry{day, u"22:10"_qs, u"0.125"_qs, Breath}
                            << u"0,125 мг/л"_qs << u"замер 22:10: 0,125 мг/л (0,25 ‰)"_qs;
    // The grid's last point, on the zero line: the label turns back into the plot.
    QTest::newRow("blood at the right edge, dark")
        << dark << MeasurementEntry{day.addDays(1), u"03:30"_qs, u"0"_qs, Blood} << u"0,00 ‰"_qs
        << u"замер 03:30, завтра: 0,00 ‰"_qs;
}

void TestChartPainter::readingIsMarkedWhereItWasTaken() {
    QFETCH(QPalette, palette);
    QFETCH(MeasurementEntry, typed);
    QFETCH(QString, label);
    QFETCH(QString, spoken);
    Evening form = sample::evening();
    if (typed.date.isValid())
        form.measurements = {typed};
    const EveningCheck check = checkEvening(form, sample::Now);
    const Chart chart = forecastchart::describe(check, sample::Now);
    QCOMPARE(chart.spokenMarks(), spoken.isEmpty() ? QStringList() : QStringList{spoken});

    const ChartGeometry geometry(chart, QSize(720, 420), QApplication::font());
    const auto painted = [&](const Chart& shown) {
        QImage image(geometry.size().toSize(), QImage::Format_ARGB32);
        image.fill(palette.color(QPalette::Window));
        QPainter painter(&image);
        ChartPainter(painter, ChartGeometry(shown, geometry.size(), geometry.font()), palette)
            .paint();
        return image;
    };
    const QImage image = painted(chart);
    const QColor dot = contrast::readableOn(QColor(0xE0, 0x6C, 0x00), palette.color(QPalette::Base),
                                            contrast::ForGraphics);
    const auto dotIn = [&](const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (QColor(image.pixel(x, y)) == dot)
                    return true;
        return false;
    };
    const QRect plot = geometry.plotRect().toAlignedRect();
    if (label.isEmpty()) {
        QVERIFY(!dotIn(image.rect()));
        return;
    }
    // The legend, in the plot's top strip, names the readings.
    QVERIFY(dotIn(QRect(plot.left(), plot.top(), plot.width(), int(geometry.lineHeight()) + 8)));
    const Measurement reading = check.readings().constFirst();
    QCOMPARE(chart.marks.last().label, label);
    const QPoint centre = geometry.toPixel(reading.at, reading.promille()).toPoint();
    QCOMPARE(QColor(image.pixel(centre)), dot);
    // The label, where the chart without it differs: beside the dot, inside the plot.
    Chart unlabelled = chart;
    unlabelled.marks.last().label.clear();
    const QImage without = painted(unlabelled);
    QRect written;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != without.pixel(x, y))
                written |= QRect(x, y, 1, 1);
    QVERIFY(plot.contains(written) && written.adjusted(-20, -20, 20, 20).contains(centre));
}

void TestChartPainter::longLegendStaysInThePlot() {
    // A chart a third of the window wide, its band named at length: what the legend adds to
    // the picture lies within the plot.
    Chart chart = chartOf(60, line(181, 0.1, 0.003));
    chart.band = Chart::Band{{}, line(181, 0.05, 0.003), line(181, 0.15, 0.003), Qt::cyan};
    const auto painted = [&](const QString& legend) {
        chart.band->name = legend;
        const ChartGeometry geometry(chart, QSize(300, 300), QApplication::font());
        QImage image(geometry.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ChartPainter(painter, geometry, QApplication::palette()).paint();
        return std::pair{image, geometry.plotRect().toAlignedRect()};
    };
    const auto [plain, plot] = painted({});
    const QImage named =
        painted(u"диапазон: выведение 0,10–0,16 ‰/ч, после замера 0,15–0,17 ‰/ч"_qs).first;
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != named.pixel(x, y)) {
                QVERIFY2(plot.contains(x, y), qPrintable(u"%1, %2"_qs.arg(x).arg(y)));
                ++changed;
            }
    QVERIFY(changed > 0);
}

void TestChartPainter::answersNameTheirDayFromNow_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("sober");
    // 100 g of vodka at 21:00 for 80 kg is gone at 01:29 the next day.
    QTest::newRow("the evening itself") << sample::Now << u"01:29, завтра"_qs;
    QTest::newRow("past midnight") << sample::Now.addSecs(3 * 3600) << u"01:29"_qs;
}

void TestChartPainter::answersNameTheirDayFromNow() {
    QFETCH(QDateTime, now);
    const EveningCheck check = checkEvening(sample::evening(), now);
    QVERIFY(check.ok());
    const Chart chart = forecastchart::describe(check, now);
    QStringList labels;
    for (const Chart::Mark& mark : chart.marks)
        labels << mark.label;
    QTEST(labels.last(), "sober"); // the last answer's mark
}

QTEST_MAIN(TestChartPainter)
#include "tst_chartpainter.moc"
