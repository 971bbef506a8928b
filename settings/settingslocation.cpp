#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Two paths that lead to one existing folder, also through links or with a trailing separator.
bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString installedBinFolder() {
#ifdef PROMILLE_INSTALL_BINDIR
    return QStringLiteral(PROMILLE_INSTALL_BINDIR);
#else
    return {};
#endif
}

QString joinedPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString settingsFilePath(const QString& programFolder, const QString& userConfigHome,
                         const QString& installedBin) {
    const QString beside = joinedPath(programFolder, QStringLiteral("vux.ini"));
    if (QFileInfo(beside).isFile())
        return beside;
    const QFileInfo folder(programFolder);
    if (folder.isDir() && folder.isWritable() && !sameFolder(programFolder, installedBin))
        return beside;
    return joinedPath(userConfigHome, QStringLiteral("promille/vux.ini"));
}

QString forecastFilePath(const QString& programFolder, const QString& userConfigHome,
                         const QString& installedBin) {
    QString path = settingsFilePath(programFolder, userConfigHome, installedBin);
    path.chop(QStringLiteral("vux.ini").size());
    return path + QStringLiteral("forecast.json");
}

QString defaultUserConfigHome() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return joinedPath(QDir::homePath(), QStringLiteral(".config"));
}
