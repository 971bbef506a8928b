#include "forecast/forecast.h"

#include <QSet>
#include <QTest>

#include <limits>

namespace {
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// 100 g of 40 % at once: A = 100 · 0,4 · 0,79384 = 31,7536 g; its peak is A / (r · W).
const QList<Drink> vodka{Drink{QDateTime(QDate(2024, 12, 8), QTime(20, 0)), 100, 40}};

Forecast forecastWith(const QString& key, const Person& person) {
    if (key == Forecast::AllModels)
        return Forecast::computeAllModels(vodka, person);
    return Forecast::compute(vodka, person, *BodyModel::byKey(key));
}
} // namespace

class TestBodyModel : public QObject {
    Q_OBJECT

private slots:
    void factorsAndPeaksByHand_data();
    void factorsAndPeaksByHand();
    void everyModelIsFoundByItsKey();
    void unusableBodyGivesAnEmptyForecast_data();
    void unusableBodyGivesAnEmptyForecast();
};

void TestBodyModel::factorsAndPeaksByHand_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<Person>("person");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("peak");
    const Person man{Sex::Male, 80, 180, 40};
    const Person woman{Sex::Female, 60, 165, 30};
    // Man, 80 kg, 180 cm, 40 years.
    //   Widmark: 31,7536 / (0,68 · 80) = 31,7536 / 54,4 = 0,5837059
    //   Watson: TBW = 2,447 − 0,09516 · 40 + 0,1074 · 180 + 0,3362 · 80
    //              = 2,447 − 3,8064 + 19,332 + 26,896 = 44,8686 l; r = 44,8686 / 64 = 0,7010719;
    //           peak = 0,8 · 31,7536 / 44,8686 = 25,40288 / 44,8686 = 0,5661616
    //   Seidl: r = 0,31608 − 0,38568 + 0,83376 = 0,76416; 31,7536 / 61,1328 = 0,5194200
    //   Forrest: BMI = 80 / 1,8² = 24,691358; r = 1,0178 − 0,299432 = 0,7183679;
    //            31,7536 / 57,469432 = 0,5525303
    QTest::newRow("man, Widmark") << u"widmark"_qs << man << 0.68 << 0.5837059;
    QTest::newRow("man, Watson") << u"watson"_qs << man << 0.7010719 << 0.5661616;
    QTest::newRow("man, Seidl") << u"seidl"_qs << man << 0.76416 << 0.5194200;
    QTest::newRow("man, Forrest") << u"forrest"_qs << man << 0.7183679 << 0.5525303;
    // Woman, 60 kg, 165 cm, 30 years.
    //   Widmark: 31,7536 / 33 = 0,9622303
    //   Watson: TBW = −2,097 + 17,6385 + 14,796 = 30,3375 l; r = 30,3375 / 48 = 0,63203125;
    //           peak = 25,40288 / 30,3375 = 0,8373426
    //   Seidl: r = 0,31223 − 0,38676 + 0,73689 = 0,66236; 31,7536 / 39,7416 = 0,7990016
    //   Forrest: BMI = 60 / 1,65² = 22,038567; r = 0,8736 − 0,273278 = 0,6003218;
    //            31,7536 / 36,019307 = 0,8815717
    QTest::newRow("woman, Widmark") << u"widmark"_qs << woman << 0.55 << 0.9622303;
    QTest::newRow("woman, Watson") << u"watson"_qs << woman << 0.63203125 << 0.8373426;
    QTest::newRow("woman, Seidl") << u"seidl"_qs << woman << 0.66236 << 0.7990016;
    QTest::newRow("woman, Forrest") << u"forrest"_qs << woman << 0.6003218 << 0.8815717;
    // Watson's age term: 80 years, 70 kg, 170 cm: 2,447 − 7,6128 + 18,258 + 23,534 = 36,6262 l,
    // r = 36,6262 / 56 = 0,6540393 (the misprinted 0,09156 would give 0,6591821);
    // 31,7536 / 45,782750 = 0,6935713. Women's water does not depend on age.
    QTest::newRow("Watson, age counts for men")
        << u"watson"_qs << Person{Sex::Male, 70, 170, 80} << 0.6540393 << 0.6935713;
    QTest::newRow("Watson, not for women")
        << u"watson"_qs << Person{Sex::Female, 60, 165, 90} << 0.63203125 << 0.8373426;
    // Seidl held within its bounds:
    //   man 50 kg, 200 cm: 0,31608 − 0,24105 + 0,9264 = 1,00143 → 0,87; 31,7536 / 43,5
    //   man 150 kg, 160 cm: 0,31608 − 0,72315 + 0,74112 = 0,33405 → 0,60; 31,7536 / 90
    //   woman 45 kg, 190 cm: 0,31223 − 0,29007 + 0,84854 = 0,8707 → 0,80; 31,7536 / 36
    //   woman 120 kg, 155 cm: 0,31223 − 0,77352 + 0,69223 = 0,23094 → 0,44; 31,7536 / 52,8
    QTest::newRow("Seidl, tall thin man: 0,87")
        << u"seidl"_qs << Person{Sex::Male, 50, 200, 30} << 0.87 << 0.7299678;
    QTest::newRow("Seidl, short heavy man: 0,60")
        << u"seidl"_qs << Person{Sex::Male, 150, 160, 30} << 0.60 << 0.3528178;
    QTest::newRow("Seidl, tall thin woman: 0,80")
        << u"seidl"_qs << Person{Sex::Female, 45, 190, 30} << 0.80 << 0.8820444;
    QTest::newRow("Seidl, short heavy woman: 0,44")
        << u"seidl"_qs << Person{Sex::Female, 120, 155, 30} << 0.44 << 0.6013939;
    // Forrest on the body mass index in kg/m²:
    //   man 100 kg, 200 cm: BMI 25, r = 1,0178 − 0,303175 = 0,714625; 31,7536 / 71,4625
    //   woman 50 kg, 160 cm: BMI 19,53125, r = 0,8736 − 0,2421875 = 0,6314125; 31,7536 / 31,570625
    QTest::newRow("Forrest, BMI 25")
        << u"forrest"_qs << Person{Sex::Male, 100, 200, 30} << 0.714625 << 0.4443393;
    QTest::newRow("Forrest, BMI 19,5")
        << u"forrest"_qs << Person{Sex::Female, 50, 160, 30} << 0.6314125 << 1.0057957;
}

void TestBodyModel::factorsAndPeaksByHand() {
    QFETCH(QString, key);
    QFETCH(Person, person);
    QFETCH(double, r);
    QFETCH(double, peak);
    const BodyModel* model = BodyModel::byKey(key);
    QVERIFY(model);
    QCOMPARE_LE(qAbs(model->reductionFactor(person) - r), 5e-8);
    const Forecast f = Forecast::compute(vodka, person, *model);
    QCOMPARE(f.model(), key);
    QCOMPARE_LE(qAbs(f.reductionFactor() - r), 5e-8);
    QCOMPARE_LE(qAbs(f.peak().level.central - peak), 5e-8);
}

void TestBodyModel::everyModelIsFoundByItsKey() {
    QSet<QString> keys;
    for (const BodyModel& model : BodyModel::all()) {
        QVERIFY2(!keys.contains(model.key()), qPrintable(model.key()));
        keys.insert(model.key());
        QCOMPARE(BodyModel::byKey(model.key()), &model);
        QCOMPARE(&BodyModel::byId(model.id()), &model);
        QVERIFY(!model.name().isEmpty() && !model.source().isEmpty());
        QVERIFY(model.help().endsWith(u'.'));
    }
    QCOMPARE(keys, (QSet<QString>{u"widmark"_qs, u"watson"_qs, u"seidl"_qs, u"forrest"_qs}));
    QVERIFY(!BodyModel::byKey(Forecast::AllModels));
    QVERIFY(!BodyModel::byKey(u"Widmark"));
}

void TestBodyModel::unusableBodyGivesAnEmptyForecast_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<Person>("person");
    QTest::addColumn<bool>("empty");
    // Watson, −500 cm: 2,447 − 2,85 − 53,7 + 26,9 < 0 l of water.
    QTest::newRow("Watson, negative height")
        << u"watson"_qs << Person{Sex::Male, 80, -500, 30} << true;
    QTest::newRow("Watson, age not a number")
        << u"watson"_qs << Person{Sex::Male, 80, 180, Nan} << true;
    QTest::newRow("Watson, women's age unused")
        << u"watson"_qs << Person{Sex::Female, 80, 180, Nan} << false;
    QTest::newRow("Seidl, height not a number")
        << u"seidl"_qs << Person{Sex::Male, 80, Nan, 30} << true;
    QTest::newRow("Forrest, height 0: endless BMI")
        << u"forrest"_qs << Person{Sex::Female, 60, 0, 30} << true;
    // 300 kg at 1 m is BMI 300: r = 1,0178 − 3,6381 < 0.
    QTest::newRow("Forrest, BMI 300") << u"forrest"_qs << Person{Sex::Male, 300, 100, 30} << true;
    QTest::newRow("Widmark ignores height")
        << u"widmark"_qs << Person{Sex::Male, 80, Nan, Nan} << false;
    QTest::newRow("all models, one unusable")
        << Forecast::AllModels.toString() << Person{Sex::Male, 300, 100, 30} << true;
}

void TestBodyModel::unusableBodyGivesAnEmptyForecast() {
    QFETCH(QString, key);
    QFETCH(Person, person);
    const Forecast f = forecastWith(key, person);
    QTEST(f.isEmpty(), "empty");
    const QDateTime later = QDateTime(QDate(2024, 12, 8), QTime(21, 0));
    const LevelRange at = f.levelAt(later);
    QVERIFY(at.lowest <= at.central && at.central <= at.highest);
    QCOMPARE(at.highest > 0, !f.isEmpty());
    QCOMPARE(f.soberAt().has_value(), !f.isEmpty());
}

QTEST_APPLESS_MAIN(TestBodyModel)
#include "tst_bodymodel.moc"
