#include "bodymodel.h"

#include "calc/concentration.h"

namespace {
// The calculator's own factors, so the forecast and the calculator agree on one drink.
double widmarkFactor(const Person& person) {
    return (person.sex == Sex::Female ? concentration::WomenReductionFactor
                                      : concentration::MenReductionFactor)
        .toDouble();
}
} // namespace

BodyModel::BodyModel(BodyModelId id, QString name, QString source, Factor factor)
    : m_id(id)
    , m_name(std::move(name))
    , m_source(std::move(source))
    , m_factor(factor) {}

const QList<BodyModel>& BodyModel::all() {
    static const QList<BodyModel> models{
        BodyModel(BodyModelId::Widmark, QStringLiteral("Видмарк"),
                  QStringLiteral("E. M. P. Widmark, 1932: c = A / (r · W) − β · t; r = 0,68 у "
                                 "мужчин и 0,55 у женщин, как в калькуляторе программы"),
                  widmarkFactor),
    };
    return models;
}

const BodyModel& BodyModel::byId(BodyModelId id) {
    for (const BodyModel& model : all())
        if (model.id() == id)
            return model;
    return all().front();
}
