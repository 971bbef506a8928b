#include "forecast/drinkcatalogue.h"
#include "forecast/forecastinput.h"

#include "calc/numbertext.h"
#include "table/drinklist.h"

#include "sampleevening.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(DrinkEntry)

// The drinks the forecast offers, and what a new or repeated row is.
class TestDrinkCatalogue : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsRealDrinksAsPoured();
    void newRowIsCompleteAtOnce_data();
    void newRowIsCompleteAtOnce();
    void repeatedRowsTakeOnlyTheMoment();
    void drinkNowOffersTheEveningsUsualDrinks_data();
    void drinkNowOffersTheEveningsUsualDrinks();
};

namespace {

const QDateTime Now = sample::Now; // 22:00:30

DrinkEntry listed(const QString& name, const QString& time = u"21:00"_qs) {
    const CatalogueDrink* d = drinkcatalogue::find(name);
    if (!d)
        qFatal("not listed: %s", qPrintable(name));
    return {Now.date(), time, d->name, d->serving, d->strength};
}

DrinkEntry own(const QString& grams, const QString& strength, const QString& minutes = u"0"_qs) {
    return {Now.date(), u"21:00"_qs, drinkcatalogue::ownDrink(), grams, strength, minutes};
}

const QString Beer = u"Пиво светлое, 0,5 л"_qs;
const QString Wine = u"Вино сухое, бокал 150 мл"_qs;
const QString Champagne = u"Шампанское, бокал 125 мл"_qs;
const QString Vodka = u"Водка, рюмка 50 мл"_qs;

} // namespace

void TestDrinkCatalogue::catalogueHoldsRealDrinksAsPoured() {
    const QList<CatalogueDrink>& all = drinkcatalogue::all();
    QSet<QString> names;
    int group = 0;
    for (const CatalogueDrink& d : all) {
        const double strength = numbertext::readDouble(d.strength);
        QVERIFY2(strength >= 0.5 && strength <= 60, qPrintable(d.name));
        const std::optional<double> serving = forecastinput::drinkGrams(d.serving).value;
        QVERIFY2(serving && *serving >= 20 && *serving <= 1000, qPrintable(d.name));
        QVERIFY2(!names.contains(d.name), qPrintable(d.name));
        names.insert(d.name);
        // Group by group, each in the order of the list of groups, none left out.
        const int at = int(drinkcatalogue::groups().indexOf(d.group));
        QVERIFY2(at == group || at == group + 1, qPrintable(d.name));
        group = at;
    }
    QCOMPARE(group, drinkcatalogue::groups().size() - 1);
    QCOMPARE(drinkcatalogue::groups().constFirst(), u"пиво"_qs);
    QCOMPARE(all.constFirst().name, Beer);

    for (const QString& name : drinks::items())
        QCOMPARE(drinkcatalogue::strengthOf(name), drinks::strengthText(name).value());
    for (const QString& name : {Beer, Wine, Champagne, Vodka})
        QVERIFY2(names.contains(name), qPrintable(name));
    // The periodic table's cells are jokes and non-drinks: "Бордо 3%" for a glass of wine would
    // be a dangerous answer.
    for (const QString& joke : {u"Бордо 3%"_qs, u"Саке 60%"_qs, u"Царская водка 100%"_qs})
        QVERIFY(!drinkcatalogue::find(joke));
    QVERIFY(!drinkcatalogue::find(drinkcatalogue::ownDrink()));
}

void TestDrinkCatalogue::newRowIsCompleteAtOnce_data() {
    QTest::addColumn<QList<DrinkEntry>>("evening");
    QTest::addColumn<DrinkEntry>("expected"); // but for the moment: today, 22:00
    DrinkEntry bigWine = listed(Wine);
    bigWine.grams = u"200"_qs;
    QTest::newRow("empty evening: the first listed drink") << QList<DrinkEntry>{} << listed(Beer);
    QTest::newRow("listed drink: its serving, not what was typed")
        << QList<DrinkEntry>{listed(Vodka), bigWine} << listed(Wine);
    QTest::newRow("own drink: as typed, drunk at once")
        << QList<DrinkEntry>{own(u"200"_qs, u"13,5"_qs, u"30"_qs)} << own(u"200"_qs, u"13,5"_qs);
    QTest::newRow("own drink without an amount: the first listed drink")
        << QList<DrinkEntry>{own(QString(), u"13,5"_qs)} << listed(Beer);
}

void TestDrinkCatalogue::newRowIsCompleteAtOnce() {
    QFETCH(QList<DrinkEntry>, evening);
    QFETCH(DrinkEntry, expected);
    expected.time = u"22:00"_qs;
    QCOMPARE(drinkcatalogue::newDrink(evening, Now), expected);
}

void TestDrinkCatalogue::repeatedRowsTakeOnlyTheMoment() {
    DrinkEntry typed = own(u"0,5 л"_qs, u"5"_qs, u"20"_qs);
    typed.date = Now.date().addDays(-1);
    DrinkEntry expected = typed;
    expected.date = Now.date();
    expected.time = u"22:00"_qs;
    QCOMPARE(drinkcatalogue::again(typed, Now), expected);

    // "Выпил сейчас" adds the last row of its kind again, as it was typed.
    QList<DrinkEntry> twice = {listed(Vodka, u"21:00"_qs), listed(Vodka, u"21:30"_qs)};
    twice[1].duration = u"5"_qs;
    QCOMPARE(drinkcatalogue::favourites(twice, 1), QList<DrinkEntry>{twice[1]});
}

void TestDrinkCatalogue::drinkNowOffersTheEveningsUsualDrinks_data() {
    QTest::addColumn<QList<DrinkEntry>>("evening");
    QTest::addColumn<QStringList>("offered");
    DrinkEntry bigWine = listed(Wine);
    bigWine.grams = u"0,2 л"_qs;
    QTest::newRow("empty: a drink of each group")
        << QList<DrinkEntry>{} << QStringList{Beer, Wine, Champagne, Vodka};
    QTest::newRow("most drunk first")
        << QList<DrinkEntry>{listed(Wine), listed(Vodka), listed(Vodka)}
        << QStringList{Vodka, Wine, Beer, Champagne};
    QTest::newRow("a tie: the one drunk first")
        << QList<DrinkEntry>{listed(Champagne), listed(Beer)}
        << QStringList{Champagne, Beer, Wine, Vodka};
    QTest::newRow("another amount is another drink")
        << QList<DrinkEntry>{bigWine, listed(Wine), bigWine}
        << QStringList{Wine + u": 200 мл, 12 %"_qs, Wine, Beer, Champagne};
    QTest::newRow("rows that cannot be read are not offered")
        << QList<DrinkEntry>{own(QString(), u"40"_qs), own(u"100"_qs, u"abc"_qs),
                             own(u"100"_qs, u"13,5"_qs)}
        << QStringList{u"свой: 100 мл, 13,5 %"_qs, Beer, Wine, Champagne};
}

void TestDrinkCatalogue::drinkNowOffersTheEveningsUsualDrinks() {
    QFETCH(QList<DrinkEntry>, evening);
    QFETCH(QStringList, offered);
    QStringList captions;
    for (const DrinkEntry& d : drinkcatalogue::favourites(evening, 4))
        captions << drinkcatalogue::caption(d);
    QCOMPARE(captions, offered);
}

QTEST_APPLESS_MAIN(TestDrinkCatalogue)
#include "tst_drinkcatalogue.moc"
