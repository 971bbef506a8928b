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
QString timeRangeText(const QString& preposition, const TimeRange& range, QDate today) {
    const QString central = clockText(range.central, today);
    const QDate centralDay = toNearestMinute(range.central).date();
    const auto end = [&](const QDateTime& moment) {
        return toNearestMinute(moment).date() == centralDay
                   ? toNearestMinute(moment).toString(QStringLiteral("HH:mm"))
                   : clockText(moment, today);
    };
    const QString earliest = end(range.earliest);
    const QString latest = end(range.latest);
    QString text = preposition + u' ' + central;
    if (earliest != central.left(5) || latest != central.left(5))
        text += QStringLiteral(" (от ") + earliest + QStringLiteral(" до ") + latest + u')';
    return text;
}

QString peakLine(const Peak& peak, QDate today) {
    QString text = QStringLiteral("Пик: ") + levelText(peak.level.central) + promille() +
                   QStringLiteral(" в ") + clockText(peak.time.central, today);
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
                           std::optional<QTime> planned, QDate today);
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

QString clockText(const QDateTime& moment, QDate today) {
    const QDateTime t = toNearestMinute(moment);
    const QString time = t.toString(QStringLiteral("HH:mm"));
    switch (today.daysTo(t.date())) {
    case 0:
        return time;
    case 1:
        return time + QStringLiteral(", завтра");
    case -1:
        return time + QStringLiteral(", вчера");
    default:
        return time + QStringLiteral(", ") +
               QLocale(QLocale::Russian).toString(t.date(), QStringLiteral("d MMMM"));
    }
}

QString bandLegend(const Forecast& forecast) {
    const ForecastParams& p = forecast.params();
    QString text =
        QStringLiteral("диапазон: ") +
        (forecast.model() == Forecast::AllModels ? QStringLiteral("все модели, ") : QString()) +
        QStringLiteral("выведение ") + levelText(p.slowestRate) + u'–' + levelText(p.fastestRate) +
        QStringLiteral(" ‰/ч");
    const RateBand after = forecast.measuredRates();
    if (forecast.anchoredFrom().isValid() &&
        (after.slowest != p.slowestRate || after.fastest != p.fastestRate))
        text += QStringLiteral(", после замера ") + levelText(after.slowest) + u'–' +
                levelText(after.fastest) + QStringLiteral(" ‰/ч");
    return text;
}

QString durationText(qint64 minutes) {
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (hours == 0)
        return QString::number(rest) + QStringLiteral(" мин");
    QString text = QString::number(hours) + QStringLiteral(" ч");
    if (rest != 0)
        text += u' ' + QString::number(rest) + QStringLiteral(" мин");
    return text;
}

QStringList headline(const Forecast& forecast, const Limit& limit, const QDateTime& now) {
    if (forecast.isEmpty())
        return {};
    const QDate today = now.date();
    const QDateTime shownNow = toNearestMinute(now);
    // "через …" counts between the minutes as shown, so the two always agree.
    const auto after = [&](const QDateTime& moment) {
        return QStringLiteral(" (через ") +
               durationText(shownNow.secsTo(toNearestMinute(moment)) / 60) + u')';
    };
    QStringList out;
    const std::optional<TimeRange> below = forecast.fallsTo(limit.effectivePromille());
    // The careful answer leads: the time of the slow elimination, the latest of the band.
    if (!below)
        out << QStringLiteral("Можно за руль: уровень ниже предела даже при медленном выведении");
    else if (toNearestMinute(below->latest) <= shownNow)
        out << QStringLiteral("Можно за руль: ниже предела даже при медленном выведении");
    else
        out << QStringLiteral("За руль — не раньше ") + clockText(below->latest, today) +
                   after(below->latest);
    if (const std::optional<TimeRange> sober = forecast.soberAt()) {
        if (toNearestMinute(sober->latest) <= shownNow)
            out << QStringLiteral("Алкоголь выведен даже при медленном выведении");
        else
            out << QStringLiteral("Трезвы к ") + clockText(sober->latest, today) +
                       after(sober->latest);
    }
    return out;
}

QStringList lines(const Forecast& forecast, const Limit& limit, std::optional<QTime> planned,
                  QDate today) {
    return withoutWarning(forecast, limit, planned, today) << warning();
}

QStringList answers(const Forecast& forecast, const Limit& limit, std::optional<QTime> planned,
                    const QDateTime& now) {
    QStringList out = withoutWarning(forecast, limit, planned, now.date());
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
    QStringList out = answers(*check.forecast, check.limit, check.plannedTime, now);
    out << measurementLines(check, now.date());
    if (const std::optional<QDateTime> next = firstPlanned(check, now))
        out << QStringLiteral("Учтены и запланированные напитки: первый в ") +
                   clockText(*next, now.date());
    return out << warning();
}

namespace {
// "в 23:10", "в 23:10 и 00:40"
QString readingTimes(const EveningCheck& check, const QList<int>& rows, QDate today) {
    QStringList times;
    for (int row : rows)
        if (const std::optional<Measurement>& m = check.measurements.value(row).measurement)
            times << clockText(m->at, today);
    if (times.size() > 1) {
        const QString last = times.takeLast();
        return QStringLiteral("в ") + times.join(QStringLiteral(", ")) + QStringLiteral(" и ") +
               last;
    }
    return QStringLiteral("в ") + times.value(0);
}
} // namespace

QStringList measurementLines(const EveningCheck& check, QDate today) {
    if (!check.forecast || !check.unmeasured)
        return {};
    QStringList out;
    if (const std::optional<MeasuredRate>& own = check.measuredRate) {
        const QString rate = levelText(own->rate) + QStringLiteral(" ‰/ч");
        if (own->usable())
            out << QStringLiteral("Учтено выведение по вашим замерам: ") + rate +
                       QStringLiteral(" (") +
                       bandText(own->rate - own->uncertainty, own->rate + own->uncertainty) +
                       QStringLiteral(" ‰/ч)");
        else
            out << QStringLiteral("Выведение по замерам ") + rate + QStringLiteral(" не учтено: ") +
                       own->reason();
    }
    if (check.plannedTime) {
        const double border = check.limit.effectivePromille();
        const PlannedCheck before = check.unmeasured->check(*check.plannedTime, border);
        if (before.verdict != check.forecast->check(*check.plannedTime, border).verdict)
            out << QStringLiteral("Без замеров было: ") +
                       bandText(before.level.lowest, before.level.highest) + promille() +
                       QStringLiteral(" — ") + verdictText(before.verdict);
    }
    if (!check.contradicting.isEmpty())
        out << (check.contradicting.size() > 1 ? QStringLiteral("Замеры ")
                                               : QStringLiteral("Замер ")) +
                   readingTimes(check, check.contradicting, today) +
                   QStringLiteral(" далеко от расчёта: проверьте, все ли напитки внесены и "
                                  "верно ли время");
    if (!check.mouthAlcohol.isEmpty()) {
        const bool several = check.mouthAlcohol.size() > 1;
        out << (several ? QStringLiteral("Замеры ") : QStringLiteral("Замер ")) +
                   readingTimes(check, check.mouthAlcohol, today) +
                   (several ? QStringLiteral(" сделаны") : QStringLiteral(" сделан")) +
                   QStringLiteral(" меньше чем через 15 минут после напитка: алкоголь во рту "
                                  "завышает показание");
    }
    return out;
}

std::optional<QDateTime> firstPlanned(const EveningCheck& check, const QDateTime& now) {
    std::optional<QDateTime> first;
    for (const DrinkEntryCheck& drink : check.drinks)
        if (drink.drink && drink.drink->start > now && (!first || drink.drink->start < *first))
            first = drink.drink->start;
    return first;
}

namespace {

QStringList withoutWarning(const Forecast& forecast, const Limit& limit,
                           std::optional<QTime> planned, QDate today) {
    if (forecast.isEmpty())
        return {QStringLiteral("Напитки не указаны — прогноз не построен.")};

    const QDate day = today.isValid() ? today : forecast.start().date();
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
