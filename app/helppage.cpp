#include "helppage.h"

#include "settings/settingslocation.h"

#include <QDir>
#include <QFileInfo>

// PROMILLE_DATA_FROM_BIN comes from the build: the data folder relative to the bin folder of
// the install layout, so a changed layout needs no change here.

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(joinedPath(programFolder, QStringLiteral(PROMILLE_DATA_FROM_BIN)));
}

QString helpPagePath(const QString& programFolder) {
    // A program in "/" must not give "//vodka.htm", which a URL reads as a host name.
    const QString beside = joinedPath(programFolder, QStringLiteral("vodka.htm"));
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed =
        joinedPath(installedDataFolder(programFolder), QStringLiteral("vodka.htm"));
    if (QFileInfo(installed).isFile())
        return installed;
    return beside;
}
