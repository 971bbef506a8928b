#include "testapplication.h"

#include "app/stilllife.h"
#include "app/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

// The drink list that rolls open and shut, and the amount drunk worked out from promille.
class TestCalculatorMotion : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listRollsOpenInThirteenSteps();
    void listRollsShutAndHides();
    void repeatedPanelMakesWayForTheList();
    void closingMidOpeningTurnsTheChainRound();
    void pickingFromTheListWritesTheStrength();

    void reverseModeSwapsTheControls();
    void pouringShowsItsFramesAndTheAmount_data();
    void pouringShowsItsFramesAndTheAmount();
    void failedAmountStopsOnTheFullGlass_data();
    void failedAmountStopsOnTheFullGlass();
    void incompleteInputsShowNoAnimation();
    void pressDuringARunRestartsIt();
    void switchingModeStopsThePouring();
    void typedPromilleIsRestatedInUnits_data();
    void typedPromilleIsRestatedInUnits();

private:
    template <class T = QWidget> T* c(const char* name) const {
        return t->control<T>(u"Form3"_qs, QString::fromLatin1(name));
    }
    int listHeightTwips() const { return c("List1")->height() * twips::PerPixel; }
    QStringList runningOf(const QStringList& names) const {
        QStringList running;
        for (const QString& n : t->clock.enabledTimers(t->window(u"Form3"_qs)))
            if (names.contains(n))
                running.append(n);
        return running;
    }
    QStringList listTimers() const {
        QStringList names;
        for (int i = 1; i <= 13; ++i)
            names.append(u"Timer%1"_qs.arg(i));
        return names;
    }
    QStringList pouringTimers() const {
        QStringList names;
        for (int i = 17; i <= 34; ++i)
            names.append(u"Timer%1"_qs.arg(i));
        return names;
    }
    QImage shown() const { return c<QLabel>("Image2")->pixmap().toImage(); }
    void enterReverseMode(const QString& promille, const QString& mass, const QString& hours) {
        TestApplication::click(c("Check2"));
        c<QLineEdit>("Text1")->setText(promille);
        c<QLineEdit>("Text2")->setText(mass);
        c<QLineEdit>("Text3")->setText(hours);
    }

    std::unique_ptr<TestApplication> t;
};

void TestCalculatorMotion::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
    TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs));
    QVERIFY(t->window(u"Form3"_qs));
}

void TestCalculatorMotion::cleanup() {
    t.reset();
}

void TestCalculatorMotion::listRollsOpenInThirteenSteps() {
    QVERIFY(c("List1")->isHidden());
    TestApplication::click(c("Label87"));
    QCOMPARE(c<QLabel>("Label9")->text(), u"1"_qs);
    QVERIFY(c("List1")->isHidden()); // nothing moves before the first step
    const int heights[] = {255,  450,  645,  840,  1230, 1620, 2010,
                           2205, 2400, 2595, 2790, 2985, 3180};
    for (int step = 0; step < 13; ++step) {
        t->clock.advance(10);
        QVERIFY(c("List1")->isVisible());
        QVERIFY(c("Command3")->isVisible());
        // Whole pixels: a twips height is met to within one pixel.
        QVERIFY2(std::abs(listHeightTwips() - heights[step]) < twips::PerPixel,
                 qPrintable(QString::number(step + 1)));
        QCOMPARE(runningOf(listTimers()).size(), step < 12 ? 1 : 0);
    }
    t->clock.advance(100);
    QCOMPARE(c("List1")->height(), twips::toPixels(3180));
}

void TestCalculatorMotion::listRollsShutAndHides() {
    TestApplication::click(c("Label87"));
    t->clock.advance(130);
    TestApplication::click(c("Command3"));
    QVERIFY(c("Command3")->isHidden()); // at once
    QCOMPARE(c<QLabel>("Label9")->text(), u"0"_qs);
    QList<int> seen;
    for (int step = 13; step >= 2; --step) {
        t->clock.advance(10);
        seen.append(c("List1")->height());
        QVERIFY(c("List1")->isVisible());
    }
    QCOMPARE(seen.first(), twips::toPixels(3180));
    QCOMPARE(seen.last(), twips::toPixels(450));
    QVERIFY(std::is_sorted(seen.rbegin(), seen.rend()));
    t->clock.advance(10);
    QVERIFY(c("List1")->isHidden());
    QVERIFY(runningOf(listTimers()).isEmpty());
}

void TestCalculatorMotion::repeatedPanelMakesWayForTheList() {
    TestApplication::click(c("Check1"));
    QVERIFY(c("Frame3")->isVisible());
    TestApplication::click(c("Label87"));
    QVERIFY(c("Frame3")->isHidden());
    t->clock.advance(130);
    TestApplication::click(c("Command3"));
    t->clock.advance(120);
    QVERIFY(c("Frame3")->isHidden()); // back only after the last step
    t->clock.advance(10);
    QVERIFY(c("Frame3")->isVisible());
    QVERIFY(c("List1")->isHidden());

    // Without the repeated mode the panel stays away.
    TestApplication::click(c("Check1"));
    TestApplication::click(c("Label87"));
    t->clock.advance(130);
    TestApplication::click(c("Command3"));
    t->clock.advance(130);
    QVERIFY(c("Frame3")->isHidden());
}

void TestCalculatorMotion::closingMidOpeningTurnsTheChainRound() {
    TestApplication::click(c("Label87"));
    t->clock.advance(50); // five steps open
    TestApplication::click(c("Command3"));
    t->clock.advance(10);
    // The opening chain read the flag and went back instead of on to step 7.
    QVERIFY(!t->clock.enabledTimers(t->window(u"Form3"_qs)).contains(u"Timer7"_qs));
    t->clock.advance(300);
    QVERIFY(c("List1")->isHidden());
    QVERIFY(runningOf(listTimers()).isEmpty());
    QCOMPARE(c<QLabel>("Label9")->text(), u"0"_qs);
}

void TestCalculatorMotion::pickingFromTheListWritesTheStrength() {
    TestApplication::click(c("Label87"));
    t->clock.advance(130);
    auto* list = c<QListWidget>("List1");
    QListWidgetItem* gin = list->findItems(u"Джин 47%"_qs, Qt::MatchExactly).value(0);
    QVERIFY(gin);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(gin).center());
    QCOMPARE(c<QLineEdit>("Text4")->text(), u"47"_qs);
    QVERIFY(list->isVisible()); // only "x" closes it
}

void TestCalculatorMotion::reverseModeSwapsTheControls() {
    c<QLineEdit>("Text1")->setText(u"100"_qs);
    TestApplication::click(c("Check2"));
    QCOMPARE(c<QLabel>("Label2")->text(), u"Количество промилле в крови"_qs);
    QCOMPARE(c<QGroupBox>("Frame1")->title(),
             u"Определение количества выпитого по промилле в крови"_qs);
    QVERIFY(c("Command1")->isHidden());
    QVERIFY(c("Command6")->isVisible());
    QVERIFY(c("Check1")->isHidden());
    QCOMPARE(c<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(c<QLabel>("Label16")->text(), u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs);

    TestApplication::click(c("Check2"));
    QCOMPARE(c<QLabel>("Label2")->text(), u"Количество выпитого спирта в граммах"_qs);
    QCOMPARE(c<QGroupBox>("Frame1")->title(), u"Концентрация спирта в крови и моче"_qs);
    QVERIFY(c("Command1")->isVisible());
    QVERIFY(c("Command6")->isHidden());
    QVERIFY(c("Check1")->isVisible());
}

void TestCalculatorMotion::pouringShowsItsFramesAndTheAmount_data() {
    QTest::addColumn<QString>("promille");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("worked example")
        << u"0,45"_qs << u"1"_qs << u"Вами выпито 40 % спиртного 99 грамм"_qs;
    QTest::newRow("at the peak") << u"0,45"_qs << u"0"_qs
                                 << u"Вами выпито 40 % спиртного 77 грамм"_qs;
}

void TestCalculatorMotion::pouringShowsItsFramesAndTheAmount() {
    // The frames are compared with what the loader gives; that must be a real picture, or null
    // frames would pass for the animation.
    for (int frame = 400; frame <= 417; ++frame) {
        QVERIFY2(!StillLife::frame(frame).isNull(), qPrintable(QString::number(frame)));
        if (frame > 400)
            QVERIFY2(StillLife::frame(frame).toImage() != StillLife::frame(frame - 1).toImage(),
                     qPrintable(QString::number(frame)));
    }
    QFETCH(QString, promille);
    QFETCH(QString, hours);
    enterReverseMode(promille, u"80"_qs, hours);
    TestApplication::click(c("Command6"));
    QVERIFY(shown().isNull());
    t->clock.advance(100);
    QCOMPARE(shown(), StillLife::frame(400).toImage());
    t->clock.advance(1400);
    QCOMPARE(shown(), StillLife::frame(414).toImage());
    QCOMPARE(c<QLabel>("Label8")->text(), QString());
    t->clock.advance(100);
    QCOMPARE(shown(), StillLife::frame(415).toImage());
    QTEST(c<QLabel>("Label8")->text(), "sentence");
    for (int frame : {416, 417, 416, 417}) {
        t->clock.advance(100);
        QCOMPARE(shown(), StillLife::frame(frame).toImage());
        QCOMPARE(runningOf(pouringTimers()).size(), 1);
    }
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculatorMotion::failedAmountStopsOnTheFullGlass_data() {
    QTest::addColumn<QString>("strength");
    QTest::addColumn<int>("messages");
    QTest::newRow("strength 0: silent") << u"0"_qs << 0;
    QTest::newRow("not a number") << u"4.5"_qs << 1;
}

void TestCalculatorMotion::failedAmountStopsOnTheFullGlass() {
    QFETCH(QString, strength);
    QFETCH(int, messages);
    enterReverseMode(u"0,45"_qs, u"80"_qs, u"1"_qs);
    c<QLineEdit>("Text4")->setText(strength);
    TestApplication::click(c("Command6"));
    t->clock.advance(1600);
    QCOMPARE(shown(), StillLife::frame(415).toImage());
    QCOMPARE(c<QLabel>("Label8")->text(), QString());
    QCOMPARE(c<QLineEdit>("Text31")->text(), QString());
    QCOMPARE(t->dialogs.shown.size(), messages);
    if (messages)
        QCOMPARE(t->dialogs.shown.first().title, u"Ампервик"_qs);
    QVERIFY(runningOf(pouringTimers()).isEmpty());
    t->clock.advance(1000);
    QCOMPARE(shown(), StillLife::frame(415).toImage());
}

void TestCalculatorMotion::incompleteInputsShowNoAnimation() {
    enterReverseMode(u"0,45"_qs, u"80"_qs, QString());
    TestApplication::click(c("Command6"));
    QCOMPARE(t->dialogs.shown.size(), 1);
    QCOMPARE(t->dialogs.shown.first().text, u"Не все данные установленны"_qs);
    QCOMPARE(t->dialogs.shown.first().title, u"алкоголь"_qs);
    QVERIFY(runningOf(pouringTimers()).isEmpty());
    t->clock.advance(2000);
    QVERIFY(shown().isNull());
}

void TestCalculatorMotion::pressDuringARunRestartsIt() {
    enterReverseMode(u"0,45"_qs, u"80"_qs, u"1"_qs);
    QSignalSpy results(c<QLineEdit>("Text31"), &QLineEdit::textChanged);
    TestApplication::click(c("Command6"));
    t->clock.advance(500);
    QCOMPARE(shown(), StillLife::frame(404).toImage());
    TestApplication::click(c("Command6"));
    QVERIFY(shown().isNull());
    for (int frame = 400; frame <= 414; ++frame) {
        t->clock.advance(100);
        QCOMPARE(shown(), StillLife::frame(frame).toImage());
        QCOMPARE(runningOf(pouringTimers()).size(), 1);
    }
    t->clock.advance(300);
    QCOMPARE(results.count(), 1);
    QCOMPARE(c<QLineEdit>("Text31")->text(), u"99"_qs);

    // A press after a finished run stops the glass loop and pours again.
    TestApplication::click(c("Command6"));
    QCOMPARE(c<QLabel>("Label8")->text(), QString());
    t->clock.advance(100);
    QCOMPARE(shown(), StillLife::frame(400).toImage());
}

void TestCalculatorMotion::switchingModeStopsThePouring() {
    enterReverseMode(u"0,45"_qs, u"80"_qs, u"1"_qs);
    TestApplication::click(c("Command6"));
    t->clock.advance(800); // still pouring
    TestApplication::click(c("Check2"));
    QVERIFY(shown().isNull());
    QVERIFY(runningOf(pouringTimers()).isEmpty());
    t->clock.advance(2000);
    QCOMPARE(c<QLabel>("Label8")->text(), QString());

    TestApplication::click(c("Check2"));
    c<QLineEdit>("Text1")->setText(u"0,45"_qs);
    TestApplication::click(c("Command6"));
    t->clock.advance(1800); // in the glass loop
    TestApplication::click(c("Check2"));
    QVERIFY(runningOf(pouringTimers()).isEmpty());
}

void TestCalculatorMotion::typedPromilleIsRestatedInUnits_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("messages");
    QTest::newRow("0,45 key by key")
        << u"0,45"_qs << u"0,45"_qs << u"0,45 промилле = 0,22 мг/л (225 мкг/л) = 0,045 %ВАС"_qs
        << 0;
    QTest::newRow("one promille") << u"1"_qs << u"1"_qs
                                  << u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs << 0;
    QTest::newRow("a lone minus") << u"-"_qs << QString() << QString() << 1;
    QTest::newRow("a lone comma") << u","_qs << QString() << QString() << 1;
    QTest::newRow("period separator")
        << u"1.5"_qs << u"5"_qs << u"5 промилле = 2,5 мг/л (2500 мкг/л) = 0,5 %ВАС"_qs << 1;
}

void TestCalculatorMotion::typedPromilleIsRestatedInUnits() {
    QFETCH(QString, keys);
    QFETCH(int, messages);
    TestApplication::click(c("Check2"));
    const QString before = c<QLabel>("Label16")->text();
    QTest::keyClicks(c("Text1"), keys);
    QTEST(c<QLineEdit>("Text1")->text(), "field");
    QFETCH(QString, line);
    QCOMPARE(c<QLabel>("Label16")->text(), line.isEmpty() ? before : line);
    QCOMPARE(t->dialogs.shown.size(), messages);
    for (const auto& shown : t->dialogs.shown)
        QCOMPARE(shown.title, u"Ампервик"_qs);
}

QTEST_MAIN(TestCalculatorMotion)
#include "tst_calculatormotion.moc"
