#pragma once

#include "eveningfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// forecast.json as one window sees it. The store remembers the bytes it last read or wrote
// there, so that an evening another copy of the program wrote meanwhile is never overwritten
// unseen, and a file that cannot be read is set aside before anything is written in its place.
// Nothing is ever deleted: a file set aside takes the next free name.
class EveningStore {
public:
    // Renames without replacing; false when the new name is taken or the rename fails.
    using Rename = std::function<bool(const QString& from, const QString& to)>;

    explicit EveningStore(QString path, Rename rename = {});

    const QString& path() const { return m_path; }

    struct Loaded {
        Evening evening; // the defaults when there is no file or it could not be read
        QString notice;  // a short Russian text for the window when the file was refused
    };
    // The evening in the file. One that cannot be read is set aside as "<name>.bad" (or the
    // next free "<name>.bad.2", …); when even that fails it stays, and is set aside before the
    // next save instead.
    Loaded load(const QDateTime& now);

    // The evening another program wrote since this store last read or wrote the file, when
    // there is one and it can be read; from then on it is the file this store knows.
    std::optional<Evening> newer(const QDateTime& now);

    struct Saved {
        bool ok = false;
        QString problem;  // why not, in short Russian, when not ok
        QString setAside; // the name another program's file was kept under, if any
    };
    // Writes `evening` atomically, creating the folder when needed. A file that changed since
    // this store last read or wrote it is first set aside under a free name ("<name>.other" for
    // an evening, "<name>.bad" for anything else); when that fails nothing is written. Refuses
    // a link at the path and an evening the file could not hold.
    Saved save(const Evening& evening, const QDateTime& now);

    // The first of "<path><suffix>", "<path><suffix>.2", … that does not exist; empty when
    // every one up to a bound does.
    static QString freeName(const QString& path, const QString& suffix);

private:
    bool setAside(const QString& suffix, QString& name);

    QString m_path;
    Rename m_rename;
    std::optional<QByteArray> m_known; // the bytes last read or written; nothing: no file known
};
