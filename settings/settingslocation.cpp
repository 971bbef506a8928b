#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>

QString joinedPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString settingsFilePath(const QString& programFolder, const QString& userConfigHome) {
    const QString beside = joinedPath(programFolder, QStringLiteral("vux.ini"));
    const QFileInfo folder(programFolder);
    if ((folder.isDir() && folder.isWritable()) || QFileInfo(beside).isFile())
        return beside;
    return joinedPath(userConfigHome, QStringLiteral("promille/vux.ini"));
}

QString forecastFilePath(const QString& programFolder, const QString& userConfigHome) {
    QString path = settingsFilePath(programFolder, userConfigHome);
    path.chop(QStringLiteral("vux.ini").size());
    return path + QStringLiteral("forecast.json");
}

QString defaultUserConfigHome() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return joinedPath(QDir::homePath(), QStringLiteral(".config"));
}
