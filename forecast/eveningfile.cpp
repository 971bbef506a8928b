#include "eveningfile.h"

#include "forecastinput.h"
#include "settings/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cstdio>

namespace {

template <typename Owner> struct TextField {
    QLatin1String key;
    QString Owner::*member;
};

const TextField<SavedDrink> DrinkTexts[] = {
    {QLatin1String("time"), &SavedDrink::time},
    {QLatin1String("drink"), &SavedDrink::drink},
    {QLatin1String("grams"), &SavedDrink::grams},
    {QLatin1String("strength"), &SavedDrink::strength},
    {QLatin1String("duration"), &SavedDrink::duration},
};

const TextField<SavedEvening> EveningTexts[] = {
    {QLatin1String("mass"), &SavedEvening::mass},
    {QLatin1String("height"), &SavedEvening::height},
    {QLatin1String("age"), &SavedEvening::age},
    {QLatin1String("slowestRate"), &SavedEvening::slowestRate},
    {QLatin1String("rate"), &SavedEvening::rate},
    {QLatin1String("fastestRate"), &SavedEvening::fastestRate},
    {QLatin1String("deficit"), &SavedEvening::deficit},
    {QLatin1String("absorption"), &SavedEvening::absorption},
    {QLatin1String("planned"), &SavedEvening::planned},
    {QLatin1String("model"), &SavedEvening::model},
    {QLatin1String("country"), &SavedEvening::country},
    {QLatin1String("driverClass"), &SavedEvening::driverClass},
    {QLatin1String("customLimit"), &SavedEvening::customLimit},
};

const QLatin1String VersionKey("version");
const QLatin1String DrinksKey("drinks");
const QLatin1String DateKey("date");
const QLatin1String SexKey("sex");
const QString DateFormat = QStringLiteral("yyyy-MM-dd");

// Written the way it is read, so that a date reads back as the same text.
std::optional<QDate> dateFrom(const QString& text) {
    const QDate date = QDate::fromString(text, DateFormat);
    if (!date.isValid() || date.toString(DateFormat) != text)
        return std::nullopt;
    return date;
}

template <typename Owner, std::size_t N>
bool readTexts(const QJsonObject& object, const TextField<Owner> (&fields)[N], Owner& into) {
    for (const auto& field : fields) {
        const QJsonValue value = object.value(field.key);
        if (!value.isString())
            return false;
        into.*field.member = value.toString();
    }
    return true;
}

template <typename Owner, std::size_t N>
void writeTexts(QJsonObject& object, const TextField<Owner> (&fields)[N], const Owner& from) {
    for (const auto& field : fields)
        object.insert(field.key, from.*field.member);
}

std::optional<EveningRefusal> textProblem(const QString& text) {
    if (text.size() > EveningTextLimit)
        return EveningRefusal::TextTooLong;
    // A lone surrogate would not survive the way back to UTF-8.
    if (!text.isValidUtf16())
        return EveningRefusal::InvalidText;
    return std::nullopt;
}

bool isCapitals(QStringView text) {
    for (QChar c : text)
        if (c < u'A' || c > u'Z')
            return false;
    return true;
}

// "RU", or a country with its region: "US-CAL".
bool isCountryId(const QString& id) {
    if (id.size() == 2)
        return isCapitals(id);
    return id.size() == 6 && isCapitals(QStringView(id).left(2)) && id[2] == u'-' &&
           isCapitals(QStringView(id).sliced(3));
}

bool isModelId(const QString& id) {
    static const QStringList known{QStringLiteral("widmark"), QStringLiteral("watson"),
                                   QStringLiteral("seidl"), QStringLiteral("forrest"),
                                   QStringLiteral("all")};
    return known.contains(id);
}

bool isDriverClass(const QString& id) {
    static const QStringList known{QStringLiteral("general"), QStringLiteral("novice"),
                                   QStringLiteral("professional")};
    return known.contains(id);
}

std::optional<EveningRefusal> readDrink(const QJsonValue& value, SavedDrink& drink) {
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

std::optional<EveningRefusal> readObject(const QJsonObject& object, SavedEvening& evening) {
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
        SavedDrink drink;
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
    return eveningProblem(evening);
}

// When the drink began; a time that is not one counts from the end of the day.
QDateTime startOf(const SavedDrink& drink, const QDateTime& now) {
    QDateTime moment = now;
    if (const std::optional<QTime> time = forecastinput::clockTime(drink.time).value) {
        moment.setDate(drink.date);
        moment.setTime(*time);
    } else {
        moment.setDate(drink.date.addDays(1));
        moment.setTime(QTime(0, 0));
    }
    return moment;
}

QString badNameOf(const QString& path) {
    return path + QStringLiteral(".bad");
}

bool renameOver(const QString& from, const QString& to) {
    // rename(2) replaces an older file in one step, so no .bad is removed unless this one takes
    // its place.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

EveningLoad unread() {
    return {SavedEvening{}, QStringLiteral("Сохранённый прогноз не прочитан")};
}

} // namespace

QByteArray toJson(const SavedEvening& evening) {
    QJsonArray drinks;
    for (const SavedDrink& drink : evening.drinks) {
        QJsonObject row;
        row.insert(DateKey, drink.date.toString(DateFormat));
        writeTexts(row, DrinkTexts, drink);
        drinks.append(row);
    }
    QJsonObject object;
    object.insert(VersionKey, EveningFormatVersion);
    object.insert(DrinksKey, drinks);
    object.insert(SexKey, evening.sex == Sex::Female ? QStringLiteral("f") : QStringLiteral("m"));
    writeTexts(object, EveningTexts, evening);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<EveningRefusal> eveningProblem(const SavedEvening& evening) {
    if (evening.drinks.size() > EveningDrinkLimit)
        return EveningRefusal::TooManyDrinks;
    for (const SavedDrink& drink : evening.drinks) {
        if (!drink.date.isValid() || !dateFrom(drink.date.toString(DateFormat)))
            return EveningRefusal::InvalidDate;
        for (const auto& field : DrinkTexts)
            if (const auto problem = textProblem(drink.*field.member))
                return problem;
    }
    for (const auto& field : EveningTexts)
        if (const auto problem = textProblem(evening.*field.member))
            return problem;
    if (!isModelId(evening.model) || !isCountryId(evening.country) ||
        !isDriverClass(evening.driverClass))
        return EveningRefusal::UnknownId;
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
        read.evening.drinks.removeIf(
            [&](const SavedDrink& drink) { return startOf(drink, now) < oldest; });
    }
    return read;
}

EveningLoad loadEvening(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // A folder or a pipe is no evening, and opening a pipe would wait for a writer.
    if (!info.isFile())
        return unread();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? unread() : EveningLoad{};
    // One byte past the limit is enough to know the file is too large.
    const QByteArray bytes = file.read(EveningFileSizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return unread();
    file.close();

    const EveningRead read = readEvening(bytes, now);
    if (!read.refusal)
        return {read.evening, {}};
    // Set aside rather than overwritten by the next save, for whoever wants to look at it.
    const QString bad = badNameOf(path);
    if (!renameOver(path, bad))
        return unread();
    return {SavedEvening{}, QStringLiteral("Сохранённый прогноз не прочитан; файл отложен как ") +
                                QFileInfo(bad).fileName()};
}

bool saveEvening(const QString& path, const SavedEvening& evening) {
    if (path.isEmpty() || eveningProblem(evening))
        return false;
    const QFileInfo info(path);
    // The link, not its target, stops the write: the evening never lands somewhere else.
    if (info.isSymLink())
        return false;
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    return replaceFileAtomically(path, toJson(evening));
}
