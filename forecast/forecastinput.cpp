#include "forecastinput.h"

#include "forecast.h"

#include "calc/arithmeticerror.h"
#include "calc/conversionerror.h"
#include "calc/numbertext.h"

#include <algorithm>

namespace forecastinput {

namespace {

enum class Lower { Inclusive, Exclusive };

QString numberText(double x) {
    return numbertext::decimalText(x);
}

// A decimal point is read as the comma: "72.5" is what many keyboards type for 72,5. Only here,
// in the forecast's own fields; a text with both marks stays unreadable.
QString withComma(const QString& text) {
    return text.contains(u',') ? text : QString(text).replace(u'.', u',');
}

// The ranges are those the computation holds its inputs to (Forecast, ForecastParams).
// `rangeText` is also the answer for numbers too large to read: they are out of range too.
Checked<double> number(const QString& text, double low, Lower lower, double high) {
    const QString rangeText =
        lower == Lower::Inclusive
            ? QStringLiteral("от ") + numberText(low) + QStringLiteral(" до ") + numberText(high)
            : QStringLiteral("больше ") + numberText(low) + QStringLiteral(", не больше ") +
                  numberText(high);
    if (text.trimmed().isEmpty())
        return Checked<double>::fail(QStringLiteral("введите число"));
    double value = 0;
    try {
        value = numbertext::readDouble(withComma(text)) + 0.0; // no "-0" past this point
    } catch (const ConversionError&) {
        return Checked<double>::fail(QStringLiteral("не число"));
    } catch (const ArithmeticError&) {
        return Checked<double>::fail(rangeText);
    }
    const bool aboveLow = lower == Lower::Inclusive ? value >= low : value > low;
    if (!aboveLow || value > high)
        return Checked<double>::fail(rangeText);
    return Checked<double>::ok(value);
}

bool isDigits(QStringView s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return !s.isEmpty();
}

} // namespace

Checked<QTime> clockTime(const QString& text) {
    const QStringView s = QStringView(text).trimmed();
    const qsizetype colon = s.indexOf(u':');
    const QStringView hours = colon < 0 ? QStringView() : s.left(colon);
    const QStringView minutes = colon < 0 ? QStringView() : s.mid(colon + 1);
    if (!isDigits(hours) || hours.size() > 2 || !isDigits(minutes) || minutes.size() != 2)
        return Checked<QTime>::fail(QStringLiteral("время как ЧЧ:ММ"));
    const int h = hours.toInt();
    const int m = minutes.toInt();
    if (h > 23 || m > 59)
        return Checked<QTime>::fail(QStringLiteral("от 00:00 до 23:59"));
    return Checked<QTime>::ok(QTime(h, m));
}

Checked<QDate> date(const QString& text) {
    const QList<QStringView> parts = QStringView(text).trimmed().split(u'.');
    if (parts.size() != 3 || !isDigits(parts[0]) || parts[0].size() > 2 || !isDigits(parts[1]) ||
        parts[1].size() > 2 || !isDigits(parts[2]) || parts[2].size() != 4)
        return Checked<QDate>::fail(QStringLiteral("дата как ДД.ММ.ГГГГ"));
    // Never moved to a neighbouring day: 31.02 is a typing error the user must see.
    const QDate day(parts[2].toInt(), parts[1].toInt(), parts[0].toInt());
    if (!day.isValid())
        return Checked<QDate>::fail(QStringLiteral("нет такой даты"));
    return Checked<QDate>::ok(day);
}

QString dateText(QDate date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

Checked<double> strength(const QString& text) {
    return number(text, 0, Lower::Exclusive, 100);
}

Checked<double> drinkGrams(const QString& text) {
    // The number, then the unit: "500", "500 мл", "0,5 л", "0.5л"; a point is the comma, as in
    // every field of the forecast.
    const QStringView s = QStringView(text).trimmed();
    if (s.isEmpty())
        return Checked<double>::fail(QStringLiteral("введите число"));
    const auto letter = std::find_if(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
    QString figure = s.first(letter - s.begin()).trimmed().toString();
    const QString unit = s.sliced(letter - s.begin()).toString().toLower();
    if (figure.isEmpty())
        return Checked<double>::fail(QStringLiteral("не число"));
    double scale = 1;
    if (unit == u"л")
        scale = 1000;
    else if (!unit.isEmpty() && unit != u"мл")
        return Checked<double>::fail(QStringLiteral("в мл или л"));
    figure = withComma(figure);
    const QString rangeText = QStringLiteral("больше 0, не больше ") +
                              numberText(Forecast::MaxGrams) + QStringLiteral(" мл");
    double ml = 0;
    try {
        ml = numbertext::readDouble(figure) * scale;
    } catch (const ConversionError&) {
        return Checked<double>::fail(QStringLiteral("не число"));
    } catch (const ArithmeticError&) {
        return Checked<double>::fail(rangeText);
    }
    if (!(ml > 0 && ml <= Forecast::MaxGrams))
        return Checked<double>::fail(rangeText);
    return Checked<double>::ok(ml);
}

Checked<double> bodyMass(const QString& text) {
    return number(text, Forecast::MinBodyMassKg, Lower::Inclusive, Forecast::MaxBodyMassKg);
}

Checked<double> measuredValue(const QString& text, Measurement::Kind kind) {
    return number(text, 0, Lower::Inclusive, kind == Measurement::Kind::Breath ? 4 : 8);
}

Checked<double> ownLimit(const QString& text) {
    return number(text, 0, Lower::Inclusive, 1.5);
}

Checked<double> height(const QString& text) {
    return number(text, 100, Lower::Inclusive, 250);
}

Checked<double> age(const QString& text) {
    return number(text, 14, Lower::Inclusive, 120);
}

Checked<double> drinkingMinutes(const QString& text) {
    return number(text, 0, Lower::Inclusive, Forecast::MaxDrinkingMinutes);
}

Checked<double> deficit(const QString& percentText) {
    Checked<double> percent =
        number(percentText, 0, Lower::Inclusive, ForecastParams::MaxDeficitPercent);
    if (percent.value)
        *percent.value /= 100;
    return percent;
}

Checked<double> absorptionMinutes(const QString& text) {
    return number(text, 0, Lower::Inclusive, ForecastParams::MaxAbsorptionMinutes);
}

RateCheck rates(const QString& slowest, const QString& central, const QString& fastest,
                const ForecastParams& base) {
    const std::pair<RateField, const QString*> fields[] = {{RateField::Slowest, &slowest},
                                                           {RateField::Central, &central},
                                                           {RateField::Fastest, &fastest}};
    double values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const Checked<double> rate =
            number(*fields[i].second, 0, Lower::Exclusive, ForecastParams::MaxRate);
        if (!rate.value)
            return {std::nullopt, fields[i].first, rate.problem};
        values[i] = *rate.value;
    }
    if (values[0] > values[1])
        return {std::nullopt, RateField::Slowest, QStringLiteral("не больше средней скорости")};
    if (values[1] > values[2])
        return {std::nullopt, RateField::Fastest, QStringLiteral("не меньше средней скорости")};
    ForecastParams params = base;
    params.slowestRate = values[0];
    params.rate = values[1];
    params.fastestRate = values[2];
    return {params, RateField::Central, {}};
}

} // namespace forecastinput
