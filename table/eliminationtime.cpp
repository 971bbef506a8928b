#include "eliminationtime.h"

#include "calc/arithmeticerror.h"

#include <QRegularExpression>

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

} // namespace

std::optional<EliminationTime> EliminationTime::parse(const QString& text) {
    // [0-9] rather than \d: \d would also accept digits of other scripts.
    static const QRegularExpression pattern(
        QStringLiteral("\\A(0|[1-9][0-9]*)ч-(0|[1-5]?[0-9])мин\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int hours = match.capturedView(1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    const int minutes = match.capturedView(2).toInt();
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
