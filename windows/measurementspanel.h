#pragma once

#include "forecast/evening.h"
#include "forecast/eveningcheck.h"

#include <QDateTime>
#include <QGroupBox>
#include <QList>

#include <array>
#include <functional>

class ForecastField;
class MeasurementsModel;
class ProblemLine;
class QComboBox;
class QDataWidgetMapper;
class QPushButton;
class QTableView;

// "Замеры": the evening's readings, a breathalyser's or a laboratory's, in a small table of
// their own, with the selected one's fields below it and the problems the check finds at them.
// "Замер" adds a reading taken now and puts the keyboard in its value, so that a reading is one
// click and one number; it is laid out by the window beside the drinks' "Добавить", and the
// panel shows only while there are readings.
class MeasurementsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit MeasurementsPanel(QWidget* parent = nullptr);

    QPushButton* addButton() const { return m_add; }
    // Now, for a new reading and for the day a typed time takes.
    void setClock(std::function<QDateTime()> now);

    const QList<MeasurementEntry>& measurements() const;
    // Shows `measurements`, the last one selected.
    void setMeasurements(const QList<MeasurementEntry>& measurements);
    // The check of every reading, in order.
    void setChecks(const QList<MeasurementEntryCheck>& checks);

signals:
    void changed(); // a reading added, removed or edited

private:
    void add();
    void remove();
    void rowSelected();
    void edited();
    void showProblems();
    void showDetails(); // the panel, once there is a reading

    MeasurementsModel* m_model;
    QDataWidgetMapper* m_mapper;
    std::function<QDateTime()> m_now;
    QTableView* m_table;
    QPushButton* m_add;
    QPushButton* m_remove;
    // By the model's columns: the date, the time, the value; the kind's list after them.
    std::array<ForecastField*, 3> m_fields{};
    std::array<ProblemLine*, 3> m_problems{};
    QComboBox* m_kind;
};
