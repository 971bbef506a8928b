#include "reportpage.h"

#include "forecastsummary.h"

#include "calc/numbertext.h"

#include <QLocale>

ReportPage reportPage(const ForecastForm& form, const ReportFacts& facts) {
    ReportPage page;
    const QLocale russian(QLocale::Russian);
    page.title = QStringLiteral("Прогноз содержания алкоголя в крови");
    page.made = QStringLiteral("Составлен ") +
                russian.toString(facts.made.date(), QStringLiteral("d MMMM yyyy")) +
                QStringLiteral(" г. в ") + facts.made.toString(QStringLiteral("HH:mm"));

    page.person << QStringLiteral("Пол: ") +
                       (form.sex == Sex::Female ? QStringLiteral("жен") : QStringLiteral("муж"))
                << QStringLiteral("Масса тела: ") + form.mass.trimmed() + QStringLiteral(" кг")
                << QStringLiteral("Модель: ") + facts.modelName +
                       QStringLiteral(", фактор редукции r = ") +
                       QString::number(facts.reductionFactor, 'f', 3).replace(u'.', u',')
                << QStringLiteral("Выведение: ") + form.rate.trimmed() +
                       QStringLiteral(" ‰/ч (от ") + form.slowestRate.trimmed() +
                       QStringLiteral(" до ") + form.fastestRate.trimmed() + u')'
                << QStringLiteral("Не всасывается: ") + form.deficit.trimmed() +
                       QStringLiteral(" %; всасывание: ") + form.absorption.trimmed() +
                       QStringLiteral(" мин")
                << QStringLiteral("Предел (") + facts.limit.country + QStringLiteral("): ") +
                       facts.limit.description();

    page.drinkHeader = {QStringLiteral("Дата"),        QStringLiteral("Время"),
                        QStringLiteral("Напиток"),     QStringLiteral("Граммы"),
                        QStringLiteral("Крепость, %"), QStringLiteral("Пили, мин")};
    for (const DrinkEntry& d : form.drinks)
        page.drinks.append({d.date.toString(QStringLiteral("dd.MM.yyyy")), d.time.trimmed(),
                            d.drink, d.grams.trimmed(), d.strength.trimmed(),
                            d.duration.trimmed()});

    page.summary = facts.summary;
    page.notes << QStringLiteral(
                      "Этанол, г = граммы напитка × крепость / 100 × 0,79384. Уровень — в г/л "
                      "крови (‰); 1 ‰ соответствует 0,5 мг/л в выдыхаемом воздухе. Выведение "
                      "постоянное, только пока алкоголь есть в крови.")
               << QStringLiteral("Модель: ") + facts.modelSource
               << QStringLiteral("Предел: ") + facts.limit.source;
    page.warning = forecastsummary::warning();
    return page;
}
