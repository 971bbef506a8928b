#pragma once

#include "eveningcheck.h"
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
    QStringList readingHeader; // none without readings
    QList<QStringList> readings;
    QStringList summary;
    QStringList notes; // constants and sources
    QString warning;
};

// The page of an evening whose check holds a forecast, made at `made`: the answers are those of
// that moment, "Сейчас" included.
ReportPage reportPage(const Evening& form, const EveningCheck& check, const QDateTime& made);

// The constants the page names, each from the figure the computation uses.
QString reportConstants();
