#include "testapplication.h"

#include "app/clickablelabel.h"
#include "app/twips.h"

#include "table/periodiccells.h"
#include "table/periodiclayout.h"

#include "windows/periodictablewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QWindow>

class TestPeriodicTable : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAsAFixedWindowWithOnlyACloseBox();
    void everyCellWritesItsStrengthOrShowsItsJoke_data();
    void everyCellWritesItsStrengthOrShowsItsJoke();
    void nextJokeReplacesTheLastOne();
    void reopensAtTheTopLeftWithAnEmptyDescription();
    void closeBoxDropsTheInstance();
    void openingWhileOpenShowsTheSameInstance();
    void desktopCloseOfTheCalculatorKeepsAWindowInSight();
    void pickAfterCloseFillsTheCalculatorShownNext();
    void placesOutsideTheCellsDoNothing_data();
    void placesOutsideTheCellsDoNothing();
    void cursorsPointWithTheirHotSpots();

private:
    QWidget* table() const { return t->window(u"Form4"_qs); }
    QWidget* calculator() const { return t->window(u"Form3"_qs); }
    QLineEdit* strength() const { return t->control<QLineEdit>(u"Form3"_qs, u"Text4"_qs); }
    QString description() const { return t->control<QLabel>(u"Form4"_qs, u"Label63"_qs)->text(); }
    void openCalculator() {
        TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
        QVERIFY(calculator() && calculator()->isVisible());
    }
    // What the calculator's link does: open the table, or bring the open one forward.
    QWidget* openTable() {
        PeriodicTableWindow& w = t->app().windows().Form4();
        w.show();
        return &w;
    }
    // A click where the user points in the window, so whatever lies on top there receives it.
    static void clickAt(QWidget* window, QPoint where) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, where);
    }
    static void clickCell(QWidget* window, const QString& label) {
        QWidget* cell = window->findChild<QWidget*>(label);
        QVERIFY2(cell, qPrintable(label));
        clickAt(window, cell->geometry().center());
    }

    std::unique_ptr<TestApplication> t;
};

void TestPeriodicTable::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
}

void TestPeriodicTable::cleanup() {
    t.reset();
}

void TestPeriodicTable::opensAsAFixedWindowWithOnlyACloseBox() {
    QWidget* w = openTable();
    QCOMPARE(w->objectName(), u"Form4"_qs);
    QCOMPARE(w->windowTitle(), u"алкоголь"_qs);
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w->size(), QSize(998, 716));
    QCOMPARE(w->minimumSize(), w->maximumSize());

    auto* picture = w->findChild<QLabel*>(u"Image1"_qs);
    QCOMPARE(picture->geometry(), QRect(0, 0, 1000, 716));
    QCOMPARE(picture->pixmap().size(), QSize(1000, 716));

    const QList<ClickableLabel*> areas = w->findChildren<ClickableLabel*>();
    QCOMPARE(areas.size(), qsizetype(periodicCells().size()));
    for (const PeriodicCell& cell : periodicCells()) {
        auto* area = w->findChild<ClickableLabel*>(cell.label);
        QVERIFY2(area, qPrintable(cell.label));
        QCOMPARE(area->geometry(), twips::toPixels(cell.twips.left(), cell.twips.top(),
                                                   cell.twips.width(), cell.twips.height()));
        QVERIFY(area->text().isEmpty());
        QVERIFY(!area->autoFillBackground());
    }

    auto* line = w->findChild<QLabel*>(u"Label63"_qs);
    QCOMPARE(line->geometry(), twips::toPixels(2280, 840, 8535, 375));
    QVERIFY(line->font().bold());
    QCOMPARE(line->font().pixelSize(), 18);
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(line->alignment().testFlag(Qt::AlignHCenter));
    QVERIFY(!line->autoFillBackground());

    auto* mark = w->findChild<QLabel*>(u"Label87"_qs);
    QCOMPARE(mark->text(), u"***"_qs);
    QCOMPARE(mark->geometry(), twips::toPixels(3360, 9960, 255, 135));
    QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // It lies over the corner of the чефир cell and takes the pointer there.
    QCOMPARE(w->childAt(mark->geometry().center()), mark);
}

void TestPeriodicTable::everyCellWritesItsStrengthOrShowsItsJoke_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("joke");
    QTest::addColumn<QString>("value");
    int jokes = 0;
    for (const PeriodicCell& cell : periodicCells()) {
        const bool joke = cell.action == PeriodicCell::Action::ShowsJoke;
        jokes += joke ? 1 : 0;
        QTest::addRow("%s %s", qPrintable(cell.label), qPrintable(cell.symbol))
            << cell.label << joke << cell.value;
    }
    QCOMPARE(jokes, 7);
}

void TestPeriodicTable::everyCellWritesItsStrengthOrShowsItsJoke() {
    QFETCH(QString, label);
    QFETCH(bool, joke);
    QFETCH(QString, value);
    openCalculator();
    QWidget* calc = calculator();
    // Not a value of any cell, so the default 40 cannot pass for водка's pick.
    strength()->setText(u"1234"_qs);
    QWidget* w = openTable();

    clickCell(w, label);
    TestApplication::settle();

    QCOMPARE(calculator(), calc);
    QVERIFY(calc->isVisible());
    if (joke) {
        QCOMPARE(table(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(description(), value);
        QCOMPARE(strength()->text(), u"1234"_qs);
    } else {
        QCOMPARE(table(), nullptr);
        QCOMPARE(strength()->text(), value);
    }
}

void TestPeriodicTable::nextJokeReplacesTheLastOne() {
    openCalculator();
    const QString before = strength()->text();
    QWidget* w = openTable();
    clickCell(w, u"Label1"_qs);
    QCOMPARE(description(), u"Хрен его знает, что это"_qs);
    clickCell(w, u"Label35"_qs);
    QCOMPARE(description(), u"Зелье бабы Дзыны"_qs);
    QCOMPARE(table(), w);
    QCOMPARE(strength()->text(), before);
}

void TestPeriodicTable::reopensAtTheTopLeftWithAnEmptyDescription() {
    openCalculator();
    QWidget* w = openTable();
    QCOMPARE(w->pos(), QPoint(0, 0));
    QCOMPARE(description(), QString());
    w->move(300, 120);
    QCOMPARE(w->pos(), QPoint(300, 120));
    clickCell(w, u"Label1"_qs);
    QVERIFY(!description().isEmpty());

    clickCell(w, u"Label2"_qs);
    TestApplication::settle();
    QCOMPARE(table(), nullptr);
    QCOMPARE(strength()->text(), u"21"_qs);

    QWidget* again = openTable();
    QCOMPARE(again->pos(), QPoint(0, 0));
    // Asked for, not left to the window manager, which would place a new window where it likes.
    QVERIFY(again->testAttribute(Qt::WA_Moved));
    QCOMPARE(description(), QString());
}

void TestPeriodicTable::closeBoxDropsTheInstance() {
    openCalculator();
    strength()->setText(u"1234"_qs);
    QWidget* w = openTable();
    w->move(200, 100);
    clickCell(w, u"Label58"_qs);
    QVERIFY(w->close());
    // Gone at once: a reference straight after the close already makes a new table.
    QCOMPARE(table(), nullptr);
    QVERIFY(calculator()->isVisible());
    QCOMPARE(strength()->text(), u"1234"_qs);

    QPointer<QWidget> old(w);
    TestApplication::settle();
    QVERIFY(old.isNull());
    QWidget* again = openTable();
    QCOMPARE(again->pos(), QPoint(0, 0));
    QCOMPARE(description(), QString());
}

void TestPeriodicTable::openingWhileOpenShowsTheSameInstance() {
    openCalculator();
    QWidget* w = openTable();
    clickCell(w, u"Label65"_qs);
    w->move(50, 60);
    QCOMPARE(openTable(), w);
    // No second load step: neither the joke nor the place is reset.
    QCOMPARE(description(), u"От крепости даже челюсти сводит"_qs);
    QCOMPARE(w->pos(), QPoint(50, 60));
}

void TestPeriodicTable::desktopCloseOfTheCalculatorKeepsAWindowInSight() {
    openCalculator();
    QWidget* w = openTable();
    calculator()->close(); // Alt+F4 on the calculator
    TestApplication::settle();
    QCOMPARE(calculator(), nullptr);
    QVERIFY(t->window(u"Form1"_qs)->isVisible());

    clickCell(w, u"Label54"_qs);
    TestApplication::settle();
    QCOMPARE(table(), nullptr);
    QVERIFY(t->window(u"Form1"_qs)->isVisible());
    QVERIFY(!t->app().hasEnded());
}

void TestPeriodicTable::pickAfterCloseFillsTheCalculatorShownNext() {
    openCalculator();
    QWidget* w = openTable();
    TestApplication::click(t->control(u"Form3"_qs, u"Command2"_qs));
    TestApplication::settle();
    QCOMPARE(calculator(), nullptr);
    QCOMPARE(table(), w);
    QVERIFY(w->isVisible());
    QVERIFY(t->window(u"Form1"_qs)->isVisible());

    clickCell(w, u"Label54"_qs);
    TestApplication::settle();
    QCOMPARE(table(), nullptr);
    QWidget* created = calculator();
    QVERIFY(created);
    QVERIFY(!created->isVisible());
    QCOMPARE(strength()->text(), u"96,6"_qs);
    // A load step would replace the fields and could not keep a mark it does not know of.
    created->setProperty("pickedInto", true);

    TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
    QCOMPARE(calculator(), created);
    QVERIFY(created->isVisible());
    QVERIFY(!t->window(u"Form1"_qs)->isVisible());
    QCOMPARE(strength()->text(), u"96,6"_qs);
    QVERIFY(created->property("pickedInto").toBool());
}

void TestPeriodicTable::placesOutsideTheCellsDoNothing_data() {
    QTest::addColumn<QPoint>("where");
    const QRect star = twips::toPixels(3360, 9960, 255, 135);
    QTest::newRow("*** mark") << star.center();
    QTest::newRow("title") << QPoint(420, 14);
    QTest::newRow("description line") << QPoint(436, 68);
    QTest::newRow("photograph") << QPoint(905, 100);
    QTest::newRow("legend notes") << QPoint(850, 420);
    QTest::newRow("snack cell") << QPoint(470, 610);
    QTest::newRow("remedy cell beside чефир") << QPoint(282, 685);
}

void TestPeriodicTable::placesOutsideTheCellsDoNothing() {
    QFETCH(QPoint, where);
    openCalculator();
    strength()->setText(u"1234"_qs);
    QWidget* w = openTable();
    QVERIFY(!qobject_cast<ClickableLabel*>(w->childAt(where)));

    clickAt(w, where);
    TestApplication::settle();
    QCOMPARE(table(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(description(), QString());
    QCOMPARE(strength()->text(), u"1234"_qs);
}

void TestPeriodicTable::cursorsPointWithTheirHotSpots() {
    QWidget* w = openTable();
    for (const PeriodicCell& cell : periodicCells()) {
        QWidget* area = w->findChild<QWidget*>(cell.label);
        QVERIFY2(area->testAttribute(Qt::WA_SetCursor), qPrintable(cell.label));
        QCOMPARE(area->cursor().hotSpot(), QPoint(13, 9));
        QCOMPARE(area->cursor().pixmap().size(), QSize(32, 32));
    }
    QWidget* mark = w->findChild<QWidget*>(u"Label87"_qs);
    QVERIFY(mark->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(mark->cursor().hotSpot(), QPoint(1, 3));
    QVERIFY(!mark->cursor().pixmap().isNull());
}

QTEST_MAIN(TestPeriodicTable)
#include "tst_periodictable.moc"
