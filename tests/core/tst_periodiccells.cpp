// Qt first: moc reads this file, and <compare> (through numbertext.h) does not parse on its own.
#include <QSet>
#include <QTest>

#include "calc/numbertext.h"
#include "table/periodiccells.h"
#include "table/periodiclayout.h"
#include "table/periodicsidecell.h"

#include <iterator>

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

// Every clickable cell as the picture draws it, written out here rather than read from the
// production table, so that a wrong or missing entry there fails. Joke cells show `value`, drink
// cells write it; the H cell prints no name.
struct DrawnCell {
    QStringView label;
    QStringView symbol;
    QStringView name;
    bool writes;
    QStringView value;
};

constexpr DrawnCell drawnCells[] = {
    {u"Label1", u"H", u"", false, u"Хрен его знает, что это"},
    {u"Label2", u"Li", u"ликер", true, u"21"},
    {u"Label3", u"B", u"бренди", true, u"38"},
    {u"Label4", u"K", u"коньяк", true, u"41"},
    {u"Label5", u"V", u"водка", true, u"40"},
    {u"Label6", u"W", u"царская водка", true, u"100"},
    {u"Label7", u"Gr", u"грог", true, u"6"},
    {u"Label8", u"Sh", u"шампанское", true, u"10"},
    {u"Label9", u"Pt", u"портвейн", true, u"18"},
    {u"Label10", u"Md", u"медовуха", true, u"56"},
    {u"Label11", u"Sc", u"саке", true, u"60"},
    {u"Label12", u"D", u"джин", true, u"29"},
    {u"Label13", u"Ra", u"ракия", true, u"39"},
    {u"Label14", u"Pn", u"перно", true, u"45"},
    {u"Label15", u"Pu", u"пунш", true, u"7"},
    {u"Label16", u"Bu", u"бургундское", true, u"2"},
    {u"Label17", u"Mn", u"мартини", true, u"12"},
    {u"Label18", u"Ve", u"вермут", true, u"14"},
    {u"Label19", u"Kn", u"кьянти", true, u"13"},
    {u"Label20", u"Na", u"наливка", true, u"11,11"},
    {u"Label21", u"Cu", u"цуйка", true, u"40,2"},
    {u"Label22", u"P", u"перцовка", true, u"52"},
    {u"Label23", u"Cl", u"кюммель", true, u"40,5"},
    {u"Label24", u"Kr", u"крюшон", true, u"7,5"},
    {u"Label25", u"Ga", u"граппа", true, u"34"},
    {u"Label26", u"Kb", u"каберне", true, u"8"},
    {u"Label27", u"Mu", u"мускат", true, u"16,5"},
    {u"Label28", u"Bm", u"Букет Молдавии", true, u"15"},
    {u"Label29", u"Tc", u"токай", true, u"17"},
    {u"Label30", u"Rm", u"ром", true, u"42"},
    {u"Label31", u"Go", u"горилка", true, u"92"},
    {u"Label32", u"Z", u"зубровка", true, u"48"},
    {u"Label33", u"Ka", u"кальвадос", true, u"8,8"},
    {u"Label34", u"Si", u"сидр", true, u"0,8"},
    {u"Label35", u"Zl", u"зелье", false, u"Зелье бабы Дзыны"},
    {u"Label36", u"Bd", u"бордо", true, u"3"},
    {u"Label37", u"Ca", u"кагор", true, u"19"},
    {u"Label38", u"Al", u"алиготе", true, u"0,01"},
    {u"Label39", u"Mr", u"мадера", true, u"20"},
    {u"Label40", u"Te", u"текила", true, u"33"},
    {u"Label41", u"Ch", u"чача", true, u"63"},
    {u"Label42", u"At", u"абсент", true, u"31"},
    {u"Label43", u"El", u"эль", true, u"11"},
    {u"Label44", u"Cm", u"кровавая Мэри", true, u"20,5"},
    {u"Label45", u"Tb", u"телебенчик", false, u"Коктель по-русски"},
    {u"Label46", u"Pi", u"пульке", true, u"37"},
    {u"Label47", u"Ov", u"огненная вода", false, u"Коктель по-индейски"},
    {u"Label48", u"Du", u"духи", true, u"22"},
    {u"Label49", u"Sn", u"самогон", true, u"43"},
    {u"Label50", u"Pr", u"первач", true, u"73"},
    {u"Label51", u"Er", u"ерш", true, u"29"},
    {u"Label52", u"Bz", u"бальзам", true, u"36"},
    {u"Label53", u"S", u"спирт", true, u"95"},
    {u"Label54", u"Ts", u"технич. спирт", true, u"96,6"},
    {u"Label55", u"Dn", u"денатурат", true, u"77"},
    {u"Label56", u"O", u"одеколон", true, u"26"},
    {u"Label57", u"L", u"лосьен", true, u"25"},
    {u"Label58", u"U", u"уксус", false, u"Сладкий, когда пъеш задарма"},
    {u"Label59", u"Br", u"брага", true, u"0,1"},
    {u"Label60", u"Bt", u"бормотуха", true, u"0,09"},
    {u"Label61", u"Fu", u"пойло", false, u"Пойло и есть пойло, от 0.00001 до 300 гр."},
    {u"Label62", u"He", u"херес", true, u"16"},
    {u"Label64", u"Kl", u"пиво", true, u"5"},
    {u"Label65", u"Ti", u"чефир", false, u"От крепости даже челюсти сводит"},
};

} // namespace

class TestPeriodicCells : public QObject {
    Q_OBJECT

private slots:
    void listsEveryLabelOnceInTableOrder();
    void countsDrinksAndJokes();
    void everyCellIsTheDrawnOne_data();
    void everyCellIsTheDrawnOne();
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

void TestPeriodicCells::everyCellIsTheDrawnOne_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<QString>("value");
    for (const DrawnCell& c : drawnCells) {
        QTest::addRow("%s %s", qPrintable(c.label.toString()), qPrintable(c.symbol.toString()))
            << c.label.toString() << c.symbol.toString() << c.name.toString() << c.writes
            << c.value.toString();
    }
}

void TestPeriodicCells::everyCellIsTheDrawnOne() {
    QFETCH(QString, label);
    QFETCH(QString, symbol);
    QFETCH(QString, name);
    QFETCH(bool, writes);
    QFETCH(QString, value);
    // Same count and each drawn label exactly once: no cell missing, none extra.
    QCOMPARE(periodicCells().size(), std::size(drawnCells));
    const PeriodicCell* cell = nullptr;
    for (const PeriodicCell& c : periodicCells()) {
        if (c.label == label) {
            QVERIFY2(!cell, "label listed twice");
            cell = &c;
        }
    }
    QVERIFY2(cell, "label missing");
    QCOMPARE(cell->symbol, symbol);
    QCOMPARE(cell->name, name);
    QCOMPARE(cell->action == PeriodicCell::Action::WritesStrength, writes);
    QCOMPARE(cell->value, value);
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
