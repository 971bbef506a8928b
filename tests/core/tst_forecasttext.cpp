#include "calc/numbertext.h"
#include "forecast/forecastinput.h"
#include "forecast/forecastsummary.h"

#include <QTest>

namespace {
QDateTime evening(int minutes) {
    return QDateTime(QDate(2024, 12, 8), QTime(20, 0)).addSecs(60 * minutes);
}

enum class Field { Strength, Grams, Mass, Duration, Deficit, Absorption, Height, Age, OwnLimit };

Checked<double> check(Field field, const QString& text) {
    switch (field) {
    case Field::Strength:
        return forecastinput::strength(text);
    case Field::Grams:
        return forecastinput::drinkGrams(text);
    case Field::Mass:
        return forecastinput::bodyMass(text);
    case Field::Duration:
        return forecastinput::drinkingMinutes(text);
    case Field::Deficit:
        return forecastinput::deficit(text);
    case Field::Height:
        return forecastinput::height(text);
    case Field::Age:
        return forecastinput::age(text);
    case Field::OwnLimit:
        return forecastinput::ownLimit(text);
    case Field::Absorption:
        break;
    }
    return forecastinput::absorptionMinutes(text);
}

const QString warning = u"Безопаснее всего не садиться за руль после любого количества алкоголя: "
                        u"это лишь оценка, и она может ошибаться на 20 % и больше."_qs;
const QString russia =
    u"Предел по закону (Россия): 0,3 г/л в крови, 0,16 мг/л в выдыхаемом воздухе"_qs;
} // namespace

class TestForecastText : public QObject {
    Q_OBJECT

private slots:
    void numberFields_data();
    void numberFields();
    void clockField_data();
    void clockField();
    void rateBand_data();
    void rateBand();
    void effectiveLimit_data();
    void effectiveLimit();
    void clockText_data();
    void clockText();
    void summaryLines_data();
    void summaryLines();
};

void TestForecastText::numberFields_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<double>("value");
    QTest::newRow("strength") << Field::Strength << u" 12,5 "_qs << QString() << 12.5;
    QTest::newRow("letters") << Field::Strength << u"abc"_qs << u"не число"_qs << 0.0;
    // A decimal point reads as the comma in every number field.
    QTest::newRow("point: strength") << Field::Strength << u"72.5"_qs << QString() << 72.5;
    QTest::newRow("point: grams") << Field::Grams << u"72.5"_qs << QString() << 72.5;
    QTest::newRow("point: mass") << Field::Mass << u" 72.5 "_qs << QString() << 72.5;
    QTest::newRow("point: duration") << Field::Duration << u"72.5"_qs << QString() << 72.5;
    QTest::newRow("point: deficit") << Field::Deficit << u"12.5"_qs << QString() << 0.125;
    QTest::newRow("point: absorption") << Field::Absorption << u"72.5"_qs << QString() << 72.5;
    QTest::newRow("point: height") << Field::Height << u"172.5"_qs << QString() << 172.5;
    QTest::newRow("point: age") << Field::Age << u"72.5"_qs << QString() << 72.5;
    QTest::newRow("point: own limit") << Field::OwnLimit << u"0.25"_qs << QString() << 0.25;
    QTest::newRow("point out of range") << Field::Age << u"120.5"_qs << u"от 14 до 120"_qs << 0.0;
    QTest::newRow("point and comma") << Field::Strength << u"1.000,5"_qs << u"не число"_qs << 0.0;
    QTest::newRow("two points") << Field::Strength << u"1.5.0"_qs << u"не число"_qs << 0.0;
    QTest::newRow("strength 0") << Field::Strength << u"0"_qs << u"больше 0, не больше 100"_qs
                                << 0.0;
    QTest::newRow("strength 101") << Field::Strength << u"101"_qs << u"больше 0, не больше 100"_qs
                                  << 0.0;
    QTest::newRow("grams 5000,1") << Field::Grams << u"5000,1"_qs
                                  << u"больше 0, не больше 5000 мл"_qs << 0.0;
    QTest::newRow("grams beyond double range")
        << Field::Grams << u"1"_qs + QString(400, u'0') << u"больше 0, не больше 5000 мл"_qs << 0.0;
    // An amount is millilitres, or litres with "л"; the point is read only in litres.
    const struct {
        const char* tag;
        QString text;
        QString problem;
        double ml;
    } amounts[] = {
        {"ml, bare", u"500"_qs, {}, 500},
        {"ml", u"500 мл"_qs, {}, 500},
        {"ml, capitals", u"330 МЛ"_qs, {}, 330},
        {"litres", u"0,5 л"_qs, {}, 500},
        {"litres with a point", u"0.5 л"_qs, {}, 500},
        {"litres, no space", u" 0,33Л "_qs, {}, 330},
        {"5 l, the most", u"5 л"_qs, {}, 5000},
        {"6 l", u"6 л"_qs, u"больше 0, не больше 5000 мл"_qs, 0},
        {"negative litres", u"-0,5 л"_qs, u"больше 0, не больше 5000 мл"_qs, 0},
        {"unit alone", u"мл"_qs, u"не число"_qs, 0},
        {"grams", u"500 г"_qs, u"в мл или л"_qs, 0},
        {"latin l", u"0,5 l"_qs, u"в мл или л"_qs, 0},
        {"words after the unit", u"0,5 л пива"_qs, u"в мл или л"_qs, 0},
        {"point in ml, as in every forecast field", u"1.5 мл"_qs, {}, 1.5},
        {"two separators", u"1.000,5 л"_qs, u"не число"_qs, 0},
    };
    for (const auto& a : amounts)
        QTest::newRow(a.tag) << Field::Grams << a.text << a.problem << a.ml;
    QTest::newRow("mass -5") << Field::Mass << u"-5"_qs << u"от 20 до 300"_qs << 0.0;
    QTest::newRow("mass 20") << Field::Mass << u"20"_qs << QString() << 20.0;
    QTest::newRow("duration -0") << Field::Duration << u"-0"_qs << QString() << 0.0;
    QTest::newRow("duration 1441") << Field::Duration << u"1441"_qs << u"от 0 до 1440"_qs << 0.0;
    QTest::newRow("deficit as a share") << Field::Deficit << u"12,5"_qs << QString() << 0.125;
    QTest::newRow("deficit 31 %") << Field::Deficit << u"31"_qs << u"от 0 до 30"_qs << 0.0;
    QTest::newRow("absorption 181") << Field::Absorption << u"181"_qs << u"от 0 до 180"_qs << 0.0;
    QTest::newRow("height 99,9") << Field::Height << u"99,9"_qs << u"от 100 до 250"_qs << 0.0;
    QTest::newRow("height 250") << Field::Height << u"250"_qs << QString() << 250.0;
    QTest::newRow("height 250,1") << Field::Height << u"250,1"_qs << u"от 100 до 250"_qs << 0.0;
    QTest::newRow("age 13") << Field::Age << u"13"_qs << u"от 14 до 120"_qs << 0.0;
    QTest::newRow("age 14") << Field::Age << u"14"_qs << QString() << 14.0;
    QTest::newRow("age 120,5") << Field::Age << u"120,5"_qs << u"от 14 до 120"_qs << 0.0;
}

void TestForecastText::numberFields() {
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const Checked<double> checked = check(field, text);
    QCOMPARE(checked.problem, problem);
    QCOMPARE(checked.value.has_value(), problem.isEmpty());
    if (checked.value)
        QTEST(*checked.value, "value");
}

void TestForecastText::clockField_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QTime>("time");
    QTest::newRow("08:00") << u"08:00"_qs << QString() << QTime(8, 0);
    QTest::newRow("one-digit hour") << u" 7:05"_qs << QString() << QTime(7, 5);
    QTest::newRow("24:00") << u"24:00"_qs << u"от 00:00 до 23:59"_qs << QTime();
    QTest::newRow("7:5") << u"7:5"_qs << u"время как ЧЧ:ММ"_qs << QTime();
    QTest::newRow("no hour") << u":30"_qs << u"время как ЧЧ:ММ"_qs << QTime();
    QTest::newRow("Arabic-Indic digits") << u"٠٨:٠٠"_qs << u"время как ЧЧ:ММ"_qs << QTime();
}

void TestForecastText::clockField() {
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const Checked<QTime> checked = forecastinput::clockTime(text);
    QCOMPARE(checked.problem, problem);
    QTEST(checked.value.value_or(QTime()), "time");
}

void TestForecastText::rateBand_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<RateField>("field");
    QTest::addColumn<QString>("problem");
    const QString range = u"больше 0, не больше 0,5"_qs;
    QTest::newRow("usual") << QStringList{u"0,1"_qs, u"0,13"_qs, u"0,16"_qs} << RateField::Central
                           << QString();
    QTest::newRow("all equal") << QStringList{u"0,13"_qs, u"0,13"_qs, u"0,13"_qs}
                               << RateField::Central << QString();
    QTest::newRow("slowest above central")
        << QStringList{u"0,14"_qs, u"0,13"_qs, u"0,16"_qs} << RateField::Slowest
        << u"не больше средней скорости"_qs;
    QTest::newRow("fastest below central")
        << QStringList{u"0,1"_qs, u"0,17"_qs, u"0,16"_qs} << RateField::Fastest
        << u"не меньше средней скорости"_qs;
    QTest::newRow("slowest 0") << QStringList{u"0"_qs, u"0,13"_qs, u"0,16"_qs} << RateField::Slowest
                               << range;
    QTest::newRow("decimal points")
        << QStringList{u"0.1"_qs, u"0.13"_qs, u"0.16"_qs} << RateField::Central << QString();
    QTest::newRow("central not a number")
        << QStringList{u"0,1"_qs, u"abc"_qs, u"0,16"_qs} << RateField::Central << u"не число"_qs;
}

void TestForecastText::rateBand() {
    QFETCH(QStringList, texts);
    QFETCH(QString, problem);
    ForecastParams base;
    base.deficit = 0.2;
    const RateCheck checked = forecastinput::rates(texts[0], texts[1], texts[2], base);
    QCOMPARE(checked.problem, problem);
    QCOMPARE(checked.params.has_value(), problem.isEmpty());
    if (!checked.params) {
        QTEST(checked.field, "field");
        return;
    }
    const auto read = [](QString text) { return numbertext::readDouble(text.replace(u'.', u',')); };
    QCOMPARE(checked.params->slowestRate, read(texts[0]));
    QCOMPARE(checked.params->rate, read(texts[1]));
    QCOMPARE(checked.params->fastestRate, read(texts[2]));
    QCOMPARE(checked.params->deficit, 0.2);
}

void TestForecastText::effectiveLimit_data() {
    QTest::addColumn<Limit>("limit");
    QTest::addColumn<double>("promille");
    // Breath figures count at 1 ‰ = 0,5 mg/l: 0,16 mg/l is 0,32 ‰, 0,2 mg/l is 0,4 ‰.
    QTest::newRow("Russia: blood is stricter") << Limit::russia() << 0.3;
    QTest::newRow("breath is stricter") << Limit{u"X"_qs, 0.5, 0.2, {}} << 0.4;
    QTest::newRow("no breath figure") << Limit{u"X"_qs, 0.8, std::nullopt, {}} << 0.8;
}

void TestForecastText::effectiveLimit() {
    QFETCH(Limit, limit);
    QTEST(limit.effectivePromille(), "promille");
}

void TestForecastText::clockText_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");
    QTest::newRow("30 s rounds up") << evening(0).addSecs(30) << u"20:01"_qs;
    QTest::newRow("next day") << evening(269) << u"00:29, завтра"_qs;
    QTest::newRow("rounding into the next day") << evening(239).addSecs(45) << u"00:00, завтра"_qs;
    QTest::newRow("the day before") << evening(-21 * 60) << u"23:00, вчера"_qs;
    QTest::newRow("two days on, genitive month") << evening(28 * 60) << u"00:00, 10 декабря"_qs;
    QTest::newRow("another month")
        << QDateTime(QDate(2025, 3, 8), QTime(7, 5)) << u"07:05, 8 марта"_qs;
}

void TestForecastText::clockText() {
    QFETCH(QDateTime, moment);
    QTEST(forecastsummary::clockText(moment, evening(0).date()), "text");
}

void TestForecastText::summaryLines_data() {
    QTest::addColumn<QList<Drink>>("drinks");
    QTest::addColumn<double>("absorption");
    QTest::addColumn<QTime>("planned");
    QTest::addColumn<QStringList>("lines");
    // 100 g of 40 %, men, 80 kg at 20:00: peak 0,583706 ‰. Limit 0,3 passed after
    // 0,283706 / β h: 22:10:56 (0,13), 21:46:23 (0,16), 22:50:13 (0,10); zero after
    // 0,583706 / β h: 00:29:24, 23:38:53, 01:50:13. At 22:30: 0,583706 − 2,5 β gives
    // 0,1837 (0,16) and 0,3337 (0,10); at 21:00: 0,4237 and 0,4837.
    const QList<Drink> vodka{Drink{evening(0), 100, 40}};
    const QString below = u"Ниже предела 0,3 ‰: с 22:11 (от 21:46 до 22:50)"_qs;
    const QString sober = u"Алкоголь выведен: в 00:29, завтра (от 23:39 до 01:50)"_qs;
    QTest::newRow("next morning") << vodka << 0.0 << QTime(8, 0)
                                  << QStringList{u"Пик: 0,58 ‰ в 20:00"_qs,
                                                 russia,
                                                 below,
                                                 sober,
                                                 u"В 08:00, завтра: 0,00 ‰ — ниже предела "
                                                 u"даже при медленном выведении"_qs,
                                                 warning};
    QTest::newRow("uncertain") << vodka << 0.0 << QTime(22, 30)
                               << QStringList{u"Пик: 0,58 ‰ в 20:00"_qs,
                                              russia,
                                              below,
                                              sober,
                                              u"В 22:30: 0,18–0,33 ‰ — неопределённо: может "
                                              u"быть выше предела"_qs,
                                              warning};
    // Absorbed over an hour the input outpaces every β: the peak comes at 21:00 having lost
    // one hour of β (0,4537; 0,4237; 0,4837), and from then on each curve is the one above.
    QTest::newRow("absorbed over an hour, above")
        << vodka << 60.0 << QTime(21, 0)
        << QStringList{u"Пик: 0,45 ‰ в 21:00 (0,42–0,48 ‰)"_qs,
                       russia,
                       below,
                       sober,
                       u"В 21:00: 0,42–0,48 ‰ — выше предела даже при быстром выведении"_qs,
                       warning};
    // 20 g of 40 %: 6,35072 g / 54,4 = 0,116741 ‰, zero after 53,9 / 43,8 / 70,0 min; at
    // 20:30 it is 0,116741 − 0,08 = 0,0367 (0,16) and − 0,05 = 0,0667 (0,10).
    QTest::newRow("never above the limit")
        << QList{Drink{evening(0), 20, 40}} << 0.0 << QTime(20, 30)
        << QStringList{u"Пик: 0,12 ‰ в 20:00"_qs,
                       russia,
                       u"Уровень не превышает предел 0,3 ‰"_qs,
                       u"Алкоголь выведен: в 20:54 (от 20:44 до 21:10)"_qs,
                       u"В 20:30: 0,04–0,07 ‰ — ниже предела даже при медленном выведении"_qs,
                       warning};
    QTest::newRow("no drinks, no planned time")
        << QList<Drink>() << 0.0 << QTime()
        << QStringList{u"Напитки не указаны — прогноз не построен."_qs, warning};
}

void TestForecastText::summaryLines() {
    QFETCH(QList<Drink>, drinks);
    QFETCH(double, absorption);
    QFETCH(QTime, planned);
    ForecastParams params;
    params.absorptionMinutes = absorption;
    const Forecast f =
        Forecast::compute(drinks, Person{Sex::Male, 80}, BodyModel::widmark(), params);
    QTEST(forecastsummary::lines(f, Limit::russia(),
                                 planned.isValid() ? std::optional(planned) : std::nullopt),
          "lines");
}

QTEST_APPLESS_MAIN(TestForecastText)
#include "tst_forecasttext.moc"
