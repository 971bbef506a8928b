#pragma once

#include "evening.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The forecast window's evening as the user left it, kept in forecast.json between runs. Every
// field is the text as typed, valid or not, so that reopening the window loses nothing.

// Drinks and texts are kept exactly as the window holds them. An own limit is kept by its
// figure: a file with a custom limit is an evening with an own limit, and an empty figure is no
// choice to keep.

// What the file may hold; the window's fields take no more. The byte limit is checked at
// compile time to hold the largest evening the others allow.
inline constexpr qsizetype EveningFileSizeLimit = 1024 * 1024;
inline constexpr qsizetype EveningDrinkLimit = 500;
inline constexpr qsizetype EveningMeasurementLimit = 100;
inline constexpr qsizetype EveningTextLimit = 100;
// Version 2 added the readings; a file of version 1 is read as an evening without any.
inline constexpr int EveningFormatVersion = 2;

// Drinks and readings further back than this are of no use to a forecast and are dropped when
// reading.
inline constexpr qint64 EveningKeepSeconds = 48 * 3600;

enum class EveningRefusal {
    TooLarge,            // more than EveningFileSizeLimit bytes
    NotJson,             // not JSON at all
    NotObject,           // JSON, but not an object
    Version,             // no version, or one this program does not read
    WrongType,           // a field missing or not of its type
    TooManyDrinks,       // more than EveningDrinkLimit
    TooManyMeasurements, // more than EveningMeasurementLimit
    TextTooLong,         // a text longer than EveningTextLimit
    InvalidText,         // a text that is not proper Unicode, or holds a control character
    InvalidDate,         // not a real date as yyyy-MM-dd (an empty one is a row without a date)
    UnknownSex,          // neither "m" nor "f"
    UnknownId,           // a model, country, driver class or kind of reading not known here
    FarDate,             // a row too far from now or from the first drink (the date problems)
};

// A short Russian reason, as "не сохранён: <reason>" or "не прочитан: <reason>" goes on.
QString refusalText(EveningRefusal refusal);

struct EveningRead {
    Evening evening; // the defaults when refused
    std::optional<EveningRefusal> refusal;
};

// Compact UTF-8 JSON carrying the format version.
QByteArray toJson(const Evening& evening);

// The evening in `bytes`, without the drinks that began and the readings taken more than
// EveningKeepSeconds before `now` (a row whose time is not a proper ЧЧ:ММ counts from the end of
// its day).
EveningRead readEvening(const QByteArray& bytes, const QDateTime& now);

// Why the file could not hold `evening` at `now`, if it could not.
std::optional<EveningRefusal> eveningProblem(const Evening& evening, const QDateTime& now);
