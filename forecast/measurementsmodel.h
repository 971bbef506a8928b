#pragma once

#include "datedrowsmodel.h"
#include "evening.h"
#include "eveningcheck.h"

#include <QList>
#include <QString>

#include <optional>

// The evening's readings as a table: one row a reading, its date, then
// eveningfields::MeasurementTexts, then its kind. Rows, dates and times are taken as
// DatedRowsModel takes them; the kind is taken by its name as kindText() gives it.
using DatedMeasurements = DatedRowsModel<MeasurementEntry, MeasurementEntryCheck>;
class MeasurementsModel : public DatedMeasurements {
    Q_OBJECT

public:
    // The note says what to mind about a reading the check let through; it is not typed.
    enum Column { DateColumn, TimeColumn, ValueColumn, KindColumn, NoteColumn, ColumnCount };
    static_assert(DateColumn == DatedMeasurements::DateColumn &&
                  TimeColumn == DatedMeasurements::TimeColumn);

    // Holds up to EveningMeasurementLimit readings.
    explicit MeasurementsModel(QObject* parent = nullptr);

    const QList<MeasurementEntry>& measurements() const { return entries(); }
    void setMeasurements(const QList<MeasurementEntry>& measurements) { setEntries(measurements); }

    // "выдох, мг/л" or "кровь, ‰": a kind with the unit its value is read in.
    static QString kindText(Measurement::Kind kind);
    static std::optional<Measurement::Kind> kindOf(const QString& text);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};
