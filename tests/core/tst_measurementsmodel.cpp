#include "forecast/measurementsmodel.h"

#include <QAbstractItemModelTester>
#include <QTest>

// The evening's readings as a table model: the day a typed time takes, the problems the check
// gives each cell, and the kind taken by its name.
class TestMeasurementsModel : public QObject {
    Q_OBJECT

private slots:
    void typedTimeTakesItsDayUnlessADateWasTyped_data();
    void typedTimeTakesItsDayUnlessADateWasTyped();
    void problemsLieAtTheirCells();
    void kindIsTakenByItsName();
};

namespace {
const MeasurementEntry Reading{QDate(2026, 12, 9), u"02:50"_qs, u"0,25"_qs};
const QDateTime AtTenToThree(QDate(2026, 12, 9), QTime(2, 50));
} // namespace

void TestMeasurementsModel::typedTimeTakesItsDayUnlessADateWasTyped_data() {
    QTest::addColumn<QString>("date"); // typed first; empty: none typed
    QTest::addColumn<QString>("time");
    QTest::addColumn<QDate>("day");
    QTest::newRow("last night's") << QString() << u"22:30"_qs << QDate(2026, 12, 8);
    QTest::newRow("within the coming hour") << QString() << u"03:40"_qs << QDate(2026, 12, 9);
    QTest::newRow("not yet a time") << QString() << u"22:"_qs << QDate(2026, 12, 9);
    QTest::newRow("typed date stays") << u"07.12.2026"_qs << u"22:30"_qs << QDate(2026, 12, 7);
}

void TestMeasurementsModel::typedTimeTakesItsDayUnlessADateWasTyped() {
    QFETCH(QString, date);
    QFETCH(QString, time);
    MeasurementsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setClock([] { return AtTenToThree; });
    model.setMeasurements({Reading});
    if (!date.isEmpty())
        QVERIFY(model.setData(model.index(0, MeasurementsModel::DateColumn), date));
    QVERIFY(model.setData(model.index(0, MeasurementsModel::TimeColumn), time));
    QTEST(model.measurements()[0].date, "day");
    QCOMPARE(model.measurements()[0].time, time);
}

void TestMeasurementsModel::problemsLieAtTheirCells() {
    Evening evening;
    evening.mass = u"80"_qs;
    evening.drinks = {{QDate(2026, 12, 8), u"21:00"_qs, u"Водка"_qs, u"100"_qs, u"40"_qs}};
    evening.measurements = {Reading, Reading, Reading};
    evening.measurements[0].time = u"20:30"_qs;
    evening.measurements[0].date = QDate(2026, 12, 8);
    evening.measurements[1].value = u"25"_qs;
    MeasurementsModel model;
    model.setMeasurements(evening.measurements);
    QVERIFY(model.setData(model.index(2, MeasurementsModel::DateColumn), u"31.02.2026"_qs));
    model.setChecks(checkEvening(evening, AtTenToThree).measurements);
    const auto problem = [&](int row, int column) {
        return model.index(row, column).data(MeasurementsModel::ProblemRole).toString();
    };
    QCOMPARE(problem(0, MeasurementsModel::TimeColumn), u"раньше первого напитка"_qs);
    QCOMPARE(problem(0, MeasurementsModel::ValueColumn), QString());
    QCOMPARE(problem(1, MeasurementsModel::ValueColumn), u"от 0 до 4"_qs);
    QCOMPARE(problem(1, MeasurementsModel::TimeColumn), QString());
    // What is typed into the date is told before the check has seen it.
    QCOMPARE(problem(2, MeasurementsModel::DateColumn), u"нет такой даты"_qs);
    QCOMPARE(problem(2, MeasurementsModel::KindColumn), QString());
}

void TestMeasurementsModel::kindIsTakenByItsName() {
    MeasurementsModel model;
    model.setMeasurements({Reading});
    const QModelIndex kind = model.index(0, MeasurementsModel::KindColumn);
    QCOMPARE(kind.data().toString(), u"выдох, мг/л"_qs);
    QVERIFY(model.setData(kind, u"кровь, ‰"_qs));
    QCOMPARE(model.measurements()[0].kind, Measurement::Kind::Blood);
    QVERIFY(!model.setData(kind, u"моча"_qs));
    QCOMPARE(model.measurements()[0].kind, Measurement::Kind::Blood);
}

QTEST_GUILESS_MAIN(TestMeasurementsModel)
#include "tst_measurementsmodel.moc"
