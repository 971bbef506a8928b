#include "calc/arithmeticerror.h"
#include "calc/concentration.h"
#include "calc/conversionerror.h"
#include "calc/intakeslots.h"
#include "calc/intoxicationclass.h"
#include "calc/minutestohours.h"
#include "calc/numbertext.h"
#include "calc/promilleunits.h"
#include "calc/remainingtime.h"
#include "calc/reverseamount.h"

#include <QTest>

using numbertext::decimalText;
using numbertext::readFixed4;
using numbertext::roundedText;

namespace {
ConcentrationResult calculate(const QString& amount, const QString& strength, const QString& mass,
                              const QString& factor, const QString& rate, const QString& hours,
                              const QString& total = u"0"_qs) {
    return computeConcentration(
        ConcentrationInputs::read(amount, strength, mass, factor, rate, hours, total));
}
} // namespace

class TestCalculation : public QObject {
    Q_OBJECT

private slots:
    void concentrationFollowsTheModel_data();
    void concentrationFollowsTheModel();
    void impossibleInputsStopTheCalculation_data();
    void impossibleInputsStopTheCalculation();
    void inputsAreReadInOrder();
    void classifiesBloodValues_data();
    void classifiesBloodValues();
    void anyPositiveValueForbidsDriving_data();
    void anyPositiveValueForbidsDriving();
    void choosesTheNextFreeSlot_data();
    void choosesTheNextFreeSlot();
    void sumsTheSlotsOfTheWorkedExample();
    void promptsStepThroughTheIntakes();
    void reverseAmount_data();
    void reverseAmount();
    void promilleInOtherUnits_data();
    void promilleInOtherUnits();
    void minutesToHours_data();
    void minutesToHours();
    void remainingTimeSplit_data();
    void remainingTimeSplit();
};

void TestCalculation::concentrationFollowsTheModel_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("blood");
    QTest::addColumn<QString>("urine");
    QTest::addColumn<QString>("totalTime");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QString>("runningTotal");
    // 100 g of 40 %, 80 kg, rate 0,13.
    QTest::newRow("men, one hour") << u"1"_qs << u"0,68"_qs << u"0"_qs << u"0,4537"_qs
                                   << u"0,6034"_qs << u"4,49"_qs << u"3,49"_qs << u"100"_qs;
    QTest::newRow("men, five hours: below zero")
        << u"5"_qs << u"0,68"_qs << u"0"_qs << u"-0,0663"_qs << u"-0,0882"_qs << u"4,49"_qs
        << u"-0,51"_qs << u"100"_qs;
    QTest::newRow("men, two hours, second intake")
        << u"2"_qs << u"0,68"_qs << u"100"_qs << u"0,3237"_qs << u"0,4305"_qs << u"4,49"_qs
        << u"2,49"_qs << u"200"_qs;
    QTest::newRow("men, at the peak") << u"0"_qs << u"0,68"_qs << u"0"_qs << u"0,5837"_qs
                                      << u"0,7763"_qs << u"4,49"_qs << u"4,49"_qs << u"100"_qs;
    // 31,7536 / 44 = 0,72167…; 0,72167 / 0,13 = 5,5513…
    QTest::newRow("women, one hour") << u"1"_qs << u"0,55"_qs << u"0"_qs << u"0,5917"_qs
                                     << u"0,787"_qs << u"5,5513"_qs << u"4,5513"_qs << u"100"_qs;
}

void TestCalculation::concentrationFollowsTheModel() {
    QFETCH(QString, hours);
    QFETCH(QString, factor);
    QFETCH(QString, total);
    const ConcentrationResult r =
        calculate(u"100"_qs, u"40"_qs, u"80"_qs, factor, u"0,13"_qs, hours, total);
    QTEST(decimalText(r.blood), "blood");
    QTEST(decimalText(r.urine), "urine");
    QTEST(decimalText(r.totalTime), "totalTime");
    QTEST(decimalText(r.remainingTime), "remaining");
    QTEST(decimalText(r.runningTotal), "runningTotal");
}

void TestCalculation::impossibleInputsStopTheCalculation_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("rate");
    QTest::newRow("body mass 0") << u"100"_qs << u"0"_qs << u"0,68"_qs << u"0,13"_qs;
    QTest::newRow("nothing drunk, body mass 0") << u"0"_qs << u"0"_qs << u"0,68"_qs << u"0,13"_qs;
    QTest::newRow("reduction factor 0") << u"100"_qs << u"80"_qs << u"0"_qs << u"0,13"_qs;
    QTest::newRow("rate 0") << u"100"_qs << u"80"_qs << u"0,68"_qs << u"0"_qs;
    QTest::newRow("product overflows")
        << u"922337203685477"_qs << u"80"_qs << u"0,68"_qs << u"0,13"_qs;
    QTest::newRow("tiny body mass: beyond range")
        << u"900000000"_qs << u"0,0001"_qs << u"0,0001"_qs << u"0,13"_qs;
}

void TestCalculation::impossibleInputsStopTheCalculation() {
    QFETCH(QString, amount);
    QFETCH(QString, mass);
    QFETCH(QString, factor);
    QFETCH(QString, rate);
    QVERIFY_THROWS_EXCEPTION(ArithmeticError,
                             calculate(amount, u"40"_qs, mass, factor, rate, u"1"_qs));
}

void TestCalculation::inputsAreReadInOrder() {
    // The strength is read before the bad body mass, so an overflowing strength wins.
    QVERIFY_THROWS_EXCEPTION(ArithmeticError,
                             ConcentrationInputs::read(u"1"_qs, u"922337203685478"_qs, u"1.5"_qs,
                                                       u"0,68"_qs, u"0,13"_qs, u"1"_qs, u"0"_qs));
    QVERIFY_THROWS_EXCEPTION(ConversionError,
                             ConcentrationInputs::read(u"1"_qs, u"40"_qs, u"1.5"_qs, u"0,68"_qs,
                                                       u"0,13"_qs, u"1"_qs, u"922337203685478"_qs));
}

void TestCalculation::classifiesBloodValues_data() {
    QTest::addColumn<QString>("blood");
    QTest::addColumn<int>("picture");
    QTest::newRow("exactly 0") << u"0"_qs << 107;
    QTest::newRow("minus 0") << u"-0"_qs << 107;
    QTest::newRow("0,01") << u"0,01"_qs << 101;
    QTest::newRow("0,34") << u"0,34"_qs << 101;
    QTest::newRow("gap after 0,34") << u"0,345"_qs << 0;
    QTest::newRow("0,35") << u"0,35"_qs << 102;
    QTest::newRow("0,99") << u"0,99"_qs << 102;
    QTest::newRow("1") << u"1"_qs << 103;
    QTest::newRow("2,09") << u"2,09"_qs << 103;
    QTest::newRow("2,1") << u"2,1"_qs << 104;
    QTest::newRow("3,09") << u"3,09"_qs << 104;
    QTest::newRow("3,1") << u"3,1"_qs << 105;
    QTest::newRow("4,09") << u"4,09"_qs << 105;
    QTest::newRow("gap after 4,09") << u"4,095"_qs << 0;
    QTest::newRow("4,1") << u"4,1"_qs << 106;
    QTest::newRow("5000000") << u"5000000"_qs << 106;
    QTest::newRow("above 5000000") << u"5000000,01"_qs << 0;
    QTest::newRow("negative") << u"-0,01"_qs << 0;
}

void TestCalculation::classifiesBloodValues() {
    QFETCH(QString, blood);
    QFETCH(int, picture);
    const auto cls = IntoxicationClass::classify(numbertext::readDouble(blood));
    QCOMPARE(cls ? cls->picture : 0, picture);
    if (picture == 102)
        QCOMPARE(cls->text, u"Превышение эндогенного уровня"_qs);
    if (picture == 107)
        QCOMPARE(cls->text, u"Алкоголь отсутствует"_qs);
    if (picture == 106)
        QCOMPARE(cls->text, u"Алкогольная кома"_qs);
}

void TestCalculation::anyPositiveValueForbidsDriving_data() {
    QTest::addColumn<double>("blood");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,01") << 0.01 << u"Не допустимо вести автомобиль"_qs;
    QTest::newRow("0,45") << 0.45 << u"Не допустимо вести автомобиль"_qs;
    QTest::newRow("0") << 0.0 << u"Вести автомобиль можно"_qs;
    QTest::newRow("negative") << -0.5 << u"Вести автомобиль можно"_qs;
}

void TestCalculation::anyPositiveValueForbidsDriving() {
    QFETCH(double, blood);
    QFETCH(QString, text);
    const DrivingVerdict v = DrivingVerdict::of(blood);
    QCOMPARE(v.text, text);
    QCOMPARE(v.forbidden, blood > 0);
}

void TestCalculation::choosesTheNextFreeSlot_data() {
    using Target = IntakeSlots::Target;
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<QList<double>>("slotValues");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("slot");
    QTest::newRow("normal mode") << false << QList<double>{0, 0, 0, 0, 0} << int(Target::Normal)
                                 << -1;
    QTest::newRow("normal mode with a stray slot")
        << false << QList<double>{0.45, 0, 0, 0, 0} << int(Target::Nothing) << -1;
    QTest::newRow("first intake") << true << QList<double>{0, 0, 0, 0, 0} << int(Target::Slot) << 0;
    QTest::newRow("second intake")
        << true << QList<double>{0.45, 0, 0, 0, 0} << int(Target::Slot) << 1;
    QTest::newRow("negative counts as filled")
        << true << QList<double>{-0.07, 0, 0, 0, 0} << int(Target::Slot) << 1;
    QTest::newRow("fifth intake") << true << QList<double>{1, 2, 3, 4, 0} << int(Target::Slot) << 4;
    QTest::newRow("all five filled")
        << true << QList<double>{1, 2, 3, 4, 5} << int(Target::AllFull) << -1;
    QTest::newRow("a hole in the slots")
        << true << QList<double>{0.45, 0, 0.3, 0, 0} << int(Target::Nothing) << -1;
}

void TestCalculation::choosesTheNextFreeSlot() {
    QFETCH(bool, repeated);
    QFETCH(QList<double>, slotValues);
    std::array<double, IntakeSlots::Count> blood{};
    std::copy(slotValues.begin(), slotValues.end(), blood.begin());
    const IntakeSlots::Choice c = IntakeSlots::choose(repeated, blood);
    QTEST(int(c.target), "target");
    QTEST(c.slot, "slot");
}

void TestCalculation::sumsTheSlotsOfTheWorkedExample() {
    auto col = [](const QString& a, const QString& b) {
        return std::array<Fixed4, 5>{readFixed4(a), readFixed4(b), Fixed4(), Fixed4(), Fixed4()};
    };
    const IntakeSlots::Sums s =
        IntakeSlots::sum(col(u"0,45"_qs, u"0,32"_qs), col(u"0,6"_qs, u"0,43"_qs),
                         col(u"4,49"_qs, u"4,49"_qs), col(u"3,49"_qs, u"2,49"_qs));
    QCOMPARE(roundedText(s.blood, 2), u"0,77"_qs);
    QCOMPARE(roundedText(s.urine, 2), u"1,03"_qs);
    QCOMPARE(roundedText(s.totalTime, 2), u"8,98"_qs);
    QCOMPARE(roundedText(s.remainingTime, 2), u"5,98"_qs);

    const IntakeSlots::Sums negative =
        IntakeSlots::sum(col(u"0,45"_qs, u"-0,07"_qs), col(u"0"_qs, u"0"_qs), col(u"0"_qs, u"0"_qs),
                         col(u"0"_qs, u"0"_qs));
    QCOMPARE(roundedText(negative.blood, 2), u"0,38"_qs);
}

void TestCalculation::promptsStepThroughTheIntakes() {
    QCOMPARE(IntakeSlots::promptModeOn(), u"Время после 1 и до 2 приема алкоголя в часах."_qs);
    QCOMPARE(IntakeSlots::promptAfterSlot(0), u"Время после 2 и до 3 приема алкоголя в часах."_qs);
    QCOMPARE(IntakeSlots::promptAfterSlot(3), u"Время после 5 и до 6 приема алкоголя в часах."_qs);
    QCOMPARE(IntakeSlots::promptAfterSlot(4), u"Время после 6 приема алкоголя в часах."_qs);
}

void TestCalculation::reverseAmount_data() {
    QTest::addColumn<QString>("promille");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("shown");
    QTest::newRow("worked example")
        << u"0,45"_qs << u"40"_qs << u"1"_qs << u"99,3651"_qs << u"99"_qs;
    QTest::newRow("at the peak") << u"0,45"_qs << u"40"_qs << u"0"_qs << u"77,0936"_qs << u"77"_qs;
    QTest::newRow("nothing measured, nothing elapsed")
        << u"0"_qs << u"40"_qs << u"0"_qs << u"0"_qs << u"0"_qs;
}

void TestCalculation::reverseAmount() {
    QFETCH(QString, promille);
    QFETCH(QString, strength);
    QFETCH(QString, hours);
    const ReverseAmount r =
        ReverseAmount::read(promille, strength, u"80"_qs, u"0,68"_qs, u"0,13"_qs, hours);
    QTEST(decimalText(r.grams()), "grams");
    QTEST(roundedText(r.grams(), 0), "shown");

    // Strength 0 leaves nothing to divide by.
    const ReverseAmount none =
        ReverseAmount::read(promille, u"0"_qs, u"80"_qs, u"0,68"_qs, u"0,13"_qs, hours);
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, none.grams());
}

void TestCalculation::promilleInOtherUnits_data() {
    QTest::addColumn<QString>("promille");
    QTest::addColumn<QString>("mg");
    QTest::addColumn<QString>("ug");
    QTest::addColumn<QString>("bac");
    QTest::newRow("0,35: half rounds to even, up")
        << u"0,35"_qs << u"0,18"_qs << u"175"_qs << u"0,035"_qs;
    QTest::newRow("0,25: half rounds to even, down")
        << u"0,25"_qs << u"0,12"_qs << u"125"_qs << u"0,025"_qs;
    QTest::newRow("one promille is 0,1 percent") << u"1"_qs << u"0,5"_qs << u"500"_qs << u"0,1"_qs;
    QTest::newRow("zero") << u"0"_qs << u"0"_qs << u"0"_qs << u"0"_qs;
    QTest::newRow("typed with four places") << u"0,0005"_qs << u"0"_qs << u"0,25"_qs << u"0"_qs;
    QTest::newRow("percent tie to even, up")
        << u"0,015"_qs << u"0,01"_qs << u"7,5"_qs << u"0,002"_qs;
    QTest::newRow("percent tie to even, down") << u"0,005"_qs << u"0"_qs << u"2,5"_qs << u"0"_qs;
    QTest::newRow("negative typed value") << u"-2"_qs << u"-1"_qs << u"-1000"_qs << u"-0,2"_qs;
}

void TestCalculation::promilleInOtherUnits() {
    QFETCH(QString, promille);
    const PromilleUnits u = PromilleUnits::of(readFixed4(promille));
    QTEST(decimalText(u.milligramsPerLitre), "mg");
    QTEST(decimalText(u.microgramsPerLitre), "ug");
    QTEST(decimalText(u.percentBloodAlcohol), "bac");
    if (promille == u"0,35"_qs)
        QCOMPARE(PromilleUnits::line(promille, decimalText(u.milligramsPerLitre),
                                     decimalText(u.microgramsPerLitre),
                                     decimalText(u.percentBloodAlcohol)),
                 u"0,35 промилле = 0,18 мг/л (175 мкг/л) = 0,035 %ВАС"_qs);
}

void TestCalculation::minutesToHours_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("result");
    QTest::newRow("1 h 20 min") << u"1"_qs << u"20"_qs << u"1,33"_qs;
    QTest::newRow("45 min") << u"0"_qs << u"45"_qs << u"0,75"_qs;
    QTest::newRow("minutes above 59") << u"2"_qs << u"90"_qs << u"3,5"_qs;
    QTest::newRow("7,5 min: half rounds to even") << u"0"_qs << u"7,5"_qs << u"0,12"_qs;
    QTest::newRow("empty minutes") << u"1"_qs << QString() << u"0"_qs;
    QTest::newRow("empty hours") << QString() << u"20"_qs << u"0"_qs;
    QTest::newRow("negative minutes") << u"1"_qs << u"-30"_qs << u"0,5"_qs;
}

void TestCalculation::minutesToHours() {
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QTEST(decimalText(::minutesToHours(hours, minutes)), "result");
}

void TestCalculation::remainingTimeSplit_data() {
    QTest::addColumn<QString>("decimalHours");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("3,45") << u"3,45"_qs << u"Осталось подождать: 3 час 27 мин"_qs;
    QTest::newRow("0,01: 0,6 min round up") << u"0,01"_qs << u"Осталось подождать: 0 час 1 мин"_qs;
    QTest::newRow("12,3") << u"12,3"_qs << u"Осталось подождать: 12 час 18 мин"_qs;
    QTest::newRow("whole hours") << u"2"_qs << u"Осталось подождать: 2 час 0 мин"_qs;
    QTest::newRow("0,99 stays below an hour")
        << u"0,99"_qs << u"Осталось подождать: 0 час 59 мин"_qs;
    QTest::newRow("0,025: half a minute to even")
        << u"0,025"_qs << u"Осталось подождать: 0 час 2 мин"_qs;
    QTest::newRow("zero") << u"0"_qs << u"Осталось подождать: 0 час 0 мин"_qs;
    QTest::newRow("negative is nothing to wait")
        << u"-1,25"_qs << u"Осталось подождать: 0 час 0 мин"_qs;
    QTest::newRow("negative below one hour") << u"-0,5"_qs << u"Осталось подождать: 0 час 0 мин"_qs;
}

void TestCalculation::remainingTimeSplit() {
    QFETCH(QString, decimalHours);
    const auto split = RemainingTime::split(decimalHours);
    QVERIFY(split.has_value());
    QTEST(split->sentence(), "sentence");
    QVERIFY(!RemainingTime::split(u"3,4x"_qs).has_value());
    QVERIFY(!RemainingTime::split(QString()).has_value());
}

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
