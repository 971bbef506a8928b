#include "eliminationtime.h"

#include "calc/arithmeticerror.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 MaxMinutes = std::numeric_limits<int>::max();

qint64 checkedTotal(const EliminationTime& time) {
    if (time.hours < 0 || time.minutes < 0 || time.minutes > 59)
        throw ArithmeticError("elimination time out of range");
    const qint64 total = qint64(time.hours) * 60 + time.minutes;
    if (total > MaxMinutes)
        throw ArithmeticError("elimination time out of range");
    return total;
}

// ASCII digits only: a digit of another script is no digit here.
bool allDigits(QStringView s) {
    return !s.isEmpty() &&
           std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

// Read by hand: "<hours>ч-<minutes>мин" with hours without a leading zero and minutes 0…59
// written without one. A regular expression would load its engine while the main window
// starts, for a rule this small.
std::optional<EliminationTime> EliminationTime::parse(const QString& text) {
    const QStringView s(text);
    const QStringView unit = u"мин";
    const qsizetype dash = s.indexOf(u"ч-");
    if (dash < 0 || !s.endsWith(unit))
        return std::nullopt;
    const QStringView hoursText = s.left(dash);
    const QStringView minutesText = s.sliced(dash + 2, s.size() - dash - 2 - unit.size());
    if (!allDigits(hoursText) || (hoursText.size() > 1 && hoursText.front() == u'0'))
        return std::nullopt;
    if (!allDigits(minutesText) || minutesText.size() > 2 ||
        (minutesText.size() == 2 && (minutesText.front() < u'1' || minutesText.front() > u'5')))
        return std::nullopt;
    bool ok = false;
    const int hours = hoursText.toInt(&ok);
    if (!ok)
        return std::nullopt;
    const int minutes = minutesText.toInt();
    if (hours > (MaxMinutes - minutes) / 60)
        return std::nullopt;
    return EliminationTime{hours, minutes};
}

QString EliminationTime::text() const {
    return QString::number(hours) + QStringLiteral("ч-") + QString::number(minutes) +
           QStringLiteral("мин");
}

int EliminationTime::totalMinutes() const {
    return int(checkedTotal(*this));
}

EliminationTime womenTime(EliminationTime men) {
    // 12·total/10 has a fractional part of 0, .2, .4, .6 or .8, so adding a half and truncating
    // rounds to nearest with no tie to decide.
    const qint64 women = (12 * checkedTotal(men) + 5) / 10;
    if (women > MaxMinutes)
        throw ArithmeticError("elimination time out of range");
    return EliminationTime{int(women / 60), int(women % 60)};
}

std::optional<QString> womenTimeText(const QString& menText) {
    if (const std::optional<EliminationTime> men = EliminationTime::parse(menText))
        return womenTime(*men).text();
    return std::nullopt;
}
