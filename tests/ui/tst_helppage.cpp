#include "tempprogramfolder.h"

#include "app/helppage.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestHelpPage : public QObject {
    Q_OBJECT

private slots:
    void dataFolderIsOutsideTheProgramFolder();
    void pageBesideTheProgramComesFirst_data();
    void pageBesideTheProgramComesFirst();
};

namespace {

enum class Page { None, File, Folder };

bool place(const QString& folder, Page page) {
    if (!QDir().mkpath(folder))
        return false;
    const QString path = folder + u"/vodka.htm"_qs;
    if (page == Page::Folder)
        return QDir().mkdir(path);
    if (page == Page::File) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("<html></html>") > 0;
    }
    return true;
}

} // namespace

void TestHelpPage::dataFolderIsOutsideTheProgramFolder() {
    const QString bin = u"/opt/promille/bin"_qs;
    const QString data = installedDataFolder(bin);
    QVERIFY2(QDir::isAbsolutePath(data), qPrintable(data));
    QCOMPARE(QDir::cleanPath(data), data);
#ifdef Q_OS_WIN
    // A Windows copy is one folder: the help page lies beside the program.
    QCOMPARE(data, bin);
#else
    QVERIFY2(!data.startsWith(bin + u'/') && data != bin, qPrintable(data));
#endif
}

void TestHelpPage::pageBesideTheProgramComesFirst_data() {
    QTest::addColumn<Page>("beside");
    QTest::addColumn<Page>("installed");
    QTest::addColumn<bool>("expectBeside");
    QTest::newRow("only beside") << Page::File << Page::None << true;
    QTest::newRow("both") << Page::File << Page::File << true;
    QTest::newRow("only installed") << Page::None << Page::File << false;
    QTest::newRow("neither") << Page::None << Page::None << true;
    // A folder of that name is no page.
    QTest::newRow("folder beside") << Page::Folder << Page::File << false;
    QTest::newRow("folder installed") << Page::None << Page::Folder << true;
}

void TestHelpPage::pageBesideTheProgramComesFirst() {
#ifdef Q_OS_WIN
    QSKIP("a Windows copy has no data folder apart from the program's");
#endif
    QFETCH(Page, beside);
    QFETCH(Page, installed);
    QFETCH(bool, expectBeside);
    TempProgramFolder prefix;
    QVERIFY(prefix.isValid());
    const QString bin = prefix.filePath(u"bin"_qs);
    const QString data = installedDataFolder(bin);
    QVERIFY(place(bin, beside));
    QVERIFY(place(data, installed));

    QCOMPARE(helpPagePath(bin), (expectBeside ? bin : data) + u"/vodka.htm"_qs);
}

QTEST_GUILESS_MAIN(TestHelpPage)
#include "tst_helppage.moc"
