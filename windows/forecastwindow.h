#pragma once

#include "forecast/calculatorhandover.h"
#include "forecast/eveningstore.h"
#include "forecast/forecastform.h"
#include "forecast/reportpage.h"
#include "windows/forecastkeeper.h"

#include <QWidget>

#include <memory>

class Application;
class ChartWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class Timer;

// "Прогноз": the blood level over clock time for an evening of drinks, with its band, the legal
// limit and the answer to "may I drive at 08:00?". An ordinary resizable window; everything it
// computes comes from the forecast core, the window only reads fields and shows answers.
class ForecastWindow : public QWidget {
    Q_OBJECT

public:
    explicit ForecastWindow(Application& app);

    // Takes the calculator's drink, body and rate. A fresh window without a kept evening takes
    // everything; one that holds an evening only gains the drink as a new row, so nothing typed
    // or kept is lost.
    void takeOver(const CalculatorHandover& handover, bool fresh);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildDrinks();
    QWidget* buildPerson();
    QWidget* buildLimit();
    QWidget* buildAnswers();
    QLineEdit* field(QWidget* parent, const QString& name, const QString& spoken);
    QLabel* problemLabel(QWidget* parent, QLineEdit* field);

    void addRow();
    void removeRow();
    void rowSelected();
    void editorChanged();
    void drinkPicked();
    void showRow(int row);
    void showRowInTable(int row);
    void limitChosen();
    void showHelp();
    void showEvening(); // m_form everywhere: fields, table, current row, answers
    void showForm();    // every field from m_form
    void changed();     // an edit: answer it and keep the evening
    void keep();
    void takeNewerEvening(); // another program's kept evening, when this one has nothing unkept
    void showNotice(const QString& text);
    void showFieldsInUse();
    void recompute();
    void showProblems();
    void setProblem(QLineEdit* field, const QString& problem);

    // Keeping the answer: a one-page report, the chart as a picture, the curve as a table.
    void saveReport();
    void saveChart();
    void saveData();
    void print();

    Application& m_app;
    ForecastForm m_form;
    ForecastFormCheck m_check;
    QStringList m_summary;
    bool m_loading = false; // fields written by the program, not typed
    bool m_built = false;

    QTableWidget* m_table;
    QLineEdit* m_date;
    QLineEdit* m_time;
    QComboBox* m_drink;
    QLineEdit* m_grams;
    QLineEdit* m_strength;
    QLineEdit* m_duration;
    QComboBox* m_sex;
    QComboBox* m_model;
    QLineEdit* m_height;
    QLineEdit* m_age;
    QComboBox* m_country;
    QComboBox* m_driver;
    QLineEdit* m_ownLimit;
    QLabel* m_notice;
    QLineEdit* m_mass;
    QLineEdit* m_slowest;
    QLineEdit* m_rate;
    QLineEdit* m_fastest;
    QLineEdit* m_deficit;
    QLineEdit* m_absorption;
    QLineEdit* m_planned;
    QLabel* m_summaryLabel;
    ChartWidget* m_chart;
    Timer* m_nowTick; // moves the "сейчас" line
    QList<QWidget*> m_keepButtons;
    std::unique_ptr<ForecastKeeper> m_keeper; // the report, the picture and the table
    QHash<QLineEdit*, QLabel*> m_problems;
    QHash<QWidget*, QLabel*> m_captions; // shown and hidden with their fields
    QLabel* m_saveProblem; // "Вечер не сохранён: …", until a save succeeds
    std::unique_ptr<EveningStore> m_store;
    bool m_unsaved = false;     // the last change could not be kept
    bool m_keptEvening = false; // opened with drinks from the kept evening
};
