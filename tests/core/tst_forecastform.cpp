#include "forecast/calculatorhandover.h"
#include "forecast/eveningfile.h"

#include "forecast/eveningcheck.h"
#include "forecast/forecastinput.h"

#include "sampleevening.h"

#include <QTest>

#include <algorithm>

// The forecast window's form: what it takes over from the calculator, and when a forecast may
// be made from what is typed.
class TestForecastForm : public QObject {
    Q_OBJECT

private slots:
    void datesAreReadAsTypedOrMarked_data();
    void datesAreReadAsTypedOrMarked();
    void drinksFarFromNowOrApartAreMarked_data();
    void drinksFarFromNowOrApartAreMarked();
    void rowWithoutDateIsMarkedAtTheDate();
    void handOverPlacesTheDrinkHoursBeforeNow_data();
    void handOverPlacesTheDrinkHoursBeforeNow();
    void takeOverAddsOnlyANewDrinkAndTheBodyWhenAsked();
    void handOverWidensTheBandAroundItsRate_data();
    void handOverWidensTheBandAroundItsRate();
    void oneBadFieldMeansNoForecast_data();
    void oneBadFieldMeansNoForecast();
    void goodFormGivesTheForecastOfItsDrinks();
    void limitFollowsCountryDriverAndOwnFigure_data();
    void limitFollowsCountryDriverAndOwnFigure();
    void formSurvivesTheSavedEvening();
    void bodyFieldsCountOnlyForModelsThatUseThem_data();
    void bodyFieldsCountOnlyForModelsThatUseThem();
    void formForecastFollowsTheChosenModel_data();
    void formForecastFollowsTheChosenModel();
};

namespace {
const QDateTime Now = sample::Now;
Evening goodForm() {
    return sample::evening();
}
} // namespace

void TestForecastForm::datesAreReadAsTypedOrMarked_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("problem");
    const QString format = u"дата как ДД.ММ.ГГГГ"_qs;
    QTest::newRow("full") << u"09.12.2026"_qs << QDate(2026, 12, 9) << QString();
    QTest::newRow("short day and month") << u" 9.1.2027 "_qs << QDate(2027, 1, 9) << QString();
    QTest::newRow("leap day") << u"29.02.2028"_qs << QDate(2028, 2, 29) << QString();
    QTest::newRow("31 February") << u"31.02.2026"_qs << QDate() << u"нет такой даты"_qs;
    QTest::newRow("29 February, no leap year")
        << u"29.02.2026"_qs << QDate() << u"нет такой даты"_qs;
    QTest::newRow("all nines") << u"99.99.9999"_qs << QDate() << u"нет такой даты"_qs;
    QTest::newRow("day 0") << u"00.12.2026"_qs << QDate() << u"нет такой даты"_qs;
    QTest::newRow("two-digit year") << u"09.12.26"_qs << QDate() << format;
    QTest::newRow("dashes") << u"2026-12-09"_qs << QDate() << format;
    QTest::newRow("empty") << QString() << QDate() << format;
    QTest::newRow("letters") << u"вчера"_qs << QDate() << format;
}

void TestForecastForm::datesAreReadAsTypedOrMarked() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QString, problem);
    const Checked<QDate> read = forecastinput::date(text);
    QCOMPARE(read.value.value_or(QDate()), date);
    QCOMPARE(read.problem, problem);
    if (date.isValid())
        QCOMPARE(forecastinput::date(forecastinput::dateText(date)).value, date);
}

void TestForecastForm::drinksFarFromNowOrApartAreMarked_data() {
    QTest::addColumn<QList<QDateTime>>("starts");
    QTest::addColumn<QStringList>("problems");
    const QDateTime now = Now;
    const QString far = u"дальше 14 дней от сегодня"_qs;
    const QString late = u"позже первого напитка больше чем на 14 дней"_qs;
    const qint64 days14 = 14 * 24 * 3600;
    const QDateTime tonight(QDate(2026, 12, 8), QTime(21, 0));
    QTest::newRow("tonight") << QList{tonight} << QStringList{QString()};
    QTest::newRow("year 9999") << QList{QDateTime(QDate(9999, 9, 9), QTime(21, 0))}
                               << QStringList{far};
    QTest::newRow("in 14 days, not a minute more")
        << QList{now.addSecs(days14 - 30)} << QStringList{QString()};
    QTest::newRow("in 14 days and a minute") << QList{now.addSecs(days14 + 30)} << QStringList{far};
    QTest::newRow("14 days ago and a minute")
        << QList{now.addSecs(-days14 - 90)} << QStringList{far};
    QTest::newRow("far one marks itself, not the others")
        << QList{tonight, QDateTime(QDate(2200, 1, 1), QTime(0, 0)), tonight.addSecs(3600)}
        << QStringList{QString(), far, QString()};
    QTest::newRow("exactly 14 days apart")
        << QList{tonight.addDays(-7), tonight.addDays(7)} << QStringList{QString(), QString()};
    QTest::newRow("14 days and a minute apart, the later one")
        << QList{tonight.addDays(-7), tonight.addDays(7).addSecs(60)}
        << QStringList{QString(), late};
    QTest::newRow("the order of rows does not matter")
        << QList{tonight.addDays(7).addSecs(60), tonight.addDays(-7)}
        << QStringList{late, QString()};
}

void TestForecastForm::drinksFarFromNowOrApartAreMarked() {
    QFETCH(QList<QDateTime>, starts);
    QFETCH(QStringList, problems);
    Evening form = goodForm();
    form.drinks.clear();
    for (const QDateTime& start : starts)
        form.drinks.append({start.date(), start.time().toString(u"HH:mm"), u"Пиво 5%"_qs, u"500"_qs,
                            u"5"_qs, u"0"_qs});
    QCOMPARE(drinkDateProblems(form.drinks, Now), problems);
    // A marked date stops the forecast, as every other marked field does, and says so at the
    // date rather than at the time.
    const EveningCheck check = checkEvening(form, Now);
    const bool marked = std::any_of(problems.cbegin(), problems.cend(),
                                    [](const QString& p) { return !p.isEmpty(); });
    QCOMPARE(check.ok(), !marked);
    for (int i = 0; i < problems.size(); ++i) {
        QCOMPARE(check.drinks[i].date, problems[i]);
        QCOMPARE(check.drinks[i].time, QString());
    }
}

void TestForecastForm::rowWithoutDateIsMarkedAtTheDate() {
    Evening form = goodForm();
    form.drinks[0].date = QDate();
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(!check.ok());
    QCOMPARE(check.drinks[0].date, u"введите дату"_qs);
    QCOMPARE(check.badRows(), QList<int>{0});
}

void TestForecastForm::handOverPlacesTheDrinkHoursBeforeNow_data() {
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<bool>("hasDrink");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("drink");
    QTest::newRow("an hour ago") << false << u"100"_qs << u"40"_qs << u"1"_qs << true << u"21:00"_qs
                                 << u"Водка 40%"_qs;
    QTest::newRow("22,5 h: the evening before")
        << false << u"0,5"_qs << u"5"_qs << u"22,5"_qs << true << u"23:30"_qs << u"Пиво 5%"_qs;
    QTest::newRow("no hours: now")
        << false << u"100"_qs << u"40"_qs << QString() << true << u"22:00"_qs << u"Водка 40%"_qs;
    QTest::newRow("unreadable hours: now")
        << false << u"100"_qs << u"40"_qs << u"1.5"_qs << true << u"22:00"_qs << u"Водка 40%"_qs;
    QTest::newRow("strength of no listed drink")
        << false << u"100"_qs << u"13,5"_qs << u"0"_qs << true << u"22:00"_qs << u"свой"_qs;
    // A periodic-table pick reaches the calculator as a bare strength: taken as given, under
    // no joke's name.
    QTest::newRow("periodic table's Бордо 3%")
        << false << u"150"_qs << u"3"_qs << u"0"_qs << true << u"22:00"_qs << u"свой"_qs;
    QTest::newRow("no amount") << false << QString() << u"40"_qs << u"1"_qs << false << QString()
                               << QString();
    QTest::newRow("reverse mode: promille, not grams")
        << true << u"0,45"_qs << u"40"_qs << u"1"_qs << false << QString() << QString();
}

void TestForecastForm::handOverPlacesTheDrinkHoursBeforeNow() {
    QFETCH(bool, reverse);
    QFETCH(bool, hasDrink);
    CalculatorInputs in;
    in.reverse = reverse;
    QFETCH(QString, grams);
    in.grams = grams;
    QFETCH(QString, strength);
    in.strength = strength;
    QFETCH(QString, hours);
    in.hours = hours;
    in.mass = u" 80 "_qs;
    in.sex = Sex::Female;
    const CalculatorHandover out = handOver(in, Now);
    QCOMPARE(out.mass, u"80"_qs);
    QCOMPARE(out.sex, Sex::Female);
    QCOMPARE(out.drink.has_value(), hasDrink);
    if (!hasDrink)
        return;
    QTEST(out.drink->time, "time");
    QTEST(out.drink->drink, "drink");
    QCOMPARE(out.drink->grams, grams);
    QCOMPARE(out.drink->strength, strength);
    QCOMPARE(out.drink->date, hours == u"22,5"_qs ? QDate(2026, 12, 7) : QDate(2026, 12, 8));
}

void TestForecastForm::takeOverAddsOnlyANewDrinkAndTheBodyWhenAsked() {
    CalculatorHandover handover;
    handover.drink = goodForm().drinks[0];
    handover.mass = u"95"_qs;
    handover.sex = Sex::Female;
    handover.rate = u"0,2"_qs;
    handover.slowestRate = u"0,1"_qs;
    handover.fastestRate = u"0,2"_qs;

    Evening kept = goodForm(); // already holds that drink, and a body of its own
    QCOMPARE(takeOver(kept, handover, false), std::nullopt);
    QCOMPARE(kept, goodForm());

    handover.drink->time = u"21:30"_qs; // another drink
    QCOMPARE(takeOver(kept, handover, false), std::optional(1));
    QCOMPARE(kept.drinks.size(), 2);
    QCOMPARE(kept.mass, u"80"_qs);

    Evening fresh;
    QCOMPARE(takeOver(fresh, handover, true), std::optional(0));
    QCOMPARE(fresh.mass, u"95"_qs);
    QCOMPARE(fresh.sex, Sex::Female);
    QCOMPARE(fresh.rate, u"0,2"_qs);
    handover.mass.clear(); // what the calculator does not hold stays as it was
    handover.rate.clear();
    QCOMPARE(takeOver(fresh, handover, true), std::nullopt);
    QCOMPARE(fresh.mass, u"95"_qs);
    QCOMPARE(fresh.rate, u"0,2"_qs);
}

void TestForecastForm::handOverWidensTheBandAroundItsRate_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("slowest");
    QTest::addColumn<QString>("fastest");
    QTest::newRow("in the usual band") << u"0,13"_qs << u"0,1"_qs << u"0,16"_qs;
    QTest::newRow("faster than the band") << u"0,2"_qs << u"0,1"_qs << u"0,2"_qs;
    QTest::newRow("slower than the band") << u"0,05"_qs << u"0,05"_qs << u"0,16"_qs;
    QTest::newRow("0: not taken") << u"0"_qs << QString() << QString();
    QTest::newRow("not a number: not taken") << u"abc"_qs << QString() << QString();
}

void TestForecastForm::handOverWidensTheBandAroundItsRate() {
    QFETCH(QString, rate);
    CalculatorInputs in;
    in.rate = rate;
    const CalculatorHandover out = handOver(in, Now);
    QTEST(out.slowestRate, "slowest");
    QTEST(out.fastestRate, "fastest");
    // Whatever is taken over passes the window's own band check.
    if (!out.rate.isEmpty()) {
        Evening form = goodForm();
        form.slowestRate = out.slowestRate;
        form.rate = out.rate;
        form.fastestRate = out.fastestRate;
        QVERIFY(checkEvening(form, Now).ok());
    }
}

void TestForecastForm::oneBadFieldMeansNoForecast_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("time") << 0 << u"25:00"_qs;
    QTest::newRow("grams") << 1 << u"abc"_qs;
    QTest::newRow("strength") << 2 << u"0"_qs;
    QTest::newRow("duration") << 3 << u"1441"_qs;
    QTest::newRow("mass") << 4 << u"300,5"_qs;
    QTest::newRow("deficit") << 5 << u"-1"_qs;
    QTest::newRow("absorption") << 6 << u"1.0.0"_qs;
    QTest::newRow("planner") << 7 << u"8"_qs;
    QTest::newRow("central rate") << 8 << u"0,5001"_qs;
}

void TestForecastForm::oneBadFieldMeansNoForecast() {
    QFETCH(int, field);
    QFETCH(QString, text);
    Evening form = goodForm();
    form.drinks.append(form.drinks.first()); // the bad row is the second
    DrinkEntry& row = form.drinks[1];
    QString* targets[] = {&row.time,     &row.grams,       &row.strength, &row.duration, &form.mass,
                          &form.deficit, &form.absorption, &form.planned, &form.rate};
    *targets[field] = text;
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(!check.ok());
    QVERIFY(!check.forecast);
    const QString problems[] = {check.drinks[1].time,
                                check.drinks[1].grams,
                                check.drinks[1].strength,
                                check.drinks[1].duration,
                                check.mass,
                                check.deficit,
                                check.absorption,
                                check.planned,
                                check.rate};
    for (int i = 0; i < 9; ++i)
        QCOMPARE(problems[i].isEmpty(), i != field);
    QCOMPARE(check.badRows(), field < 4 ? QList<int>{1} : QList<int>{});
    QVERIFY(check.drinks[0].ok());
}

void TestForecastForm::goodFormGivesTheForecastOfItsDrinks() {
    Evening form = goodForm();
    form.planned.clear(); // no question asked is no problem
    EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    QVERIFY(!check.plannedTime);
    QCOMPARE(check.forecast->start(), QDateTime(QDate(2026, 12, 8), QTime(21, 0)));
    QVERIFY(qAbs(check.forecast->peak().level.central - 0.5837) < 0.0005);

    // Women and a deficit: the same form, read the same way, answers differently.
    form.sex = Sex::Female;
    form.deficit = u"10"_qs;
    form.planned = u"08:00"_qs;
    check = checkEvening(form, Now);
    QVERIFY(check.ok());
    QCOMPARE(check.plannedTime, QTime(8, 0));
    QVERIFY(qAbs(check.forecast->peak().level.central - 0.7217 * 0.9) < 0.0005);
}

void TestForecastForm::bodyFieldsCountOnlyForModelsThatUseThem_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("modelProblem");
    QTest::addColumn<QString>("heightProblem");
    QTest::addColumn<QString>("ageProblem");
    const QString heights = u"от 100 до 250"_qs;
    const QString ages = u"от 14 до 120"_qs;
    const QString beyond = u"вне пределов модели"_qs;
    QTest::newRow("Widmark reads neither")
        << u"widmark"_qs << u"80"_qs << u"abc"_qs << u"5"_qs << QString() << QString() << QString();
    QTest::newRow("Watson reads both")
        << u"watson"_qs << u"80"_qs << u"abc"_qs << u"5"_qs << QString() << u"не число"_qs << ages;
    QTest::newRow("Seidl reads height only")
        << u"seidl"_qs << u"80"_qs << u"99"_qs << u"5"_qs << QString() << heights << QString();
    QTest::newRow("Forrest reads height only")
        << u"forrest"_qs << u"80"_qs << u"250,5"_qs << u""_qs << QString() << heights << QString();
    QTest::newRow("all models read both")
        << u"all"_qs << u"80"_qs << u""_qs << u"121"_qs << QString() << u"введите число"_qs << ages;
    QTest::newRow("no such model") << u"ulrich"_qs << u"80"_qs << u"180"_qs << u"40"_qs
                                   << u"нет такой модели"_qs << QString() << QString();
    // 300 kg at 100 cm passes each field, but Forrest's r = 1,0178 − 0,012127 · 300 < 0.
    QTest::newRow("Forrest, build beyond it")
        << u"forrest"_qs << u"300"_qs << u"100"_qs << u"30"_qs << QString() << beyond << QString();
    QTest::newRow("all models, one beyond")
        << u"all"_qs << u"300"_qs << u"100"_qs << u"30"_qs << QString() << beyond << QString();
    QTest::newRow("Seidl, same build")
        << u"seidl"_qs << u"300"_qs << u"100"_qs << u"30"_qs << QString() << QString() << QString();
}

void TestForecastForm::bodyFieldsCountOnlyForModelsThatUseThem() {
    Evening form = goodForm();
    QFETCH(QString, model);
    form.model = model;
    QFETCH(QString, mass);
    form.mass = mass;
    QFETCH(QString, height);
    form.height = height;
    QFETCH(QString, age);
    form.age = age;
    const EveningCheck check = checkEvening(form, Now);
    QTEST(check.model, "modelProblem");
    QTEST(check.height, "heightProblem");
    QTEST(check.age, "ageProblem");
    const bool clean = check.model.isEmpty() && check.height.isEmpty() && check.age.isEmpty();
    QCOMPARE(check.ok(), clean);
    if (clean)
        QVERIFY(!check.forecast->isEmpty());
}

void TestForecastForm::formForecastFollowsTheChosenModel_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("central");
    QTest::addColumn<double>("highest");
    // The form's drink, 100 g of 40 % (A = 31,7536 g), for a man of 80 kg, 180 cm, 40 years;
    // taken at once, each curve of one model peaks at A / (r · W) on the drink's minute:
    //   Widmark 31,7536 / 54,4 = 0,5837059; Watson r = 44,8686 / 64, 0,5661616;
    //   Seidl r = 0,76416, 0,5194200; Forrest r = 0,7183679, 0,5525303.
    // Over all models the band runs from the lowest of them to the highest.
    QTest::newRow("Seidl") << u"seidl"_qs << 0.5194200 << 0.5194200 << 0.5194200;
    QTest::newRow("all: Seidl to Widmark, Widmark's centre")
        << u"all"_qs << 0.5194200 << 0.5837059 << 0.5837059;
}

void TestForecastForm::formForecastFollowsTheChosenModel() {
    Evening form = goodForm();
    QFETCH(QString, model);
    form.model = model;
    form.height = u"180"_qs;
    form.age = u"40"_qs;
    const EveningCheck check = checkEvening(form, Now);
    QVERIFY(check.ok());
    QCOMPARE(check.forecast->model(), model);
    QFETCH(double, lowest);
    QFETCH(double, central);
    QFETCH(double, highest);
    const LevelRange peak = check.forecast->peak().level;
    QCOMPARE_LE(qAbs(peak.lowest - lowest), 5e-8);
    QCOMPARE_LE(qAbs(peak.central - central), 5e-8);
    QCOMPARE_LE(qAbs(peak.highest - highest), 5e-8);
}

void TestForecastForm::limitFollowsCountryDriverAndOwnFigure_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<bool>("own");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("limit"); // negative: the form has a problem
    QTest::newRow("Russia") << u"RU"_qs << u"general"_qs << false << QString() << u"Россия"_qs
                            << 0.3;
    QTest::newRow("Germany, novice") << u"DE"_qs << u"novice"_qs << false << QString()
                                     << u"Германия, начинающий водитель"_qs << 0.0;
    QTest::newRow("USA, professional") << u"US"_qs << u"professional"_qs << false << QString()
                                       << u"США, профессиональный водитель"_qs << 0.4;
    QTest::newRow("unknown country: Russia")
        << u"XX"_qs << u"general"_qs << false << QString() << u"Россия"_qs << 0.3;
    QTest::newRow("own 0,25") << u"DE"_qs << u"novice"_qs << true << u"0,25"_qs << u"свой предел"_qs
                              << 0.25;
    QTest::newRow("own 0") << u"RU"_qs << u"general"_qs << true << u"0"_qs << u"свой предел"_qs
                           << 0.0;
    QTest::newRow("own beyond 1,5")
        << u"RU"_qs << u"general"_qs << true << u"1,6"_qs << u"свой предел"_qs << -1.0;
    QTest::newRow("own empty") << u"RU"_qs << u"general"_qs << true << QString()
                               << u"свой предел"_qs << -1.0;
}

void TestForecastForm::limitFollowsCountryDriverAndOwnFigure() {
    Evening form = goodForm();
    QFETCH(QString, country);
    QFETCH(QString, driver);
    QFETCH(bool, own);
    QFETCH(QString, figure);
    QFETCH(double, limit);
    form.country = country;
    form.driverClass = driver;
    form.ownLimit = own;
    form.customLimit = figure;
    const EveningCheck check = checkEvening(form, Now);
    QTEST(check.limit.country, "title");
    QCOMPARE(check.ok(), limit >= 0);
    QCOMPARE(check.customLimit.isEmpty(), limit >= 0);
    if (limit >= 0)
        QVERIFY(qAbs(check.limit.effectivePromille() - limit) < 1e-9);
}

void TestForecastForm::formSurvivesTheSavedEvening() {
    Evening form = goodForm();
    form.drinks.append(
        {QDate(2026, 12, 8), u"7:5"_qs, u"свой"_qs, u"abc"_qs, u"13,5"_qs, u"15"_qs});
    form.sex = Sex::Female;
    form.model = u"seidl"_qs;
    form.height = u"168"_qs;
    form.country = u"GB-SCT"_qs;
    form.driverClass = u"novice"_qs;
    const QDateTime now(QDate(2026, 12, 8), QTime(23, 0));
    const auto again = [&](const Evening& f) {
        const EveningRead read = readEvening(toJson(f), now);
        return read.evening;
    };
    QCOMPARE(again(form), form);
    QCOMPARE(again(form).drinks.size(), 2);

    // An own limit is kept by its figure; without one the country's limit comes back, and a
    // figure typed but not chosen is not kept.
    form.ownLimit = true;
    form.customLimit = u"0,2"_qs;
    QCOMPARE(again(form), form);
    form.customLimit.clear();
    QVERIFY(!again(form).ownLimit);
    QCOMPARE(again(form).country, u"GB-SCT"_qs);
    form.ownLimit = false;
    form.customLimit = u"0,3"_qs;
    QCOMPARE(again(form).customLimit, QString());
}

QTEST_GUILESS_MAIN(TestForecastForm)
#include "tst_forecastform.moc"
