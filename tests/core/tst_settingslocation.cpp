#include "settings/settingslocation.h"
#include "symboliclink.h"
#include "tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>

namespace {

// The program's folder in the user's configuration folder.
#ifdef Q_OS_WIN
const QString UserFolder = u"/Promille"_qs;
#else
const QString UserFolder = u"/promille"_qs;
#endif

bool permissionsBind(const QString& folder) {
    const QString probe = folder + u"/probe"_qs;
    QFile file(probe);
    const bool created = file.open(QIODevice::WriteOnly);
    file.remove();
    return !created;
}

} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT

private slots:
    void choosesFolder_data();
    void choosesFolder();
    void userConfigHome_data();
    void userConfigHome();
    void installedWindowsCopyHasItsUninstaller_data();
    void installedWindowsCopyHasItsUninstaller();
};

void TestSettingsLocation::choosesFolder_data() {
    QTest::addColumn<QString>("setup");
    // The install layout's bin folder: another folder, the program folder itself (as its own
    // path, or through a link to it), or none known.
    QTest::addColumn<QString>("installed");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("writable folder") << u"writable"_qs << u"elsewhere"_qs << true;
    QTest::newRow("writable folder given with trailing slash")
        << u"slash"_qs << u"elsewhere"_qs << true;
    QTest::newRow("read-only folder holding vux.ini")
        << u"read-only with file"_qs << u"elsewhere"_qs << true;
    QTest::newRow("read-only folder without vux.ini")
        << u"read-only"_qs << u"elsewhere"_qs << false;
    QTest::newRow("missing folder") << u"missing"_qs << u"elsewhere"_qs << false;
    QTest::newRow("program folder is a file") << u"file"_qs << u"elsewhere"_qs << false;
    QTest::newRow("writable folder, no installed folder known") << u"writable"_qs << u""_qs << true;

    // Root can write the installed bin folder; the file still goes to the user's folder.
    QTest::newRow("writable installed bin folder") << u"writable"_qs << u"same"_qs << false;
    QTest::newRow("installed bin folder given with trailing slash")
        << u"slash"_qs << u"same"_qs << false;
    QTest::newRow("installed bin folder reached through a link")
        << u"writable"_qs << u"link"_qs << false;
    QTest::newRow("read-only installed bin folder") << u"read-only"_qs << u"same"_qs << false;
    // A vux.ini put there by hand is still used.
    QTest::newRow("installed bin folder holding vux.ini")
        << u"writable with file"_qs << u"same"_qs << true;
    QTest::newRow("writable folder inside the installed bin folder")
        << u"writable"_qs << u"parent"_qs << true;
}

void TestSettingsLocation::choosesFolder() {
    QFETCH(QString, setup);
    QFETCH(QString, installed);
    QFETCH(bool, besideProgram);
    TempProgramFolder root;
    QString program = root.filePath(u"Программа"_qs);
    const QString config = root.filePath(u"config"_qs);
    const QByteArray programName = QFile::encodeName(program);
    const auto restore = qScopeGuard([&] { ::chmod(programName.constData(), 0700); });

    if (setup == u"file") {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (setup != u"missing") {
        QVERIFY(QDir().mkpath(program));
    }
    if (setup.endsWith(u"with file")) {
        QFile file(program + u"/vux.ini"_qs);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (setup.startsWith(u"read-only")) {
#ifdef Q_OS_WIN
        QSKIP("folder rights are access lists on Windows, which chmod does not set");
#endif
        QCOMPARE(::chmod(programName.constData(), 0500), 0);
        if (!permissionsBind(program))
            QSKIP("permissions do not bind this user");
    }
    QString installedBin = root.filePath(u"usr/bin"_qs);
    if (installed == u"same") {
        installedBin = root.filePath(u"Программа"_qs);
    } else if (installed == u"link") {
        installedBin = root.filePath(u"bin"_qs);
        if (!makeSymbolicLink(program, installedBin))
            QSKIP("no symbolic link can be made here");
    } else if (installed == u"parent") {
        installedBin = program;
        program += u"/Программа"_qs;
        QVERIFY(QDir().mkpath(program));
    } else if (installed.isEmpty()) {
        installedBin.clear();
    }
    if (setup == u"slash")
        program += u'/';

    const QString expected = besideProgram ? QDir::cleanPath(program + u"/vux.ini"_qs)
                                           : config + UserFolder + u"/vux.ini"_qs;
    QCOMPARE(settingsFilePath(program, config, installedBin), expected);
}

#ifdef Q_OS_WIN
// %APPDATA% when it names a folder; else the roaming folder under the home folder.
void TestSettingsLocation::userConfigHome_data() {
    QTest::addColumn<QByteArray>("appData");
    QTest::addColumn<QString>("expected");
    QTest::newRow("APPDATA") << QByteArray("C:\\Users\\test\\AppData\\Roaming")
                             << u"C:/Users/test/AppData/Roaming"_qs;
    QTest::newRow("relative APPDATA ignored")
        << QByteArray("AppData") << QDir::homePath() + u"/AppData/Roaming"_qs;
    QTest::newRow("unset APPDATA") << QByteArray() << QDir::homePath() + u"/AppData/Roaming"_qs;
}

void TestSettingsLocation::userConfigHome() {
    QFETCH(QByteArray, appData);
    QFETCH(QString, expected);
    const QByteArray old = qgetenv("APPDATA");
    const auto restore = qScopeGuard([&] { qputenv("APPDATA", old); });
    if (appData.isNull())
        qunsetenv("APPDATA");
    else
        qputenv("APPDATA", appData);
    QCOMPARE(defaultUserConfigHome(), expected);
}
#else
void TestSettingsLocation::userConfigHome_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute XDG_CONFIG_HOME") << QByteArray("/srv/конфиг") << u"/srv/конфиг"_qs;
    QTest::newRow("relative XDG_CONFIG_HOME ignored") << QByteArray("conf") << u"~/.config"_qs;
    QTest::newRow("empty XDG_CONFIG_HOME") << QByteArray("") << u"~/.config"_qs;
    QTest::newRow("unset XDG_CONFIG_HOME") << QByteArray() << u"~/.config"_qs;
}

void TestSettingsLocation::userConfigHome() {
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expected);
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldHome = qgetenv("HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (hadXdg)
            qputenv("XDG_CONFIG_HOME", oldXdg);
        else
            qunsetenv("XDG_CONFIG_HOME");
    });
    qputenv("HOME", "/home/тест");
    if (xdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", xdg);
    expected.replace(u"~"_qs, u"/home/тест"_qs);
    QCOMPARE(defaultUserConfigHome(), expected);
}

#endif

void TestSettingsLocation::installedWindowsCopyHasItsUninstaller_data() {
    QTest::addColumn<QString>("beside");
    QTest::addColumn<bool>("installed");
    QTest::newRow("the installer's copy") << u"Uninstall.exe"_qs << true;
    QTest::newRow("the zip's copy") << QString() << false;
    QTest::newRow("a folder of that name") << u"Uninstall.exe/"_qs << false;
    QTest::newRow("another program's uninstaller") << u"unins000.exe"_qs << false;
}

void TestSettingsLocation::installedWindowsCopyHasItsUninstaller() {
    QFETCH(QString, beside);
    QFETCH(bool, installed);
    TempProgramFolder root;
    const QString program = root.filePath(u"Промилле"_qs);
    QVERIFY(QDir().mkpath(program));
    if (beside.endsWith(u'/')) {
        QVERIFY(QDir(program).mkdir(beside.chopped(1)));
    } else if (!beside.isEmpty()) {
        QFile file(program + u'/' + beside);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(isInstalledCopy(program), installed);
    // An installed copy keeps its settings in the user's folder even where it could write.
    const QString config = root.filePath(u"config"_qs);
    QCOMPARE(settingsFilePath(program, config, installed ? program : QString()),
             installed ? config + UserFolder + u"/vux.ini"_qs : program + u"/vux.ini"_qs);
}

QTEST_APPLESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
