#include "app/contrast.h"

#include <QTest>

// The WCAG contrast ratio, and colours moved just far enough to reach one.
class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void ratio_data();
    void ratio();
    void readableOn_data();
    void readableOn();
};

void TestContrast::ratio_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("expected");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("same colour") << QColor(0x35, 0x35, 0x35) << QColor(0x35, 0x35, 0x35) << 1.0;
    // WCAG's own examples: the lightest grey to pass on white, and pure red.
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
    QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.0;
    QTest::newRow("half black on white, as grey #7f7f7f")
        << QColor(0, 0, 0, 128) << QColor(Qt::white) << 4.0;
    QTest::newRow("invisible") << QColor(0, 0, 0, 0) << QColor(Qt::white) << 1.0;
}

void TestContrast::ratio() {
    QFETCH(QColor, colour);
    QFETCH(QColor, background);
    QFETCH(double, expected);
    QVERIFY2(std::abs(contrast::ratio(colour, background) - expected) < 0.01,
             qPrintable(QString::number(contrast::ratio(colour, background))));
}

void TestContrast::readableOn_data() {
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("lighter");
    const QColor white(Qt::white), dark(0x2a, 0x2a, 0x2a), pink(0xFF, 0xE4, 0xE4);
    const QColor blue(0x10, 0x30, 0x90), red(0xC0, 0, 0), green(0x20, 0x80, 0x20);
    QTest::newRow("blue line on white") << blue << white << 3.0 << true << false;
    QTest::newRow("blue line on dark") << blue << dark << 3.0 << false << true;
    QTest::newRow("red text on dark") << red << dark << 4.5 << false << true;
    QTest::newRow("green text on white") << green << white << 4.5 << true << false;
    QTest::newRow("green text on grey")
        << green << QColor(0xEF, 0xEF, 0xEF) << 4.5 << false << false;
    QTest::newRow("white text on pink") << white << pink << 4.5 << false << false;
    QTest::newRow("unreachable: black text on mid grey")
        << QColor(0x60, 0, 0) << QColor(0x77, 0x77, 0x77) << 7.0 << false << false;
}

void TestContrast::readableOn() {
    QFETCH(QColor, wanted);
    QFETCH(QColor, background);
    QFETCH(double, minimum);
    QFETCH(bool, kept);
    QFETCH(bool, lighter);
    const QColor got = contrast::readableOn(wanted, background, minimum);
    QCOMPARE(got == wanted, kept);
    QCOMPARE(got.alpha(), 255);
    if (kept)
        return;
    QCOMPARE(got.lightnessF() > wanted.lightnessF(), lighter);
    // Enough where enough can be had, else black or white.
    const double best =
        std::max(contrast::ratio(Qt::black, background), contrast::ratio(Qt::white, background));
    QCOMPARE_GE(contrast::ratio(got, background), std::min(minimum, best));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
