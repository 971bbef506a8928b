#include "measurementsmodel.h"

#include "eveningfields.h"
#include "eveningfile.h"

namespace {

using eveningfields::MeasurementTexts;

// The text columns lie after the date, in the order of MeasurementTexts.
const eveningfields::MeasurementField* textField(int column) {
    const int i = column - MeasurementsModel::TimeColumn;
    return i >= 0 && i < int(std::size(MeasurementTexts)) ? &MeasurementTexts[i] : nullptr;
}

static_assert(std::size(MeasurementTexts) ==
              MeasurementsModel::KindColumn - MeasurementsModel::TimeColumn);

} // namespace

MeasurementsModel::MeasurementsModel(QObject* parent)
    : DatedMeasurements(EveningMeasurementLimit, parent) {}

QString MeasurementsModel::kindText(Measurement::Kind kind) {
    return kind == Measurement::Kind::Blood ? QStringLiteral("кровь, ‰")
                                            : QStringLiteral("выдох, мг/л");
}

std::optional<Measurement::Kind> MeasurementsModel::kindOf(const QString& text) {
    for (const Measurement::Kind kind : {Measurement::Kind::Breath, Measurement::Kind::Blood})
        if (text == kindText(kind))
            return kind;
    return std::nullopt;
}

int MeasurementsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MeasurementsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    if (role == ProblemRole) {
        if (column == DateColumn)
            return dateProblem(row);
        const MeasurementEntryCheck* checked = check(row);
        const eveningfields::MeasurementField* field = textField(column);
        return checked && field ? checked->*field->problem : QString();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (column == DateColumn)
        return dateData(row, role);
    if (column == KindColumn)
        return kindText(measurements()[row].kind);
    if (column == NoteColumn) {
        const MeasurementEntryCheck* checked = check(row);
        return checked ? checked->note : QString();
    }
    return measurements()[row].*textField(column)->member;
}

QVariant MeasurementsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == DateColumn)
        return QStringLiteral("Дата");
    if (section == KindColumn)
        return QStringLiteral("Вид");
    if (section == NoteColumn)
        return QStringLiteral("Заметка");
    if (const eveningfields::MeasurementField* field = textField(section))
        return QString::fromUtf16(field->header);
    return QString();
}

bool MeasurementsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int row = index.row();
    const QString text = value.toString();
    if (index.column() == DateColumn)
        return typeDate(row, text);
    if (index.column() == NoteColumn)
        return false;
    if (index.column() == KindColumn) {
        const std::optional<Measurement::Kind> kind = kindOf(text);
        if (!kind)
            return false;
        if (*kind != entry(row).kind) {
            entry(row).kind = *kind;
            emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        }
        return true;
    }
    return typeText(index, entry(row).*textField(index.column())->member, text);
}

Qt::ItemFlags MeasurementsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == NoteColumn ? shown : shown | Qt::ItemIsEditable;
}
