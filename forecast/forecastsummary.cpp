#include "forecastsummary.h"

#include "calc/numbertext.h"

#include <QLocale>

namespace forecastsummary {

namespace {
QString promille() {
    return QStringLiteral(" ‰");
}

// "0,55–0,60", or one figure when the band rounds to a single value.
QString bandText(double lowest, double highest) {
    const QString low = levelText(lowest);
    const QString high = levelText(highest);
    return low == high ? low : low + u'–' + high;
}

QDateTime toNearestMinute(const QDateTime& moment) {
    const QDateTime t = moment.addSecs(30);
    return t.addMSecs(-(t.time().second() * 1000 + t.time().msec()));
}

// "с 22:11 (от 21:46 до 22:50)"; the band is left out when it shows the same minute. A day
// is named once: the band's ends name theirs only where it is not the central one's.
QString timeRangeText(const QString& preposition, const TimeRange& range, QDate firstDay) {
    const QString central = clockText(range.central, firstDay);
    const QDate centralDay = toNearestMinute(range.central).date();
    const auto end = [&](const QDateTime& moment) {
        return toNearestMinute(moment).date() == centralDay
                   ? toNearestMinute(moment).toString(QStringLiteral("HH:mm"))
                   : clockText(moment, firstDay);
    };
    const QString earliest = end(range.earliest);
    const QString latest = end(range.latest);
    QString text = preposition + u' ' + central;
    if (earliest != central.left(5) || latest != central.left(5))
        text += QStringLiteral(" (от ") + earliest + QStringLiteral(" до ") + latest + u')';
    return text;
}

QString peakLine(const Peak& peak, QDate firstDay) {
    QString text = QStringLiteral("Пик: ") + levelText(peak.level.central) + promille() +
                   QStringLiteral(" в ") + clockText(peak.time.central, firstDay);
    const QString band = bandText(peak.level.lowest, peak.level.highest);
    if (band != levelText(peak.level.central))
        text += QStringLiteral(" (") + band + promille() + u')';
    return text;
}

QString verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Below:
        return QStringLiteral("ниже предела даже при медленном выведении");
    case Verdict::Above:
        return QStringLiteral("выше предела даже при быстром выведении");
    case Verdict::Uncertain:
        break;
    }
    return QStringLiteral("неопределённо: может быть выше предела");
}

// Every answer line but the closing warning.
QStringList withoutWarning(const Forecast& forecast, const Limit& limit,
                           std::optional<QTime> planned);
} // namespace

QString nowLine(const Forecast& forecast, const QDateTime& now) {
    const LevelRange level = forecast.levelAt(now);
    QString text = QStringLiteral("Сейчас (") + clockText(now, now.date()) + QStringLiteral("): ") +
                   levelText(level.central) + promille();
    const QString band = bandText(level.lowest, level.highest);
    if (band != levelText(level.central))
        text += QStringLiteral(" (") + band + promille() + u')';
    return text;
}

QString warning() {
    return QStringLiteral(
        "Безопаснее всего не садиться за руль после любого количества алкоголя: это лишь "
        "оценка, и она может ошибаться на 20 % и больше.");
}

QString levelText(double value) {
    return QString::number(value, 'f', 2).replace(u'.', u',');
}

QString clockText(const QDateTime& moment, QDate firstDay) {
    const QDateTime t = toNearestMinute(moment);
    QString text = t.toString(QStringLiteral("HH:mm"));
    if (t.date() != firstDay)
        text += QStringLiteral(", ") +
                QLocale(QLocale::Russian).toString(t.date(), QStringLiteral("d MMMM"));
    return text;
}

QStringList lines(const Forecast& forecast, const Limit& limit, std::optional<QTime> planned) {
    return withoutWarning(forecast, limit, planned) << warning();
}

QStringList answers(const Forecast& forecast, const Limit& limit, std::optional<QTime> planned,
                    const QDateTime& now) {
    QStringList out = withoutWarning(forecast, limit, planned);
    if (!forecast.isEmpty())
        out.insert(1, nowLine(forecast, now));
    return out;
}

QString emptyHint() {
    return QStringLiteral("Добавьте напиток: кнопка «Добавить» или клавиша Insert");
}

QString checkFields() {
    return QStringLiteral("Проверьте выделенные поля");
}

QStringList shown(const Evening& form, const EveningCheck& check, const QDateTime& now) {
    if (form.drinks.isEmpty())
        return {emptyHint()};
    // Nothing of an earlier answer may stand beside fields that no longer give it.
    if (!check.ok())
        return {checkFields()};
    return answers(*check.forecast, check.limit, check.plannedTime, now) << warning();
}

namespace {

QStringList withoutWarning(const Forecast& forecast, const Limit& limit,
                           std::optional<QTime> planned) {
    if (forecast.isEmpty())
        return {QStringLiteral("Напитки не указаны — прогноз не построен.")};

    const QDate day = forecast.start().date();
    const double border = limit.effectivePromille();
    const QString borderText = numbertext::decimalText(border) + promille();
    QStringList out;
    out << peakLine(forecast.peak(), day);
    out << QStringLiteral("Предел по закону (") + limit.country + QStringLiteral("): ") +
               limit.description();

    if (const auto below = forecast.fallsTo(border))
        out << QStringLiteral("Ниже предела ") + borderText + QStringLiteral(": ") +
                   timeRangeText(QStringLiteral("с"), *below, day);
    else
        out << QStringLiteral("Уровень не превышает предел ") + borderText;

    if (const auto sober = forecast.soberAt())
        out << QStringLiteral("Алкоголь выведен: ") +
                   timeRangeText(QStringLiteral("в"), *sober, day);
    else
        out << QStringLiteral("Алкоголь в кровь не поступает");

    if (planned && planned->isValid()) {
        const PlannedCheck check = forecast.check(*planned, border);
        out << QStringLiteral("В ") + clockText(check.moment, day) + QStringLiteral(": ") +
                   bandText(check.level.lowest, check.level.highest) + promille() +
                   QStringLiteral(" — ") + verdictText(check.verdict);
    }
    if (forecast.reachesHorizon())
        out << QStringLiteral("График построен на ") + QString::number(Forecast::HorizonHours) +
                   QStringLiteral(" ч после последнего напитка; дальше учтено только выведение.");
    return out;
}

} // namespace

} // namespace forecastsummary
