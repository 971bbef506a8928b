#include "calculatorfixture.h"

#include "settings/profilefault.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

// The body weight the calculator keeps in vux.ini, and the faults of that file.
class TestCalculatorWeight : public QObject, private CalculatorFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bodyWeightIsSavedOnEveryKeystrokeAndRestored();
    void settingsFaultIsReportedOncePerOpening();
    void failedSaveOfTheWeightIsReportedOnce();
};

void TestCalculatorWeight::init() {
    openProgram();
}

void TestCalculatorWeight::cleanup() {
    closeProgram();
}

void TestCalculatorWeight::bodyWeightIsSavedOnEveryKeystrokeAndRestored() {
    const QString file = t->folder.filePath(u"vux.ini"_qs);
    auto stored = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    };
    QTest::keyClick(c("Text2"), Qt::Key_7);
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=7\r\n"));
    QTest::keyClick(c("Text2"), Qt::Key_5);
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=75\r\n"));

    press("Command2");
    TestApplication::settle();
    QCOMPARE(calculator(), nullptr);
    openCalculator();
    QCOMPARE(shown("Text2"), u"75"_qs);
    QCOMPARE(shown("Text1"), QString());
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=75\r\n"));

    // Clearing the box is remembered too.
    c<QLineEdit>("Text2")->clear();
    QCOMPARE(stored(), QByteArray("[\xC2\xE5\xF1]\r\np=\r\n"));
    QVERIFY(t->dialogs.shown.isEmpty());
}

void TestCalculatorWeight::settingsFaultIsReportedOncePerOpening() {
    // A folder where the file should be: neither routine can do its work at the next opening.
    press("Command2");
    TestApplication::settle();
    QVERIFY(QDir(t->folder.path()).mkdir(u"vux.ini"_qs));
    openCalculator();
    const QString fault = profileFaultMessage(ProfileFault::PathIsFolder);
    QVERIFY(fault.startsWith(u"Ошибка: <"_qs));
    const QList<RecordingDialogs::Shown> once{{fault, u"GetValueString"_qs}};
    QCOMPARE(t->dialogs.shown, once);
    // The window loads on.
    QCOMPARE(shown("Text4"), u"40"_qs);
    QVERIFY(shown("Text2").isEmpty());

    // Every keystroke fails to store, silently: a box would take the keys typed after it.
    QTest::keyClicks(c("Text2"), u"72,5"_qs);
    t->clock.advance(2000);
    QCOMPARE(t->dialogs.shown, once);
    QCOMPARE(shown("Text2"), u"72,5"_qs);

    // The next opening reports the fault again, once.
    press("Command2");
    TestApplication::settle();
    openCalculator();
    QTest::keyClicks(c("Text2"), u"80"_qs);
    QCOMPARE(t->dialogs.shown, once + once);
}

void TestCalculatorWeight::failedSaveOfTheWeightIsReportedOnce() {
    // The file was readable at the opening; now a regular file stands where its folder was.
    const QString folder = t->folder.path();
    QVERIFY(QDir(folder).removeRecursively());
    const auto restore = qScopeGuard([&] {
        QFile::remove(folder);
        QDir().mkpath(folder);
    });
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QTest::keyClicks(c("Text2"), u"72"_qs);
    const QList<RecordingDialogs::Shown> once{
        {profileFaultMessage(ProfileFault::FolderNotCreated), u"SetValue"_qs}};
    QCOMPARE(t->dialogs.shown, once);
    QCOMPARE(shown("Text2"), u"72"_qs);
}

QTEST_MAIN(TestCalculatorWeight)
#include "tst_calculatorweight.moc"
