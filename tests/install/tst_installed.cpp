// Drives the program as installed: its program folder is the prefix's bin folder, which the
// test cannot write to, and its settings go to $XDG_CONFIG_HOME. Run by installed-test.sh,
// which installs the build, removes the write permissions and sets the environment.
#include "manualclock.h"
#include "recordingdialogs.h"
#include "recordingshell.h"

#include "app/application.h"
#include "app/services.h"
#include "settings/settingslocation.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <memory>

class TestInstalled : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void installedFolderCannotBeWritten();
    void bodyWeightIsKeptInTheUserConfigurationFolder();
    void russianVodkaOpensTheInstalledHelpPage();
    void iconsAreInstalledAtEverySize_data();
    void iconsAreInstalledAtEverySize();
    void desktopEntryAndMetainfoNameTheInstalledProgram();

private:
    static QString env(const char* name) { return qEnvironmentVariable(name); }
    QString installed(const QString& relative) const { return m_prefix + u'/' + relative; }
    QString binFolder() const { return installed(env("PROMILLE_BINDIR")); }
    QString dataFolder() const { return installed(env("PROMILLE_DATADIR")); }
    QWidget* control(const QString& form, const char* name) const {
        QWidget* window = m_app->windows().existing(form);
        QWidget* w = window ? window->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    static void click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Every entry under the prefix with its size and modification time.
    QStringList prefixListing() const {
        QStringList entries;
        QDirIterator it(m_prefix, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            entries.append(u"%1 %2 %3"_qs.arg(info.filePath())
                               .arg(info.size())
                               .arg(info.lastModified().toMSecsSinceEpoch()));
        }
        entries.sort();
        return entries;
    }

    QString m_prefix;
    QString m_appId;
    std::unique_ptr<ManualClock> m_clock;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<RecordingShell> m_shell;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<Application> m_app;
};

void TestInstalled::initTestCase() {
    m_prefix = env("PROMILLE_PREFIX");
    m_appId = env("PROMILLE_APP_ID");
    if (m_prefix.isEmpty() || m_appId.isEmpty() || env("XDG_CONFIG_HOME").isEmpty())
        QFAIL("run by installed-test.sh, which installs the program and sets the environment");
    QVERIFY2(QFileInfo(binFolder() + u"/promille"_qs).isExecutable(), qPrintable(binFolder()));
}

void TestInstalled::init() {
    m_clock = std::make_unique<ManualClock>();
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_shell = std::make_unique<RecordingShell>();
    // As the program wires itself, with its folder being where it was installed.
    m_services = std::make_unique<Services>(
        Services{*m_clock, *m_dialogs, *m_shell, binFolder(), defaultUserConfigHome()});
    m_app = std::make_unique<Application>(*m_services);
    m_app->start();
}

void TestInstalled::cleanup() {
    m_app.reset();
    settle();
    m_services.reset();
    QFile::remove(env("XDG_CONFIG_HOME") + u"/promille/vux.ini"_qs);
}

void TestInstalled::installedFolderCannotBeWritten() {
    // Without this the other tests would show nothing about a read-only installation.
    QVERIFY(!QFileInfo(binFolder()).isWritable());
    QFile probe(binFolder() + u"/probe"_qs);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
}

void TestInstalled::bodyWeightIsKeptInTheUserConfigurationFolder() {
    const QStringList before = prefixListing();
    const QString file = env("XDG_CONFIG_HOME") + u"/promille/vux.ini"_qs;
    QVERIFY(!QFile::exists(file));

    click(control(u"Form1"_qs, "Label87"));
    QTest::keyClicks(control(u"Form3"_qs, "Text2"), u"82"_qs);
    QCOMPARE(contents(file), QByteArray("[\xC2\xE5\xF1]\r\np=82\r\n"));

    click(control(u"Form3"_qs, "Command2"));
    settle();
    QCOMPARE(m_app->windows().existing(u"Form3"_qs), nullptr);
    click(control(u"Form1"_qs, "Label87"));
    QCOMPARE(qobject_cast<QLineEdit*>(control(u"Form3"_qs, "Text2"))->text(), u"82"_qs);

    QCOMPARE(contents(file), QByteArray("[\xC2\xE5\xF1]\r\np=82\r\n"));
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(prefixListing(), before);
}

void TestInstalled::russianVodkaOpensTheInstalledHelpPage() {
    const QString page = dataFolder() + u"/promille/vodka.htm"_qs;
    QVERIFY(QFileInfo(page).isFile());
    QVERIFY(!QFileInfo::exists(binFolder() + u"/vodka.htm"_qs));

    click(control(u"Form1"_qs, "Command4"));
    QCOMPARE(m_shell->calls.size(), 1);
    QCOMPARE(QFileInfo(m_shell->calls[0].target).canonicalFilePath(),
             QFileInfo(page).canonicalFilePath());
}

void TestInstalled::iconsAreInstalledAtEverySize_data() {
    QTest::addColumn<int>("pixels");
    for (int pixels : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", pixels, pixels) << pixels;
}

void TestInstalled::iconsAreInstalledAtEverySize() {
    QFETCH(int, pixels);
    const QString path =
        dataFolder() + u"/icons/hicolor/%1x%1/apps/%2.png"_qs.arg(pixels).arg(m_appId);
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(pixels, pixels));
}

void TestInstalled::desktopEntryAndMetainfoNameTheInstalledProgram() {
    const QString svg = dataFolder() + u"/icons/hicolor/scalable/apps/%1.svg"_qs.arg(m_appId);
    QVERIFY(contents(svg).contains("<svg"));

    const QStringList entry =
        QString::fromUtf8(contents(dataFolder() + u"/applications/%1.desktop"_qs.arg(m_appId)))
            .split(u'\n');
    QVERIFY(entry.contains(u"Icon="_qs + m_appId));
    QVERIFY(entry.contains(u"Exec=promille"_qs));
    QVERIFY(entry.contains(u"Name[ru]=Промилле"_qs));

    const QByteArray metainfo =
        contents(dataFolder() + u"/metainfo/%1.metainfo.xml"_qs.arg(m_appId));
    QVERIFY(metainfo.contains("<id>" + m_appId.toUtf8() + "</id>"));
    QVERIFY(metainfo.contains("<launchable type=\"desktop-id\">" + m_appId.toUtf8() +
                              ".desktop</launchable>"));
    QVERIFY(metainfo.contains("<binary>promille</binary>"));
}

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
