#pragma once

#include "eveningcheck.h"
#include "forecast.h"
#include "limit.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>

#include <optional>

// The forecast as plain Russian lines: the window lists them and a screen reader reads them.
namespace forecastsummary {

// Peak, the legal limit, when below it, when sober, the planned time if any, and always a
// closing warning.
// Times on another day than `today` (the first drink's day when not given) name it.
QStringList lines(const Forecast& forecast, const Limit& limit,
                  std::optional<QTime> planned = std::nullopt, QDate today = {});

// The answer at a glance, the careful time first: "За руль — не раньше 07:32 (через 4 ч 42 мин)"
// or "Можно за руль: …", then "Трезвы к …". Nothing for an empty forecast.
QStringList headline(const Forecast& forecast, const Limit& limit, const QDateTime& now);

// What the chart's band spans: "диапазон: выведение 0,10–0,16 ‰/ч".
QString bandLegend(const Forecast& forecast);

// "4 ч 42 мин", "35 мин", "2 ч".
QString durationText(qint64 minutes);

// The answers with "Сейчас" second and no warning: what the report lists.
QStringList answers(const Forecast& forecast, const Limit& limit, std::optional<QTime> planned,
                    const QDateTime& now);

// What the readings say, after the answers: the person's own rate or why it is not used, the
// planned time's answer without the readings when they changed it, readings that do not fit
// the drinks, readings taken too soon after a drink. Empty without readings.
QStringList measurementLines(const EveningCheck& check, QDate today);

// What the window says of an evening at `now`: a hint while it has no drinks, a request to
// check the fields while one is wrong, else the answers and the warning.
QStringList shown(const Evening& form, const EveningCheck& check, const QDateTime& now);
QString emptyHint();
// When the first drink still to come begins, if one is.
std::optional<QDateTime> firstPlanned(const EveningCheck& check, const QDateTime& now);
QString checkFields();

// "Сейчас (22:00): 0,45 ‰ (0,42–0,48 ‰)": the level at the moment the window shows.
QString nowLine(const Forecast& forecast, const QDateTime& now);

// The plain warning that closes every answer.
QString warning();

// "0,58": promille to two decimals with a comma.
QString levelText(double value);

// "00:29" on `today`, "00:29, завтра", "23:10, вчера", or "00:29, 9 декабря" further off.
// Rounded to the nearest minute.
QString clockText(const QDateTime& moment, QDate today);

} // namespace forecastsummary
