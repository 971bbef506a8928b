#include "settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// The user's folder of the program's files, under the configuration home.
#ifdef Q_OS_WIN
const QString UserFolder = QStringLiteral("Promille");
#else
const QString UserFolder = QStringLiteral("promille");
#endif

bool mayWriteInto(const QFileInfo& folder) {
#ifdef Q_OS_WIN
    // Rights on Windows live in access lists, which isWritable() does not read: a copy in
    // Program Files would look writable. Trying is the only sure answer.
    QTemporaryFile probe(joinedPath(folder.filePath(), QStringLiteral("promille-XXXXXX.tmp")));
    return probe.open();
#else
    return folder.isWritable();
#endif
}

// Two paths that lead to one existing folder, also through links or with a trailing separator.
bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool isInstalledCopy(const QString& programFolder) {
    return QFileInfo(joinedPath(programFolder, QStringLiteral("Uninstall.exe"))).isFile();
}

QString installedBinFolder() {
#if defined(Q_OS_WIN)
    const QString folder = QCoreApplication::applicationDirPath();
    return isInstalledCopy(folder) ? folder : QString();
#elif defined(PROMILLE_INSTALL_BINDIR)
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
    if (folder.isDir() && mayWriteInto(folder) && !sameFolder(programFolder, installedBin))
        return beside;
    return joinedPath(joinedPath(userConfigHome, UserFolder), QStringLiteral("vux.ini"));
}

QString forecastFilePath(const QString& programFolder, const QString& userConfigHome,
                         const QString& installedBin) {
    QString path = settingsFilePath(programFolder, userConfigHome, installedBin);
    path.chop(QStringLiteral("vux.ini").size());
    return path + QStringLiteral("forecast.json");
}

QString defaultUserConfigHome() {
#ifdef Q_OS_WIN
    const QString configHome = qEnvironmentVariable("APPDATA");
#else
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
#endif
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return QDir::fromNativeSeparators(configHome);
#ifdef Q_OS_WIN
    return joinedPath(QDir::homePath(), QStringLiteral("AppData/Roaming"));
#else
    return joinedPath(QDir::homePath(), QStringLiteral(".config"));
#endif
}
