#include "forecastoracle.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

// The forecast's curves: the calculator for one drink, drinks sharing one elimination, the
// band of rates and of models, and the moments it answers for.
class TestForecast : public QObject {
    Q_OBJECT

private slots:
    void matchesTheCalculator_data();
    void matchesTheCalculator();
    void drinksShareOneElimination_data();
    void drinksShareOneElimination();
    void absorptionAndDeficitShapeThePeak_data();
    void absorptionAndDeficitShapeThePeak();
    void sippingSlowerThanEliminationLeavesNoTrace();
    void bandIsOrderedAtEveryMinute_data();
    void bandIsOrderedAtEveryMinute();
    void crossesLimitsAtHandComputedTimes_data();
    void crossesLimitsAtHandComputedTimes();
    void plannerVerdicts_data();
    void plannerVerdicts();
    void allModelsBandByHand_data();
    void allModelsBandByHand();
    void allModelsBandHoldsEveryModel_data();
    void allModelsBandHoldsEveryModel();
};

void TestForecast::matchesTheCalculator_data() {
    QTest::addColumn<bool>("female");
    QTest::addColumn<double>("grams");
    QTest::addColumn<double>("strength");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("hours");
    // The first row is the calculator's worked case: 0,4537 ‰ after an hour, 0 after 4,49 h.
    QTest::newRow("men, 100 g of 40 %, 80 kg, 1 h") << false << 100.0 << 40.0 << 80.0 << 1.0;
    QTest::newRow("women, same drink") << true << 100.0 << 40.0 << 80.0 << 1.0;
    QTest::newRow("men, beer, 70 kg, half an hour") << false << 500.0 << 5.0 << 70.0 << 0.5;
    QTest::newRow("women, wine, 55 kg, 2 h 15 min") << true << 200.0 << 12.0 << 55.0 << 2.25;
    QTest::newRow("men, 120 kg, at the peak") << false << 50.0 << 40.0 << 120.0 << 0.0;
    QTest::newRow("women, past the zero time") << true << 330.0 << 4.5 << 60.0 << 6.0;
}

void TestForecast::matchesTheCalculator() {
    QFETCH(bool, female);
    QFETCH(double, grams);
    QFETCH(double, strength);
    QFETCH(double, mass);
    QFETCH(double, hours);
    const Person p{female ? Sex::Female : Sex::Male, mass};
    const Forecast f = Forecast::compute({drink(0, grams, strength)}, p);
    const LevelRange at = f.levelAt(evening(0).addMSecs(qRound64(hours * 3600 * 1000)));
    const auto sober = f.soberAt();
    QVERIFY(sober);
    // Each curve is the calculator at its own rate.
    const struct {
        double rate;
        double level;
        QDateTime zero;
    } curves[] = {{0.13, at.central, sober->central},
                  {0.16, at.lowest, sober->earliest},
                  {0.10, at.highest, sober->latest}};
    for (const auto& c : curves) {
        const ConcentrationResult expected = oracle(grams, strength, hours, c.rate, p);
        QCOMPARE_LE(qAbs(c.level - std::max(0.0, expected.blood.toDouble())), 0.0005);
        QCOMPARE_LE(qAbs(secondsFromEvening(c.zero) - expected.totalTime.toDouble() * 3600), 60.0);
    }
}

void TestForecast::drinksShareOneElimination_data() {
    QTest::addColumn<QList<Drink>>("drinks");
    QTest::addColumn<int>("probe");
    QTest::addColumn<double>("level");
    QTest::addColumn<int>("peakMinute");
    QTest::addColumn<double>("peak");
    QTest::addColumn<double>("zeroHours");
    // While the level stays above 0 the drinks add and one β acts on the sum: the level is the
    // first drink's calculator value plus the later drinks' peaks, and the zero time that of
    // all the ethanol taken at the first drink.
    QTest::newRow("two overlapping")
        << QList{drink(0, 100, 40), drink(60, 100, 40)} << 90
        << blood(100, 40, 1.5) + blood(100, 40, 0) << 60 << blood(100, 40, 1) + blood(100, 40, 0)
        << hoursToZero(200, 40);
    QTest::newRow("listed out of order")
        << QList{drink(60, 100, 40), drink(0, 100, 40)} << 90
        << blood(100, 40, 1.5) + blood(100, 40, 0) << 60 << blood(100, 40, 1) + blood(100, 40, 0)
        << hoursToZero(200, 40);
    // 100·40 + 500·5 + 50·40 = 8500 = 212,5 g of 40 %.
    QTest::newRow("three overlapping")
        << QList{drink(0, 100, 40), drink(30, 500, 5), drink(90, 50, 40)} << 120
        << blood(100, 40, 2) + blood(500, 5, 0) + blood(50, 40, 0) << 90
        << blood(100, 40, 1.5) + blood(500, 5, 0) + blood(50, 40, 0) << hoursToZero(212.5, 40);
    // The first drink is gone at 00:29; the one at 02:00 behaves as if alone, no elimination
    // is saved up during the sober gap.
    QTest::newRow("separated by a sober gap")
        << QList{drink(0, 100, 40), drink(360, 150, 40)} << 420 << blood(150, 40, 1) << 360
        << blood(150, 40, 0) << 6 + hoursToZero(150, 40);
}

void TestForecast::drinksShareOneElimination() {
    QFETCH(QList<Drink>, drinks);
    QFETCH(int, probe);
    QFETCH(double, level);
    QFETCH(int, peakMinute);
    QFETCH(double, peak);
    QFETCH(double, zeroHours);
    const Forecast f = Forecast::compute(drinks, man);
    QCOMPARE_LE(qAbs(f.levelAt(evening(probe)).central - level), 0.001);
    QCOMPARE_LE(qAbs(f.peak().level.central - peak), 0.001);
    QCOMPARE(f.peak().time.central, evening(peakMinute));
    QCOMPARE_LE(qAbs(secondsFromEvening(f.soberAt()->central) - zeroHours * 3600), 60.0);
}

void TestForecast::absorptionAndDeficitShapeThePeak_data() {
    QTest::addColumn<double>("deficit");
    QTest::addColumn<double>("absorption");
    QTest::addColumn<double>("duration");
    QTest::newRow("at once") << 0.0 << 0.0 << 0.0;
    QTest::newRow("deficit 20 %") << 0.2 << 0.0 << 0.0;
    QTest::newRow("absorbed over an hour") << 0.0 << 60.0 << 0.0;
    QTest::newRow("drunk over 30 min, absorbed over 45") << 0.0 << 45.0 << 30.0;
    QTest::newRow("deficit 10 %, absorbed over 90 min") << 0.1 << 90.0 << 0.0;
    QTest::newRow("absorbed over 3 h") << 0.0 << 180.0 << 0.0;
}

void TestForecast::absorptionAndDeficitShapeThePeak() {
    QFETCH(double, deficit);
    QFETCH(double, absorption);
    QFETCH(double, duration);
    ForecastParams params;
    params.deficit = deficit;
    params.absorptionMinutes = absorption;
    const Forecast f =
        Forecast::compute({drink(0, 100, 40, duration)}, man, BodyModel::widmark(), params);
    const double reaching = (1 - deficit) * blood(100, 40, 0);
    const double span = absorption + duration;
    // Here the inflow (≥ 0,53 ‰ over ≤ 3 h) outpaces β, so the level rises until the input
    // ends and has lost β over that span by then: lower and later than a drink taken at once.
    QCOMPARE_LE(qAbs(f.peak().level.central - (reaching - 0.13 * span / 60)), 0.0005);
    QCOMPARE(f.peak().time.central, evening(0).addSecs(qRound64(span * 60)));
    // The zero time does not move: the level never touches 0 while ethanol still arrives, so
    // elimination runs at full β the whole time and has removed β·t by any time t however the
    // input was spread; the level is 0 once β·t equals all that entered.
    QCOMPARE_LE(qAbs(secondsFromEvening(f.soberAt()->central) - reaching / 0.13 * 3600), 60.0);
}

void TestForecast::sippingSlowerThanEliminationLeavesNoTrace() {
    // 0,58 ‰ spread over 10 h is 0,058 ‰/h, below even the slowest β: nothing accumulates.
    const Forecast f = Forecast::compute({drink(0, 100, 40, 600)}, man);
    QVERIFY(!f.isEmpty());
    QCOMPARE(f.peak().level.highest, 0.0);
    QVERIFY(!f.soberAt());
}

void TestForecast::bandIsOrderedAtEveryMinute_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 1000u, 65537u, 2024u})
        QTest::addRow("evening %u", seed) << seed;
}

void TestForecast::bandIsOrderedAtEveryMinute() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QList<Drink> drinks;
    for (int i = 0, n = 1 + random.bounded(6); i < n; ++i)
        drinks << drink(random.bounded(600), 20 + random.bounded(980.0), 4 + random.bounded(56.0),
                        random.bounded(2) ? random.bounded(120.0) : 0);
    double rates[3] = {0.05 + random.bounded(0.25), 0.05 + random.bounded(0.25),
                       0.05 + random.bounded(0.25)};
    std::ranges::sort(rates);
    const ForecastParams params{rates[1], rates[0], rates[2], random.bounded(0.3),
                                random.bounded(2) ? random.bounded(180.0) : 0};
    const Person p{random.bounded(2) ? Sex::Female : Sex::Male, 45 + random.bounded(80.0)};
    const Forecast f = Forecast::compute(drinks, p, BodyModel::widmark(), params);

    QCOMPARE(f.slowCurve().size(), f.pointCount());
    QCOMPARE(f.fastCurve().size(), f.pointCount());
    for (qsizetype m = 0; m < f.pointCount(); ++m) {
        QCOMPARE_GE(f.fastCurve()[m], 0.0);
        QCOMPARE_LE(f.fastCurve()[m], f.centralCurve()[m]);
        QCOMPARE_LE(f.centralCurve()[m], f.slowCurve()[m]);
    }
    // Every curve ends at 0, unless the grid was cut at the horizon.
    if (f.slowCurve().back() > 0) {
        const auto last = std::ranges::max(drinks, {}, &Drink::start).start;
        QCOMPARE(f.end(), last.addSecs(72 * 3600));
    }
    const Peak peak = f.peak();
    QVERIFY(peak.level.lowest <= peak.level.central && peak.level.central <= peak.level.highest);
    QVERIFY(peak.time.earliest <= peak.time.central && peak.time.central <= peak.time.latest);
    for (double limit : {0.0, 0.2, 0.5, 0.8}) {
        if (const auto t = f.fallsTo(limit))
            QVERIFY(t->earliest <= t->central && t->central <= t->latest);
    }
}

void TestForecast::crossesLimitsAtHandComputedTimes_data() {
    QTest::addColumn<double>("limit");
    QTest::addColumn<bool>("exceeded");
    QTest::addColumn<double>("central");
    QTest::addColumn<double>("earliest");
    QTest::addColumn<double>("latest");
    // 100 g of 40 %, men, 80 kg, at 20:00: A = 100 · 0,4 · 0,79384 = 31,7536 g,
    // peak = 31,7536 / (0,68 · 80) = 0,583706 ‰. Seconds after 20:00 = (peak − limit) / β · 3600:
    //   0,5: 0,083706 / 0,13 = 0,643891 h → 2318,0 s; / 0,16 → 1883,4 s; / 0,10 → 3013,4 s
    //   0,3: 0,283706 / 0,13 = 2,182353 h → 7856,5 s; / 0,16 → 6383,4 s; / 0,10 → 10213,4 s
    //   0:   0,583706 / 0,13 = 4,490045 h → 16164,2 s; / 0,16 → 13133,4 s; / 0,10 → 21013,4 s
    QTest::newRow("0,5") << 0.5 << true << 2318.0 << 1883.4 << 3013.4;
    QTest::newRow("0,3") << 0.3 << true << 7856.5 << 6383.4 << 10213.4;
    QTest::newRow("sober") << 0.0 << true << 16164.2 << 13133.4 << 21013.4;
    QTest::newRow("above the peak: never exceeded") << 0.6 << false << 0.0 << 0.0 << 0.0;
}

void TestForecast::crossesLimitsAtHandComputedTimes() {
    QFETCH(double, limit);
    QFETCH(bool, exceeded);
    QFETCH(double, central);
    QFETCH(double, earliest);
    QFETCH(double, latest);
    const auto t = Forecast::compute({drink(0, 100, 40)}, man).fallsTo(limit);
    QCOMPARE(t.has_value(), exceeded);
    if (!t)
        return;
    QCOMPARE_LE(qAbs(evening(0).msecsTo(t->central) / 1000.0 - central), 1.0);
    QCOMPARE_LE(qAbs(evening(0).msecsTo(t->earliest) / 1000.0 - earliest), 1.0);
    QCOMPARE_LE(qAbs(evening(0).msecsTo(t->latest) / 1000.0 - latest), 1.0);
}

void TestForecast::plannerVerdicts_data() {
    QTest::addColumn<double>("limit");
    QTest::addColumn<QTime>("clock");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("minutes");
    // 0,583706 ‰ at 20:00 (as above), limit 0,3: the fast curve (0,16) is at or below it from
    // 21:46:23, the slow one (0,10) from 22:50:13.
    QTest::newRow("at the drink") << 0.3 << QTime(20, 0) << Verdict::Above << 0;
    QTest::newRow("21:46: above even when fast") << 0.3 << QTime(21, 46) << Verdict::Above << 106;
    QTest::newRow("21:47") << 0.3 << QTime(21, 47) << Verdict::Uncertain << 107;
    QTest::newRow("22:50: slow still above") << 0.3 << QTime(22, 50) << Verdict::Uncertain << 170;
    QTest::newRow("22:51") << 0.3 << QTime(22, 51) << Verdict::Below << 171;
    QTest::newRow("08:00 is the next morning") << 0.3 << QTime(8, 0) << Verdict::Below << 720;
    QTest::newRow("19:59 is the next evening") << 0.3 << QTime(19, 59) << Verdict::Below << 1439;
    // A limit of 0 ‰: sober means exactly 0, which the fast curve reaches at 23:38:53 and the
    // slow one at 01:50:13.
    QTest::newRow("0 ‰, 23:38: above even when fast")
        << 0.0 << QTime(23, 38) << Verdict::Above << 218;
    QTest::newRow("0 ‰, 23:39: sober only when fast")
        << 0.0 << QTime(23, 39) << Verdict::Uncertain << 219;
    QTest::newRow("0 ‰, 01:50: slow still above")
        << 0.0 << QTime(1, 50) << Verdict::Uncertain << 350;
    QTest::newRow("0 ‰, 01:51: sober") << 0.0 << QTime(1, 51) << Verdict::Below << 351;
    QTest::newRow("0 ‰, 08:00: long sober") << 0.0 << QTime(8, 0) << Verdict::Below << 720;
}

void TestForecast::plannerVerdicts() {
    QFETCH(double, limit);
    QFETCH(QTime, clock);
    QFETCH(int, minutes);
    const PlannedCheck check = Forecast::compute({drink(0, 100, 40)}, man).check(clock, limit);
    QCOMPARE(check.moment, evening(minutes));
    QTEST(check.verdict, "verdict");
}

void TestForecast::allModelsBandByHand_data() {
    QTest::addColumn<Person>("person");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("central");
    QTest::addColumn<double>("highest");
    QTest::addColumn<double>("earliest");
    QTest::addColumn<double>("latest");
    // 100 g of 40 % at 20:00, A = 31,7536 g; every model's peak is A / (r · W) at 20:00, and
    // each curve falls from it at its own β. The central curve stays Widmark's, the calculator.
    // Man, 80 kg, 180 cm, 40 years: Seidl (r 0,76416) is lowest at 0,5194200, Widmark highest
    // at 0,5837059. Zero at 0,5837059 / 0,13 h = 16164,2 s, 0,5194200 / 0,16 h = 11686,95 s,
    // 0,5837059 / 0,10 h = 21013,4 s.
    QTest::newRow("man, Widmark highest") << Person{Sex::Male, 80, 180, 40} << 0.5194200
                                          << 0.5837059 << 0.5837059 << 11686.95 << 21013.4;
    // Woman, 60 kg, 165 cm, 30 years: Seidl 0,7990016 lowest, Widmark 0,9622303 highest.
    // 0,7990016 / 0,16 h = 17977,5 s; 0,9622303 / 0,10 h = 34640,3 s.
    QTest::newRow("woman, Widmark highest") << Person{Sex::Female, 60, 165, 30} << 0.7990016
                                            << 0.9622303 << 0.9622303 << 17977.5 << 34640.3;
    // Man, 120 kg, 165 cm, 30 years: Widmark 31,7536 / 81,6 = 0,3891373 is now the lowest;
    // Forrest: BMI 44,077135, r = 1,0178 − 0,534523 = 0,4832766, 31,7536 / 57,99319 = 0,5475402
    // the highest (Seidl 0,50184 is held at 0,60: 0,4410222; Watson 57,6572 / 96: 0,4405847).
    // 0,3891373 / 0,16 h = 8755,6 s; 0,5475402 / 0,10 h = 19711,4 s.
    QTest::newRow("short heavy man, Forrest highest")
        << Person{Sex::Male, 120, 165, 30} << 0.3891373 << 0.3891373 << 0.5475402 << 8755.6
        << 19711.4;
}

void TestForecast::allModelsBandByHand() {
    QFETCH(Person, person);
    QFETCH(double, lowest);
    QFETCH(double, central);
    QFETCH(double, highest);
    QFETCH(double, earliest);
    QFETCH(double, latest);
    const Forecast all = Forecast::computeAllModels({drink(0, 100, 40)}, person);
    const Forecast widmark = Forecast::compute({drink(0, 100, 40)}, person);
    const Peak peak = all.peak();
    QCOMPARE_LE(qAbs(peak.level.lowest - lowest), 5e-8);
    QCOMPARE_LE(qAbs(peak.level.central - central), 5e-8);
    QCOMPARE_LE(qAbs(peak.level.highest - highest), 5e-8);
    const auto sober = all.soberAt();
    QVERIFY(sober);
    QCOMPARE(sober->central, widmark.soberAt()->central);
    QCOMPARE_LE(qAbs(evening(0).msecsTo(sober->earliest) / 1000.0 - earliest), 0.1);
    QCOMPARE_LE(qAbs(evening(0).msecsTo(sober->latest) / 1000.0 - latest), 0.1);
    // Half way down, the band still spans the models exactly.
    const LevelRange at = all.levelAt(evening(0).addSecs(qRound64(earliest / 2)));
    QCOMPARE_LE(qAbs(at.lowest - peak.level.lowest / 2), 1e-4);
    QCOMPARE(at.central, widmark.levelAt(evening(0).addSecs(qRound64(earliest / 2))).central);
}

void TestForecast::allModelsBandHoldsEveryModel_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {3u, 11u, 99u, 4096u, 31337u})
        QTest::addRow("evening %u", seed) << seed;
}

void TestForecast::allModelsBandHoldsEveryModel() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    // UTC keeps the many probes below free of time-zone lookups.
    const QDateTime utcEvening(QDate(2024, 12, 8), QTime(20, 0), Qt::UTC);
    QList<Drink> drinks;
    for (int i = 0, n = 1 + random.bounded(5); i < n; ++i)
        drinks << Drink{utcEvening.addSecs(60 * random.bounded(480)), 50 + random.bounded(500.0),
                        4 + random.bounded(40.0), random.bounded(2) ? random.bounded(90.0) : 0};
    const ForecastParams params{0.14, 0.09, 0.2, random.bounded(0.3),
                                random.bounded(2) ? random.bounded(120.0) : 0};
    // Light and tall to short and heavy, so the models change places.
    const Person p{random.bounded(2) ? Sex::Female : Sex::Male, 50 + random.bounded(80.0),
                   150 + random.bounded(50.0), 18 + random.bounded(60.0)};
    const Forecast all = Forecast::computeAllModels(drinks, p, params);
    QVERIFY(!all.isEmpty());
    QCOMPARE(all.model(), Forecast::AllModels);

    const Forecast widmark = Forecast::compute(drinks, p, BodyModel::widmark(), params);
    for (qsizetype m = 0; m < all.pointCount(); ++m) {
        QCOMPARE(all.centralCurve()[m], m < widmark.pointCount() ? widmark.centralCurve()[m] : 0.0);
        QCOMPARE_LE(all.fastCurve()[m], all.centralCurve()[m]);
        QCOMPARE_LE(all.centralCurve()[m], all.slowCurve()[m]);
    }
    for (const BodyModel& model : BodyModel::all()) {
        const Forecast one = Forecast::compute(drinks, p, model, params);
        QCOMPARE_LE(one.pointCount(), all.pointCount());
        // Between minutes too, and on past the end where only elimination remains.
        for (qsizetype m = 0; m < all.pointCount() + 60; ++m) {
            for (int ms : {0, 15000, 30000, 59990}) {
                const QDateTime t = all.timeAt(m).addMSecs(ms);
                const LevelRange band = all.levelAt(t);
                const LevelRange own = one.levelAt(t);
                QCOMPARE_LE(band.lowest, own.lowest + 1e-12);
                QCOMPARE_GE(band.highest + 1e-12, own.highest);
            }
        }
        QCOMPARE_LE(all.peak().level.lowest, one.peak().level.lowest);
        QCOMPARE_GE(all.peak().level.highest, one.peak().level.highest);
        for (double limit : {0.0, 0.2, 0.5, 0.8}) {
            const auto own = one.fallsTo(limit);
            const auto band = all.fallsTo(limit);
            if (!own)
                continue;
            QVERIFY(band);
            QCOMPARE_LE(own->earliest.msecsTo(band->earliest), 1);
            QCOMPARE_GE(own->latest.msecsTo(band->latest), -1);
        }
    }
}

QTEST_APPLESS_MAIN(TestForecast)
#include "tst_forecast.moc"
