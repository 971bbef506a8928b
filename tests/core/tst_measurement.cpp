#include "forecast/measurement.h"

#include <QTest>

// Readings of a breathalyser or a laboratory, and the elimination rate they give.
class TestMeasurement : public QObject {
    Q_OBJECT

private slots:
    void breathIsConvertedAtTheProgramsRatio();
    void readingsGiveTheirSlope_data();
    void readingsGiveTheirSlope();
};

namespace {
const QDateTime Midnight(QDate(2026, 12, 9), QTime(0, 0));

Measurement blood(int minutes, double promille) {
    return {Midnight.addSecs(60 * minutes), promille, Measurement::Kind::Blood};
}
Measurement breath(int minutes, double mgPerLitre) {
    return {Midnight.addSecs(60 * minutes), mgPerLitre, Measurement::Kind::Breath};
}
} // namespace

void TestMeasurement::breathIsConvertedAtTheProgramsRatio() {
    QCOMPARE(breath(0, 0.25).promille(), 0.5);
    QCOMPARE(blood(0, 0.25).promille(), 0.25);
}

void TestMeasurement::readingsGiveTheirSlope_data() {
    QTest::addColumn<QList<Measurement>>("readings");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("uncertainty");
    QTest::addColumn<QString>("reason");
    // 0,40 ‰ at 00:00 and 0,24 ‰ at 01:00: 0,16 ‰ an hour.
    QTest::newRow("two readings an hour apart")
        << QList{blood(0, 0.40), blood(60, 0.24)} << true << 0.16 << 0.01 << QString();
    QTest::newRow("in any order, breath and blood together")
        << QList{breath(60, 0.12), blood(0, 0.40)} << true << 0.16 << 0.01 << QString();
    // 0,50 / 0,40 / 0,26 at 0, 1, 2 h: mean 0,38667, slope −0,12, residuals −1/150, 2/150,
    // −1/150, so Σr² = 6/22500 and the standard error √(Σr² / (3 − 2) / 2) = 0,011547.
    QTest::newRow("three readings off a line")
        << QList{blood(0, 0.50), blood(60, 0.40), blood(120, 0.26)} << true << 0.12 << 0.011547
        << QString();
    QTest::newRow("too fast to be a person's") << QList{blood(0, 0.80), blood(60, 0.40)} << true
                                               << 0.40 << 0.01 << u"вне 0,05–0,35 ‰/ч"_qs;
    QTest::newRow("rising") << QList{blood(0, 0.20), blood(60, 0.30)} << true << -0.10 << 0.01
                            << u"уровень по замерам не падает"_qs;
    QTest::newRow("one reading") << QList{blood(0, 0.40)} << false << 0.0 << 0.0 << QString();
    QTest::newRow("two at one moment")
        << QList{blood(0, 0.40), blood(0, 0.30)} << false << 0.0 << 0.0 << QString();
}

void TestMeasurement::readingsGiveTheirSlope() {
    QFETCH(QList<Measurement>, readings);
    QFETCH(bool, found);
    QFETCH(double, rate);
    QFETCH(double, uncertainty);
    const std::optional<MeasuredRate> measured = measuredRate(readings);
    QCOMPARE(measured.has_value(), found);
    if (!measured)
        return;
    QVERIFY2(std::abs(measured->rate - rate) < 1e-9, qPrintable(QString::number(measured->rate)));
    QVERIFY2(std::abs(measured->uncertainty - uncertainty) < 1e-6,
             qPrintable(QString::number(measured->uncertainty)));
    QCOMPARE(measured->readings, int(readings.size()));
    QTEST(measured->reason(), "reason");
}

QTEST_GUILESS_MAIN(TestMeasurement)
#include "tst_measurement.moc"
