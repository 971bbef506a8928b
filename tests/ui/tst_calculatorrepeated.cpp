#include "calculatorfixture.h"

#include <QCheckBox>

// The Запой mode: up to five intakes kept in their slots, then summed by «Подсчитать».
class TestCalculatorRepeated : public QObject, private CalculatorFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void switchingRepeatedModeShowsAndClearsTheSlots();
    void switchingRepeatedModeDropsAResultOnItsWay_data();
    void switchingRepeatedModeDropsAResultOnItsWay();
    void repeatedIntakesAddUpToTheWorkedSums();
    void sixthIntakeIsRefusedAndChangesNothing();
    void negativeSummedWaitIsNothingToWait();
};

void TestCalculatorRepeated::init() {
    openProgram();
}

void TestCalculatorRepeated::cleanup() {
    closeProgram();
}

void TestCalculatorRepeated::switchingRepeatedModeShowsAndClearsTheSlots() {
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

void TestCalculatorRepeated::switchingRepeatedModeDropsAResultOnItsWay_data() {
    QTest::addColumn<bool>("startInRepeatedMode");
    QTest::addColumn<int>("switchAfter");     // ms after the press
    QTest::addColumn<int>("switchBackAfter"); // ms after the switch; 0: no second switch
    QTest::newRow("tick before the result shows") << false << 200 << 0;
    QTest::newRow("untick before the sum shows") << true << 200 << 0;
    QTest::newRow("tick, untick later: no stray wait") << false << 800 << 3000;
}

void TestCalculatorRepeated::switchingRepeatedModeDropsAResultOnItsWay() {
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

void TestCalculatorRepeated::repeatedIntakesAddUpToTheWorkedSums() {
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

void TestCalculatorRepeated::sixthIntakeIsRefusedAndChangesNothing() {
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

void TestCalculatorRepeated::negativeSummedWaitIsNothingToWait() {
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

QTEST_MAIN(TestCalculatorRepeated)
#include "tst_calculatorrepeated.moc"
