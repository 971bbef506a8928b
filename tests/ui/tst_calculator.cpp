#include "calculatorfixture.h"

#include "app/twips.h"

#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

const QString MenFactor = u"0,68"_qs;
const QString WomenFactor = u"0,55"_qs;
const QString ResetUnitLine = u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs;

// Records every widget that receives a show event, by name.
class ShowWatcher : public QObject {
public:
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            shown.append(watched->objectName());
        return false;
    }
};

} // namespace

// The calculator window: opening and closing, its defaults, and what it takes as input.
class TestCalculator : public QObject, private CalculatorFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFromTheMainWindowAndReturns();
    void loadsWithTheDefaultInputs();
    void workFieldsNeverShowAndSlotsAreReadOnly();
    void drinkLookupWritesTheStrength_data();
    void drinkLookupWritesTheStrength();
    void sexOptionsSetTheFactorWithoutRecomputing();
    void missingInputShowsTheMessageAndStops_data();
    void missingInputShowsTheMessageAndStops();
    void unitLineIsRebuiltWhenAFieldGetsTheSameText();
    void typedRateIsUsedAsTyped_data();
    void typedRateIsUsedAsTyped();
    void minutesPanelSendsRoundedHours_data();
    void minutesPanelSendsRoundedHours();
};

void TestCalculator::init() {
    openProgram();
}

void TestCalculator::cleanup() {
    closeProgram();
}

void TestCalculator::opensFromTheMainWindowAndReturns() {
    QWidget* main = t->window(u"Form1"_qs);
    QVERIFY(calculator()->isVisible());
    QVERIFY(!main->isVisible());
    QCOMPARE(calculator()->size(), QSize(559, 401));
    // The marks keep their laid-out places.
    QCOMPARE(c("Picture1_0")->geometry(), twips::toPixels(8040, 10, 315, 315));
    QCOMPARE(c("Picture1_1")->geometry(), twips::toPixels(7710, 10, 315, 315));

    press("Picture1_1");
    QVERIFY(calculator()->isMinimized());
    QVERIFY(!t->app().hasEnded());

    press("Command2");
    TestApplication::settle();
    QVERIFY(main->isVisible());
    QCOMPARE(calculator(), nullptr);

    openCalculator();
    QSignalSpy ended(&t->app(), &Application::ended);
    press("Picture1_0");
    QCOMPARE(ended.count(), 1);
}

void TestCalculator::loadsWithTheDefaultInputs() {
    QCOMPARE(shown("Text4"), u"40"_qs);
    QCOMPARE(shown("Combo1"), u"0,13"_qs);
    auto* rates = c<QComboBox>("Combo1");
    QStringList items;
    for (int i = 0; i < rates->count(); ++i)
        items.append(rates->itemText(i));
    QCOMPARE(items, QStringList({u"0,1"_qs, u"0,11"_qs, u"0,12"_qs, u"0,13"_qs, u"0,14"_qs,
                                 u"0,15"_qs, u"0,16"_qs}));
    QVERIFY(c<QRadioButton>("Option1")->isChecked());
    QVERIFY(!c<QRadioButton>("Option2")->isChecked());
    QCOMPARE(shown("Label4"), MenFactor);
    auto* drinks = c<QListWidget>("List1");
    QCOMPARE(drinks->count(), 16);
    QCOMPARE(drinks->currentItem()->text(), u"Водка 40%"_qs);
    for (const char* field : {"Text1", "Text2", "Text3", "Text37"})
        QVERIFY2(shown(field).isEmpty(), field);
    QCOMPARE(shown("Text36"), u"0"_qs);
    for (const char* caption : {"Label7", "Label8", "Label12", "Label13", "Label14"})
        QVERIFY2(shown(caption).isEmpty(), caption);
    QCOMPARE(shown("Label16"), u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1%ВАС"_qs);
    QCOMPARE(shown("Label6"), u"Время после приема алкоголя в часах."_qs);
    QCOMPARE(shown("Text35"), u"0"_qs);
    for (const char* name :
         {"Frame3", "Frame6", "List1", "Command3", "Command6", "Text35", "Label9"})
        QVERIFY2(c(name)->isHidden(), name);
    for (const char* name : {"Command1", "Command2", "Check1", "Check2", "Text1", "Label20"})
        QVERIFY2(c(name)->isVisible(), name);
    for (Timer* timer : calculator()->findChildren<Timer*>())
        QVERIFY2(!timer->isEnabled(), qPrintable(timer->objectName()));
    // Nothing typed, nothing saved.
    QVERIFY(!QFile::exists(t->folder.filePath(u"vux.ini"_qs)));
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::workFieldsNeverShowAndSlotsAreReadOnly() {
    const QStringList work = {u"Text5"_qs,    u"Text6"_qs,    u"Text17"_qs, u"Text18"_qs,
                              u"Text19"_qs,   u"Text20"_qs,   u"Frame4"_qs, u"Frame5"_qs,
                              u"Text31"_qs,   u"Text32"_qs,   u"Text33"_qs, u"Text34"_qs,
                              u"Command5"_qs, u"Command7"_qs, u"Text21"_qs, u"Text30"_qs};
    // Watch a second opening from its first moment.
    press("Command2");
    TestApplication::settle();
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    openCalculator();
    enterWorkedExample(u"1"_qs);
    press("Command1");
    t->clock.advance(1000);
    TestApplication::click(c("Check1"));
    press("Command1");
    press("Command4");
    TestApplication::click(c("Label20"));
    t->clock.advance(1000);
    qApp->removeEventFilter(&watcher);

    QVERIFY(watcher.shown.contains(u"Form3"_qs));
    QVERIFY(watcher.shown.contains(u"Frame6"_qs));
    for (const QString& name : work) {
        QVERIFY2(c(name.toLatin1().constData()), qPrintable(name));
        QVERIFY2(!c(name.toLatin1().constData())->isVisible(), qPrintable(name));
        QVERIFY2(!watcher.shown.contains(name), qPrintable(name));
    }
    for (int i = 7; i <= 16; ++i) {
        auto* slot = c<QLineEdit>(u"Text%1"_qs.arg(i).toLatin1().constData());
        QVERIFY(slot->isReadOnly());
        const QString before = slot->text();
        QTest::keyClicks(slot, u"5"_qs);
        QCOMPARE(slot->text(), before);
    }
}

void TestCalculator::drinkLookupWritesTheStrength_data() {
    QTest::addColumn<QString>("drink");
    QTest::addColumn<QString>("strength");
    QTest::newRow("first") << u"Пиво 4%"_qs << u"4"_qs;
    QTest::newRow("two digits") << u"Вино столовое 11%"_qs << u"11"_qs;
    QTest::newRow("ё in the name") << u"Ликёр 30%"_qs << u"30"_qs;
    QTest::newRow("last") << u"Джин 47%"_qs << u"47"_qs;
}

void TestCalculator::drinkLookupWritesTheStrength() {
    QFETCH(QString, drink);
    enter("Text4", u"77"_qs);
    auto* drinks = c<QListWidget>("List1");
    const auto found = drinks->findItems(drink, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    drinks->setCurrentItem(found.first());
    QTEST(shown("Text4"), "strength");
}

void TestCalculator::sexOptionsSetTheFactorWithoutRecomputing() {
    enterWorkedExample(u"1"_qs);
    press("Command1");
    t->clock.advance(1000);
    const QStringList results = {u"Text5"_qs,   u"Text6"_qs,   u"Label7"_qs, u"Label8"_qs,
                                 u"Label12"_qs, u"Label13"_qs, u"Label14"_qs};
    const QStringList before = texts(results);

    press("Option2");
    QVERIFY(c<QRadioButton>("Option2")->isChecked());
    QCOMPARE(shown("Label4"), WomenFactor);
    press("Option1");
    QCOMPARE(shown("Label4"), MenFactor);
    press("Option2");
    t->clock.advance(1000);
    QCOMPARE(texts(results), before);
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::missingInputShowsTheMessageAndStops_data() {
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("after"); // ms since the earlier press
    QTest::newRow("hours") << false << u"Text3"_qs << 2000;
    QTest::newRow("rate, earlier result still on its way") << false << u"Combo1"_qs << 200;
    QTest::newRow("body mass") << false << u"Text2"_qs << 2000;
    QTest::newRow("Запой, amount") << true << u"Text1"_qs << 2000;
    QTest::newRow("Запой, strength") << true << u"Text4"_qs << 200;
}

void TestCalculator::missingInputShowsTheMessageAndStops() {
    QFETCH(bool, repeated);
    QFETCH(QString, field);
    if (repeated)
        TestApplication::click(c("Check1"));
    enterWorkedExample(u"1"_qs);
    QFETCH(int, after);
    press("Command1"); // an earlier result, or the first intake
    t->clock.advance(after);
    const QString unitLine = shown("Label16");
    const QStringList kept = {u"Label18"_qs, u"Text35"_qs, u"Text17"_qs, u"Text18"_qs,
                              u"Label6"_qs};
    const QStringList before = texts(kept + slotFields());

    enter(field.toLatin1().constData(), QString());
    press("Command1");
    QCOMPARE(t->dialogs.shown,
             QList<RecordingDialogs::Shown>({{u"Не установленны данные"_qs, u"Внимание!"_qs}}));
    // No zero result stands in for the missing one, at no moment; the unit line keeps the
    // earlier result for a second, then returns to its default.
    for (int step = 0; step < 3; ++step) {
        for (const char* name :
             {"Text5", "Text6", "Label7", "Label8", "Label12", "Label13", "Label14"})
            QVERIFY2(shown(name).isEmpty(), name);
        QVERIFY(picture().isNull());
        QCOMPARE(shown("Label16"), step < 2 ? unitLine : ResetUnitLine);
        QCOMPARE(texts(kept + slotFields()), before);
        t->clock.advance(600);
    }
    QVERIFY(!timerOn("Timer35"));
    QCOMPARE(t->dialogs.shown.size(), 1);
}

void TestCalculator::unitLineIsRebuiltWhenAFieldGetsTheSameText() {
    const QString worked = u"0,45 промилле = 0,22 мг/л (225 мкг/л) = 0,045 %ВАС"_qs;
    enterWorkedExample(u"1"_qs);
    press("Command1");
    QCOMPARE(shown("Label16"), worked);

    // The reverse switch puts the line back to its default; the unit fields keep their texts.
    TestApplication::click(c("Check2"));
    TestApplication::click(c("Check2"));
    QCOMPARE(shown("Label16"), ResetUnitLine);
    enter("Text1", u"100"_qs);
    press("Command1");
    QCOMPARE(shown("Text5"), u"0,45"_qs);
    QCOMPARE(shown("Label16"), worked);

    // Typed digit by digit in the reverse mode, the line follows the promille field.
    TestApplication::click(c("Check2"));
    QTest::keyClicks(c("Text1"), u"1,0"_qs);
    QCOMPARE(shown("Text1"), u"1,0"_qs);
    QCOMPARE(shown("Label16"), u"1,0 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs);
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::typedRateIsUsedAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("blood"); // empty: the calculation stops silently
    QTest::addColumn<QString>("totalTime");
    QTest::newRow("0 divides by zero") << u"0"_qs << QString() << QString();
    QTest::newRow("0, divides by zero") << u"0,"_qs << QString() << QString();
    QTest::newRow("0,2 is not in the list") << u"0,2"_qs << u"0,38"_qs << u"2,92"_qs;
    QTest::newRow("0,1 is not completed to more") << u"0,1"_qs << u"0,48"_qs << u"5,84"_qs;
}

void TestCalculator::typedRateIsUsedAsTyped() {
    QFETCH(QString, typed);
    enterWorkedExample(u"1"_qs);
    auto* rate = c<QComboBox>("Combo1");
    rate->lineEdit()->selectAll();
    QTest::keyClicks(rate->lineEdit(), typed);
    press("Command1");
    QCOMPARE(shown("Combo1"), typed);
    QFETCH(QString, blood);
    QCOMPARE(shown("Text5"), blood);
    if (!blood.isEmpty())
        QTEST(shown("Text17"), "totalTime");
    t->clock.advance(1100);
    QCOMPARE(shown("Label7").isEmpty(), blood.isEmpty());
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::minutesPanelSendsRoundedHours_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("result");
    QTest::newRow("1 h 20 min") << u"1"_qs << u"20"_qs << u"1,33"_qs;
    QTest::newRow("45 min") << u"0"_qs << u"45"_qs << u"0,75"_qs;
    QTest::newRow("90 min carry") << u"2"_qs << u"90"_qs << u"3,5"_qs;
    QTest::newRow("7,5 min is a half") << u"0"_qs << u"7,5"_qs << u"0,12"_qs;
    QTest::newRow("minutes empty") << u"1"_qs << QString() << u"0"_qs;
}

void TestCalculator::minutesPanelSendsRoundedHours() {
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, result);
    const QRect shownAt = twips::toPixels(1640, 2760, 4455, 1455);
    QCOMPARE(shownAt, QRect(109, 184, 297, 97));
    for (int opening = 0; opening < 2; ++opening) {
        TestApplication::click(c("Label20"));
        QWidget* panel = c("Frame6");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), shownAt);
        // The panel lies over its own link.
        QWidget* link = c("Label20");
        const QPoint linkCentre = link->mapTo(calculator(), link->rect().center());
        QVERIFY(panel->isAncestorOf(calculator()->childAt(linkCentre)) ||
                calculator()->childAt(linkCentre) == panel);
        QCOMPARE(shown("Text36"), u"0"_qs);
        QVERIFY(shown("Text37").isEmpty());

        enter("Text36", hours);
        enter("Text37", minutes);
        enter("Text3", u"9"_qs);
        press("Command8");
        QCOMPARE(shown("Text3"), result);
        QVERIFY(panel->isVisible());

        press("Command9");
        QVERIFY(panel->isHidden());
        QCOMPARE(shown("Text36"), u"0"_qs);
        QVERIFY(shown("Text37").isEmpty());
        QCOMPARE(shown("Text3"), result);
    }
    QVERIFY(t->dialogs.shown.isEmpty());
}

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
