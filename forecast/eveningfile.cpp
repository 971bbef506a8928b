#include "eveningfile.h"

#include "eveningcheck.h"
#include "eveningfields.h"
#include "forecastinput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <algorithm>

namespace {

using eveningfields::DrinkTexts;
using eveningfields::EveningTexts;

constexpr QLatin1String VersionKey("version");
constexpr QLatin1String DrinksKey("drinks");
constexpr QLatin1String DateKey("date");
constexpr QLatin1String SexKey("sex");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// The most bytes the writer can make of an evening the checks let through: every text at its
// length limit in characters that take three bytes of UTF-8 each (a surrogate pair takes four
// for two; '"' and '\\' take two; control characters are refused), every drink there.
constexpr qsizetype quotedBytes(qsizetype textBytes) {
    return textBytes + 2;
}
constexpr qsizetype memberBytes(QLatin1String key, qsizetype valueBytes) {
    return quotedBytes(key.size()) + 1 + valueBytes + 1; // "key":value,
}
template <typename Field, std::size_t N>
constexpr qsizetype textMembersBytes(const Field (&fields)[N]) {
    qsizetype bytes = 0;
    for (const auto& field : fields)
        bytes += memberBytes(field.key, quotedBytes(3 * EveningTextLimit));
    return bytes;
}
constexpr qsizetype largestJsonBytes() {
    const qsizetype drink =
        2 + memberBytes(DateKey, quotedBytes(10)) + textMembersBytes(DrinkTexts);
    return 2 + memberBytes(VersionKey, 10) + memberBytes(SexKey, quotedBytes(1)) +
           textMembersBytes(EveningTexts) +
           memberBytes(DrinksKey, 2 + EveningDrinkLimit * (drink + 1));
}
// Whatever the window lets a user enter, the reader takes back what the writer wrote.
static_assert(largestJsonBytes() <= EveningFileSizeLimit);

// Written the way it is read, so that a date reads back as the same text; an empty text is a
// drink whose date was not yet given (or not a real one).
std::optional<QDate> dateFrom(const QString& text) {
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, DateFormat);
    if (!date.isValid() || date.toString(DateFormat) != text)
        return std::nullopt;
    return date;
}

template <typename Owner, typename Field, std::size_t N>
bool readTexts(const QJsonObject& object, const Field (&fields)[N], Owner& into) {
    for (const auto& field : fields) {
        const QJsonValue value = object.value(field.key);
        if (!value.isString())
            return false;
        into.*field.member = value.toString();
    }
    return true;
}

template <typename Owner, typename Field, std::size_t N>
void writeTexts(QJsonObject& object, const Field (&fields)[N], const Owner& from) {
    for (const auto& field : fields)
        object.insert(field.key, from.*field.member);
}

std::optional<EveningRefusal> textProblem(const QString& text) {
    if (text.size() > EveningTextLimit)
        return EveningRefusal::TextTooLong;
    // A lone surrogate would not survive the way back to UTF-8; no field holds a control
    // character, and a NUL would cut the text short wherever it is shown.
    if (!text.isValidUtf16() || std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        }))
        return EveningRefusal::InvalidText;
    return std::nullopt;
}

std::optional<EveningRefusal> readDrink(const QJsonValue& value, DrinkEntry& drink) {
    if (!value.isObject())
        return EveningRefusal::WrongType;
    const QJsonObject object = value.toObject();
    const QJsonValue date = object.value(DateKey);
    if (!date.isString() || !readTexts(object, DrinkTexts, drink))
        return EveningRefusal::WrongType;
    const std::optional<QDate> day = dateFrom(date.toString());
    if (!day)
        return EveningRefusal::InvalidDate;
    drink.date = *day;
    return std::nullopt;
}

std::optional<EveningRefusal> readObject(const QJsonObject& object, Evening& evening) {
    const QJsonValue version = object.value(VersionKey);
    if (!version.isDouble() || version.toDouble() != EveningFormatVersion)
        return EveningRefusal::Version;

    const QJsonValue drinks = object.value(DrinksKey);
    if (!drinks.isArray())
        return EveningRefusal::WrongType;
    const QJsonArray rows = drinks.toArray();
    if (rows.size() > EveningDrinkLimit)
        return EveningRefusal::TooManyDrinks;
    for (const QJsonValue& row : rows) {
        DrinkEntry drink;
        if (const auto refusal = readDrink(row, drink))
            return refusal;
        evening.drinks.append(drink);
    }

    const QJsonValue sex = object.value(SexKey);
    if (!sex.isString() || !readTexts(object, EveningTexts, evening))
        return EveningRefusal::WrongType;
    if (sex.toString() == u"m")
        evening.sex = Sex::Male;
    else if (sex.toString() == u"f")
        evening.sex = Sex::Female;
    else
        return EveningRefusal::UnknownSex;
    evening.ownLimit = !evening.customLimit.isEmpty();
    return std::nullopt;
}

} // namespace

QByteArray toJson(const Evening& evening) {
    QJsonArray drinks;
    for (const DrinkEntry& drink : evening.drinks) {
        QJsonObject row;
        row.insert(DateKey, drink.date.isValid() ? drink.date.toString(DateFormat) : QString());
        writeTexts(row, DrinkTexts, drink);
        drinks.append(row);
    }
    QJsonObject object;
    object.insert(VersionKey, EveningFormatVersion);
    object.insert(DrinksKey, drinks);
    object.insert(SexKey, evening.sex == Sex::Female ? QStringLiteral("f") : QStringLiteral("m"));
    writeTexts(object, EveningTexts, evening);
    if (!evening.ownLimit)
        object.insert(QLatin1String("customLimit"), QString());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<EveningRefusal> eveningProblem(const Evening& evening, const QDateTime& now) {
    if (evening.drinks.size() > EveningDrinkLimit)
        return EveningRefusal::TooManyDrinks;
    for (const DrinkEntry& drink : evening.drinks) {
        // No date is a row still to be completed; a date must read back as itself.
        if (drink.date.isValid() && !dateFrom(drink.date.toString(DateFormat)))
            return EveningRefusal::InvalidDate;
        for (const auto& field : DrinkTexts)
            if (const auto problem = textProblem(drink.*field.member))
                return problem;
    }
    for (const auto& field : EveningTexts)
        if (const auto problem = textProblem(evening.*field.member))
            return problem;
    for (const auto& field : EveningTexts)
        if (field.known && !field.known(evening.*field.member))
            return EveningRefusal::UnknownId;
    const QStringList dates = drinkDateProblems(evening.drinks, now);
    if (std::any_of(dates.cbegin(), dates.cend(), [](const QString& p) { return !p.isEmpty(); }))
        return EveningRefusal::FarDate;
    return std::nullopt;
}

EveningRead readEvening(const QByteArray& bytes, const QDateTime& now) {
    if (bytes.size() > EveningFileSizeLimit)
        return {{}, EveningRefusal::TooLarge};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, EveningRefusal::NotJson};
    if (!document.isObject())
        return {{}, EveningRefusal::NotObject};

    EveningRead read;
    if (const auto refusal = readObject(document.object(), read.evening))
        return {{}, refusal};
    if (now.isValid()) {
        const QDateTime oldest = now.addSecs(-EveningKeepSeconds);
        read.evening.drinks.removeIf([&](const DrinkEntry& drink) {
            // A drink without a date is never too old.
            const std::optional<QDateTime> start = drinkStart(drink, now);
            return start && *start < oldest;
        });
    }
    if (const auto refusal = eveningProblem(read.evening, now))
        return {{}, refusal};
    return read;
}

QString refusalText(EveningRefusal refusal) {
    switch (refusal) {
    case EveningRefusal::TooLarge:
        return QStringLiteral("файл слишком велик");
    case EveningRefusal::NotJson:
    case EveningRefusal::NotObject:
        return QStringLiteral("файл испорчен");
    case EveningRefusal::Version:
        return QStringLiteral("файл другой версии программы");
    case EveningRefusal::WrongType:
    case EveningRefusal::UnknownSex:
    case EveningRefusal::UnknownId:
        return QStringLiteral("в файле неизвестные значения");
    case EveningRefusal::TooManyDrinks:
        return QStringLiteral("больше %1 напитков").arg(EveningDrinkLimit);
    case EveningRefusal::TextTooLong:
        return QStringLiteral("текст длиннее %1 знаков").arg(EveningTextLimit);
    case EveningRefusal::InvalidText:
        return QStringLiteral("недопустимые знаки в тексте");
    case EveningRefusal::InvalidDate:
        return QStringLiteral("неверная дата напитка");
    case EveningRefusal::FarDate:
        return QStringLiteral("дата напитка слишком далеко");
    }
    return QStringLiteral("неизвестная ошибка");
}
