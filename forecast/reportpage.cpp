#include "reportpage.h"

#include "forecastsummary.h"
#include "modelchoice.h"

#include "calc/concentration.h"
#include "calc/numbertext.h"

#include <QLocale>

#include <algorithm>

QString reportConstants() {
    return QStringLiteral("Этанол, г = объём напитка, мл × крепость / 100 × ") +
           numbertext::decimalText(concentration::EthanolFactor) +
           QStringLiteral("; «граммы» напитка в калькуляторе — это те же миллилитры. Уровень — в "
                          "г/л крови (‰); 1 ‰ соответствует ") +
           numbertext::decimalText(Limit::BreathPerPromille) +
           QStringLiteral(" мг/л в выдыхаемом воздухе. Выведение постоянное, только пока алкоголь "
                          "есть в крови.");
}

ReportPage reportPage(const Evening& form, const EveningCheck& check, const QDateTime& made) {
    ReportPage page;
    const Limit& limit = check.limit;
    const QLocale russian(QLocale::Russian);
    page.title = QStringLiteral("Прогноз содержания алкоголя в крови");
    page.made = QStringLiteral("Составлен ") +
                russian.toString(made.date(), QStringLiteral("d MMMM yyyy")) +
                QStringLiteral(" г. в ") + made.toString(QStringLiteral("HH:mm"));

    page.person << QStringLiteral("Пол: ") +
                       (form.sex == Sex::Female ? QStringLiteral("жен") : QStringLiteral("муж"))
                << QStringLiteral("Масса тела: ") + form.mass.trimmed() + QStringLiteral(" кг")
                << QStringLiteral("Модель: ") + modelchoice::name(form.model) +
                       QStringLiteral(", фактор редукции r = ") +
                       QString::number(check.forecast ? check.forecast->reductionFactor() : 0, 'f',
                                       3)
                           .replace(u'.', u',')
                << QStringLiteral("Выведение: ") + form.rate.trimmed() +
                       QStringLiteral(" ‰/ч (от ") + form.slowestRate.trimmed() +
                       QStringLiteral(" до ") + form.fastestRate.trimmed() + u')'
                << QStringLiteral("Не всасывается: ") + form.deficit.trimmed() +
                       QStringLiteral(" %; всасывание: ") + form.absorption.trimmed() +
                       QStringLiteral(" мин")
                << QStringLiteral("Предел (") + limit.country + QStringLiteral("): ") +
                       limit.description();

    page.drinkHeader = {QStringLiteral("Дата"),        QStringLiteral("Время"),
                        QStringLiteral("Напиток"),     QStringLiteral("Объём, мл"),
                        QStringLiteral("Крепость, %"), QStringLiteral("Пили, мин")};
    for (const DrinkEntry& d : form.drinks)
        page.drinks.append({d.date.toString(QStringLiteral("dd.MM.yyyy")), d.time.trimmed(),
                            d.drink, d.grams.trimmed(), d.strength.trimmed(),
                            d.duration.trimmed()});

    QList<Measurement> readings = check.readings();
    std::ranges::stable_sort(readings, {}, &Measurement::at);
    if (!readings.isEmpty())
        page.readingHeader = {QStringLiteral("Дата"), QStringLiteral("Время"),
                              QStringLiteral("Показание"), QStringLiteral("Вид"),
                              QStringLiteral("В промилле")};
    for (const Measurement& m : readings)
        page.readings.append({m.at.toString(QStringLiteral("dd.MM.yyyy")),
                              m.at.toString(QStringLiteral("HH:mm")), m.valueText(),
                              m.kind == Measurement::Kind::Breath ? QStringLiteral("выдох")
                                                                  : QStringLiteral("кровь"),
                              forecastsummary::levelText(m.promille())});

    if (check.forecast)
        page.summary = forecastsummary::answers(*check.forecast, limit, check.plannedTime, made)
                       << forecastsummary::measurementLines(check, made.date());
    page.notes << reportConstants() << QStringLiteral("Модель: ") + modelchoice::sources(form.model)
               << QStringLiteral("Предел: ") + limit.source;
    page.warning = forecastsummary::warning();
    return page;
}
