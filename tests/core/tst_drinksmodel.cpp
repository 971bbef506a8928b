#include "forecast/drinksmodel.h"
#include "forecast/eveningfile.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

// The evening's drinks as a table model: what each cell shows and takes, what a row's check
// says, and rows coming and going with what was typed into them.
class TestDrinksModel : public QObject {
    Q_OBJECT

private slots:
    void cellsShowAndTakeTheTypedText_data();
    void cellsShowAndTakeTheTypedText();
    void checksGiveEachCellItsProblem();
    void rowsKeepWhatWasTypedWhenOthersGo();
    void unchangedTextChangesNothing();
    void eveningLimitHoldsForNewRows();
};

namespace {
const DrinkEntry Vodka{QDate(2026, 12, 8), u"21:00"_qs, u"Водка 40%"_qs,
                       u"100"_qs,          u"40"_qs,    u"0"_qs};
} // namespace

void TestDrinksModel::cellsShowAndTakeTheTypedText_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // in the table
    QTest::addColumn<QString>("editing"); // back in the editor
    QTest::addColumn<QDate>("date");      // what the drink holds then
    QTest::addColumn<QString>("problem"); // before any check
    using M = DrinksModel;
    const QDate day(2026, 12, 8);
    QTest::newRow("date") << int(M::DateColumn) << u"09.12.2026"_qs << u"09.12"_qs
                          << u"09.12.2026"_qs << QDate(2026, 12, 9) << QString();
    QTest::newRow("date as typed, short") << int(M::DateColumn) << u"9.12.2026"_qs << u"09.12"_qs
                                          << u"9.12.2026"_qs << QDate(2026, 12, 9) << QString();
    QTest::newRow("no such day: kept as typed, no date")
        << int(M::DateColumn) << u"31.02.2026"_qs << QString() << u"31.02.2026"_qs << QDate()
        << u"нет такой даты"_qs;
    QTest::newRow("half a date") << int(M::DateColumn) << u"31."_qs << QString() << u"31."_qs
                                 << QDate() << u"дата как ДД.ММ.ГГГГ"_qs;
    QTest::newRow("time") << int(M::TimeColumn) << u"7:5"_qs << u"7:5"_qs << u"7:5"_qs << day
                          << QString();
    QTest::newRow("grams") << int(M::GramsColumn) << u"abc"_qs << u"abc"_qs << u"abc"_qs << day
                           << QString();
    QTest::newRow("name") << int(M::DrinkColumn) << u"Самогон"_qs << u"Самогон"_qs << u"Самогон"_qs
                          << day << QString();
}

void TestDrinksModel::cellsShowAndTakeTheTypedText() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    DrinksModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDrinks({Vodka});
    const QModelIndex cell = model.index(0, column);
    QVERIFY(model.setData(cell, typed));
    QTEST(cell.data(Qt::DisplayRole).toString(), "shown");
    QTEST(cell.data(Qt::EditRole).toString(), "editing");
    QTEST(model.drinks()[0].date, "date");
    QTEST(cell.data(DrinksModel::ProblemRole).toString(), "problem");
    QVERIFY(!model.setData(model.index(0, DrinksModel::StateColumn), u"x"_qs));
}

void TestDrinksModel::checksGiveEachCellItsProblem() {
    DrinksModel model;
    Evening evening;
    evening.drinks = {Vodka, Vodka};
    evening.drinks[1].grams = u"много"_qs;
    evening.drinks[1].time = u"25:00"_qs;
    model.setDrinks(evening.drinks);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setChecks(checkEvening(evening, QDateTime(QDate(2026, 12, 8), QTime(22, 0))).drinks);
    QCOMPARE(changed.size(), 1);
    const auto at = [&](int row, int column, int role = DrinksModel::ProblemRole) {
        return model.index(row, column).data(role).toString();
    };
    QCOMPARE(at(0, DrinksModel::StateColumn, Qt::DisplayRole), QString());
    QCOMPARE(at(1, DrinksModel::StateColumn, Qt::DisplayRole), u"проверьте"_qs);
    QCOMPARE(at(1, DrinksModel::GramsColumn), u"не число"_qs);
    QCOMPARE(at(1, DrinksModel::TimeColumn), u"от 00:00 до 23:59"_qs);
    QCOMPARE(at(1, DrinksModel::StrengthColumn), QString());
    QCOMPARE(at(0, DrinksModel::GramsColumn), QString());
}

void TestDrinksModel::rowsKeepWhatWasTypedWhenOthersGo() {
    DrinksModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDrinks({Vodka, Vodka, Vodka});
    QVERIFY(model.setData(model.index(2, DrinksModel::DateColumn), u"31.02.2026"_qs));
    QVERIFY(model.removeRows(0, 1));
    QCOMPARE(model.index(1, DrinksModel::DateColumn).data(Qt::EditRole).toString(),
             u"31.02.2026"_qs);
    QVERIFY(model.insertRows(0, 2));
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.drinks()[0], DrinkEntry{});
    QCOMPARE(model.index(3, DrinksModel::DateColumn).data(Qt::EditRole).toString(),
             u"31.02.2026"_qs);
    QVERIFY(!model.removeRows(3, 2));
    QCOMPARE(model.rowCount(), 4);
}

void TestDrinksModel::unchangedTextChangesNothing() {
    // The editors write every field of the row at each key; only a real change is a change.
    DrinksModel model;
    model.setDrinks({Vodka});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    for (int column = 0; column < DrinksModel::StateColumn; ++column)
        QVERIFY(model.setData(model.index(0, column), model.index(0, column).data(Qt::EditRole)));
    QCOMPARE(changed.size(), 0);
    QVERIFY(model.setData(model.index(0, DrinksModel::GramsColumn), u"150"_qs));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.drinks()[0].grams, u"150"_qs);
}

void TestDrinksModel::eveningLimitHoldsForNewRows() {
    DrinksModel model;
    model.setDrinks(QList<DrinkEntry>(EveningDrinkLimit - 1, Vodka));
    QCOMPARE(model.append(Vodka), int(EveningDrinkLimit) - 1);
    QCOMPARE(model.append(Vodka), -1);
    QVERIFY(!model.insertRows(0, 1));
    QCOMPARE(model.rowCount(), int(EveningDrinkLimit));
}

QTEST_GUILESS_MAIN(TestDrinksModel)
#include "tst_drinksmodel.moc"
