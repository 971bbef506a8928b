#include "forecast/eveningcheck.h"
#include "forecast/forecastsummary.h"
#include "forecast/measurement.h"

#include <QTest>

// Readings of a breathalyser or a laboratory, and the elimination rate they give.
class TestMeasurement : public QObject {
    Q_OBJECT

private slots:
    void breathIsConvertedAtTheProgramsRatio();
    void readingsGiveTheirSlope_data();
    void readingsGiveTheirSlope();
    void readingsMoveTheAnswers_data();
    void readingsMoveTheAnswers();
    void aReadingOfZeroEndsTheCurve();
    void theModelsMeetAtAReading();
    void aReadingBeforeTheFirstDrinkIsRefused();
    void aReadingStillWithoutItsValueHoldsNothingUp_data();
    void aReadingStillWithoutItsValueHoldsNothingUp();
};

namespace {
const QDateTime Midnight(QDate(2026, 12, 9), QTime(0, 0));

Measurement blood(int minutes, double promille) {
    return {Midnight.addSecs(60 * minutes), promille, Measurement::Kind::Blood};
}
Measurement breath(int minutes, double mgPerLitre) {
    return {Midnight.addSecs(60 * minutes), mgPerLitre, Measurement::Kind::Breath};
}
const QDate Evening1(2026, 12, 8);
const QDate Morning(2026, 12, 9);
const QDateTime Now(Evening1, QTime(22, 0, 30));

MeasurementEntry reading(QDate day, const char* time, const char* value,
                         Measurement::Kind kind = Measurement::Kind::Breath) {
    return {day, QString::fromLatin1(time), QString::fromLatin1(value), kind};
}
MeasurementEntry bloodAt(QDate day, const char* time, const char* value) {
    return reading(day, time, value, Measurement::Kind::Blood);
}

// 100 ml of vodka at 20:00 and half a litre of beer at 21:15, 80 kg, Widmark's r = 0,68:
// 0,58371 ‰ and 0,36482 ‰. At 21:15 the central curve stands at 0,58371 − 1,25 · 0,13 +
// 0,36482 = 0,78603 ‰ (slow 0,82353, fast 0,74853) and reaches Russia's 0,3 ‰ 3,7387 h later.
Evening twoDrinks(const QList<MeasurementEntry>& readings, const QString& planned = {}) {
    Evening form;
    form.mass = QStringLiteral("80");
    form.planned = planned;
    form.drinks = {{Evening1, u"20:00"_qs, u"Водка"_qs, u"100"_qs, u"40"_qs, u"0"_qs},
                   {Evening1, u"21:15"_qs, u"Пиво"_qs, u"500"_qs, u"5"_qs, u"0"_qs}};
    form.measurements = readings;
    return form;
}
} // namespace

void TestMeasurement::breathIsConvertedAtTheProgramsRatio() {
    QCOMPARE(breath(0, 0.25).promille(), 0.5);
    QCOMPARE(blood(0, 0.25).promille(), 0.25);
}

void TestMeasurement::readingsGiveTheirSlope_data() {
    QTest::addColumn<QList<Measurement>>("readings");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("uncertainty");
    QTest::addColumn<QString>("reason");
    // 0,40 ‰ at 00:00 and 0,24 ‰ at 01:00: 0,16 ‰ an hour.
    QTest::newRow("two readings an hour apart")
        << QList{blood(0, 0.40), blood(60, 0.24)} << true << 0.16 << 0.01 << QString();
    QTest::newRow("in any order, breath and blood together")
        << QList{breath(60, 0.12), blood(0, 0.40)} << true << 0.16 << 0.01 << QString();
    // 0,50 / 0,40 / 0,26 at 0, 1, 2 h: mean 0,38667, slope −0,12, residuals −1/150, 2/150,
    // −1/150, so Σr² = 6/22500 and the standard error √(Σr² / (3 − 2) / 2) = 0,011547.
    QTest::newRow("three readings off a line")
        << QList{blood(0, 0.50), blood(60, 0.40), blood(120, 0.26)} << true << 0.12 << 0.011547
        << QString();
    QTest::newRow("too fast to be a person's") << QList{blood(0, 0.80), blood(60, 0.40)} << true
                                               << 0.40 << 0.01 << u"вне 0,05–0,35 ‰/ч"_qs;
    QTest::newRow("rising") << QList{blood(0, 0.20), blood(60, 0.30)} << true << -0.10 << 0.01
                            << u"уровень по замерам не падает"_qs;
    QTest::newRow("one reading") << QList{blood(0, 0.40)} << false << 0.0 << 0.0 << QString();
    QTest::newRow("two at one moment")
        << QList{blood(0, 0.40), blood(0, 0.30)} << false << 0.0 << 0.0 << QString();
}

void TestMeasurement::readingsGiveTheirSlope() {
    QFETCH(QList<Measurement>, readings);
    QFETCH(bool, found);
    QFETCH(double, rate);
    QFETCH(double, uncertainty);
    const std::optional<MeasuredRate> measured = measuredRate(readings);
    QCOMPARE(measured.has_value(), found);
    if (!measured)
        return;
    QVERIFY2(std::abs(measured->rate - rate) < 1e-9, qPrintable(QString::number(measured->rate)));
    QVERIFY2(std::abs(measured->uncertainty - uncertainty) < 1e-6,
             qPrintable(QString::number(measured->uncertainty)));
    QCOMPARE(measured->readings, int(readings.size()));
    QTEST(measured->reason(), "reason");
}

void TestMeasurement::readingsMoveTheAnswers_data() {
    QTest::addColumn<QList<MeasurementEntry>>("readings");
    QTest::addColumn<QString>("planned");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("absent"); // no line starts so
    QTest::newRow("no reading: the model alone")
        << QList<MeasurementEntry>{} << QString()
        << QStringList{u"Ниже предела 0,3 ‰: с 00:59, завтра (от 00:03 до 02:29)"_qs}
        << u"Без замеров"_qs;
    // 0,25 mg/l = 0,50 ‰ at 23:10, then 0,2 ‰ to go: 0,2 / 0,13 h = 92,3 min (slow 2 h, fast
    // 1,25 h).
    QTest::newRow("one breath reading")
        << QList{reading(Evening1, "23:10", "0,25")} << QString()
        << QStringList{u"Ниже предела 0,3 ‰: с 00:42, завтра (от 00:25 до 01:10)"_qs,
                       u"диапазон: выведение 0,10–0,16 ‰/ч"_qs}
        << u"Учтено"_qs;
    // At 01:15, 125 min after it: 0,5 − 0,2083 = 0,29 (slow) and 0,5 − 0,3333 = 0,17 (fast);
    // the drinks alone gave 0,42353 − 0,10853 at that time.
    QTest::newRow("the planned time's verdict changes")
        << QList{reading(Evening1, "23:10", "0,25")} << u"01:15"_qs
        << QStringList{u"В 01:15, завтра: 0,17–0,29 ‰ — ниже предела даже при медленном "
                       "выведении"_qs,
                       u"Без замеров было: 0,11–0,42 ‰ — неопределённо: может быть выше "
                       "предела"_qs}
        << QString();
    QTest::newRow("the planned time's verdict stays")
        << QList{reading(Evening1, "23:10", "0,25")} << u"08:00"_qs
        << QStringList{u"В 08:00, завтра: 0,00 ‰ — ниже предела даже при медленном выведении"_qs}
        << u"Без замеров"_qs;
    // 0,16 ‰/h, band ± 0,01: 0,3 reached 0,1 / 0,16 h = 37,5 min after midnight (fast 35,3,
    // slow 40); 0,24 ‰ left at 01:00 takes 90 min (84,7 and 96).
    QTest::newRow("two readings give the person's rate")
        << QList{bloodAt(Morning, "00:00", "0,40"), bloodAt(Morning, "01:00", "0,24")} << QString()
        << QStringList{u"Ниже предела 0,3 ‰: с 00:38, завтра (от 00:35 до 00:40)"_qs,
                       u"Алкоголь выведен: в 02:30, завтра (от 02:25 до 02:36)"_qs,
                       u"Учтено выведение по вашим замерам: 0,16 ‰/ч (0,15–0,17 ‰/ч)"_qs}
        << QString();
    QTest::newRow("a rate no one has is shown, not used")
        << QList{bloodAt(Morning, "00:00", "0,80"), bloodAt(Morning, "01:00", "0,20")} << QString()
        << QStringList{u"Выведение по замерам 0,60 ‰/ч не учтено: вне 0,05–0,35 ‰/ч"_qs,
                       u"Алкоголь выведен: в 02:32, завтра (от 02:15 до 03:00)"_qs}
        << u"Учтено"_qs;
    QTest::newRow("a drink between two readings")
        << QList{bloodAt(Evening1, "20:40", "0,50"), bloodAt(Evening1, "21:50", "0,60")}
        << QString() << QStringList{} << u"Учтено"_qs;
    QTest::newRow("readings while the beer is absorbed")
        << QList{bloodAt(Evening1, "21:20", "0,80"), bloodAt(Evening1, "21:40", "0,75")}
        << QString() << QStringList{} << u"Учтено"_qs;
    // The slow curve stands at 0,63 ‰ at 23:10; 1,5 ‰ is more than twice that.
    QTest::newRow("far above the drinks")
        << QList{bloodAt(Evening1, "23:10", "1,5")} << QString()
        << QStringList{u"Замер в 23:10 далеко от расчёта: проверьте, все ли напитки внесены и "
                       "верно ли время"_qs}
        << QString();
    // Even the slow curve is at 0 from 05:29.
    QTest::newRow("alcohol long after the drinks are gone")
        << QList{reading(Morning, "07:00", "0,10")} << QString()
        << QStringList{u"Замер в 07:00, завтра далеко от расчёта: проверьте, все ли напитки "
                       "внесены и верно ли время"_qs}
        << QString();
    QTest::newRow("soon after the drink") << QList{reading(Evening1, "21:20", "0,40")} << QString()
                                          << QStringList{u"Замер в 21:20 сделан меньше чем через "
                                                         "15 минут после напитка: алкоголь во рту "
                                                         "завышает показание"_qs}
                                          << u"Замер в 21:20 далеко"_qs;
}

void TestMeasurement::readingsMoveTheAnswers() {
    QFETCH(QList<MeasurementEntry>, readings);
    QFETCH(QString, planned);
    QFETCH(QStringList, shown);
    QFETCH(QString, absent);
    const Evening form = twoDrinks(readings, planned);
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    // The table marks the readings the summary names.
    for (int i = 0; i < check.measurements.size(); ++i)
        QCOMPARE(!check.measurements[i].note.isEmpty(),
                 check.contradicting.contains(i) || check.mouthAlcohol.contains(i));
    QStringList lines = forecastsummary::shown(form, check, Now);
    lines << forecastsummary::bandLegend(*check.forecast);
    for (const QString& line : shown)
        QVERIFY2(lines.contains(line), qPrintable(line + u"\n---\n"_qs + lines.join(u'\n')));
    if (!absent.isEmpty())
        for (const QString& line : lines)
            QVERIFY2(!line.startsWith(absent), qPrintable(line));
}

void TestMeasurement::aReadingOfZeroEndsTheCurve() {
    // At 02:00 the drinks alone still leave 0,17 ‰ (central) and 0,35 ‰ (slow); the fast
    // curve is at 0 from 01:55:41 (0,74853 / 0,16 h after the beer).
    const EveningCheck check = checkEvening(twoDrinks({reading(Morning, "02:00", "0")}), Now);
    QVERIFY(check.ok());
    const QDateTime two(Morning, QTime(2, 0));
    QCOMPARE(check.forecast->end(), two);
    const std::optional<TimeRange> sober = check.forecast->soberAt();
    QVERIFY(sober);
    QCOMPARE(sober->central, two);
    QCOMPARE(sober->latest, two);
    QCOMPARE(sober->earliest.time(), QTime(1, 55, 41, 746));
    QVERIFY(check.contradicting.isEmpty());
}

void TestMeasurement::theModelsMeetAtAReading() {
    // Over all models the band at 23:10 spans r from Seidl's to Forrest's; at the reading it
    // is the reading, 20 min later the rate band alone, and the vodka taken then adds its
    // 0,58371 ‰ to each curve as before.
    const QDateTime at(Evening1, QTime(23, 10));
    const QList<Drink> drinks{{QDateTime(Evening1, QTime(20, 0)), 100, 40, 0},
                              {at.addSecs(20 * 60), 100, 40, 0}};
    const Person person{Sex::Male, 80, 180, 40};
    const Forecast model = Forecast::computeAllModels(drinks, person);
    QVERIFY(model.levelAt(at).highest - model.levelAt(at).lowest > 0.1);
    const Forecast measured = Forecast::computeAllModels(
        drinks, person, {}, {{{at, 0.30, Measurement::Kind::Breath}}, {}});
    QCOMPARE(measured.levelAt(at).central, 0.60);
    QCOMPARE(measured.levelAt(at).lowest, 0.60);
    QCOMPARE(measured.levelAt(at).highest, 0.60);
    const LevelRange later = measured.levelAt(at.addSecs(20 * 60));
    // The drink is measured in the reduction factor of each model: Widmark keeps the centre.
    QVERIFY(std::abs(later.central - (0.60 - 0.13 / 3 + 0.58371)) < 1e-4);
    QVERIFY(later.highest - later.lowest > 0.06 / 3);
    QCOMPARE(measured.anchoredFrom(), at);
}

void TestMeasurement::aReadingBeforeTheFirstDrinkIsRefused() {
    const Evening form = twoDrinks({reading(Evening1, "19:30", "0,10")});
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(!check.ok());
    QCOMPARE(check.badMeasurementRows(), QList<int>{0});
    QCOMPARE(check.measurements[0].time, u"раньше первого напитка"_qs);
    QCOMPARE(forecastsummary::shown(form, check, Now), QStringList{forecastsummary::checkFields()});
}

void TestMeasurement::aReadingStillWithoutItsValueHoldsNothingUp_data() {
    QTest::addColumn<MeasurementEntry>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("timeProblem");
    QTest::addColumn<QString>("valueProblem");
    QTest::newRow("just added") << reading(Evening1, "22:00", " ") << true << QString()
                                << u"введите показание"_qs;
    QTest::newRow("not a number") << reading(Evening1, "22:00", "абв") << false << QString()
                                  << u"не число"_qs;
    QTest::newRow("no time either")
        << reading(Evening1, "22", "") << false << u"время как ЧЧ:ММ"_qs << u"введите показание"_qs;
    QTest::newRow("before the drinks") << reading(Evening1, "19:00", "") << false
                                       << u"раньше первого напитка"_qs << u"введите показание"_qs;
}

void TestMeasurement::aReadingStillWithoutItsValueHoldsNothingUp() {
    QFETCH(MeasurementEntry, typed);
    const EveningCheck check = checkEvening(twoDrinks({typed}), Now);
    QTEST(check.ok(), "ok");
    QTEST(check.measurements[0].time, "timeProblem");
    QTEST(check.measurements[0].value, "valueProblem");
    if (check.ok())
        QCOMPARE(check.forecast->centralCurve(),
                 checkEvening(twoDrinks({}), Now).forecast->centralCurve());
}

QTEST_GUILESS_MAIN(TestMeasurement)
#include "tst_measurement.moc"
