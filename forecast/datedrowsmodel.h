#pragma once

#include "eveningcheck.h"
#include "forecastinput.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <functional>

// The rows of an evening that happen at a moment, drinks and readings alike, as a table whose
// first columns are the date and the time. Edits come in as text, exactly as typed; a date
// that is not a day of the calendar leaves the row without a date but is kept as typed for its
// editor, so nothing typed is lost. `Entry` holds `date` and `time`, `Check` the problems of
// the row's `date`; the tables built on this one show and take their other cells themselves.
template <typename Entry, typename Check> class DatedRowsModel : public QAbstractTableModel {
public:
    static constexpr int DateColumn = 0;
    static constexpr int TimeColumn = 1;
    // Why the cell's value is wrong, as a short Russian text; empty where it is right.
    static constexpr int ProblemRole = Qt::UserRole;

    // Adds `entry` as the last row, unless the table is full. The new row, or -1.
    int append(const Entry& entry) {
        if (m_entries.size() >= m_limit)
            return -1;
        const int row = int(m_entries.size());
        beginInsertRows({}, row, row);
        m_entries.append(entry);
        m_typedDates.append(QString());
        endInsertRows();
        return row;
    }
    // The check of every row, in order, for the problem role.
    void setChecks(const QList<Check>& checks) {
        m_checks = checks;
        if (!m_entries.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                             {Qt::DisplayRole, ProblemRole});
    }
    // The clock the rows are measured against: a time typed into a row whose date was not typed
    // takes the day that makes it the latest moment up to an hour from now (dayOfTime).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(m_entries.size());
    }
    // New rows are empty entries.
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override {
        if (parent.isValid() || row < 0 || row > rowCount() || count < 1 ||
            m_entries.size() + count > m_limit)
            return false;
        beginInsertRows({}, row, row + count - 1);
        m_entries.insert(row, count, Entry{});
        m_typedDates.insert(row, count, QString());
        endInsertRows();
        return true;
    }
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override {
        if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
            return false;
        beginRemoveRows({}, row, row + count - 1);
        m_entries.remove(row, count);
        m_typedDates.remove(row, count);
        if (row < m_checks.size())
            m_checks.remove(row, std::min<qsizetype>(count, m_checks.size() - row));
        endRemoveRows();
        return true;
    }

protected:
    DatedRowsModel(qsizetype limit, QObject* parent)
        : QAbstractTableModel(parent)
        , m_limit(limit) {}

    const QList<Entry>& entries() const { return m_entries; }
    void setEntries(const QList<Entry>& entries) {
        beginResetModel();
        m_entries = entries;
        m_typedDates = QStringList(entries.size());
        m_checks.clear();
        endResetModel();
    }
    Entry& entry(int row) { return m_entries[row]; }
    // The row's check, or nothing before the first check after the row came.
    const Check* check(int row) const { return row < m_checks.size() ? &m_checks[row] : nullptr; }
    QDateTime now() const { return m_now ? m_now() : QDateTime(); }

    // The date cell: "dd.MM" in the table, the date as typed in its editor.
    QVariant dateData(int row, int role) const {
        const QDate date = m_entries[row].date;
        if (role == Qt::EditRole)
            return m_typedDates[row].isEmpty() ? forecastinput::dateText(date) : m_typedDates[row];
        return date.toString(QStringLiteral("dd.MM"));
    }
    // What is typed and not yet a date says why, before the row's own check does.
    QString dateProblem(int row) const {
        const QString& typed = m_typedDates[row];
        if (!typed.trimmed().isEmpty())
            if (const QString why = forecastinput::date(typed).problem; !why.isEmpty())
                return why;
        const Check* checked = check(row);
        return checked ? checked->date : QString();
    }
    // Takes `text` typed into the row's date editor: kept as typed, the row's date when it is one.
    bool typeDate(int row, const QString& text) {
        if (text == dateData(row, Qt::EditRole).toString())
            return true;
        m_typedDates[row] = text;
        m_entries[row].date = forecastinput::date(text).value.value_or(QDate());
        const QModelIndex date = index(row, DateColumn);
        emit dataChanged(date, date, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }
    // Takes `text` typed into the cell at `index`, whose text is `member`. Only a real change
    // is told: the editors write every field of the row at each key.
    bool typeText(const QModelIndex& index, QString& member, const QString& text) {
        if (member == text)
            return true;
        member = text;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        if (index.column() == TimeColumn)
            timeTyped(index.row());
        return true;
    }

private:
    // After the row's time changed: a clock time alone belongs to the evening around now,
    // unless a date was typed.
    void timeTyped(int row) {
        Entry& entry = m_entries[row];
        if (!m_now || !m_typedDates[row].isEmpty())
            return;
        if (const std::optional<QTime> time = forecastinput::clockTime(entry.time).value) {
            const QDate day = dayOfTime(*time, m_now());
            if (day != entry.date) {
                entry.date = day;
                const QModelIndex date = index(row, DateColumn);
                emit dataChanged(date, date, {Qt::DisplayRole, Qt::EditRole});
            }
        }
    }

    QList<Entry> m_entries;
    QStringList m_typedDates; // the date as typed into the row's editor; empty: not typed
    QList<Check> m_checks;
    std::function<QDateTime()> m_now;
    qsizetype m_limit;
};
