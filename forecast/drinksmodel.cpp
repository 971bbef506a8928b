#include "drinksmodel.h"

#include "eveningfields.h"
#include "eveningfile.h"

namespace {

using eveningfields::DrinkTexts;

// The text columns lie after the date, in the order of DrinkTexts.
const eveningfields::DrinkField* textField(int column) {
    const int i = column - DrinksModel::TimeColumn;
    return i >= 0 && i < int(std::size(DrinkTexts)) ? &DrinkTexts[i] : nullptr;
}

static_assert(std::size(DrinkTexts) == DrinksModel::StateColumn - DrinksModel::TimeColumn);

} // namespace

DrinksModel::DrinksModel(QObject* parent)
    : DatedDrinks(EveningDrinkLimit, parent) {}

int DrinksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString DrinksModel::problem(int row, int column) const {
    if (column == DateColumn)
        return dateProblem(row);
    const DrinkEntryCheck* checked = check(row);
    if (!checked)
        return {};
    if (column == StateColumn)
        return checked->ok() ? QString() : QStringLiteral("проверьте");
    const eveningfields::DrinkField* field = textField(column);
    return field && field->problem ? checked->*field->problem : QString();
}

QString DrinksModel::state(int row) const {
    const QString wrong = problem(row, StateColumn);
    const DrinkEntryCheck* checked = check(row);
    if (!wrong.isEmpty() || !checked || !now().isValid())
        return wrong;
    return checked->drink && checked->drink->start > now() ? QStringLiteral("запланирован")
                                                           : QString();
}

QVariant DrinksModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    if (role == ProblemRole)
        return problem(row, index.column());
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case DateColumn:
        return dateData(row, role);
    case StateColumn:
        return role == Qt::DisplayRole ? state(row) : QVariant();
    default:
        return drinks()[row].*textField(index.column())->member;
    }
}

QVariant DrinksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == DateColumn)
        return QStringLiteral("Дата");
    if (const eveningfields::DrinkField* field = textField(section))
        return QString::fromUtf16(field->header);
    return QString();
}

bool DrinksModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        index.column() == StateColumn)
        return false;
    const int row = index.row();
    const QString text = value.toString();
    if (index.column() == DateColumn)
        return typeDate(row, text);
    return typeText(index, entry(row).*textField(index.column())->member, text);
}

Qt::ItemFlags DrinksModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == StateColumn ? flags : flags | Qt::ItemIsEditable;
}
