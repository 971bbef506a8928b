#pragma once

#include "forecast/drinksmodel.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <initializer_list>
#include <utility>

#include <array>

class ChartWidget;
class MeasurementsPanel;
class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

// How many drinks "Выпил сейчас" offers.
inline constexpr int DrinkNowButtons = 4;

// The forecast window's controls as laid out: names, captions, spoken names and the problem
// label beside each typed field. The window binds them to its evening.
struct ForecastControls {
    QLabel* notice = nullptr;      // what happened to the kept evening
    QLabel* saveProblem = nullptr; // "Вечер не сохранён: …"
    QTableView* table = nullptr;
    QPushButton* add = nullptr;
    QPushButton* repeat = nullptr; // "Ещё такой же"
    QPushButton* remove = nullptr;
    QList<QPushButton*> drinkNow; // "Выпил сейчас", DrinkNowButtons of them
    // The selected drink's editors, by the drinks model's column: line edits, and a combo box
    // for the name.
    std::array<QWidget*, DrinksModel::StateColumn> drinkEditors{};
    MeasurementsPanel* measurements = nullptr; // its "Замер" lies beside the drinks' buttons
    QComboBox* sex = nullptr;
    QComboBox* country = nullptr; // the countries, then "свой предел"
    QLineEdit* ownLimit = nullptr;
    QPushButton* help = nullptr;
    ChartWidget* chart = nullptr;
    QLabel* headline = nullptr; // the answer at a glance, bold
    QLabel* summary = nullptr;
    QList<QPushButton*> keep; // the report, printing, the chart, the data
    QHash<QLineEdit*, QLabel*> problems;
    QHash<QWidget*, QLabel*> captions; // shown and hidden with their fields
};

// The table shows `drinks`, a DrinksModel.
ForecastControls layOutForecast(QWidget& window, QAbstractItemModel& drinks);

// Shows the fields named (object names) whose flag is set, with their captions and problem
// lines, and hides the others.
void showUsedFields(const ForecastControls& controls,
                    std::initializer_list<std::pair<const char*, bool>> fields);

// The "Выпил сейчас" buttons named after `names`, in order; the buttons beyond them hidden.
void showDrinkNames(const ForecastControls& controls, const QStringList& names);
