#include "calculatorfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

enum class Outcome {
    Missing,    // "Не установленны данные", nothing computed
    Conversion, // "Не правильно введены данные…", nothing computed
    Silent,     // overflow or division by zero: no message, nothing computed
    Result,
};

const RecordingDialogs::Shown MissingMessage{u"Не установленны данные"_qs, u"Внимание!"_qs};
const RecordingDialogs::Shown ConversionMessage{
    u"Не правильно введены данные. Разделитель десятичных запятая"_qs, u"Ампервик"_qs};

// What one field gives for the inputs that are numbers (or, for the converter, empty). For the
// calculation's fields `value` is the rounded blood value, which a Запой slot keeps even when
// negative, and `blood` the blood field after its own rule; for the converter's fields `value`
// is the hours sent to Text3 and `blood` the result of a calculation with them.
struct Readable {
    QString value;
    QString blood;
};
struct FieldCase {
    const char* field;
    bool converter;
    Readable empty; // converter only: an empty entry counts as 0
    Readable zero;
    Readable minusFive;
};

// Base inputs: 100 g of 40 %, 80 kg, men, 0,13 per hour, 2 hours: blood 0,32. The converter
// sends into Text3 with the other entry at 30 minutes or 1 hour.
const FieldCase Fields[] = {
    {"Text1", false, {}, {u"-0,26"_qs, u"0"_qs}, {u"-0,29"_qs, u"0"_qs}},
    {"Text2", false, {}, {}, {u"-9,6"_qs, u"0"_qs}},
    {"Text3", false, {}, {u"0,58"_qs, u"0,58"_qs}, {u"1,23"_qs, u"1,23"_qs}},
    {"Text4", false, {}, {u"-0,26"_qs, u"0"_qs}, {u"-0,33"_qs, u"0"_qs}},
    {"Combo1", false, {}, {}, {u"10,58"_qs, u"10,58"_qs}},
    {"Text36", true, {u"0"_qs, u"0,58"_qs}, {u"0,5"_qs, u"0,52"_qs}, {u"-4,5"_qs, u"1,17"_qs}},
    {"Text37", true, {u"0"_qs, u"0,58"_qs}, {u"1"_qs, u"0,45"_qs}, {u"0,92"_qs, u"0,46"_qs}},
};
const QString BaseHours = u"2"_qs;
const QString BaseBlood = u"0,32"_qs;

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestCalculatorInput : public QObject, CalculatorFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyFieldSurvivesEveryBadInput_data();
    void everyFieldSurvivesEveryBadInput();
    void slotHoldingTextDoesNotBreakTheSum();

private:
    // Nothing of a result stands anywhere, now or after the timers have run.
    void verifyNoResult();
};

void TestCalculatorInput::init() {
    openProgram();
    enter("Text1", u"100"_qs);
    enter("Text2", u"80"_qs);
    enter("Text3", BaseHours);
}

void TestCalculatorInput::cleanup() {
    closeProgram();
}

void TestCalculatorInput::verifyNoResult() {
    for (int moment = 0; moment < 2; ++moment) {
        for (const char* name :
             {"Text5", "Text6", "Label7", "Label8", "Label12", "Label13", "Label14"})
            QVERIFY2(shown(name).isEmpty(), name);
        QVERIFY(c<QLabel>("Image2")->pixmap().isNull());
        t->clock.advance(1100);
    }
}

void TestCalculatorInput::everyFieldSurvivesEveryBadInput_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("blood");

    enum Kind { Empty, NotANumber, TooLarge, Zero, MinusFive };
    const struct {
        const char* name;
        QString text;
        Kind kind;
    } inputs[] = {
        {"empty", QString(), Empty},
        {"blanks only", u"   "_qs, NotANumber},
        {"period", u"1.5"_qs, NotANumber},
        {"plus sign", u"+1"_qs, NotANumber},
        {"exponent", u"1e5"_qs, NotANumber},
        {"minus only", u"-"_qs, NotANumber},
        {"comma only", u","_qs, NotANumber},
        {"two commas", u"1,2,3"_qs, NotANumber},
        {"Arabic-Indic digit", u"٣"_qs, NotANumber},
        {"full-width digits", u"１２"_qs, NotANumber},
        {"emoji", u"🍺"_qs, NotANumber},
        {"tab inside", u"7\t5"_qs, NotANumber},
        {"line break inside", u"7\n5"_qs, NotANumber},
        {"10000 digits", QString(10000, u'9'), TooLarge},
        {"beyond the fixed range", u"922337203685478"_qs, TooLarge},
        {"0", u"0"_qs, Zero},
        {"-0", u"-0"_qs, Zero},
        {"-5", u"-5"_qs, MinusFive},
    };
    for (const FieldCase& f : Fields) {
        // A failed "<<" leaves the hours as they were.
        const Readable failed = f.converter ? Readable{BaseHours, BaseBlood} : Readable{};
        for (const auto& in : inputs) {
            Outcome outcome = Outcome::Result;
            Readable r;
            switch (in.kind) {
            case Empty:
                outcome = f.converter ? Outcome::Result : Outcome::Missing;
                r = f.converter ? f.empty : failed;
                break;
            case NotANumber:
                outcome = Outcome::Conversion;
                r = failed;
                break;
            case TooLarge:
                outcome = Outcome::Silent;
                r = failed;
                break;
            case Zero:
            case MinusFive:
                r = in.kind == Zero ? f.zero : f.minusFive;
                // Body mass or rate 0 divides by zero.
                outcome = r.blood.isEmpty() ? Outcome::Silent : Outcome::Result;
                break;
            }
            QTest::addRow("%s: %s", f.field, in.name)
                << QString::fromLatin1(f.field) << in.text << outcome << r.value << r.blood;
        }
    }
}

void TestCalculatorInput::everyFieldSurvivesEveryBadInput() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(Outcome, outcome);
    QFETCH(QString, value);
    QFETCH(QString, blood);
    const QByteArray name = field.toLatin1();
    const bool converter = field == u"Text36"_qs || field == u"Text37"_qs;
    const QList<RecordingDialogs::Shown> message =
        outcome == Outcome::Missing      ? QList{MissingMessage}
        : outcome == Outcome::Conversion ? QList{ConversionMessage}
                                         : QList<RecordingDialogs::Shown>{};

    // An earlier result on show, which must not pass for the answer to the next press.
    press("Command1");
    t->clock.advance(1100);
    QVERIFY(shown("Label7").contains(BaseBlood));
    QVERIFY(!shown("Label14").isEmpty());
    // And a second one still on its way: its timers must not fill in the failed press.
    press("Command1");
    t->clock.advance(300);

    if (converter) {
        TestApplication::click(c("Label20"));
        enter("Text36", u"1"_qs);
        enter("Text37", u"30"_qs);
        enter(name.constData(), input);
        press("Command8");
        QCOMPARE(t->dialogs.shown, message);
        QCOMPARE(shown("Text3"), value);
        t->dialogs.shown.clear();
        press("Command1");
        QVERIFY(t->dialogs.shown.isEmpty());
        QCOMPARE(shown("Text5"), blood);
        t->clock.advance(1100);
        QVERIFY(shown("Label7").startsWith(u"Концентрация алкоголя в крови: "_qs + blood +
                                           u" промилле."_qs));
        return;
    }

    enter(name.constData(), input);
    const QString unitLine = shown("Label16");
    press("Command1");
    QCOMPARE(t->dialogs.shown, message);
    if (outcome == Outcome::Result) {
        QCOMPARE(shown("Text5"), blood);
        t->clock.advance(1100);
        QVERIFY(shown("Label7").startsWith(u"Концентрация алкоголя в крови: "_qs + blood +
                                           u" промилле."_qs));
        QVERIFY(!shown("Label8").isEmpty());
        QVERIFY(!shown("Label12").isEmpty());
        QVERIFY(!c<QLabel>("Image2")->pixmap().isNull());
        QVERIFY(shown("Label16").startsWith(blood + u" промилле = "_qs));
        // Nothing to wait for after a zero result; never a negative wait.
        QCOMPARE(shown("Label14").isEmpty(), blood == u"0"_qs);
        QVERIFY(!shown("Label14").contains(u'-'));
    } else {
        verifyNoResult();
        // A missing input puts the unit line back to its default a second later; any other
        // failure leaves it as it was.
        QCOMPARE(shown("Label16"), outcome == Outcome::Missing
                                       ? u"1 промилле = 0,5 мг/л (500 мкг/л) = 0,1 %ВАС"_qs
                                       : unitLine);
    }
    QCOMPARE(t->dialogs.shown, message);

    // The same input as one intake of a drinking session, then the sum.
    t->dialogs.shown.clear();
    TestApplication::click(c("Check1"));
    press("Command1");
    QCOMPARE(t->dialogs.shown, message);
    const bool recorded = outcome == Outcome::Result;
    QCOMPARE(shown("Text7"), recorded ? value : u"0"_qs);
    QCOMPARE(shown("Text8"), u"0"_qs);
    QCOMPARE(shown("Label18").isEmpty(), !recorded);
    t->clock.advance(1100);
    press("Command4");
    QCOMPARE(t->dialogs.shown, message);
    QCOMPARE(shown("Text5"), recorded ? blood : u"0"_qs);
    QCOMPARE(shown("Label14").isEmpty(), outcome == Outcome::Missing);
    QVERIFY(!shown("Label14").contains(u'-'));
    t->clock.advance(600);
    QVERIFY(shown("Label7").startsWith(u"Концентрация алкоголя в крови: "_qs + shown("Text5") +
                                       u" промилле."_qs));
}

void TestCalculatorInput::slotHoldingTextDoesNotBreakTheSum() {
    // The slots are read-only, so only the program could put text there; the sum must hold.
    TestApplication::click(c("Check1"));
    press("Command1");
    QCOMPARE(shown("Text7"), BaseBlood);
    c<QLineEdit>("Text8")->setText(u"abc"_qs);
    press("Command4");
    QCOMPARE(t->dialogs.shown, QList{ConversionMessage});
    press("Command1");
    QCOMPARE(t->dialogs.shown.size(), 2);
    QCOMPARE(shown("Text9"), u"0"_qs);
    t->clock.advance(2000);
    QCOMPARE(t->dialogs.shown.size(), 2);
}

QTEST_MAIN(TestCalculatorInput)
#include "tst_calculatorinput.moc"
