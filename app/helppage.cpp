#include "helppage.h"

#include <QDir>
#include <QFileInfo>

// PROMILLE_DATA_FROM_BIN comes from the build: the data folder relative to the bin folder of
// the install layout, so a changed layout needs no change here.

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + u'/' + QStringLiteral(PROMILLE_DATA_FROM_BIN));
}

QString helpPagePath(const QString& programFolder) {
    const QString beside = programFolder + QStringLiteral("/vodka.htm");
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = installedDataFolder(programFolder) + QStringLiteral("/vodka.htm");
    if (QFileInfo(installed).isFile())
        return installed;
    return beside;
}
