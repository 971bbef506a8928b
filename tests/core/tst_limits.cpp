#include "forecast/limittable.h"

#include <QTest>

#include <limits>

using namespace limittable;

namespace {
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
const std::optional<double> noBreath;
} // namespace

class TestLimits : public QObject {
    Q_OBJECT

private slots:
    void unitsConvertToGramsPerLitreAndMilligramsPerLitre_data();
    void unitsConvertToGramsPerLitreAndMilligramsPerLitre();
    void everyEntryIsPlausibleAndSourced_data();
    void everyEntryIsPlausibleAndSourced();
    void idsAreUniqueAndRussiaLeadsAnAlphabeticalList();
    void lawFiguresResolvePerDriverClass_data();
    void lawFiguresResolvePerDriverClass();
    void russiaKeepsBothThresholdsWithTheirYears();
    void unknownIdGivesRussia_data();
    void unknownIdGivesRussia();
    void zeroAndCustomLimits_data();
    void zeroAndCustomLimits();
};

void TestLimits::unitsConvertToGramsPerLitreAndMilligramsPerLitre_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<LimitUnit>("unit");
    QTest::addColumn<double>("normalized");
    QTest::addColumn<bool>("breath");
    QTest::addColumn<QString>("text");
    using enum LimitUnit;
    QTest::newRow("g/l") << 0.5 << GramsPerLitre << 0.5 << false << u"0,5 г/л"_qs;
    QTest::newRow("‰") << 0.3 << PerMille << 0.3 << false << u"0,3 ‰"_qs;
    QTest::newRow("mg/g") << 0.2 << MilligramsPerGram << 0.2 << false << u"0,2 мг/г"_qs;
    QTest::newRow("mg/ml") << 0.3 << MilligramsPerMillilitre << 0.3 << false << u"0,3 мг/мл"_qs;
    QTest::newRow("mg/100 ml") << 80.0 << MilligramsPer100Millilitres << 0.8 << false
                               << u"80 мг/100 мл"_qs;
    QTest::newRow("% BAC") << 0.08 << PercentBac << 0.8 << false << u"0,08 %"_qs;
    QTest::newRow("mg/l") << 0.16 << MilligramsPerLitreBreath << 0.16 << true << u"0,16 мг/л"_qs;
    QTest::newRow("µg/l") << 220.0 << MicrogramsPerLitreBreath << 0.22 << true << u"220 мкг/л"_qs;
    QTest::newRow("µg/100 ml") << 35.0 << MicrogramsPer100MillilitresBreath << 0.35 << true
                               << u"35 мкг/100 мл"_qs;
}

void TestLimits::unitsConvertToGramsPerLitreAndMilligramsPerLitre() {
    QFETCH(double, value);
    QFETCH(LimitUnit, unit);
    const LimitFigure figure{value, unit, 0, {}};
    QTEST(figure.normalized(), "normalized");
    QTEST(figure.isBreath(), "breath");
    QTEST(figure.text(), "text");
}

void TestLimits::everyEntryIsPlausibleAndSourced_data() {
    QTest::addColumn<QString>("id");
    for (const LimitEntry& e : entries())
        QTest::newRow(qPrintable(e.id)) << e.id;
}

void TestLimits::everyEntryIsPlausibleAndSourced() {
    QFETCH(QString, id);
    const LimitEntry* e = find(id);
    QVERIFY(e);
    QVERIFY(!e->country.isEmpty());
    QVERIFY(!e->source.trimmed().isEmpty());
    QVERIFY2(e->since() >= 1930 && e->since() <= 2026, qPrintable(QString::number(e->since())));
    // A unit slip (‰ read as %, mg/100 ml as g/l) lands far outside these ranges.
    const auto checkBlood = [&](const LimitFigure& f) {
        QVERIFY(!f.isBreath());
        QVERIFY2(f.normalized() >= 0 && f.normalized() <= 0.8, qPrintable(f.text()));
        QVERIFY(f.normalized() <= e->general.normalized()); // classes are never laxer
        QVERIFY(f.since == 0 || (f.since >= 1930 && f.since <= 2026));
    };
    checkBlood(e->general);
    for (const auto* f : {&e->novice, &e->professional})
        if (*f)
            checkBlood(**f);
    if (e->breath) {
        QVERIFY(e->breath->isBreath());
        QVERIFY2(e->breath->normalized() >= 0 && e->breath->normalized() <= 0.4,
                 qPrintable(e->breath->text()));
        QVERIFY(e->breath->since == 0 || (e->breath->since >= 1930 && e->breath->since <= 2026));
    }
}

void TestLimits::idsAreUniqueAndRussiaLeadsAnAlphabeticalList() {
    const auto& list = entries();
    QVERIFY(list.size() >= 15);
    QCOMPARE(list.first().id, u"RU"_qs);
    QSet<QString> ids;
    for (qsizetype i = 0; i < list.size(); ++i) {
        QVERIFY2(!ids.contains(list[i].id), qPrintable(list[i].id));
        ids.insert(list[i].id);
        if (i > 1)
            QVERIFY2(list[i - 1].country < list[i].country, qPrintable(list[i].country));
    }
}

void TestLimits::lawFiguresResolvePerDriverClass_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<DriverClass>("driver");
    QTest::addColumn<double>("blood");
    QTest::addColumn<std::optional<double>>("breath");
    QTest::addColumn<QString>("description");
    using enum DriverClass;
    QTest::newRow("England: 80 mg/100 ml, 35 µg/100 ml")
        << u"GB-ENG"_qs << General << 0.8 << std::optional(0.35)
        << u"0,8 г/л в крови, 0,35 мг/л в выдыхаемом воздухе"_qs;
    QTest::newRow("Scotland: 50 mg/100 ml, 22 µg/100 ml")
        << u"GB-SCT"_qs << General << 0.5 << std::optional(0.22)
        << u"0,5 г/л в крови, 0,22 мг/л в выдыхаемом воздухе"_qs;
    QTest::newRow("USA: 0,08 %") << u"US"_qs << General << 0.8 << noBreath << u"0,8 г/л в крови"_qs;
    QTest::newRow("USA commercial: 0,04 %")
        << u"US"_qs << Professional << 0.4 << noBreath << u"0,4 г/л в крови"_qs;
    QTest::newRow("Germany novice: 0, no breath figure")
        << u"DE"_qs << Novice << 0.0 << noBreath << u"0 г/л: любой алкоголь запрещён"_qs;
    QTest::newRow("Japan novice falls back, mg/ml")
        << u"JP"_qs << Novice << 0.3 << std::optional(0.15)
        << u"0,3 г/л в крови, 0,15 мг/л в выдыхаемом воздухе"_qs;
    QTest::newRow("Russia novice falls back")
        << u"RU"_qs << Novice << 0.3 << std::optional(0.16) << Limit::russia().description();
}

void TestLimits::lawFiguresResolvePerDriverClass() {
    QFETCH(QString, id);
    QFETCH(DriverClass, driver);
    const Limit limit = limitFor(id, driver);
    QCOMPARE(limit.country, entry(id).country);
    QTEST(limit.bloodGramsPerLitre, "blood");
    QTEST(limit.breathMilligramsPerLitre, "breath");
    QTEST(limit.description(), "description");
    QVERIFY(limit.source.startsWith(entry(id).source));
}

void TestLimits::russiaKeepsBothThresholdsWithTheirYears() {
    const LimitEntry& ru = entry(RussiaId);
    QCOMPARE(ru.general.since, 2018);
    QCOMPARE(ru.breath->since, 2013);
    const Limit limit = Limit::russia();
    QCOMPARE(limit.country, u"Россия"_qs);
    QCOMPARE(limit.description(), u"0,3 г/л в крови, 0,16 мг/л в выдыхаемом воздухе"_qs);
    QVERIFY(limit.source.contains(u"12.8"));
    QVERIFY(limit.source.contains(u"0,3 г/л в крови с 2018 г."));
    QVERIFY(limit.source.contains(u"0,16 мг/л в выдыхаемом воздухе с 2013 г."));
}

void TestLimits::unknownIdGivesRussia_data() {
    QTest::addColumn<QString>("id");
    QTest::newRow("empty") << QString();
    QTest::newRow("unknown") << u"XX"_qs;
    QTest::newRow("lower case") << u"de"_qs;
    QTest::newRow("country of a split entry") << u"GB"_qs;
}

void TestLimits::unknownIdGivesRussia() {
    QFETCH(QString, id);
    QVERIFY(!find(id));
    QCOMPARE(entry(id).id, u"RU"_qs);
    QCOMPARE(limitFor(id, DriverClass::Professional).source, Limit::russia().source);
}

void TestLimits::zeroAndCustomLimits_data() {
    QTest::addColumn<Limit>("limit");
    QTest::addColumn<double>("promille");
    QTest::addColumn<QString>("description");
    const QString any = u"0 г/л: любой алкоголь запрещён"_qs;
    QTest::newRow("zero") << Limit{u"X"_qs, 0, noBreath, {}} << 0.0 << any;
    QTest::newRow("zero breath figure") << Limit{u"X"_qs, 0.5, 0.0, {}} << 0.0 << any;
    QTest::newRow("negative") << Limit{u"X"_qs, -0.2, noBreath, {}} << 0.0 << any;
    QTest::newRow("not a number") << Limit{u"X"_qs, Nan, noBreath, {}} << 0.0 << any;
    QTest::newRow("custom") << Limit::custom(0.25) << 0.25 << u"0,25 г/л в крови"_qs;
    QTest::newRow("custom negative") << Limit::custom(-1) << 0.0 << any;
    QTest::newRow("custom not a number") << Limit::custom(Nan) << 0.0 << any;
}

void TestLimits::zeroAndCustomLimits() {
    QFETCH(Limit, limit);
    QTEST(limit.effectivePromille(), "promille");
    QTEST(limit.description(), "description");
}

QTEST_GUILESS_MAIN(TestLimits)
#include "tst_limits.moc"
