#include "testapplication.h"

#include "app/stilllife.h"
#include "app/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheFirstItemsAndTheMensTime();
    void showsTheWomensTimeHalfASecondLater();
    void looksUpEveryCombination_data();
    void looksUpEveryCombination();
    void severalSelectionsGiveOneUpdate();
    void recipePanelCoversTheWindowAndHidesTheButtons();
    void aboutAndBackKeepsTheSelections();
    void russianVodkaOpensTheHelpPage();
    void exitAndCloseMarkEndTheProgram_data();
    void exitAndCloseMarkEndTheProgram();
    void minimiseMarkMinimisesOnlyThisWindow();
    void stillLifeFramesFollowTheChain();
    void staticTextsAreInPlace();
    void everyListItemIsOneLineThatFitsItsList();

private:
    QWidget* main() const { return t->window(u"Form1"_qs); }
    template <class T = QWidget> T* c(const char* name) const {
        return t->control<T>(u"Form1"_qs, QString::fromLatin1(name));
    }
    void select(const char* list, const QString& item) {
        auto* w = c<QListWidget>(list);
        const auto found = w->findItems(item, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(item));
        w->setCurrentItem(found.first());
    }

    std::unique_ptr<TestApplication> t;
};

void TestMainWindow::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
}

void TestMainWindow::cleanup() {
    t.reset();
}

void TestMainWindow::startsWithTheFirstItemsAndTheMensTime() {
    QVERIFY(main()->isVisible());
    QCOMPARE(main()->size(), QSize(654, 416));
    QCOMPARE(c<QListWidget>("List1")->currentRow(), 0);
    QCOMPARE(c<QListWidget>("List2")->currentRow(), 0);
    QCOMPARE(c<QListWidget>("List3")->currentRow(), 0);
    QCOMPARE(c<QListWidget>("List1")->count(), 16);
    QCOMPARE(c<QListWidget>("List1")->item(0)->text(), u"Пиво 4%"_qs);
    QCOMPARE(c<QListWidget>("List2")->count(), 6);
    QCOMPARE(c<QListWidget>("List3")->count(), 3);
    QCOMPARE(c<QLabel>("Label5")->text(), u"0ч-42мин"_qs);
    QVERIFY(c("Frame3")->isHidden());
    for (const char* name : {"Command2", "Command4", "Command5", "Command6"})
        QVERIFY2(c(name)->isVisible(), name);
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Command1"})
        QVERIFY2(!c(name)->isVisible(), name);
}

void TestMainWindow::showsTheWomensTimeHalfASecondLater() {
    QCOMPARE(c<QLabel>("Label7")->text(), QString());
    t->clock.advance(499);
    QCOMPARE(c<QLabel>("Label7")->text(), QString());
    t->clock.advance(1);
    QCOMPARE(c<QLabel>("Label7")->text(), u"0ч-50мин"_qs);
    QVERIFY(!t->clock.enabledTimers().contains(u"Timer1"_qs));
}

void TestMainWindow::looksUpEveryCombination_data() {
    QTest::addColumn<QString>("drink");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("men");
    QTest::addColumn<QString>("women");
    QTest::newRow("carried hour") << u"Пиво 8%"_qs << u"70"_qs << u"100"_qs << u"1ч-0мин"_qs
                                  << u"1ч-12мин"_qs;
    QTest::newRow("stored tie") << u"Джин 47%"_qs << u"60"_qs << u"500"_qs << u"34ч-4мин"_qs
                                << u"40ч-53мин"_qs;
    QTest::newRow("largest") << u"Джин 47%"_qs << u"50"_qs << u"500"_qs << u"40ч-53мин"_qs
                             << u"49ч-4мин"_qs;
    QTest::newRow("whole hours") << u"Водка 40%"_qs << u"60"_qs << u"500"_qs << u"29ч-0мин"_qs
                                 << u"34ч-48мин"_qs;
    QTest::newRow("minutes carry for women")
        << u"Настойка 24%"_qs << u"100"_qs << u"100"_qs << u"2ч-5мин"_qs << u"2ч-30мин"_qs;
    QTest::newRow("3ч-29мин") << u"Наливка 20%"_qs << u"50"_qs << u"100"_qs << u"3ч-29мин"_qs
                              << u"4ч-11мин"_qs;
}

void TestMainWindow::looksUpEveryCombination() {
    QFETCH(QString, drink);
    QFETCH(QString, weight);
    QFETCH(QString, amount);
    t->clock.advance(500);
    const QString before = c<QLabel>("Label7")->text();
    select("List1", drink);
    select("List2", weight);
    select("List3", amount);
    QTEST(c<QLabel>("Label5")->text(), "men");
    // The women's box keeps the previous time until the delay has run.
    QCOMPARE(c<QLabel>("Label7")->text(), before);
    t->clock.advance(500);
    QTEST(c<QLabel>("Label7")->text(), "women");
}

void TestMainWindow::severalSelectionsGiveOneUpdate() {
    t->clock.advance(500);
    int updates = 0;
    QString last = c<QLabel>("Label7")->text();
    auto count = [&] {
        if (c<QLabel>("Label7")->text() != last) {
            ++updates;
            last = c<QLabel>("Label7")->text();
        }
    };
    select("List2", u"60"_qs); // arms the delay
    t->clock.advance(200);
    select("List2", u"70"_qs); // already armed: no second tick
    t->clock.advance(299);
    count();
    QCOMPARE(updates, 0);
    t->clock.advance(1);
    count();
    QCOMPARE(updates, 1);
    // Computed from the men's time shown at the tick: "Пиво 4%", "70", "100" is 0ч-30мин.
    QCOMPARE(last, u"0ч-36мин"_qs);
    t->clock.advance(1000);
    count();
    QCOMPARE(updates, 1);
}

void TestMainWindow::recipePanelCoversTheWindowAndHidesTheButtons() {
    select("List2", u"80"_qs);
    for (int round = 0; round < 2; ++round) {
        TestApplication::click(c("Command2"));
        QVERIFY(c("Frame3")->isVisible());
        QCOMPARE(c("Frame3")->geometry(), twips::toPixels(120, 360, 8535, 5415));
        for (const char* name : {"Command2", "Command4", "Command5", "Command6"})
            QVERIFY2(!c(name)->isVisible(), name);
        QVERIFY(c("Command3")->isVisible());
        QVERIFY(c("Label87")->isVisible());
        // The link's top stays below the panel but for its first pixel.
        QVERIFY(c("Label87")->geometry().top() >= c("Frame3")->geometry().bottom());

        TestApplication::click(c("Command3"));
        QVERIFY(c("Frame3")->isHidden());
        for (const char* name : {"Command2", "Command4", "Command5", "Command6"})
            QVERIFY2(c(name)->isVisible(), name);
    }
    QCOMPARE(c<QListWidget>("List2")->currentItem()->text(), u"80"_qs);
    QCOMPARE(c<QLabel>("Label5")->text(), u"0ч-26мин"_qs);
}

void TestMainWindow::aboutAndBackKeepsTheSelections() {
    select("List1", u"Водка 40%"_qs);
    t->clock.advance(500);
    TestApplication::click(c("Command6"));
    QWidget* about = t->window(u"Form2"_qs);
    QVERIFY(about && about->isVisible());
    QVERIFY(!main()->isVisible());

    TestApplication::click(t->control(u"Form2"_qs, u"Command1"_qs));
    TestApplication::settle();
    QVERIFY(main()->isVisible());
    QCOMPARE(t->window(u"Form2"_qs), nullptr);
    QCOMPARE(c<QListWidget>("List1")->currentItem()->text(), u"Водка 40%"_qs);
    QCOMPARE(c<QLabel>("Label5")->text(), u"6ч-58мин"_qs);
    QCOMPARE(c<QLabel>("Label7")->text(), u"8ч-22мин"_qs);
}

void TestMainWindow::russianVodkaOpensTheHelpPage() {
    TestApplication::click(c("Command4"));
    TestApplication::click(c("Command4"));
    const RecordingShell::Call expected{
        Shell::Owner::None, u"open"_qs, t->folder.path() + u"/vodka.htm"_qs,
        QString(),          QString(),  1};
    QCOMPARE(t->shell.calls.size(), 2);
    QVERIFY(t->shell.calls[0] == expected);
    QVERIFY(main()->isVisible());
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestMainWindow::exitAndCloseMarkEndTheProgram_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Выход") << u"Command5"_qs;
    QTest::newRow("close mark") << u"Picture1_0"_qs;
}

void TestMainWindow::exitAndCloseMarkEndTheProgram() {
    QFETCH(QString, control);
    QSignalSpy ended(&t->app(), &Application::ended);
    TestApplication::click(t->control(u"Form1"_qs, control));
    QCOMPARE(ended.count(), 1);
    QVERIFY(t->app().hasEnded());
    QVERIFY(t->clock.enabledTimers().isEmpty());
    TestApplication::settle();
    QCOMPARE(main(), nullptr);
}

void TestMainWindow::minimiseMarkMinimisesOnlyThisWindow() {
    TestApplication::click(c("Picture1_1"));
    QVERIFY(main()->isMinimized());
    QVERIFY(!t->app().hasEnded());
    main()->showNormal();

    // With a second window open, its mark leaves the main window exactly as it was.
    TestApplication::click(c("Label87"));
    QWidget* calculator = t->window(u"Form3"_qs);
    QVERIFY(calculator && calculator->isVisible());
    QVERIFY(!main()->isVisible());
    TestApplication::click(t->control(u"Form3"_qs, u"Picture1_1"_qs));
    QVERIFY(calculator->isMinimized());
    QVERIFY(!main()->isMinimized());
    QVERIFY(!main()->isVisible());
    QVERIFY(!t->app().hasEnded());

    // Back on the main window, a right click on its mark does nothing.
    TestApplication::click(t->control(u"Form3"_qs, u"Command2"_qs));
    TestApplication::settle();
    QVERIFY(main()->isVisible());
    TestApplication::click(c("Picture1_1"), Qt::RightButton);
    QVERIFY(!main()->isMinimized());
    QVERIFY(main()->isVisible());
}

void TestMainWindow::stillLifeFramesFollowTheChain() {
    auto shown = [this] { return c<QLabel>("Image2")->pixmap().toImage(); };
    const QImage gif = QPixmap(u":/chrome/stilllife-main.gif"_qs).toImage();
    QVERIFY(!gif.isNull());
    QCOMPARE(shown(), gif);
    const int expected[] = {300, 301, 300, 302, 300, 301};
    for (int frame : expected) {
        t->clock.advance(100);
        QCOMPARE(shown(), StillLife::frame(frame).toImage());
        const QStringList running = t->clock.enabledTimers();
        const int chainTimers = int(std::count_if(running.begin(), running.end(), [](auto& n) {
            return n == u"Timer2"_qs || n == u"Timer3"_qs || n == u"Timer4"_qs || n == u"Timer5"_qs;
        }));
        QCOMPARE(chainTimers, 1);
    }
    QVERIFY(StillLife::frame(301).toImage() != StillLife::frame(300).toImage());
    QVERIFY(StillLife::frame(302).toImage() != StillLife::frame(301).toImage());
}

void TestMainWindow::staticTextsAreInPlace() {
    const QString recipe = c<QPlainTextEdit>("Text6")->toPlainText();
    QVERIFY(recipe.startsWith(u"Для быстрого снятия опьянения:"_qs));
    qsizetype at = 0;
    for (const QString& heading :
         {u"Обильное питье:"_qs, u"Диета:"_qs, u"Кардиоаспирин:"_qs, u"Панангин или Аспаркам:"_qs,
          u"Полифепан:"_qs, u"Феназепам:"_qs, u"Ноотропил или Пирацетам:"_qs,
          u"Витаминные комплексы:"_qs, u"Контрастный душ:"_qs}) {
        const qsizetype found = recipe.indexOf(u"\n"_qs + heading);
        QVERIFY2(found > at, qPrintable(heading));
        at = found;
    }
    const QString advice = c<QLabel>("Label10")->text();
    QVERIFY(advice.startsWith(u"Сколько выпить, чтобы трезвым сесть за руль?"_qs));
    at = 0;
    for (const QString& figure :
         {u"0,2 - 0,5 промилле"_qs, u"0,5 - 0,8 промилле"_qs, u"1 литр пива"_qs, u"150 мл водки"_qs,
          u"1,2 промилле"_qs, u"2,5 литра пива"_qs, u"400 мл водки"_qs, u"4 - 5 промилле"_qs,
          u"0,10 - 0,15 промилле"_qs, u"0,085 – 0,10"_qs, u"18 - 20"_qs}) {
        const qsizetype found = advice.indexOf(figure);
        QVERIFY2(found > at, qPrintable(figure));
        at = found;
    }
}

void TestMainWindow::everyListItemIsOneLineThatFitsItsList() {
    // A list measures its first item and gives every item that size; the others must be no
    // taller and no wider than the list, or they would be cut off with no scroll bar to reach
    // them. The calculator's drinks list, made from the same tables, is measured opened.
    auto check = [](QWidget* window) {
        const QList<QListWidget*> lists = window->findChildren<QListWidget*>();
        QVERIFY(!lists.isEmpty());
        for (QListWidget* list : lists) {
            const QString where = window->objectName() + u'.' + list->objectName();
            QVERIFY2(list->isVisible() && list->count() > 0, qPrintable(where));
            const int height = list->sizeHintForIndex(list->model()->index(0, 0)).height();
            for (int row = 0; row < list->count(); ++row) {
                const QSize item = list->sizeHintForIndex(list->model()->index(row, 0));
                const QString at = where + u' ' + list->item(row)->text();
                QVERIFY2(item.height() == height, qPrintable(at));
                QVERIFY2(item.width() <= list->viewport()->width(), qPrintable(at));
            }
        }
    };
    check(main());
    TestApplication::click(c("Label87"));
    QWidget* calculator = t->window(u"Form3"_qs);
    QVERIFY(calculator && calculator->isVisible());
    TestApplication::click(t->control(u"Form3"_qs, u"Label87"_qs));
    t->clock.advance(1000);
    check(calculator);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
