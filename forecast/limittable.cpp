#include "limittable.h"

#include <algorithm>

namespace limittable {

namespace {
using enum LimitUnit;

LimitFigure figure(double value, LimitUnit unit, int since, const QString& applies = {}) {
    return LimitFigure{value, unit, since, applies};
}

// Every figure is the law's own number in the law's own unit; the year is when it took
// effect, 0 where the cited source does not date it. A table or site stands beside the law
// where the figure was checked there; secondary ones say so.
QList<LimitEntry> buildTable() {
    const std::optional<LimitFigure> none;
    return {
        {QStringLiteral("RU"), QStringLiteral("Россия"), figure(0.3, GramsPerLitre, 2018),
         figure(0.16, MilligramsPerLitreBreath, 2013), none, none,
         QStringLiteral("КоАП РФ, ст. 12.8, примечание")},
        {QStringLiteral("AT"), QStringLiteral("Австрия"), figure(0.5, GramsPerLitre, 1998),
         figure(0.25, MilligramsPerLitreBreath, 0),
         figure(0.1, GramsPerLitre, 0, QStringLiteral("пробные права")),
         figure(0.1, GramsPerLitre, 0, QStringLiteral("категории C и D")),
         QStringLiteral("Führerscheingesetz (FSG), § 14 Abs. 8; 0,1 г/л — oesterreich.gv.at")},
        {QStringLiteral("BY"), QStringLiteral("Беларусь"), figure(0.3, PerMille, 2011), none, none,
         none,
         QStringLiteral("КоАП Республики Беларусь, ст. 18.15; снижение с 0,5 ‰ — постановление "
                        "Совета Министров, в силе с 12 августа 2011 г.")},
        {QStringLiteral("GB-ENG"),
         QStringLiteral("Великобритания: Англия, Уэльс, Северная Ирландия"),
         figure(80, MilligramsPer100Millilitres, 1967),
         figure(35, MicrogramsPer100MillilitresBreath, 1983), none, none,
         QStringLiteral("Road Traffic Act 1988, s. 11; предел в крови — Road Safety Act 1967, в "
                        "выдохе — Transport Act 1981")},
        {QStringLiteral("GB-SCT"), QStringLiteral("Великобритания: Шотландия"),
         figure(50, MilligramsPer100Millilitres, 2014),
         figure(22, MicrogramsPer100MillilitresBreath, 2014), none, none,
         QStringLiteral("The Road Traffic Act 1988 (Prescribed Limit) (Scotland) Regulations "
                        "2014, с 5 декабря 2014 г.; mygov.scot")},
        {QStringLiteral("DE"), QStringLiteral("Германия"), figure(0.5, PerMille, 1998),
         figure(0.25, MilligramsPerLitreBreath, 1998),
         figure(0, PerMille, 2007, QStringLiteral("моложе 21 года и в испытательный срок")),
         figure(0, PerMille, 0, QStringLiteral("перевозка пассажиров")),
         QStringLiteral("StVG, § 24a и § 24c; BOKraft, § 8")},
        {QStringLiteral("IT"), QStringLiteral("Италия"), figure(0.5, GramsPerLitre, 0), none,
         figure(0, GramsPerLitre, 2010,
                QStringLiteral("моложе 21 года и первые 3 года после получения прав")),
         figure(0, GramsPerLitre, 2010), QStringLiteral("Codice della strada, art. 186 и 186-bis")},
        {QStringLiteral("LV"), QStringLiteral("Латвия"), figure(0.5, PerMille, 0), none,
         figure(0.2, PerMille, 0, QStringLiteral("стаж менее 2 лет")),
         figure(0.2, PerMille, 2016, QStringLiteral("автобусы, трамваи, троллейбусы")),
         QStringLiteral("КоАП Латвии, ст. 149.15 (вторичный источник: parkapums.lv); ETSC, "
                        "«Drink-Driving in Latvia»")},
        {QStringLiteral("LT"), QStringLiteral("Литва"), figure(0.4, PerMille, 0), none,
         figure(0, PerMille, 2015, QStringLiteral("стаж менее 2 лет")), figure(0, PerMille, 2015),
         QStringLiteral("Закон Литвы о безопасности дорожного "
                        "движения, поправки от 26 июня 2014 г.")},
        {QStringLiteral("PL"), QStringLiteral("Польша"), figure(0.2, PerMille, 1983),
         figure(0.1, MilligramsPerLitreBreath, 0), none, none,
         QStringLiteral("Ustawa o wychowaniu w trzeźwości i przeciwdziałaniu alkoholizmowi "
                        "(26.10.1982), art. 46")},
        {QStringLiteral("US"), QStringLiteral("США"), figure(0.08, PercentBac, 2004), none, none,
         figure(0.04, PercentBac, 0, QStringLiteral("коммерческий транспорт")),
         QStringLiteral("23 CFR 1225.4, во всех штатах с 2004 г. (NHTSA); 49 CFR 382.201; в "
                        "Юте 0,05 %")},
        {QStringLiteral("UA"), QStringLiteral("Украина"), figure(0.2, PerMille, 2009), none, none,
         none,
         QStringLiteral("Інструкція МВС і МОЗ № 1452/735 від 09.11.2015; впервые — наказ № "
                        "400/666 від 09.09.2009")},
        {QStringLiteral("FI"), QStringLiteral("Финляндия"), figure(0.5, PerMille, 1977),
         figure(0.22, MilligramsPerLitreBreath, 0), none, none,
         QStringLiteral("Rikoslaki, 23 luku 3 § (закон 960/1976)")},
        {QStringLiteral("FR"), QStringLiteral("Франция"), figure(0.5, GramsPerLitre, 1995),
         figure(0.25, MilligramsPerLitreBreath, 1995),
         figure(0.2, GramsPerLitre, 2015, QStringLiteral("стаж менее 3 лет")),
         figure(0.2, GramsPerLitre, 0, QStringLiteral("водители автобусов")),
         QStringLiteral("Code de la route, art. R234-1; ec.europa.eu, «Going abroad»")},
        {QStringLiteral("CZ"), QStringLiteral("Чехия"), figure(0, PerMille, 2001), none, none, none,
         QStringLiteral("Zákon č. 361/2000 Sb., § 5 odst. 2 písm. b)")},
        {QStringLiteral("EE"), QStringLiteral("Эстония"), figure(0.2, MilligramsPerGram, 2001),
         figure(0.1, MilligramsPerLitreBreath, 0), none, none,
         QStringLiteral("Liiklusseadus, § 69 lg 5; 0,2 вместо 0,5 с 2001 г. (Postimees, 2018)")},
        {QStringLiteral("JP"), QStringLiteral("Япония"), figure(0.3, MilligramsPerMillilitre, 2002),
         figure(0.15, MilligramsPerLitreBreath, 2002), none, none,
         QStringLiteral("Закон о дорожном движении Японии, ст. 65 и 117-2-2")},
    };
}
} // namespace

const QList<LimitEntry>& entries() {
    static const QList<LimitEntry> table = buildTable();
    return table;
}

const LimitEntry* find(QStringView id) {
    const auto& table = entries();
    const auto it = std::find_if(table.cbegin(), table.cend(),
                                 [id](const LimitEntry& e) { return e.id == id; });
    return it == table.cend() ? nullptr : &*it;
}

const LimitEntry& entry(QStringView id) {
    if (const LimitEntry* found = find(id))
        return *found;
    return *find(RussiaId);
}

Limit limitFor(QStringView id, DriverClass driver) {
    return entry(id).limit(driver);
}

} // namespace limittable
