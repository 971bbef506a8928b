#include "forecastoracle.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <limits>

// The forecast at the edges of what it takes: the horizon, impossible and far-off input, the
// longest span, the body mass held in range, and drinks on the minute grid.
class TestForecastBounds : public QObject {
    Q_OBJECT

private slots:
    void stopsAtTheHorizon_data();
    void stopsAtTheHorizon();
    void impossibleInputNeitherCrashesNorLoops_data();
    void impossibleInputNeitherCrashesNorLoops();
    void farDatesAnswerAtOnce_data();
    void farDatesAnswerAtOnce();
    void spanOfFourteenDaysIsTheMost_data();
    void spanOfFourteenDaysIsTheMost();
    void bodyMassIsClampedNotRefused_data();
    void bodyMassIsClampedNotRefused();
    void drinksStartOnTheMinute_data();
    void drinksStartOnTheMinute();
    void drinkShorterThanAMinuteArrivesWhole_data();
    void drinkShorterThanAMinuteArrivesWhole();
    void impossibleReadingsAreLeftOut_data();
    void impossibleReadingsAreLeftOut();
};

void TestForecastBounds::stopsAtTheHorizon_data() {
    QTest::addColumn<QList<Drink>>("drinks");
    QTest::addColumn<int>("lastStart");
    QTest::addColumn<double>("zeroHours");
    const Person small{Sex::Female, 20};
    // 5000 g of 100 % for 20 kg is about 360 ‰, some 2800 h of elimination.
    QTest::newRow("one drink") << QList{drink(0, 5000, 100)} << 0 << hoursToZero(5000, 100, small);
    QTest::newRow("counted from the last drink")
        << QList{drink(0, 5000, 100), drink(600, 5000, 100)} << 600
        << hoursToZero(10000, 100, small);
}

void TestForecastBounds::stopsAtTheHorizon() {
    QFETCH(QList<Drink>, drinks);
    QFETCH(int, lastStart);
    QFETCH(double, zeroHours);
    const Forecast f = Forecast::compute(drinks, Person{Sex::Female, 20});
    QVERIFY(f.reachesHorizon());
    QCOMPARE(f.end(), evening(lastStart).addSecs(72 * 3600));
    QCOMPARE(f.pointCount(), lastStart + 72 * 60 + 1);
    QCOMPARE_GT(f.centralCurve().back(), 0.0);
    // Past the grid only elimination remains, so the zero time still follows the calculator.
    QCOMPARE_LE(qAbs(secondsFromEvening(f.soberAt()->central) - zeroHours * 3600), 60.0);
}

void TestForecastBounds::impossibleInputNeitherCrashesNorLoops_data() {
    QTest::addColumn<QList<Drink>>("drinks");
    QTest::addColumn<double>("mass");
    QTest::addColumn<ForecastParams>("params");
    QTest::addColumn<bool>("empty");
    const ForecastParams usual;
    QTest::newRow("no drinks") << QList<Drink>() << 80.0 << usual << true;
    QTest::newRow("mass not a number") << QList{drink(0, 100, 40)} << Nan << usual << true;
    QTest::newRow("no start") << QList{Drink{QDateTime(), 100, 40}} << 80.0 << usual << true;
    QTest::newRow("grams not a number") << QList{drink(0, Nan, 40)} << 80.0 << usual << true;
    QTest::newRow("a month apart")
        << QList{drink(0, 100, 40), drink(30 * 24 * 60, 100, 40)} << 80.0 << usual << true;
    QTest::newRow("endless drink and mass")
        << QList{drink(0, Inf, Inf, Inf)} << Inf << usual << false;
    QTest::newRow("negative drink") << QList{drink(0, -100, 40, -5)} << 1.0 << usual << false;
    QTest::newRow("rates 0") << QList{drink(0, 100, 40)} << 80.0 << ForecastParams{0, 0, 0, 0, 0}
                             << false;
    QTest::newRow("parameters not numbers or out of range")
        << QList{drink(0, 100, 40)} << 80.0 << ForecastParams{Nan, -1, Inf, -0.5, 1e9} << false;
}

void TestForecastBounds::impossibleInputNeitherCrashesNorLoops() {
    QFETCH(QList<Drink>, drinks);
    QFETCH(double, mass);
    QFETCH(ForecastParams, params);
    const Forecast f =
        Forecast::compute(drinks, Person{Sex::Male, mass}, BodyModel::widmark(), params);
    QTEST(f.isEmpty(), "empty");
    QCOMPARE_LE(f.pointCount(), 72 * 60 + 1);
    for (double level : f.slowCurve())
        QVERIFY(std::isfinite(level) && level >= 0);
    if (const auto sober = f.soberAt())
        QVERIFY(sober->central.isValid() && sober->latest.isValid());
    if (f.isEmpty()) {
        QCOMPARE(f.levelAt(evening(60)).highest, 0.0);
        QCOMPARE(f.check(QTime(8, 0), 0.3).verdict, Verdict::Below);
    }
}

void TestForecastBounds::farDatesAnswerAtOnce_data() {
    QTest::addColumn<QList<Drink>>("drinks");
    QTest::addColumn<bool>("empty");
    const auto at = [](const QDateTime& t) { return Drink{t, 100, 40}; };
    const QDateTime y9999(QDate(9999, 9, 9), QTime(21, 0));
    const QDateTime y2026(QDate(2026, 3, 1), QTime(21, 0));
    const QDateTime first =
        QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::min(), Qt::UTC);
    const QDateTime last =
        QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max(), Qt::UTC);
    QTest::newRow("09.09.9999") << QList{at(y9999)} << false;
    QTest::newRow("4000") << QList{at(QDateTime(QDate(4000, 1, 1), QTime(20, 0)))} << false;
    QTest::newRow("7000, in UTC") << QList{at(QDateTime(QDate(7000, 1, 1), QTime(20, 0), Qt::UTC))}
                                  << false;
    QTest::newRow("2026 and 9999") << QList{at(y2026), at(y9999)} << true;
    QTest::newRow("9999 and 2026, two hours each")
        << QList{Drink{y9999, 500, 5, 120}, Drink{y2026, 500, 5, 120}} << true;
    // The grid and its answers must be moments QDateTime can hold.
    QTest::newRow("the last moment QDateTime holds") << QList{at(last)} << true;
    QTest::newRow("the first moment QDateTime holds") << QList{at(first)} << true;
    QTest::newRow("both ends of QDateTime") << QList{at(first), at(last)} << true;
    QTest::newRow("2026 and the last moment") << QList{at(y2026), at(last)} << true;
    QTest::newRow("near both ends of QDateTime")
        << QList{at(first.addDays(30)), at(last.addDays(-1))} << true;
    // Before the first whole minute there is no minute to start a grid on: left out.
    QTest::newRow("2026 and the first moment") << QList{at(y2026), at(first)} << false;
}

void TestForecastBounds::farDatesAnswerAtOnce() {
    QFETCH(QList<Drink>, drinks);
    QFETCH(bool, empty);
    QList<QDateTime> probes{QDateTime(QDate(2026, 3, 1), QTime(23, 0)),
                            QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::min()),
                            QDateTime::fromMSecsSinceEpoch(std::numeric_limits<qint64>::max())};
    for (const Drink& d : drinks)
        probes << d.start << d.start.addSecs(3600);
    const qsizetype mostPoints =
        qsizetype(Forecast::MaxSpanDays) * 24 * 60 + Forecast::HorizonHours * 60 + 1;

    QElapsedTimer timer;
    timer.start();
    for (const Forecast& f :
         {Forecast::compute(drinks, man), Forecast::computeAllModels(drinks, man)}) {
        QCOMPARE(f.isEmpty(), empty);
        QCOMPARE_LE(f.pointCount(), mostPoints);
        const Peak peak = f.peak();
        const auto sober = f.soberAt();
        const auto under = f.fallsTo(0.5);
        for (const QDateTime& probe : probes) {
            const LevelRange level = f.levelAt(probe);
            const PlannedCheck check = f.check(probe.time(), 0.3);
            QVERIFY(std::isfinite(level.highest) && level.lowest <= level.highest);
            if (empty) {
                QCOMPARE(level.highest, 0.0);
                QCOMPARE(check.verdict, Verdict::Below);
            }
        }
        if (empty) {
            QVERIFY(!sober && !under);
            continue;
        }
        const QDateTime start = drinks.front().start;
        QCOMPARE(f.start(), start);
        QVERIFY(f.end().isValid());
        QCOMPARE(peak.time.central, start);
        QCOMPARE(f.levelAt(start).central, peak.level.central);
        QCOMPARE_GT(peak.level.central, 0.5);
        QVERIFY(sober && under);
        QVERIFY(start < under->earliest && under->latest < sober->latest);
        QCOMPARE(f.check(start.time(), 0.3).verdict, Verdict::Above);
        QCOMPARE(f.check(sober->latest.addSecs(60).time(), 0).verdict, Verdict::Below);
    }
    QCOMPARE_LT(timer.elapsed(), 1000);
}

void TestForecastBounds::spanOfFourteenDaysIsTheMost_data() {
    QTest::addColumn<qint64>("lastSeconds");
    QTest::addColumn<bool>("empty");
    const qint64 days = Forecast::MaxSpanDays * 24 * 3600;
    QTest::newRow("a minute short of it") << days - 60 << false;
    QTest::newRow("exactly 14 days") << days << false;
    QTest::newRow("59 s more: the same minute") << days + 59 << false;
    QTest::newRow("a minute more") << days + 60 << true;
}

void TestForecastBounds::spanOfFourteenDaysIsTheMost() {
    QFETCH(qint64, lastSeconds);
    QFETCH(bool, empty);
    const QDateTime last = evening(0).addSecs(lastSeconds);
    const Forecast f = Forecast::compute({drink(0, 100, 40), Drink{last, 100, 40}}, man);
    QCOMPARE(f.isEmpty(), empty);
    if (empty)
        return;
    QCOMPARE(f.start(), evening(0));
    // The later drink counts too, from its minute: a second peak as high as the first.
    const QDateTime taken = evening(0).addSecs(lastSeconds / 60 * 60);
    QCOMPARE_LE(qAbs(f.levelAt(taken).central - f.peak().level.central), 1e-12);
    QCOMPARE_GT(f.end(), last);
}

void TestForecastBounds::bodyMassIsClampedNotRefused_data() {
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("bound");
    QTest::newRow("0 kg") << 0.0 << Forecast::MinBodyMassKg;
    QTest::newRow("negative") << -70.0 << Forecast::MinBodyMassKg;
    QTest::newRow("minus infinity") << -Inf << Forecast::MinBodyMassKg;
    QTest::newRow("below the least") << 5.0 << Forecast::MinBodyMassKg;
    QTest::newRow("above the most") << 1e9 << Forecast::MaxBodyMassKg;
}

void TestForecastBounds::bodyMassIsClampedNotRefused() {
    QFETCH(double, mass);
    QFETCH(double, bound);
    const QList drinks{drink(0, 100, 40), drink(90, 500, 5, 30)};
    const Forecast f = Forecast::compute(drinks, Person{Sex::Female, mass});
    const Forecast clamped = Forecast::compute(drinks, Person{Sex::Female, bound});
    QVERIFY(!f.isEmpty());
    for (const QList<double>& curve : {f.centralCurve(), f.slowCurve(), f.fastCurve()}) {
        for (const double level : curve)
            QVERIFY(std::isfinite(level));
    }
    QCOMPARE(f.centralCurve(), clamped.centralCurve());
    QCOMPARE(f.slowCurve(), clamped.slowCurve());
    QCOMPARE(f.fastCurve(), clamped.fastCurve());
}

void TestForecastBounds::drinksStartOnTheMinute_data() {
    QTest::addColumn<QTime>("first");
    QTest::addColumn<QTime>("second"); // invalid: none
    QTest::addColumn<int>("secondMinute");
    QTest::newRow("21:00:45") << QTime(21, 0, 45) << QTime() << 0;
    QTest::newRow("a millisecond before 21:01") << QTime(21, 0, 59, 999) << QTime() << 0;
    QTest::newRow("half a second past 21:00") << QTime(21, 0, 0, 500) << QTime() << 0;
    QTest::newRow("both cut") << QTime(21, 0, 45) << QTime(21, 30, 10) << 30;
    QTest::newRow("the later one cut") << QTime(21, 0) << QTime(21, 30, 59) << 30;
}

void TestForecastBounds::drinksStartOnTheMinute() {
    QFETCH(QTime, first);
    QFETCH(QTime, second);
    QFETCH(int, secondMinute);
    const QDate date(2024, 12, 8);
    const QDateTime minute(date, QTime(21, 0));
    QList<Drink> drinks{{QDateTime(date, first), 100, 40}};
    QList<Drink> onTheMinute{{minute, 100, 40}};
    if (second.isValid()) {
        drinks.append({QDateTime(date, second), 50, 40});
        onTheMinute.append({minute.addSecs(60 * secondMinute), 50, 40});
    }
    const Forecast f = Forecast::compute(drinks, man);
    QCOMPARE(f.start(), minute);
    // The whole dose at minute 0, then each curve falls at its own rate.
    QCOMPARE(f.centralCurve(), Forecast::compute(onTheMinute, man).centralCurve());
    QCOMPARE_LE(qAbs(f.centralCurve()[0] - blood(100, 40, 0)), 0.0005);
    QCOMPARE_LE(qAbs(f.levelAt(minute.addSecs(30)).central - (f.centralCurve()[0] - 0.13 / 120)),
                1e-12);
}

void TestForecastBounds::drinkShorterThanAMinuteArrivesWhole_data() {
    QTest::addColumn<double>("duration");
    QTest::newRow("a hundredth of a minute") << 0.01;
    QTest::newRow("a quarter minute") << 0.25;
    QTest::newRow("half a minute") << 0.5;
    QTest::newRow("just under a minute") << 0.99;
    QTest::newRow("a minute and a half") << 1.5;
}

void TestForecastBounds::drinkShorterThanAMinuteArrivesWhole() {
    QFETCH(double, duration);
    const Forecast spread = Forecast::compute({drink(0, 100, 40, duration)}, man);
    const Forecast instant = Forecast::compute({drink(0, 100, 40)}, man);
    // Nothing has arrived at its start; once it is drunk the level is the instant drink's, as
    // β has acted on the whole dose either way.
    QCOMPARE(spread.centralCurve()[0], 0.0);
    const auto drunk = qsizetype(std::ceil(duration));
    QCOMPARE(spread.pointCount(), instant.pointCount());
    for (qsizetype m = drunk; m < spread.pointCount(); ++m) {
        QCOMPARE_LE(qAbs(spread.centralCurve()[m] - instant.centralCurve()[m]), 1e-12);
        QCOMPARE_LE(qAbs(spread.slowCurve()[m] - instant.slowCurve()[m]), 1e-12);
        QCOMPARE_LE(qAbs(spread.fastCurve()[m] - instant.fastCurve()[m]), 1e-12);
    }
    QCOMPARE_LE(qAbs(spread.soberAt()->latest.msecsTo(instant.soberAt()->latest)), 1);
}

QTEST_APPLESS_MAIN(TestForecastBounds)
#include "tst_forecastbounds.moc"

void TestForecastBounds::impossibleReadingsAreLeftOut_data() {
    QTest::addColumn<Measurement>("reading");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("anchored");
    const auto blood = [](int minutes, double value) {
        return Measurement{evening(minutes), value, Measurement::Kind::Blood};
    };
    QTest::newRow("an hour after") << blood(60, 0.5) << false << true;
    QTest::newRow("not a number") << blood(60, Nan) << false << false;
    QTest::newRow("below zero") << blood(60, -0.2) << false << false;
    QTest::newRow("endless: held to a level") << blood(60, Inf) << false << true;
    QTest::newRow("no time") << Measurement{QDateTime(), 0.5, Measurement::Kind::Blood} << false
                             << false;
    QTest::newRow("before the first drink") << blood(-1, 0.5) << false << false;
    QTest::newRow("a month after") << blood(30 * 24 * 60, 0.5) << true << false;
}

void TestForecastBounds::impossibleReadingsAreLeftOut() {
    QFETCH(Measurement, reading);
    const Forecast f =
        Forecast::compute({drink(0, 100, 40)}, man, BodyModel::widmark(), {}, {{reading}, {}});
    QTEST(f.isEmpty(), "empty");
    QTEST(f.anchoredFrom().isValid(), "anchored");
    for (double level : f.slowCurve())
        QVERIFY(std::isfinite(level) && level >= 0);
    QCOMPARE_LE(f.pointCount(), 72 * 60 + 61);
}
