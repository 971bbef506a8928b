#include "testapplication.h"

#include "app/stilllife.h"
#include "app/timer.h"
#include "app/twips.h"
#include "settings/profilefault.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>

namespace {

const QString MenFactor = u"0,68"_qs;
const QString WomenFactor = u"0,55"_qs;
const QString ResetUnitLine = u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00C000;

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

class TestCalculator : public QObject {
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
    void workedExampleAppearsOnTheTimeline_data();
    void workedExampleAppearsOnTheTimeline();
    void zeroResultEmptiesTheWaitingLinesEverySecond();
    void classPictureAndUnitsFollowTheBloodValue_data();
    void classPictureAndUnitsFollowTheBloodValue();
    void halvesAreShownRoundedToEven_data();
    void halvesAreShownRoundedToEven();
    void missingInputShowsTheMessageAndStops_data();
    void missingInputShowsTheMessageAndStops();
    void switchingRepeatedModeShowsAndClearsTheSlots();
    void switchingRepeatedModeDropsAResultOnItsWay_data();
    void switchingRepeatedModeDropsAResultOnItsWay();
    void unitLineIsRebuiltWhenAFieldGetsTheSameText();
    void typedRateIsUsedAsTyped_data();
    void typedRateIsUsedAsTyped();
    void repeatedIntakesAddUpToTheWorkedSums();
    void sixthIntakeIsRefusedAndChangesNothing();
    void negativeSummedWaitIsNothingToWait();
    void minutesPanelSendsRoundedHours_data();
    void minutesPanelSendsRoundedHours();
    void bodyWeightIsSavedOnEveryKeystrokeAndRestored();
    void settingsFaultIsReportedOncePerOpening();
    void failedSaveOfTheWeightIsReportedOnce();

private:
    QWidget* calculator() const { return t->window(u"Form3"_qs); }
    template <class T = QWidget> T* c(const char* name) const {
        T* w = t->control<T>(u"Form3"_qs, QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString shown(const char* name) const {
        QWidget* w = c(name);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return qobject_cast<QAbstractButton*>(w)->text();
    }
    void enter(const char* field, const QString& value) {
        if (auto* combo = qobject_cast<QComboBox*>(c(field)))
            combo->setEditText(value);
        else
            c<QLineEdit>(field)->setText(value);
    }
    void press(const char* control) { TestApplication::click(c(control)); }
    void openCalculator() { TestApplication::click(t->control(u"Form1"_qs, u"Label87"_qs)); }
    // 100 g of vodka, 80 kg, men, 0,13 per hour: the worked example's inputs.
    void enterWorkedExample(const QString& hours) {
        enter("Text1", u"100"_qs);
        enter("Text2", u"80"_qs);
        enter("Text3", hours);
    }
    QImage picture() const { return c<QLabel>("Image2")->pixmap().toImage(); }
    bool timerOn(const char* name) const { return c<Timer>(name)->isEnabled(); }
    QRgb verdictColour() const {
        return c<QLabel>("Label8")->palette().color(QPalette::WindowText).rgba();
    }
    static QString resultSentence(const QString& blood, const QString& urine) {
        return u"Концентрация алкоголя в крови: "_qs + blood +
               u" промилле. Концентрация алкоголя в моче: "_qs + urine + u" промилле."_qs;
    }
    static QString eliminationSentence(const QString& hours) {
        return u"Время полного вывода алкоголя из крови: "_qs + hours + u" час"_qs;
    }
    QStringList texts(const QStringList& names) const {
        QStringList out;
        for (const QString& n : names)
            out.append(shown(n.toLatin1().constData()));
        return out;
    }
    static QStringList slotFields() {
        QStringList names;
        for (int i = 7; i <= 16; ++i)
            names.append(u"Text%1"_qs.arg(i));
        for (int i = 21; i <= 30; ++i)
            names.append(u"Text%1"_qs.arg(i));
        return names;
    }

    std::unique_ptr<TestApplication> t;
};

void TestCalculator::init() {
    t = std::make_unique<TestApplication>();
    t->app().start();
    openCalculator();
}

void TestCalculator::cleanup() {
    t.reset();
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

void TestCalculator::workedExampleAppearsOnTheTimeline_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<bool>("women");
    QTest::addColumn<QStringList>("bloodWrites");
    QTest::addColumn<QStringList>("urineWrites");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("waiting");

    QTest::newRow("t=1") << u"1"_qs << false << QStringList{u"0,45"_qs} << QStringList{u"0,6"_qs}
                         << u"4,49"_qs << u"3,49"_qs << u"Не допустимо вести автомобиль"_qs << Red
                         << u"Превышение эндогенного уровня"_qs << 102
                         << u"Осталось подождать: 3 час 29 мин"_qs;
    // A negative value is replaced by "0" at once, by the field's own rule.
    QTest::newRow("t=5") << u"5"_qs << false << QStringList{u"-0,07"_qs, u"0"_qs}
                         << QStringList{u"-0,09"_qs, u"0"_qs} << u"4,49"_qs << u"-0,51"_qs
                         << u"Вести автомобиль можно"_qs << Green << u"Алкоголь отсутствует"_qs
                         << 107 << QString();
    QTest::newRow("t=1, жен") << u"1"_qs << true << QStringList{u"0,59"_qs}
                              << QStringList{u"0,79"_qs} << u"5,55"_qs << u"4,55"_qs
                              << u"Не допустимо вести автомобиль"_qs << Red
                              << u"Превышение эндогенного уровня"_qs << 102
                              << u"Осталось подождать: 4 час 33 мин"_qs;
}

void TestCalculator::workedExampleAppearsOnTheTimeline() {
    QFETCH(QString, hours);
    QFETCH(bool, women);
    QFETCH(QStringList, bloodWrites);
    QFETCH(QStringList, urineWrites);
    QFETCH(QString, total);
    QFETCH(QString, waiting);
    if (women)
        press("Option2");
    enterWorkedExample(hours);
    QSignalSpy blood(c<QLineEdit>("Text5"), &QLineEdit::textChanged);
    QSignalSpy urine(c<QLineEdit>("Text6"), &QLineEdit::textChanged);

    press("Command1");
    // The replacement of a negative value is written inside the outer write, so a listener
    // connected after the window's own rule hears it first: compare what was written, unordered.
    auto values = [](const QSignalSpy& spy) {
        QStringList out;
        for (const auto& args : spy)
            out.append(args.at(0).toString());
        out.sort();
        return out;
    };
    auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    QCOMPARE(values(blood), sorted(bloodWrites));
    QCOMPARE(values(urine), sorted(urineWrites));
    QCOMPARE(shown("Text5"), bloodWrites.last());
    QCOMPARE(shown("Text6"), urineWrites.last());
    QTEST(shown("Text17"), "total");
    QTEST(shown("Text18"), "remaining");
    QCOMPARE(shown("Label18"), u"100"_qs);
    QCOMPARE(shown("Label19"), u"грамм"_qs);
    QCOMPARE(shown("Text35"), u"100"_qs);

    t->clock.advance(499);
    for (const char* caption : {"Label7", "Label8", "Label12", "Label13", "Label14"})
        QVERIFY2(shown(caption).isEmpty(), caption);
    QVERIFY(picture().isNull());

    t->clock.advance(1);
    QCOMPARE(shown("Label7"), resultSentence(bloodWrites.last(), urineWrites.last()));
    QCOMPARE(shown("Label13"), eliminationSentence(total));
    QTEST(shown("Label8"), "verdict");
    QTEST(verdictColour(), "colour");
    QTEST(shown("Label12"), "klass");
    QFETCH(int, picture);
    QCOMPARE(this->picture(), StillLife::frame(picture).toImage());
    QVERIFY(!timerOn("Timer14"));
    QVERIFY(!timerOn("Timer15"));

    t->clock.advance(499);
    QVERIFY(shown("Label14").isEmpty());
    t->clock.advance(1);
    QCOMPARE(shown("Label14"), waiting);
    // A zero result leaves the elimination sentence up for half a second only.
    QCOMPARE(shown("Label13"), waiting.isEmpty() ? QString() : eliminationSentence(total));
    QCOMPARE(timerOn("Timer16"), waiting.isEmpty());
    QTEST(shown("Label8"), "verdict");
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::zeroResultEmptiesTheWaitingLinesEverySecond() {
    enterWorkedExample(u"5"_qs);
    press("Command1");
    t->clock.advance(1000);
    QCOMPARE(shown("Text19"), u"0"_qs);
    QCOMPARE(shown("Text20"), u"0"_qs);
    for (int second = 2; second <= 4; ++second) {
        // Whatever stands there, the next second empties it again.
        c<QLabel>("Label13")->setText(u"x"_qs);
        c<QLabel>("Label14")->setText(u"x"_qs);
        c<QLineEdit>("Text19")->setText(u"x"_qs);
        t->clock.advance(999);
        QCOMPARE(shown("Label14"), u"x"_qs);
        t->clock.advance(1);
        QVERIFY(shown("Label13").isEmpty());
        QVERIFY(shown("Label14").isEmpty());
        QCOMPARE(shown("Text19"), u"0"_qs);
        QVERIFY(timerOn("Timer16"));
    }
    // A failed press ends the repetition without a sentence for the old remaining time.
    enter("Text3", u"1.5"_qs);
    press("Command1");
    t->clock.advance(2000);
    QVERIFY(shown("Label14").isEmpty());
    QCOMPARE(t->dialogs.shown.size(), 1);
    // A non-zero result ends the repetition with its sentence.
    enter("Text3", u"1"_qs);
    press("Command1");
    t->clock.advance(1000);
    QCOMPARE(shown("Label14"), u"Осталось подождать: 3 час 29 мин"_qs);
    QVERIFY(!timerOn("Timer16"));
    t->clock.advance(3000);
    QCOMPARE(shown("Label14"), u"Осталось подождать: 3 час 29 мин"_qs);
    QCOMPARE(shown("Label13"), eliminationSentence(u"4,49"_qs));
}

void TestCalculator::classPictureAndUnitsFollowTheBloodValue_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("units");

    const QString forbidden = u"Не допустимо вести автомобиль"_qs;
    const QString endogenous =
        u"Эндогенный уровень - естественное присутствие алкоголя в организме"_qs;
    const QString above = u"Превышение эндогенного уровня"_qs;
    const QString light = u"Легкая степень опьянения"_qs;
    const QString medium = u"Средняя степень опьянения"_qs;
    // Vodka, 80 kg, men, no time elapsed: the amount alone sets the blood value.
    QTest::newRow("0 (no amount)")
        << u"0"_qs << u"0"_qs << u"Алкоголь отсутствует"_qs << 107 << u"Вести автомобиль можно"_qs
        << u"0 промилле = 0 мг/л (0 мкг/л) = 0 %ВАС"_qs;
    QTest::newRow("0,01") << u"1"_qs << u"0,01"_qs << endogenous << 101 << forbidden
                          << u"0,01 промилле = 0 мг/л (5 мкг/л) = 0,001 %ВАС"_qs;
    QTest::newRow("0,34") << u"58"_qs << u"0,34"_qs << endogenous << 101 << forbidden
                          << u"0,34 промилле = 0,17 мг/л (170 мкг/л) = 0,034 %ВАС"_qs;
    QTest::newRow("0,35") << u"60"_qs << u"0,35"_qs << above << 102 << forbidden
                          << u"0,35 промилле = 0,18 мг/л (175 мкг/л) = 0,035 %ВАС"_qs;
    QTest::newRow("0,99") << u"169"_qs << u"0,99"_qs << above << 102 << forbidden
                          << u"0,99 промилле = 0,5 мг/л (495 мкг/л) = 0,099 %ВАС"_qs;
    QTest::newRow("1") << u"171"_qs << u"1"_qs << light << 103 << forbidden
                       << u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs;
    QTest::newRow("2,09") << u"358"_qs << u"2,09"_qs << light << 103 << forbidden
                          << u"2,09 промилле = 1,04 мг/л (1045 мкг/л) = 0,209 %ВАС"_qs;
    QTest::newRow("2,1") << u"359"_qs << u"2,1"_qs << medium << 104 << forbidden
                         << u"2,1 промилле = 1,05 мг/л (1050 мкг/л) = 0,21 %ВАС"_qs;
    QTest::newRow("3,09") << u"529"_qs << u"3,09"_qs << medium << 104 << forbidden
                          << u"3,09 промилле = 1,54 мг/л (1545 мкг/л) = 0,309 %ВАС"_qs;
    QTest::newRow("3,1") << u"531"_qs << u"3,1"_qs << u"Тяжелая степень опьянения"_qs << 105
                         << forbidden << u"3,1 промилле = 1,55 мг/л (1550 мкг/л) = 0,31 %ВАС"_qs;
    QTest::newRow("4,1") << u"702"_qs << u"4,1"_qs << u"Алкогольная кома"_qs << 106 << forbidden
                         << u"4,1 промилле = 2,05 мг/л (2050 мкг/л) = 0,41 %ВАС"_qs;
}

void TestCalculator::classPictureAndUnitsFollowTheBloodValue() {
    QFETCH(QString, amount);
    QFETCH(int, picture);
    enter("Text1", amount);
    enter("Text2", u"80"_qs);
    enter("Text3", u"0"_qs);
    press("Command1");
    QTEST(shown("Text5"), "blood");
    // The unit line follows the blood field at once; the class half a second later.
    QTEST(shown("Label16"), "units");
    t->clock.advance(499);
    QVERIFY(shown("Label12").isEmpty());
    t->clock.advance(1);
    QTEST(shown("Label12"), "klass");
    QCOMPARE(this->picture(), StillLife::frame(picture).toImage());
    QTEST(shown("Label8"), "verdict");
}

void TestCalculator::halvesAreShownRoundedToEven_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("urine");
    // 0,5837 peak less 0,1 per hour: exactly 0,1250 and 0,1350 promille.
    QTest::newRow("0,125 down to 0,12") << u"4,587"_qs << u"0,12"_qs << u"0,17"_qs;
    QTest::newRow("0,135 up to 0,14") << u"4,487"_qs << u"0,14"_qs << u"0,18"_qs;
}

void TestCalculator::halvesAreShownRoundedToEven() {
    QFETCH(QString, hours);
    QFETCH(QString, blood);
    QFETCH(QString, urine);
    enterWorkedExample(hours);
    enter("Combo1", u"0,1"_qs);
    press("Command1");
    QCOMPARE(shown("Text5"), blood);
    t->clock.advance(500);
    QCOMPARE(shown("Label7"), resultSentence(blood, urine));
    QCOMPARE(shown("Label13"), eliminationSentence(u"5,84"_qs));
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

void TestCalculator::switchingRepeatedModeDropsAResultOnItsWay_data() {
    QTest::addColumn<bool>("startInRepeatedMode");
    QTest::addColumn<int>("switchAfter");     // ms after the press
    QTest::addColumn<int>("switchBackAfter"); // ms after the switch; 0: no second switch
    QTest::newRow("tick before the result shows") << false << 200 << 0;
    QTest::newRow("untick before the sum shows") << true << 200 << 0;
    QTest::newRow("tick, untick later: no stray wait") << false << 800 << 3000;
}

void TestCalculator::switchingRepeatedModeDropsAResultOnItsWay() {
    QFETCH(bool, startInRepeatedMode);
    QFETCH(int, switchAfter);
    QFETCH(int, switchBackAfter);
    enterWorkedExample(u"1"_qs);
    if (startInRepeatedMode) {
        TestApplication::click(c("Check1"));
        press("Command1");
        t->clock.advance(2000);
        press("Command4"); // the sum
    } else {
        press("Command1");
    }
    t->clock.advance(switchAfter);
    TestApplication::click(c("Check1"));
    if (switchBackAfter) {
        t->clock.advance(switchBackAfter);
        TestApplication::click(c("Check1"));
    }
    for (int step = 0; step < 4; ++step) {
        t->clock.advance(500);
        for (const char* name : {"Label7", "Label8", "Label13", "Label14"})
            QVERIFY2(shown(name).isEmpty(), name);
    }
    // The class of a result shows after half a second; one switched away before it never does.
    if (!startInRepeatedMode && switchAfter < 500)
        QVERIFY(shown("Label12").isEmpty());
    QVERIFY(t->dialogs.shown.isEmpty());
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

void TestCalculator::switchingRepeatedModeShowsAndClearsTheSlots() {
    enterWorkedExample(u"1"_qs);
    press("Command1");
    t->clock.advance(1000);
    TestApplication::click(c("Check1"));
    QVERIFY(c<QCheckBox>("Check1")->isChecked());
    QVERIFY(c("Frame3")->isVisible());
    QCOMPARE(shown("Label6"), u"Время после 1 и до 2 приема алкоголя в часах."_qs);
    for (const char* name : {"Label7", "Label8", "Label13", "Label14", "Label18", "Label19"})
        QVERIFY2(shown(name).isEmpty(), name);
    QCOMPARE(shown("Text35"), u"0"_qs);

    press("Command1");
    QCOMPARE(shown("Text7"), u"0,45"_qs);
    QCOMPARE(shown("Label18"), u"100"_qs);
    // In this mode neither the result sentence nor the wait appear; the class does.
    t->clock.advance(2000);
    for (const char* name : {"Label7", "Label8", "Label13", "Label14"})
        QVERIFY2(shown(name).isEmpty(), name);
    QCOMPARE(shown("Label12"), u"Превышение эндогенного уровня"_qs);

    TestApplication::click(c("Check1"));
    QVERIFY(c("Frame3")->isHidden());
    QCOMPARE(shown("Label6"), u"Время после приема алкоголя в часах."_qs);
    QCOMPARE(texts(slotFields()), QStringList(20, u"0"_qs));
    QVERIFY(shown("Label18").isEmpty());
    QVERIFY(shown("Label19").isEmpty());
    QCOMPARE(shown("Text35"), u"0"_qs);

    // Ticking again starts from empty slots and a zero running total.
    TestApplication::click(c("Check1"));
    QCOMPARE(texts(slotFields()), QStringList(20, u"0"_qs));
    press("Command1");
    QCOMPARE(shown("Label18"), u"100"_qs);
    QCOMPARE(shown("Text7"), u"0,45"_qs);
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::repeatedIntakesAddUpToTheWorkedSums() {
    TestApplication::click(c("Check1"));
    enterWorkedExample(u"1"_qs);
    press("Command1");
    QCOMPARE(texts({u"Text7"_qs, u"Text12"_qs, u"Text21"_qs, u"Text26"_qs}),
             QStringList({u"0,45"_qs, u"0,6"_qs, u"4,49"_qs, u"3,49"_qs}));
    QCOMPARE(shown("Label6"), u"Время после 2 и до 3 приема алкоголя в часах."_qs);
    t->clock.advance(1000);
    enter("Text3", u"2"_qs);
    press("Command1");
    QCOMPARE(texts({u"Text8"_qs, u"Text13"_qs, u"Text22"_qs, u"Text27"_qs}),
             QStringList({u"0,32"_qs, u"0,43"_qs, u"4,49"_qs, u"2,49"_qs}));
    QCOMPARE(shown("Label6"), u"Время после 3 и до 4 приема алкоголя в часах."_qs);
    QCOMPARE(shown("Label18"), u"200"_qs);
    t->clock.advance(1000);

    press("Command4");
    QCOMPARE(texts({u"Text5"_qs, u"Text6"_qs, u"Text17"_qs, u"Text18"_qs}),
             QStringList({u"0,77"_qs, u"1,03"_qs, u"8,98"_qs, u"5,98"_qs}));
    // The wait at once, the sentences half a second later.
    QCOMPARE(shown("Label14"), u"Осталось подождать: 5 час 59 мин"_qs);
    QCOMPARE(shown("Label16"), u"0,77 промилле = 0,38 мг/л (385 мкг/л) = 0,077 %ВАС"_qs);
    t->clock.advance(499);
    QVERIFY(shown("Label7").isEmpty());
    t->clock.advance(1);
    QCOMPARE(shown("Label7"), resultSentence(u"0,77"_qs, u"1,03"_qs));
    QCOMPARE(shown("Label13"), eliminationSentence(u"8,98"_qs));
    QCOMPARE(shown("Label8"), u"Не допустимо вести автомобиль"_qs);
    QCOMPARE(shown("Label12"), u"Превышение эндогенного уровня"_qs);
    t->clock.advance(3000);
    QCOMPARE(shown("Label14"), u"Осталось подождать: 5 час 59 мин"_qs);
    QCOMPARE(shown("Label18"), u"200"_qs);
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::sixthIntakeIsRefusedAndChangesNothing() {
    TestApplication::click(c("Check1"));
    enterWorkedExample(u"1"_qs);
    const QString prompts[] = {u"Время после 2 и до 3 приема алкоголя в часах."_qs,
                               u"Время после 3 и до 4 приема алкоголя в часах."_qs,
                               u"Время после 4 и до 5 приема алкоголя в часах."_qs,
                               u"Время после 5 и до 6 приема алкоголя в часах."_qs,
                               u"Время после 6 приема алкоголя в часах."_qs};
    for (int intake = 0; intake < 5; ++intake) {
        press("Command1");
        QCOMPARE(shown(u"Text%1"_qs.arg(7 + intake).toLatin1().constData()), u"0,45"_qs);
        QCOMPARE(shown("Label6"), prompts[intake]);
        t->clock.advance(1000);
    }
    QCOMPARE(shown("Label18"), u"500"_qs);
    const QStringList watched =
        QStringList{u"Text5"_qs,   u"Text6"_qs,   u"Label6"_qs, u"Label12"_qs,
                    u"Label16"_qs, u"Label18"_qs, u"Text35"_qs} +
        slotFields();
    const QStringList before = texts(watched);
    const QImage pictureBefore = picture();

    for (int press = 1; press <= 2; ++press) {
        this->press("Command1");
        QCOMPARE(t->dialogs.shown.size(), press);
        QCOMPARE(t->dialogs.shown.last(),
                 RecordingDialogs::Shown(
                     {u"Все пять приемов записаны. Нажмите «Подсчитать»."_qs, u"Внимание!"_qs}));
        t->clock.advance(1000);
        QCOMPARE(texts(watched), before);
        QCOMPARE(picture(), pictureBefore);
    }

    press("Command4");
    QCOMPARE(texts({u"Text5"_qs, u"Text6"_qs, u"Text17"_qs, u"Text18"_qs}),
             QStringList({u"2,25"_qs, u"3"_qs, u"22,45"_qs, u"17,45"_qs}));
    QCOMPARE(shown("Label14"), u"Осталось подождать: 17 час 27 мин"_qs);
    QCOMPARE(t->dialogs.shown.size(), 2);
}

void TestCalculator::negativeSummedWaitIsNothingToWait() {
    TestApplication::click(c("Check1"));
    enterWorkedExample(u"5"_qs);
    press("Command1");
    // A negative intake fills its slot; the blood field shows 0 for it.
    QCOMPARE(texts({u"Text7"_qs, u"Text12"_qs, u"Text21"_qs, u"Text26"_qs}),
             QStringList({u"-0,07"_qs, u"-0,09"_qs, u"4,49"_qs, u"-0,51"_qs}));
    QCOMPARE(shown("Text5"), u"0"_qs);
    QCOMPARE(shown("Label6"), u"Время после 2 и до 3 приема алкоголя в часах."_qs);
    t->clock.advance(1000);

    press("Command4");
    QCOMPARE(shown("Text18"), u"-0,51"_qs);
    QCOMPARE(shown("Label14"), u"Осталось подождать: 0 час 0 мин"_qs);
    QCOMPARE(shown("Text19"), u"0"_qs);
    QCOMPARE(shown("Text20"), u"0"_qs);
    t->clock.advance(500);
    QCOMPARE(shown("Label7"), resultSentence(u"0"_qs, u"0"_qs));
    QCOMPARE(shown("Label8"), u"Вести автомобиль можно"_qs);
    QCOMPARE(verdictColour(), Green);
    QCOMPARE(shown("Label12"), u"Алкоголь отсутствует"_qs);
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

void TestCalculator::bodyWeightIsSavedOnEveryKeystrokeAndRestored() {
    const QString file = t->folder.filePath(u"vux.ini"_qs);
    auto stored = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    QTest::keyClick(c("Text2"), Qt::Key_7);
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=7\r\n"));
    QTest::keyClick(c("Text2"), Qt::Key_5);
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=75\r\n"));

    press("Command2");
    TestApplication::settle();
    QCOMPARE(calculator(), nullptr);
    openCalculator();
    QCOMPARE(shown("Text2"), u"75"_qs);
    QCOMPARE(shown("Text1"), QString());
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=75\r\n"));

    // Clearing the box is remembered too.
    c<QLineEdit>("Text2")->clear();
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=\r\n"));
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculator::settingsFaultIsReportedOncePerOpening() {
    // A folder where the file should be: neither routine can do its work at the next opening.
    press("Command2");
    TestApplication::settle();
    QVERIFY(QDir(t->folder.path()).mkdir(u"vux.ini"_qs));
    openCalculator();
    const QString fault = profileFaultMessage(ProfileFault::PathIsFolder);
    QVERIFY(fault.startsWith(u"Ошибка: <"_qs));
    const QList<RecordingDialogs::Shown> once{{fault, u"GetValueString"_qs}};
    QCOMPARE(t->dialogs.shown, once);
    // The window loads on.
    QCOMPARE(shown("Text4"), u"40"_qs);
    QVERIFY(shown("Text2").isEmpty());

    // Every keystroke fails to store, silently: a box would take the keys typed after it.
    QTest::keyClicks(c("Text2"), u"72,5"_qs);
    t->clock.advance(2000);
    QCOMPARE(t->dialogs.shown, once);
    QCOMPARE(shown("Text2"), u"72,5"_qs);

    // The next opening reports the fault again, once.
    press("Command2");
    TestApplication::settle();
    openCalculator();
    QTest::keyClicks(c("Text2"), u"80"_qs);
    QCOMPARE(t->dialogs.shown, once + once);
}

void TestCalculator::failedSaveOfTheWeightIsReportedOnce() {
    // The file was readable at the opening; now a regular file stands where its folder was.
    const QString folder = t->folder.path();
    QVERIFY(QDir(folder).removeRecursively());
    const auto restore = qScopeGuard([&] {
        QFile::remove(folder);
        QDir().mkpath(folder);
    });
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QTest::keyClicks(c("Text2"), u"72"_qs);
    const QList<RecordingDialogs::Shown> once{
        {profileFaultMessage(ProfileFault::FolderNotCreated), u"SetValue"_qs}};
    QCOMPARE(t->dialogs.shown, once);
    QCOMPARE(shown("Text2"), u"72"_qs);
}

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
