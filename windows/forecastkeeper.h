#pragma once

#include "app/chartdescription.h"
#include "forecast/reportpage.h"

#include <QSize>
#include <QString>

class QWidget;
struct Evening;
struct EveningCheck;
struct Services;

// Keeping the forecast's answer: a one-page report as PDF or on the printer, the chart as a
// picture, the curve as a table. Each asks where, offering the folder the last file went to,
// and says so when a file cannot be written. Nothing is kept without a forecast.
class ForecastKeeper {
public:
    // `dialogParent` owns the questions and messages.
    ForecastKeeper(QWidget* dialogParent, Services& services);

    void saveReport(const Evening& form, const EveningCheck& check);
    void print(const Evening& form, const EveningCheck& check);
    // The chart as the screen shows it, at `size` in the dialog parent's font and colours.
    void saveChart(const EveningCheck& check, const ChartDescription& chart, const QSize& size);
    void saveData(const EveningCheck& check);

private:
    QString askSavePath(const QString& caption, const QString& name, const QString& filter,
                        const QString& suffix);
    ReportPage report(const Evening& form, const EveningCheck& check) const;
    // The page has its own chart, of the page's proportions, whatever the window's size.
    ChartDescription pageChart(const EveningCheck& check) const;
    void saveFailed(const QString& path);

    QWidget* m_dialogParent;
    Services& m_services;
    QString m_lastFolder; // where the last file was saved, offered again
};
