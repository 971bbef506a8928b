// Qt first: moc reads this file, and <compare> (through numbertext.h) does not parse on its own.
#include <QSet>
#include <QTest>

#include "calc/numbertext.h"
#include "table/periodiccells.h"
#include "table/periodiclayout.h"
#include "table/periodicsidecell.h"

using namespace Qt::StringLiterals;

namespace {

const PeriodicCell* cellWithSymbol(const QString& symbol) {
    for (const PeriodicCell& c : periodicCells()) {
        if (c.symbol == symbol)
            return &c;
    }
    return nullptr;
}

// Decimal text as the strength field takes it: a number, written in its one shortest form.
bool isCanonicalDecimal(const QString& text) {
    return numbertext::isNumber(text) &&
           numbertext::decimalText(numbertext::readFixed4(text)) == text;
}

QString describe(const PeriodicCell& c) {
    return c.label + u' ' + c.symbol;
}

} // namespace

class TestPeriodicCells : public QObject {
    Q_OBJECT

private slots:
    void listsEveryLabelOnceInTableOrder();
    void countsDrinksAndJokes();
    void clickDoesWhatTheTableSays_data();
    void clickDoesWhatTheTableSays();
    void drinkWritesItsFirstPrintedNumber_data();
    void drinkWritesItsFirstPrintedNumber();
    void printedNumbersAreDecimalText();
    void gridPlacesAreDistinctAndInRange();
    void areasLieInsideTheClientArea();
    void clickAreasDoNotOverlap();
    void descriptionLineCoversNoCell();
    void starMarksTheTopRightCornerOfTheChefirCell();
    void sideRowsHoldSixteenCellsEach();
    void fourthRemedyIsTheClickableChefir();
    void symbolsAreUniqueAcrossThePicture();
};

void TestPeriodicCells::listsEveryLabelOnceInTableOrder() {
    QStringList expected;
    for (int i = 1; i <= 62; ++i)
        expected << u"Label%1"_s.arg(i);
    expected << u"Label64"_s << u"Label65"_s;

    QStringList labels;
    for (const PeriodicCell& c : periodicCells())
        labels << c.label;
    QCOMPARE(labels, expected);
}

void TestPeriodicCells::countsDrinksAndJokes() {
    int writes = 0;
    int shows = 0;
    for (const PeriodicCell& c : periodicCells())
        ++(c.action == PeriodicCell::Action::WritesStrength ? writes : shows);
    QCOMPARE(writes, 57);
    QCOMPARE(shows, 7);
}

void TestPeriodicCells::clickDoesWhatTheTableSays_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<QString>("value");
    QTest::newRow("ликер") << u"Li"_s << u"Label2"_s << true << u"21"_s;
    QTest::newRow("наливка") << u"Na"_s << u"Label20"_s << true << u"11,11"_s;
    QTest::newRow("алиготе") << u"Al"_s << u"Label38"_s << true << u"0,01"_s;
    QTest::newRow("коньяк: strength, not calories") << u"K"_s << u"Label4"_s << true << u"41"_s;
    QTest::newRow("технич. спирт") << u"Ts"_s << u"Label54"_s << true << u"96,6"_s;
    QTest::newRow("бормотуха") << u"Bt"_s << u"Label60"_s << true << u"0,09"_s;
    QTest::newRow("царская водка") << u"W"_s << u"Label6"_s << true << u"100"_s;
    QTest::newRow("пиво of the legend") << u"Kl"_s << u"Label64"_s << true << u"5"_s;
    QTest::newRow("херес in period 1") << u"He"_s << u"Label62"_s << true << u"16"_s;
    QTest::newRow("H") << u"H"_s << u"Label1"_s << false << u"Хрен его знает, что это"_s;
    QTest::newRow("зелье") << u"Zl"_s << u"Label35"_s << false << u"Зелье бабы Дзыны"_s;
    QTest::newRow("телебенчик") << u"Tb"_s << u"Label45"_s << false << u"Коктель по-русски"_s;
    QTest::newRow("огненная вода") << u"Ov"_s << u"Label47"_s << false << u"Коктель по-индейски"_s;
    QTest::newRow("уксус") << u"U"_s << u"Label58"_s << false << u"Сладкий, когда пъеш задарма"_s;
    QTest::newRow("пойло prints numbers yet jokes")
        << u"Fu"_s << u"Label61"_s << false << u"Пойло и есть пойло, от 0.00001 до 300 гр."_s;
    QTest::newRow("чефир") << u"Ti"_s << u"Label65"_s << false
                           << u"От крепости даже челюсти сводит"_s;
}

void TestPeriodicCells::clickDoesWhatTheTableSays() {
    QFETCH(QString, symbol);
    QFETCH(QString, label);
    QFETCH(bool, writes);
    QFETCH(QString, value);
    const PeriodicCell* c = cellWithSymbol(symbol);
    QVERIFY(c);
    QCOMPARE(c->label, label);
    QCOMPARE(c->action == PeriodicCell::Action::WritesStrength, writes);
    QCOMPARE(c->value, value);
}

void TestPeriodicCells::drinkWritesItsFirstPrintedNumber_data() {
    QTest::addColumn<int>("index");
    const auto& cells = periodicCells();
    for (int i = 0; i < int(cells.size()); ++i) {
        if (cells[i].action == PeriodicCell::Action::WritesStrength)
            QTest::newRow(qPrintable(describe(cells[i]))) << i;
    }
}

void TestPeriodicCells::drinkWritesItsFirstPrintedNumber() {
    QFETCH(int, index);
    const PeriodicCell& c = periodicCells()[index];
    QCOMPARE(c.value, c.strength);
    QVERIFY2(isCanonicalDecimal(c.value), qPrintable(c.value));
    QVERIFY(!c.calories.isEmpty());
    QVERIFY(!c.name.isEmpty());
}

void TestPeriodicCells::printedNumbersAreDecimalText() {
    for (const PeriodicCell& c : periodicCells()) {
        // Both numbers or neither; "0,00" is printed as is, so only readability is required.
        QCOMPARE(c.strength.isEmpty(), c.calories.isEmpty());
        if (!c.strength.isEmpty()) {
            QVERIFY2(numbertext::isNumber(c.strength), qPrintable(describe(c)));
            QVERIFY2(numbertext::isNumber(c.calories), qPrintable(describe(c)));
        }
        if (c.action == PeriodicCell::Action::ShowsJoke)
            QVERIFY2(!numbertext::isNumber(c.value), qPrintable(describe(c)));
    }
}

void TestPeriodicCells::gridPlacesAreDistinctAndInRange() {
    QSet<int> taken;
    int legend = 0;
    int remedies = 0;
    for (const PeriodicCell& c : periodicCells()) {
        switch (c.place) {
        case PeriodicCell::Place::Grid:
            QVERIFY2(c.row >= 1 && c.row <= 8 && c.column >= 1 && c.column <= 10,
                     qPrintable(describe(c)));
            QVERIFY2(!taken.contains(c.row * 100 + c.column), qPrintable(describe(c)));
            taken.insert(c.row * 100 + c.column);
            break;
        case PeriodicCell::Place::Legend:
            ++legend;
            QCOMPARE(c.symbol, u"Kl"_s);
            break;
        case PeriodicCell::Place::RemedyRow:
            ++remedies;
            QCOMPARE(c.column, 4);
            break;
        }
    }
    QCOMPARE(legend, 1);
    QCOMPARE(remedies, 1);
    // Title over columns 2 to 7 and the picture over 9 and 10 leave period 1 two cells; the
    // legend takes columns 7 to 10 of periods 6 and 7.
    QCOMPARE(taken.size(), 62);
    QVERIFY(taken.contains(101) && taken.contains(108));
    QVERIFY(!taken.contains(102) && !taken.contains(209) && !taken.contains(607));
}

void TestPeriodicCells::areasLieInsideTheClientArea() {
    const QRect client(QPoint(0, 0), periodiclayout::clientTwips);
    for (const PeriodicCell& c : periodicCells())
        QVERIFY2(client.contains(c.twips), qPrintable(describe(c)));
    QVERIFY(client.contains(periodiclayout::descriptionLineTwips));
    QVERIFY(client.contains(periodiclayout::starMarkTwips));
}

void TestPeriodicCells::clickAreasDoNotOverlap() {
    const auto& cells = periodicCells();
    for (size_t i = 0; i < cells.size(); ++i) {
        QVERIFY2(cells[i].twips.isValid(), qPrintable(describe(cells[i])));
        for (size_t j = i + 1; j < cells.size(); ++j) {
            QVERIFY2(!cells[i].twips.intersects(cells[j].twips),
                     qPrintable(describe(cells[i]) + u" / "_s + describe(cells[j])));
        }
    }
}

void TestPeriodicCells::descriptionLineCoversNoCell() {
    for (const PeriodicCell& c : periodicCells()) {
        QVERIFY2(!c.twips.intersects(periodiclayout::descriptionLineTwips),
                 qPrintable(describe(c)));
    }
}

void TestPeriodicCells::starMarksTheTopRightCornerOfTheChefirCell() {
    const PeriodicCell* chefir = cellWithSymbol(u"Ti"_s);
    QVERIFY(chefir);
    const QRect star = periodiclayout::starMarkTwips;
    QCOMPARE(star.top(), chefir->twips.top());
    QCOMPARE(star.right(), chefir->twips.right());
    QVERIFY(chefir->twips.contains(star));
}

void TestPeriodicCells::sideRowsHoldSixteenCellsEach() {
    for (const auto* row : {&periodicSnacks(), &periodicRemedies()}) {
        QCOMPARE(row->size(), size_t(16));
        for (const PeriodicSideCell& s : *row) {
            QVERIFY(!s.symbol.isEmpty() && !s.name.isEmpty());
            QCOMPARE(s.efficiency.isEmpty(), s.calories.isEmpty());
            if (!s.efficiency.isEmpty()) {
                QVERIFY2(isCanonicalDecimal(s.efficiency), qPrintable(s.name));
                QVERIFY2(isCanonicalDecimal(s.calories), qPrintable(s.name));
            }
        }
    }
}

void TestPeriodicCells::fourthRemedyIsTheClickableChefir() {
    const PeriodicCell* chefir = cellWithSymbol(u"Ti"_s);
    QVERIFY(chefir);
    const PeriodicSideCell& drawn = periodicRemedies().at(chefir->column - 1);
    QCOMPARE(drawn.symbol, chefir->symbol);
    QCOMPARE(drawn.name, chefir->name);
    QCOMPARE(drawn.efficiency, chefir->strength);
    QCOMPARE(drawn.calories, chefir->calories);
}

void TestPeriodicCells::symbolsAreUniqueAcrossThePicture() {
    QSet<QString> seen;
    auto add = [&seen](const QString& symbol) {
        QVERIFY2(!seen.contains(symbol), qPrintable(symbol));
        seen.insert(symbol);
    };
    for (const PeriodicCell& c : periodicCells()) {
        if (c.place != PeriodicCell::Place::RemedyRow)
            add(c.symbol);
    }
    for (const PeriodicSideCell& s : periodicSnacks())
        add(s.symbol);
    for (const PeriodicSideCell& s : periodicRemedies())
        add(s.symbol);
    QCOMPARE(seen.size(), 63 + 32);
}

QTEST_APPLESS_MAIN(TestPeriodicCells)
#include "tst_periodiccells.moc"
