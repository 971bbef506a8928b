#pragma once

#include "forecast/calculatorhandover.h"
#include "forecast/eveningcheck.h"
#include "forecast/eveningstore.h"
#include "forecast/reportpage.h"
#include "windows/forecastkeeper.h"
#include "windows/forecastlayout.h"

#include <QWidget>

#include <memory>

class Application;
class ChartWidget;
class DrinksModel;
class QComboBox;
class QDataWidgetMapper;
class QLabel;
class QLineEdit;
class QTableView;
class Timer;

// "Прогноз": the blood level over clock time for an evening of drinks, with its band, the legal
// limit and the answer to "may I drive at 08:00?". An ordinary resizable window; everything it
// computes comes from the forecast core, the window only shows the evening and its answers.
class ForecastWindow : public QWidget {
    Q_OBJECT

public:
    explicit ForecastWindow(Application& app);
    ~ForecastWindow() override;

    // Takes the calculator's drink, body and rate. A fresh window without a kept evening takes
    // everything; one that holds an evening only gains the drink as a new row, so nothing typed
    // or kept is lost.
    void takeOver(const CalculatorHandover& handover, bool fresh);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void bindFields();

    void addRow();
    bool appendRow(const DrinkEntry& drink); // selected; false when the evening is full
    void repeatRow();                        // the selected drink again, now
    void showDrinkNow();                     // the drinks "Выпил сейчас" offers
    void removeRow();
    void rowSelected();
    void limitChosen();
    void showEvening(); // m_form everywhere: fields, table, current row, answers
    void showFields();  // the fields outside the table
    void showFieldsInUse();
    void changed();          // an edit: answer it, and keep the evening a moment later
    void keep();             // writes the evening now, if a change waits
    void takeNewerEvening(); // another program's kept evening, when this one has nothing unkept
    void showNotice(const QString& text);
    void recompute();
    void showProblems();
    void setProblem(QLineEdit* field, const QString& problem);

    Application& m_app;
    Evening m_form;               // its drinks follow m_drinks, its readings the readings' panel
    QList<DrinkEntry> m_drinkNow; // what each "Выпил сейчас" button adds, but for the time
    EveningCheck m_check;
    Evening m_answered; // the evening m_check and the answers are of
    QStringList m_summary;
    bool m_built = false;

    ForecastControls m_ui;
    DrinksModel* m_drinks;
    QDataWidgetMapper* m_mapper;
    Timer* m_nowTick;                         // moves the "сейчас" line
    Timer* m_saveTick;                        // keeps the evening a second after the last change
    std::unique_ptr<ForecastKeeper> m_keeper; // the report, the picture and the table
    std::unique_ptr<EveningStore> m_store;
    bool m_waiting = false;     // a change not yet written
    bool m_unsaved = false;     // the last write failed
    bool m_keptEvening = false; // opened with drinks from the kept evening
};
