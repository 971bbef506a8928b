#include "forecastwindowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// Entering drinks as they are poured: a new row is complete at once, a drink is added again
// with one click, and a listed drink is a few keys away.
class TestForecastDrinks : public QObject, ForecastWindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newRowGivesAChartAtOnce();
    void pickedDrinkBringsItsServingAndStrength();
    void repeatAndDrinkNowAddRowsByMouse();
    void insertAndFiveKeysGiveACompleteDrink_data();
    void insertAndFiveKeysGiveACompleteDrink();

private:
    // A fresh window for 80 kg, no drinks.
    void emptyEvening() {
        calc<QLineEdit>("Text2")->setText(u"80"_qs);
        openForecast();
        QCOMPARE(rows(), 0);
    }
    QStringList row(int r) const { return {cell(r, 1), cell(r, 2), cell(r, 3), cell(r, 4)}; }
};

void TestForecastDrinks::init() {
    start();
}

void TestForecastDrinks::cleanup() {
    stop();
}

void TestForecastDrinks::newRowGivesAChartAtOnce() {
    emptyEvening();
    QVERIFY(!chart()->hasData());
    TestApplication::click(f("AddDrink"));
    QCOMPARE(row(0), (QStringList{u"22:00"_qs, u"Пиво светлое, 0,5 л"_qs, u"500"_qs, u"4,5"_qs}));
    QVERIFY2(chart()->hasData(), qPrintable(summary()));
    QCOMPARE(f<QLineEdit>("DrinkGrams")->text(), u"500"_qs);

    // The next one is the drink before it, at its own serving.
    f<QLineEdit>("DrinkGrams")->setText(u"0,33 л"_qs);
    t->clock.advance(20 * 60 * 1000);
    TestApplication::click(f("AddDrink"));
    QCOMPARE(row(1), (QStringList{u"22:20"_qs, u"Пиво светлое, 0,5 л"_qs, u"500"_qs, u"4,5"_qs}));
    QVERIFY(chart()->hasData());
}

void TestForecastDrinks::pickedDrinkBringsItsServingAndStrength() {
    emptyEvening();
    TestApplication::click(f("AddDrink"));
    auto* name = f<QComboBox>("DrinkName");
    QCOMPARE(name->accessibleName(), u"Напиток"_qs);
    pickDrink(u"Вино сухое, бокал 150 мл"_qs);
    QCOMPARE(row(0),
             (QStringList{u"22:00"_qs, u"Вино сухое, бокал 150 мл"_qs, u"150"_qs, u"12"_qs}));
    QCOMPARE(f<QLineEdit>("DrinkStrength")->text(), u"12"_qs);
    QCOMPARE(f("DrinkGrams")->accessibleName(), u"Объём напитка, мл"_qs);
    QCOMPARE(f<QTableView>("Drinks")->model()->headerData(3, Qt::Horizontal).toString(), u"мл"_qs);
}

void TestForecastDrinks::repeatAndDrinkNowAddRowsByMouse() {
    // The calculator's 100 g of vodka an hour ago.
    workedExample();
    openForecast();
    QCOMPARE(rows(), 1);
    t->clock.advance(10 * 60 * 1000);

    TestApplication::click(f("RepeatDrink"));
    QCOMPARE(rows(), 2);
    QCOMPARE(row(1), (QStringList{u"22:10"_qs, u"Водка 40%"_qs, u"100"_qs, u"40"_qs}));

    // The evening's own drink first, then a drink of each kind.
    auto* first = f<QPushButton>("DrinkNow1");
    QCOMPARE(first->text(), u"Водка 40%: 100 мл, 40 %"_qs);
    QVERIFY(first->accessibleName().startsWith(u"Выпил сейчас: "_qs));
    QVERIFY(!first->toolTip().isEmpty());
    auto* beer = f<QPushButton>("DrinkNow2");
    QCOMPARE(beer->text(), u"Пиво светлое, 0,5 л"_qs);
    TestApplication::click(beer);
    QCOMPARE(rows(), 3);
    QCOMPARE(row(2), (QStringList{u"22:10"_qs, u"Пиво светлое, 0,5 л"_qs, u"500"_qs, u"4,5"_qs}));
    // The selected row is the new one: its fields show it.
    QCOMPARE(f<QComboBox>("DrinkName")->currentText(), u"Пиво светлое, 0,5 л"_qs);
    TestApplication::click(f("RepeatDrink"));
    QCOMPARE(row(3), row(2));
    QVERIFY(chart()->hasData());
}

void TestForecastDrinks::insertAndFiveKeysGiveACompleteDrink_data() {
    QTest::addColumn<QString>("typed"); // after Insert and Tab, into the drink's name
    QTest::addColumn<QStringList>("drink");
    QTest::newRow("the first listed drink: no key")
        << QString() << QStringList{u"Пиво светлое, 0,5 л"_qs, u"500"_qs, u"4,5"_qs};
    QTest::newRow("vodka") << u"Вод"_qs
                           << QStringList{u"Водка, рюмка 50 мл"_qs, u"50"_qs, u"40"_qs};
    QTest::newRow("wine") << u"Вин"_qs
                          << QStringList{u"Вино сухое, бокал 150 мл"_qs, u"150"_qs, u"12"_qs};
    QTest::newRow("champagne") << u"Ш"_qs
                               << QStringList{u"Шампанское, бокал 125 мл"_qs, u"125"_qs, u"11"_qs};
}

void TestForecastDrinks::insertAndFiveKeysGiveACompleteDrink() {
    QFETCH(QString, typed);
    QFETCH(QStringList, drink);
    emptyEvening();
    forecast()->activateWindow();
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : forecast(),
                    Qt::Key_Insert);
    QCOMPARE(QApplication::focusWidget(), f("DrinkTime"));
    int keys = 0;
    if (!typed.isEmpty()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f("DrinkName"));
        type(QApplication::focusWidget(), typed);
        keys = 1 + int(typed.size());
    }
    QVERIFY(keys <= 5);
    QCOMPARE(rows(), 1);
    QCOMPARE(row(0), QStringList{u"22:00"_qs} + drink);
    QVERIFY2(chart()->hasData(), qPrintable(summary()));
}

QTEST_MAIN(TestForecastDrinks)
#include "tst_forecastdrinks.moc"
