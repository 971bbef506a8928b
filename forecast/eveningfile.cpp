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
using eveningfields::MeasurementTexts;

constexpr QLatin1String VersionKey("version");
constexpr QLatin1String DrinksKey("drinks");
constexpr QLatin1String MeasurementsKey("measurements");
constexpr QLatin1String DateKey("date");
constexpr QLatin1String KindKey("kind");
constexpr QLatin1String SexKey("sex");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// The format before the readings: an evening without any.
constexpr int FirstFormatVersion = 1;

struct KindName {
    Measurement::Kind kind;
    QLatin1String name;
};
constexpr KindName KindNames[] = {
    {Measurement::Kind::Breath, QLatin1String("breath")},
    {Measurement::Kind::Blood, QLatin1String("blood")},
};

const KindName* kindName(Measurement::Kind kind) {
    const auto* found = std::find_if(std::cbegin(KindNames), std::cend(KindNames),
                                     [&](const KindName& k) { return k.kind == kind; });
    return found == std::cend(KindNames) ? nullptr : found;
}

std::optional<Measurement::Kind> kindFrom(const QString& name) {
    for (const KindName& k : KindNames)
        if (name == k.name)
            return k.kind;
    return std::nullopt;
}

// The most bytes the writer can make of an evening the checks let through: every text at its
// length limit in characters that take three bytes of UTF-8 each (a surrogate pair takes four
// for two; '"' and '\\' take two; control characters are refused), every drink and reading
// there.
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
constexpr qsizetype longestKindName() {
    qsizetype longest = 0;
    for (const KindName& k : KindNames)
        longest = std::max(longest, k.name.size());
    return longest;
}
constexpr qsizetype largestJsonBytes() {
    const qsizetype date = memberBytes(DateKey, quotedBytes(10));
    const qsizetype drink = 2 + date + textMembersBytes(DrinkTexts);
    const qsizetype reading = 2 + date + textMembersBytes(MeasurementTexts) +
                              memberBytes(KindKey, quotedBytes(longestKindName()));
    return 2 + memberBytes(VersionKey, 10) + memberBytes(SexKey, quotedBytes(1)) +
           textMembersBytes(EveningTexts) +
           memberBytes(DrinksKey, 2 + EveningDrinkLimit * (drink + 1)) +
           memberBytes(MeasurementsKey, 2 + EveningMeasurementLimit * (reading + 1));
}
// Whatever the window lets a user enter, the reader takes back what the writer wrote.
static_assert(largestJsonBytes() <= EveningFileSizeLimit);

// Written the way it is read, so that a date reads back as the same text; an empty text is a
// row whose date was not yet given (or not a real one).
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

// A drink's or a reading's date and texts.
template <typename Entry, typename Field, std::size_t N>
std::optional<EveningRefusal> readDated(const QJsonObject& object, const Field (&fields)[N],
                                        Entry& entry) {
    const QJsonValue date = object.value(DateKey);
    if (!date.isString() || !readTexts(object, fields, entry))
        return EveningRefusal::WrongType;
    const std::optional<QDate> day = dateFrom(date.toString());
    if (!day)
        return EveningRefusal::InvalidDate;
    entry.date = *day;
    return std::nullopt;
}

template <typename Entry, typename Field, std::size_t N>
QJsonObject writeDated(const Entry& entry, const Field (&fields)[N]) {
    QJsonObject row;
    row.insert(DateKey, entry.date.isValid() ? entry.date.toString(DateFormat) : QString());
    writeTexts(row, fields, entry);
    return row;
}

std::optional<EveningRefusal> readRow(const QJsonObject& object, DrinkEntry& drink) {
    return readDated(object, DrinkTexts, drink);
}

std::optional<EveningRefusal> readRow(const QJsonObject& object, MeasurementEntry& reading) {
    const QJsonValue kind = object.value(KindKey);
    if (!kind.isString())
        return EveningRefusal::WrongType;
    if (const auto refusal = readDated(object, MeasurementTexts, reading))
        return refusal;
    const std::optional<Measurement::Kind> known = kindFrom(kind.toString());
    if (!known)
        return EveningRefusal::UnknownId;
    reading.kind = *known;
    return std::nullopt;
}

template <typename Entry>
std::optional<EveningRefusal> readRows(const QJsonValue& value, qsizetype limit,
                                       EveningRefusal tooMany, QList<Entry>& into) {
    if (!value.isArray())
        return EveningRefusal::WrongType;
    const QJsonArray rows = value.toArray();
    if (rows.size() > limit)
        return tooMany;
    for (const QJsonValue& row : rows) {
        if (!row.isObject())
            return EveningRefusal::WrongType;
        Entry entry;
        if (const auto refusal = readRow(row.toObject(), entry))
            return refusal;
        into.append(entry);
    }
    return std::nullopt;
}

template <typename Entry, typename Field, std::size_t N>
std::optional<EveningRefusal> rowProblem(const Entry& entry, const Field (&fields)[N]) {
    // No date is a row still to be completed; a date must read back as itself.
    if (entry.date.isValid() && !dateFrom(entry.date.toString(DateFormat)))
        return EveningRefusal::InvalidDate;
    for (const auto& field : fields)
        if (const auto problem = textProblem(entry.*field.member))
            return problem;
    return std::nullopt;
}

bool anyProblem(const QStringList& problems) {
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const QString& p) { return !p.isEmpty(); });
}

std::optional<EveningRefusal> readObject(const QJsonObject& object, Evening& evening) {
    // Not a number reads as 0, which is no version.
    const double version = object.value(VersionKey).toDouble(0);
    if (version != FirstFormatVersion && version != EveningFormatVersion)
        return EveningRefusal::Version;

    if (const auto refusal = readRows(object.value(DrinksKey), EveningDrinkLimit,
                                      EveningRefusal::TooManyDrinks, evening.drinks))
        return refusal;
    // A file of the first format has no readings.
    if (version != FirstFormatVersion)
        if (const auto refusal =
                readRows(object.value(MeasurementsKey), EveningMeasurementLimit,
                         EveningRefusal::TooManyMeasurements, evening.measurements))
            return refusal;

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
    for (const DrinkEntry& drink : evening.drinks)
        drinks.append(writeDated(drink, DrinkTexts));
    QJsonArray measurements;
    for (const MeasurementEntry& reading : evening.measurements) {
        QJsonObject row = writeDated(reading, MeasurementTexts);
        const KindName* kind = kindName(reading.kind);
        row.insert(KindKey, kind ? kind->name : QLatin1String());
        measurements.append(row);
    }
    QJsonObject object;
    object.insert(VersionKey, EveningFormatVersion);
    object.insert(DrinksKey, drinks);
    object.insert(MeasurementsKey, measurements);
    object.insert(SexKey, evening.sex == Sex::Female ? QStringLiteral("f") : QStringLiteral("m"));
    writeTexts(object, EveningTexts, evening);
    if (!evening.ownLimit)
        object.insert(QLatin1String("customLimit"), QString());
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<EveningRefusal> eveningProblem(const Evening& evening, const QDateTime& now) {
    if (evening.drinks.size() > EveningDrinkLimit)
        return EveningRefusal::TooManyDrinks;
    if (evening.measurements.size() > EveningMeasurementLimit)
        return EveningRefusal::TooManyMeasurements;
    for (const DrinkEntry& drink : evening.drinks)
        if (const auto problem = rowProblem(drink, DrinkTexts))
            return problem;
    for (const MeasurementEntry& reading : evening.measurements) {
        if (const auto problem = rowProblem(reading, MeasurementTexts))
            return problem;
        if (!kindName(reading.kind))
            return EveningRefusal::UnknownId;
    }
    for (const auto& field : EveningTexts)
        if (const auto problem = textProblem(evening.*field.member))
            return problem;
    for (const auto& field : EveningTexts)
        if (field.known && !field.known(evening.*field.member))
            return EveningRefusal::UnknownId;
    if (anyProblem(drinkDateProblems(evening.drinks, now)) ||
        anyProblem(measurementDateProblems(evening.measurements, evening.drinks, now)))
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
        // A row without a date is never too old.
        const auto old = [&](const std::optional<QDateTime>& at) { return at && *at < oldest; };
        read.evening.drinks.removeIf(
            [&](const DrinkEntry& drink) { return old(drinkStart(drink, now)); });
        read.evening.measurements.removeIf(
            [&](const MeasurementEntry& reading) { return old(measuredAt(reading, now)); });
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
    case EveningRefusal::TooManyMeasurements:
        return QStringLiteral("больше %1 замеров").arg(EveningMeasurementLimit);
    case EveningRefusal::TextTooLong:
        return QStringLiteral("текст длиннее %1 знаков").arg(EveningTextLimit);
    case EveningRefusal::InvalidText:
        return QStringLiteral("недопустимые знаки в тексте");
    case EveningRefusal::InvalidDate:
        return QStringLiteral("неверная дата напитка или замера");
    case EveningRefusal::FarDate:
        return QStringLiteral("дата напитка или замера слишком далеко");
    }
    return QStringLiteral("неизвестная ошибка");
}
