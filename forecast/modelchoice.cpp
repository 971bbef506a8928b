#include "modelchoice.h"

#include "bodymodel.h"
#include "forecast.h"
#include "forecastsummary.h"
#include "limit.h"

namespace modelchoice {

namespace {

bool isAll(QStringView key) {
    return key == Forecast::AllModels;
}

QString allName() {
    return QStringLiteral("все модели");
}

} // namespace

QList<Choice> all() {
    QList<Choice> choices;
    for (const BodyModel& model : BodyModel::all())
        choices.append({model.key(), model.name()});
    choices.append({Forecast::AllModels.toString(), allName()});
    return choices;
}

bool isKnown(QStringView key) {
    return isAll(key) || BodyModel::byKey(key);
}

bool needsHeight(QStringView key) {
    const BodyModel* model = BodyModel::byKey(key);
    return isAll(key) || (model && model->needsHeight());
}

bool needsAge(QStringView key) {
    const BodyModel* model = BodyModel::byKey(key);
    return isAll(key) || (model && model->needsAge());
}

QString name(QStringView key) {
    if (const BodyModel* model = BodyModel::byKey(key))
        return model->name();
    return isAll(key) ? allName() : QString();
}

QString sources(QStringView key) {
    if (const BodyModel* model = BodyModel::byKey(key))
        return model->source();
    if (!isAll(key))
        return {};
    QStringList each;
    for (const BodyModel& model : BodyModel::all())
        each << model.name() + QStringLiteral(": ") + model.source();
    return each.join(QStringLiteral("; "));
}

QString helpText(const Limit& limit) {
    QStringList text{QStringLiteral("Модели тела:")};
    for (const BodyModel& model : BodyModel::all())
        text << u"• "_qs + model.name() + QStringLiteral(" — ") + model.help() +
                    QStringLiteral(" Источник: ") + model.source();
    text << u"• "_qs + allName() +
                QStringLiteral(" — диапазон охватывает все модели и все скорости выведения; "
                               "средняя линия — модель Видмарка.");
    text << QString()
         << QStringLiteral("Предел: ") + limit.country + QStringLiteral(" — ") +
                limit.description() + QStringLiteral(". Источник: ") + limit.source;
    text << QString() << forecastsummary::warning();
    return text.join(u'\n');
}

} // namespace modelchoice
