#pragma once

#include "forecastform.h"
#include "limit.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// The words of the forecast's one-page report: what it was computed from, the answers, the
// constants and sources, and the warning. The page's drawing lives with the windows.
struct ReportPage {
    QString title;
    QString made; // "Составлен 8 декабря 2026 г. в 22:00"
    QStringList person;
    QStringList drinkHeader;
    QList<QStringList> drinks;
    QStringList summary;
    QStringList notes; // constants and sources
    QString warning;
};

struct ReportFacts {
    QString modelName;   // "Видмарк"
    QString modelSource; // author, year, journal
    double reductionFactor = 0;
    Limit limit;
    QStringList summary; // the answers as the window shows them, warning excluded
    QDateTime made;
};

ReportPage reportPage(const ForecastForm& form, const ReportFacts& facts);
