#pragma once

#include "evening.h"
#include "eveningcheck.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>
#include <QStringList>

#include <functional>

// The evening's drinks as a table: one row a drink, one column a field (the date, then
// eveningfields::DrinkTexts), and a last column that says when a row needs a look. Edits come
// in as text, exactly as typed; a date that is not a day of the calendar leaves the drink
// without a date but is kept as typed for its editor, so nothing typed is lost. The state
// column says "проверьте" for a row with a wrong field and "запланирован" for one still to come.
class DrinksModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        TimeColumn,
        DrinkColumn,
        GramsColumn,
        StrengthColumn,
        MinutesColumn,
        StateColumn,
        ColumnCount
    };
    // Why the cell's value is wrong, as a short Russian text; empty where it is right.
    static constexpr int ProblemRole = Qt::UserRole;

    explicit DrinksModel(QObject* parent = nullptr);

    const QList<DrinkEntry>& drinks() const { return m_drinks; }
    void setDrinks(const QList<DrinkEntry>& drinks);
    // Adds `drink` as the last row, unless the evening holds EveningDrinkLimit drinks already.
    // The new row, or -1.
    int append(const DrinkEntry& drink);
    // The check of every row, in order, for the problem role and the state column.
    void setChecks(const QList<DrinkEntryCheck>& checks);
    // The clock the rows are measured against: a time typed into a row whose date was not typed
    // takes the day that makes it the latest moment up to an hour from now (dayOfTime), and a
    // drink that begins after now is marked as planned.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // New rows are empty drinks.
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

private:
    QString problem(int row, int column) const;
    QString state(int row) const;

    QList<DrinkEntry> m_drinks;
    QStringList m_typedDates; // the date as typed into the row's editor; empty: not typed
    QList<DrinkEntryCheck> m_checks;
    std::function<QDateTime()> m_now;
};
