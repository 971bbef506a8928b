#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Joins with one '/', also when the folder is the root "/".
QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

QString settingsFilePath(const QString& programFolder, const QString& userConfigHome) {
    const QString beside = joined(programFolder, QStringLiteral("vux.ini"));
    const QFileInfo folder(programFolder);
    if ((folder.isDir() && folder.isWritable()) || QFileInfo(beside).isFile())
        return beside;
    return joined(userConfigHome, QStringLiteral("promille/vux.ini"));
}

QString defaultUserConfigHome() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return joined(QDir::homePath(), QStringLiteral(".config"));
}
