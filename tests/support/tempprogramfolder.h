#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty folder that stands in for the program folder during one test.
class TempProgramFolder {
public:
    TempProgramFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};
