#pragma once

#include "datedrowsmodel.h"
#include "evening.h"
#include "eveningcheck.h"

#include <QList>

// The evening's drinks as a table: one row a drink, one column a field (the date, then
// eveningfields::DrinkTexts), and a last column that says when a row needs a look: "проверьте"
// for a row with a wrong field and "запланирован" for one still to come (after the clock's
// now). Rows, dates and times are taken as DatedRowsModel takes them.
using DatedDrinks = DatedRowsModel<DrinkEntry, DrinkEntryCheck>;
class DrinksModel : public DatedDrinks {
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
    static_assert(DateColumn == DatedDrinks::DateColumn && TimeColumn == DatedDrinks::TimeColumn);

    // Holds up to EveningDrinkLimit drinks.
    explicit DrinksModel(QObject* parent = nullptr);

    const QList<DrinkEntry>& drinks() const { return entries(); }
    void setDrinks(const QList<DrinkEntry>& drinks) { setEntries(drinks); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString problem(int row, int column) const;
    QString state(int row) const;
};
