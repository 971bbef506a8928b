#include "bodymodel.h"

#include "calc/concentration.h"

#include <algorithm>
#include <cmath>

namespace {
bool female(const Person& person) {
    return person.sex == Sex::Female;
}

// The calculator's own factors, so the forecast and the calculator agree on one drink.
double widmarkFactor(const Person& person) {
    return (female(person) ? concentration::WomenReductionFactor
                           : concentration::MenReductionFactor)
        .toDouble();
}

// Total body water in litres; ethanol spreads through water, and blood is about 80 % water.
// The age term is 0,09516: 0,09156, seen in some calculators, is a misprint.
double watsonFactor(const Person& p) {
    const double water =
        female(p) ? -2.097 + 0.1069 * p.heightCm + 0.2466 * p.massKg
                  : 2.447 - 0.09516 * p.ageYears + 0.1074 * p.heightCm + 0.3362 * p.massKg;
    return water / (0.8 * p.massKg);
}

// The regression runs off for unusual builds, hence the bounds it is commonly held within.
// A height that is not a number stays one, so the forecast refuses it.
double seidlFactor(const Person& p) {
    const double r = female(p) ? 0.31223 - 0.006446 * p.massKg + 0.004466 * p.heightCm
                               : 0.31608 - 0.004821 * p.massKg + 0.004632 * p.heightCm;
    if (std::isnan(r))
        return r;
    return female(p) ? std::clamp(r, 0.44, 0.80) : std::clamp(r, 0.60, 0.87);
}

double forrestFactor(const Person& p) {
    const double metres = p.heightCm / 100;
    const double bmi = p.massKg / (metres * metres);
    return female(p) ? 0.8736 - 0.0124 * bmi : 1.0178 - 0.012127 * bmi;
}
} // namespace

BodyModel::BodyModel(const Row& row)
    : m_id(row.id)
    , m_key(QString::fromUtf16(row.key))
    , m_name(QString::fromUtf16(row.name))
    , m_source(QString::fromUtf16(row.source))
    , m_help(QString::fromUtf16(row.help))
    , m_needsHeight(row.needsHeight)
    , m_needsAge(row.needsAge)
    , m_factor(row.factor) {}

bool BodyModel::fits(const Person& person) const {
    const double r = reductionFactor(person);
    return std::isfinite(r) && r > 0;
}

const QList<BodyModel>& BodyModel::all() {
    static const Row rows[] = {
        {BodyModelId::Widmark, u"widmark", u"Видмарк",
         u"E. M. P. Widmark, 1932: c = A / (r · W) − β · t; r = 0,68 у мужчин и 0,55 у женщин, "
         u"как в калькуляторе программы",
         u"Классическая формула: алкоголь расходится по постоянной доле массы тела — 0,68 у "
         u"мужчин и 0,55 у женщин, как в калькуляторе программы.",
         false, false, widmarkFactor},
        {BodyModelId::Watson, u"watson", u"Уотсон (вода тела)",
         u"P. E. Watson, I. D. Watson, R. D. Batt, Am J Clin Nutr 1980;33:27–39: вода тела (л) "
         u"у мужчин 2,447 − 0,09516 · возраст + 0,1074 · рост (см) + 0,3362 · масса, у женщин "
         u"−2,097 + 0,1069 · рост (см) + 0,2466 · масса; в крови c = 0,8 · A / вода тела",
         u"Оценивает общую воду тела по полу, возрасту, росту и массе: алкоголь расходится по "
         u"воде, а кровь примерно на 80 % состоит из воды.",
         true, true, watsonFactor},
        {BodyModelId::Seidl, u"seidl", u"Зайдль",
         u"S. Seidl, U. Jensen, A. Alt, Int J Legal Med, 2000 (по обзору Posey, Mozayani, "
         u"Forensic Sci Med Pathol 2007;3:33): r = 0,31608 − 0,004821 · масса + 0,004632 · рост "
         u"(см) у мужчин, в пределах 0,60…0,87; r = 0,31223 − 0,006446 · масса + 0,004466 · "
         u"рост (см) у женщин, в пределах 0,44…0,80",
         u"Уточняет коэффициент Видмарка по росту и массе по измерениям у мужчин и женщин и "
         u"держит его в обычных для людей пределах.",
         true, false, seidlFactor},
        {BodyModelId::Forrest, u"forrest", u"Форрест",
         u"A. R. W. Forrest, 1986 (по обзору Posey, Mozayani, Forensic Sci Med Pathol "
         u"2007;3:33): r = 1,0178 − 0,012127 · ИМТ у мужчин, r = 0,8736 − 0,0124 · ИМТ у "
         u"женщин; ИМТ = масса / рост (м)²",
         u"Уточняет коэффициент Видмарка по индексу массы тела: чем больше доля жира, тем "
         u"меньше воды, по которой расходится алкоголь.",
         true, false, forrestFactor},
    };
    static const QList<BodyModel> models = [] {
        QList<BodyModel> list;
        for (const Row& row : rows)
            list.append(BodyModel(row));
        return list;
    }();
    return models;
}

const BodyModel& BodyModel::byId(BodyModelId id) {
    for (const BodyModel& model : all())
        if (model.id() == id)
            return model;
    return all().front();
}

const BodyModel* BodyModel::byKey(QStringView key) {
    for (const BodyModel& model : all())
        if (model.key() == key)
            return &model;
    return nullptr;
}
