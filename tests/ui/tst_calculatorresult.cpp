#include "calculatorfixture.h"

#include "app/stilllife.h"

#include <QSignalSpy>

// How one result shows: the lines that follow it in turn, its class picture, its rounding.
class TestCalculatorResult : public QObject, private CalculatorFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workedExampleAppearsOnTheTimeline_data();
    void workedExampleAppearsOnTheTimeline();
    void zeroResultEmptiesTheWaitingLinesEverySecond();
    void classPictureAndUnitsFollowTheBloodValue_data();
    void classPictureAndUnitsFollowTheBloodValue();
    void halvesAreShownRoundedToEven_data();
    void halvesAreShownRoundedToEven();
};

void TestCalculatorResult::init() {
    openProgram();
}

void TestCalculatorResult::cleanup() {
    closeProgram();
}

void TestCalculatorResult::workedExampleAppearsOnTheTimeline_data() {
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

void TestCalculatorResult::workedExampleAppearsOnTheTimeline() {
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

void TestCalculatorResult::zeroResultEmptiesTheWaitingLinesEverySecond() {
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

void TestCalculatorResult::classPictureAndUnitsFollowTheBloodValue_data() {
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

void TestCalculatorResult::classPictureAndUnitsFollowTheBloodValue() {
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

void TestCalculatorResult::halvesAreShownRoundedToEven_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("urine");
    // 0,5837 peak less 0,1 per hour: exactly 0,1250 and 0,1350 promille.
    QTest::newRow("0,125 down to 0,12") << u"4,587"_qs << u"0,12"_qs << u"0,17"_qs;
    QTest::newRow("0,135 up to 0,14") << u"4,487"_qs << u"0,14"_qs << u"0,18"_qs;
}

void TestCalculatorResult::halvesAreShownRoundedToEven() {
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

QTEST_MAIN(TestCalculatorResult)
#include "tst_calculatorresult.moc"
