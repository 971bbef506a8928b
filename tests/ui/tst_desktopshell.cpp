#include "app/desktopshell.h"
#include "app/helppage.h"

#include <QTest>

// The URL each kind of target becomes before it goes to the desktop: what the desktop opens is
// only as right as this.
class TestDesktopShell : public QObject {
    Q_OBJECT

private slots:
    void targetsBecomeProperUrls_data();
    void targetsBecomeProperUrls();
    void helpPageOfAProgramInTheRootFolder();
};

void TestDesktopShell::targetsBecomeProperUrls_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("url"); // fully encoded
    QTest::newRow("web address without a scheme")
        << u"www.example.org"_qs << QByteArray("http://www.example.org");
    QTest::newRow("web address with a scheme")
        << u"https://www.example.net/a b"_qs << QByteArray("https://www.example.net/a%20b");
    // The subject travels as percent-encoded UTF-8, whatever the system's code page.
    QTest::newRow("mailto with a Cyrillic subject")
        << u"mailto:info@example.com?Subject=вук-вопросы"_qs
        << QByteArray("mailto:info@example.com?Subject=%D0%B2%D1%83%D0%BA-"
                      "%D0%B2%D0%BE%D0%BF%D1%80%D0%BE%D1%81%D1%8B");
    QTest::newRow("mailto in capitals")
        << u"MAILTO:info@example.com"_qs << QByteArray("mailto:info@example.com");
    QTest::newRow("local file") << u"/opt/promille/bin/vodka.htm"_qs
                                << QByteArray("file:///opt/promille/bin/vodka.htm");
    QTest::newRow("local file with a space and Cyrillic")
        << u"/home/user/Мои программы/vodka.htm"_qs
        << QByteArray("file:///home/user/%D0%9C%D0%BE%D0%B8%20%D0%BF%D1%80%D0%BE%D0%B3%D1%80"
                      "%D0%B0%D0%BC%D0%BC%D1%8B/vodka.htm");
    QTest::newRow("file in the root folder") << u"/vodka.htm"_qs << QByteArray("file:///vodka.htm");
    QTest::newRow("nothing") << QString() << QByteArray();
}

void TestDesktopShell::targetsBecomeProperUrls() {
    QFETCH(QString, target);
    QFETCH(QByteArray, url);
    const QUrl made = DesktopShell::urlFor(target);
    QCOMPARE(made.toEncoded(), url);
    if (made.isLocalFile())
        QCOMPARE(made.host(), QString());
}

void TestDesktopShell::helpPageOfAProgramInTheRootFolder() {
    // "/" + "/vodka.htm" would be "//vodka.htm", a URL whose host is "vodka.htm".
    const QString page = helpPagePath(u"/"_qs);
    QVERIFY2(!page.startsWith(u"//"_qs), qPrintable(page));
    const QUrl url = DesktopShell::urlFor(page);
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.host(), QString());
    QCOMPARE(url.toLocalFile(), page);
    QVERIFY(!installedDataFolder(u"/"_qs).startsWith(u"//"_qs));
}

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "tst_desktopshell.moc"
