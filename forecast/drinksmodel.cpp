#include "drinksmodel.h"

#include "eveningfields.h"
#include "eveningfile.h"
#include "forecastinput.h"

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
    : QAbstractTableModel(parent) {}

void DrinksModel::setDrinks(const QList<DrinkEntry>& drinks) {
    beginResetModel();
    m_drinks = drinks;
    m_typedDates = QStringList(drinks.size());
    m_checks.clear();
    endResetModel();
}

int DrinksModel::append(const DrinkEntry& drink) {
    if (m_drinks.size() >= EveningDrinkLimit)
        return -1;
    const int row = int(m_drinks.size());
    beginInsertRows({}, row, row);
    m_drinks.append(drink);
    m_typedDates.append(QString());
    endInsertRows();
    return row;
}

void DrinksModel::setChecks(const QList<DrinkEntryCheck>& checks) {
    m_checks = checks;
    if (!m_drinks.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, StateColumn),
                         {Qt::DisplayRole, ProblemRole});
}

int DrinksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_drinks.size());
}

int DrinksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString DrinksModel::problem(int row, int column) const {
    if (column == DateColumn) {
        // What is typed and not yet a date says why, before the row's own check does.
        const QString& typed = m_typedDates[row];
        if (!typed.trimmed().isEmpty())
            if (const QString why = forecastinput::date(typed).problem; !why.isEmpty())
                return why;
    }
    if (row >= m_checks.size())
        return {};
    const DrinkEntryCheck& check = m_checks[row];
    if (column == DateColumn)
        return check.date;
    if (column == StateColumn)
        return check.ok() ? QString() : QStringLiteral("проверьте");
    const eveningfields::DrinkField* field = textField(column);
    return field && field->problem ? check.*field->problem : QString();
}

QString DrinksModel::state(int row) const {
    const QString wrong = problem(row, StateColumn);
    if (!wrong.isEmpty() || row >= m_checks.size() || !m_now)
        return wrong;
    const std::optional<Drink>& drink = m_checks[row].drink;
    return drink && drink->start > m_now() ? QStringLiteral("запланирован") : QString();
}

QVariant DrinksModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const DrinkEntry& drink = m_drinks[row];
    if (role == ProblemRole)
        return problem(row, index.column());
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case DateColumn:
        if (role == Qt::EditRole)
            return m_typedDates[row].isEmpty() ? forecastinput::dateText(drink.date)
                                               : m_typedDates[row];
        return drink.date.toString(QStringLiteral("dd.MM"));
    case StateColumn:
        return role == Qt::DisplayRole ? state(row) : QVariant();
    default:
        return drink.*textField(index.column())->member;
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
    DrinkEntry& drink = m_drinks[row];
    if (index.column() == DateColumn) {
        if (text == data(index, Qt::EditRole).toString())
            return true;
        m_typedDates[row] = text;
        drink.date = forecastinput::date(text).value.value_or(QDate());
    } else {
        QString& member = drink.*textField(index.column())->member;
        if (member == text)
            return true;
        member = text;
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    // A clock time alone belongs to the evening around now, unless a date was typed.
    if (index.column() == TimeColumn && m_now && m_typedDates[row].isEmpty())
        if (const std::optional<QTime> time = forecastinput::clockTime(text).value) {
            const QDate day = dayOfTime(*time, m_now());
            if (day != drink.date) {
                drink.date = day;
                const QModelIndex date = this->index(row, DateColumn);
                emit dataChanged(date, date, {Qt::DisplayRole, Qt::EditRole});
            }
        }
    return true;
}

Qt::ItemFlags DrinksModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.column() == StateColumn ? flags : flags | Qt::ItemIsEditable;
}

bool DrinksModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1 ||
        m_drinks.size() + count > EveningDrinkLimit)
        return false;
    beginInsertRows({}, row, row + count - 1);
    m_drinks.insert(row, count, DrinkEntry{});
    m_typedDates.insert(row, count, QString());
    endInsertRows();
    return true;
}

bool DrinksModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_drinks.remove(row, count);
    m_typedDates.remove(row, count);
    if (row < m_checks.size())
        m_checks.remove(row, std::min<qsizetype>(count, m_checks.size() - row));
    endRemoveRows();
    return true;
}
