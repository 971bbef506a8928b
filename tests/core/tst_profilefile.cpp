#include "settings/cp1251.h"
#include "settings/profilefile.h"
#include "symboliclink.h"
#include "tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Test files are written with Cyrillic names, as a user's editor would store them.
QByteArray win(const QString& text) {
    return Cp1251::encode(text);
}

const QString Weight = u"Вес"_qs;
const QString Key = u"p"_qs;
const QString FolderFailed = u"Ошибка: <9> - Не удается создать папку для файла настроек"_qs;
const QString WriteFailed = u"Ошибка: <10> - Не удается записать файл настроек"_qs;

struct Recorder {
    QList<QPair<QString, QString>> calls;
    SettingsReporter reporter() {
        return [this](const QString& title, const QString& text) { calls.append({title, text}); };
    }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const TempProgramFolder& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Permissions do not hold back a privileged user; rows that rely on them are skipped then.
bool permissionsBind() {
    TempProgramFolder folder;
    const auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder.path()), 0700); });
    ::chmod(QFile::encodeName(folder.path()), 0500);
    return !writeFile(folder.filePath(u"probe"_qs), "x");
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void readsValues_data();
    void readsValues();
    void missingFileReadsEmptyAndCreatesNothing();
    void newFileHasExactBytes();
    void writesIntoExistingFile_data();
    void writesIntoExistingFile();
    void roundTrips_data();
    void roundTrips();
    void refusedWriteIsReportedAndKeepsOldFile_data();
    void refusedWriteIsReportedAndKeepsOldFile();
    void faultIsReportedOnce_data();
    void faultIsReportedOnce();
    void failedWriteStepKeepsOldFile_data();
    void failedWriteStepKeepsOldFile();
    void fileSizeLimitKeepsOldFile_data();
    void fileSizeLimitKeepsOldFile();
    void linkIsReadButNotWrittenThrough_data();
    void linkIsReadButNotWrittenThrough();
};

void TestProfileFile::readsValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString a254(254, u'a');
    QTest::newRow("weight") << win(u"[Вес]\r\np=72\r\n"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("lower-case section in file")
        << win(u"[вес]\r\np=72"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("upper-case key in file")
        << win(u"[Вес]\r\nP=72"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("upper-case name asked")
        << win(u"[вес]\r\np=72"_qs) << u"ВЕС"_qs << u"P"_qs << u"72"_qs;
    QTest::newRow("Ё and ё match") << win(u"[ЁЖ]\r\nё=1"_qs) << u"ёж"_qs << u"Ё"_qs << u"1"_qs;
    QTest::newRow("other section first")
        << win(u"[Рост]\r\np=180\r\n[Вес]\r\np=72"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("key of the next section not found")
        << win(u"[Вес]\r\nq=1\r\n[Рост]\r\np=180"_qs) << Weight << Key << QString();
    QTest::newRow("first section wins")
        << win(u"[Вес]\r\np=1\r\n[ВЕС]\r\np=2"_qs) << Weight << Key << u"1"_qs;
    QTest::newRow("second equal section not searched")
        << win(u"[Вес]\r\nq=1\r\n[вес]\r\np=2"_qs) << Weight << Key << QString();
    QTest::newRow("first key wins") << win(u"[Вес]\r\np=1\r\nP=2"_qs) << Weight << Key << u"1"_qs;
    QTest::newRow("blanks stripped")
        << win(u"[Вес]\r\n \t p \t= \t72 \t "_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("inner blanks kept")
        << win(u"[Вес]\r\np=7 \t2"_qs) << Weight << Key << u"7 \t2"_qs;
    QTest::newRow("no-break space is no blank")
        << win(u"[Вес]\r\np=72\u00A0"_qs) << Weight << Key << u"72\u00A0"_qs;
    QTest::newRow("blank name asked")
        << win(u"[Вес]\r\np=72"_qs) << u" Вес\t"_qs << u" p "_qs << u"72"_qs;
    QTest::newRow("double quotes removed")
        << win(u"[Вес]\r\np=\"72\""_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("single quotes removed")
        << win(u"[Вес]\r\np='72'"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("quotes keep inner blanks")
        << win(u"[Вес]\r\np= \" 72 \" "_qs) << Weight << Key << u" 72 "_qs;
    QTest::newRow("one pair only")
        << win(u"[Вес]\r\np=\"\"72\"\""_qs) << Weight << Key << u"\"72\""_qs;
    QTest::newRow("mismatched quotes kept")
        << win(u"[Вес]\r\np=\"72'"_qs) << Weight << Key << u"\"72'"_qs;
    QTest::newRow("lone quote kept") << win(u"[Вес]\r\np=\""_qs) << Weight << Key << u"\""_qs;
    QTest::newRow("empty quotes") << win(u"[Вес]\r\np=''"_qs) << Weight << Key << QString();
    QTest::newRow("empty value") << win(u"[Вес]\r\np=\r\n"_qs) << Weight << Key << QString();
    QTest::newRow("equals sign in value")
        << win(u"[Вес]\r\np=a=b"_qs) << Weight << Key << u"a=b"_qs;
    QTest::newRow("comment skipped") << win(u"[Вес]\r\n;p=1\r\np=2"_qs) << Weight << Key << u"2"_qs;
    QTest::newRow("indented comment") << win(u"[Вес]\r\n \t;p=1"_qs) << Weight << Key << QString();
    QTest::newRow("semicolon inside value kept")
        << win(u"[Вес]\r\np=72 ;кг"_qs) << Weight << Key << u"72 ;кг"_qs;
    QTest::newRow("line without equals is no entry")
        << win(u"[Вес]\r\np\r\np 1\r\np=2"_qs) << Weight << Key << u"2"_qs;
    QTest::newRow("entry before any section")
        << win(u"p=1\r\n[Вес]\r\n"_qs) << Weight << Key << QString();
    QTest::newRow("header with blanks")
        << win(u" \t[ Вес\t]  \r\np=72"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("text after header ignored")
        << win(u"[Вес] ; weight [x]\r\np=72"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("bracket without close is no header")
        << win(u"[Вес\r\np=72"_qs) << Weight << Key << QString();
    QTest::newRow("LF line ends") << win(u"[a]\nx=1\n[Вес]\np=72\n"_qs) << Weight << Key
                                  << u"72"_qs;
    QTest::newRow("CR line ends") << win(u"[a]\rx=1\r[Вес]\rp=72\r"_qs) << Weight << Key
                                  << u"72"_qs;
    QTest::newRow("mixed line ends")
        << win(u"[a]\rp=1\n[Вес]\r\n\r\rp=72\n"_qs) << Weight << Key << u"72"_qs;
    QTest::newRow("255 characters kept")
        << win(u"[Вес]\r\np="_qs + a254 + u'b') << Weight << Key << a254 + u'b';
    QTest::newRow("longer value cut to 255")
        << win(u"[Вес]\r\np="_qs + a254 + u"bcd"_qs) << Weight << Key << a254 + u'b';
    QTest::newRow("quotes removed before the cut")
        << win(u"[Вес]\r\np=\""_qs + a254 + u"bc\""_qs) << Weight << Key << a254 + u'b';
    QTest::newRow("empty file") << QByteArray() << Weight << Key << QString();
    QTest::newRow("missing section") << win(u"[Рост]\r\np=180"_qs) << Weight << Key << QString();
    QTest::newRow("missing key") << win(u"[Вес]\r\nq=1"_qs) << Weight << Key << QString();
    QTest::newRow("section outside the code page becomes ?")
        << win(u"[В?с]\r\np=1"_qs) << u"В☺с"_qs << Key << u"1"_qs;
}

void TestProfileFile::readsValues() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    QVERIFY(writeFile(path, file));
    Recorder recorder;
    QCOMPARE(GetValueString(section, key, path, recorder.reporter()), expected);
    QCOMPARE(recorder.calls.size(), 0);
}

void TestProfileFile::missingFileReadsEmptyAndCreatesNothing() {
    TempProgramFolder folder;
    Recorder recorder;
    for (const QString& path : {folder.filePath(u"vux.ini"_qs), folder.filePath(u"no/vux.ini"_qs)})
        QCOMPARE(GetValueString(Weight, Key, path, recorder.reporter()), QString());
    QCOMPARE(recorder.calls.size(), 0);
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestProfileFile::newFileHasExactBytes() {
    TempProgramFolder folder;
    Recorder recorder;
    for (const QString& path :
         {folder.filePath(u"vux.ini"_qs), folder.filePath(u"new/sub/vux.ini"_qs)}) {
        QVERIFY(SetValue(Weight, Key, u"72"_qs, path, recorder.reporter()));
        QCOMPARE(readFile(path), QByteArray("[\xC2\xE5\xF1]\r\np=72\r\n"));
    }
    // Typing 7, then 2.
    const QString path = folder.filePath(u"typed.ini"_qs);
    QVERIFY(SetValue(Weight, Key, u"7"_qs, path, recorder.reporter()));
    QVERIFY(SetValue(Weight, Key, u"72"_qs, path, recorder.reporter()));
    QCOMPARE(readFile(path), QByteArray("[\xC2\xE5\xF1]\r\np=72\r\n"));
    QCOMPARE(recorder.calls.size(), 0);
}

void TestProfileFile::writesIntoExistingFile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QString kept = u"; мой вес\r\n\r\n[Рост]\r\np=180\r\n\r\n[вес]\r\n  P =%1\r\n"
                         u"q=1\r\n\r\n; end\r\n"_qs;
    QTest::newRow("replace keeps every other byte, CR LF")
        << win(kept.arg(u" 60 ;кг"_qs)) << Weight << Key << u"72"_qs << win(kept.arg(u"72"_qs));
    QString lf = kept;
    lf.replace(u"\r\n"_qs, u"\n"_qs);
    QTest::newRow("replace keeps every other byte, LF")
        << win(lf.arg(u" 60 ;кг"_qs)) << Weight << Key << u"72"_qs << win(lf.arg(u"72"_qs));
    QString cr = kept;
    cr.replace(u"\r\n"_qs, u"\r"_qs);
    QTest::newRow("replace keeps every other byte, CR")
        << win(cr.arg(u" 60 ;кг"_qs)) << Weight << Key << u"72"_qs << win(cr.arg(u"72"_qs));
    QTest::newRow("replace quoted value") << win(u"[Вес]\r\np=\"60\"\r\n"_qs) << Weight << Key
                                          << u"72"_qs << win(u"[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("replace in last line without line end")
        << win(u"[Вес]\r\np=60"_qs) << Weight << Key << u"72"_qs << win(u"[Вес]\r\np=72"_qs);
    QTest::newRow("blank after the equals sign goes with the old value")
        << win(u"[Вес]\r\np = 60\r\n"_qs) << Weight << Key << u" 72"_qs
        << win(u"[Вес]\r\np = 72\r\n"_qs);
    QTest::newRow("replace with empty value")
        << win(u"[Вес]\r\np=60\r\n"_qs) << Weight << Key << QString() << win(u"[Вес]\r\np=\r\n"_qs);
    QTest::newRow("only the first key replaced")
        << win(u"[Вес]\r\np=1\r\np=2\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Вес]\r\np=72\r\np=2\r\n"_qs);
    QTest::newRow("Cyrillic key keeps its casing")
        << win(u"[Вес]\r\nВЕС=1\r\n"_qs) << Weight << u"вес"_qs << u"72"_qs
        << win(u"[Вес]\r\nВЕС=72\r\n"_qs);
    QTest::newRow("section appended after line end")
        << win(u"[a]\r\nx=1\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[a]\r\nx=1\r\n[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("section appended without line end")
        << win(u"[a]\r\nx=1"_qs) << Weight << Key << u"72"_qs
        << win(u"[a]\r\nx=1\r\n[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("section appended in LF style")
        << win(u"[a]\nx=1"_qs) << Weight << Key << u"72"_qs << win(u"[a]\nx=1\n[Вес]\np=72\n"_qs);
    QTest::newRow("section appended to empty file")
        << QByteArray() << Weight << Key << u"72"_qs << win(u"[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("new section spelled as given") << win(u"[a]\r\n"_qs) << u" вес "_qs << Key
                                                  << u"1"_qs << win(u"[a]\r\n[вес]\r\np=1\r\n"_qs);
    QTest::newRow("key of another section untouched")
        << win(u"[Рост]\r\np=180\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Рост]\r\np=180\r\n[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("entry before any section untouched")
        << win(u"p=1\r\n"_qs) << Weight << Key << u"72"_qs << win(u"p=1\r\n[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("new key after the last key, not after blanks or comments")
        << win(u"[Вес]\r\nq=1\r\n\r\n; next\r\n[b]\r\nx=2\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Вес]\r\nq=1\r\np=72\r\n\r\n; next\r\n[b]\r\nx=2\r\n"_qs);
    QTest::newRow("new key skips lines without equals")
        << win(u"[Вес]\r\nq=1\r\nnote\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Вес]\r\nq=1\r\np=72\r\nnote\r\n"_qs);
    QTest::newRow("new key in a section without keys")
        << win(u"[Вес]\r\n\r\n[b]\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Вес]\r\np=72\r\n\r\n[b]\r\n"_qs);
    QTest::newRow("new key after the header that ends the file")
        << win(u"[Вес]"_qs) << Weight << Key << u"72"_qs << win(u"[Вес]\r\np=72\r\n"_qs);
    QTest::newRow("new key after the last line without line end, LF")
        << win(u"[a]\nx=1\n[Вес]\nq=1"_qs) << Weight << Key << u"72"_qs
        << win(u"[a]\nx=1\n[Вес]\nq=1\np=72\n"_qs);
    QTest::newRow("new key in the first of two equal sections")
        << win(u"[Вес]\r\nq=1\r\n[ВЕС]\r\np=2\r\n"_qs) << Weight << Key << u"72"_qs
        << win(u"[Вес]\r\nq=1\r\np=72\r\n[ВЕС]\r\np=2\r\n"_qs);
    QTest::newRow("line breaks in value become spaces")
        << QByteArray() << Weight << Key << u"a\r\nb\nc\rd"_qs << win(u"[Вес]\r\np=a b c d\r\n"_qs);
    QTest::newRow("characters outside the code page become ?")
        << QByteArray() << Weight << Key << u"72☺😀"_qs << win(u"[Вес]\r\np=72??\r\n"_qs);
}

void TestProfileFile::writesIntoExistingFile() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    QVERIFY(writeFile(path, before));
    Recorder recorder;
    QVERIFY(SetValue(section, key, value, path, recorder.reporter()));
    QCOMPARE(readFile(path), after);
    QCOMPARE(recorder.calls.size(), 0);
    QCOMPARE(entries(folder), QStringList{u"vux.ini"_qs});
}

void TestProfileFile::roundTrips_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("decimal comma") << u"72,5"_qs << u"72,5"_qs;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("not a number") << u"abc"_qs << u"abc"_qs;
    QTest::newRow("Cyrillic") << u"72 кг, ёж"_qs << u"72 кг, ёж"_qs;
    QTest::newRow("outer blanks are lost") << u" 72 "_qs << u"72"_qs;
    QTest::newRow("outer quotes are lost") << u"'72'"_qs << u"72"_qs;
    QTest::newRow("line break") << u"7\n2"_qs << u"7 2"_qs;
    QTest::newRow("long value") << QString(300, u'9') << QString(255, u'9');
}

void TestProfileFile::roundTrips() {
    QFETCH(QString, value);
    QFETCH(QString, readBack);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    Recorder recorder;
    QVERIFY(SetValue(Weight, Key, u"60"_qs, path, recorder.reporter()));
    QVERIFY(SetValue(Weight, Key, value, path, recorder.reporter()));
    QCOMPARE(GetValueString(Weight, Key, path, recorder.reporter()), readBack);
    QCOMPARE(recorder.calls.size(), 0);
}

void TestProfileFile::refusedWriteIsReportedAndKeepsOldFile_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("text");
    QTest::newRow("parent is a regular file") << u"parent file"_qs << FolderFailed;
    QTest::newRow("temporary name too long for the folder") << u"long name"_qs << WriteFailed;
    QTest::newRow("read-only folder") << u"read-only folder"_qs << WriteFailed;
    QTest::newRow("read-only file") << u"read-only file"_qs << WriteFailed;
    QTest::newRow("folder cannot be created") << u"read-only parent"_qs << FolderFailed;
}

void TestProfileFile::refusedWriteIsReportedAndKeepsOldFile() {
    QFETCH(QString, setup);
    QFETCH(QString, text);
    TempProgramFolder folder;
    const QByteArray old = win(u"; old\r\n[Вес]\r\np=60\r\n"_qs);
    const QByteArray folderName = QFile::encodeName(folder.path());
    const auto restore = qScopeGuard([&] { ::chmod(folderName.constData(), 0700); });
    QString path = folder.filePath(u"vux.ini"_qs);
    QString kept = path;

    if (setup == u"parent file") {
        path = folder.filePath(u"vux.ini/vux.ini"_qs);
    } else if (setup == u"long name") {
        // The longest name the folder takes leaves no room for a temporary name beside it.
        path = kept = folder.filePath(QString(251, u'v') + u".ini"_qs);
    } else {
        if (!permissionsBind())
            QSKIP("permissions do not bind this user");
        if (setup == u"read-only parent")
            path = folder.filePath(u"sub/vux.ini"_qs);
    }
    QVERIFY(writeFile(kept, old));
    if (setup == u"read-only file")
        QVERIFY(QFile::setPermissions(kept, QFileDevice::ReadOwner));
    if (setup == u"read-only folder" || setup == u"read-only parent")
        QCOMPARE(::chmod(folderName.constData(), 0500), 0);

    Recorder recorder;
    QVERIFY(!SetValue(Weight, Key, u"72"_qs, path, recorder.reporter()));
    const QList<QPair<QString, QString>> once{{u"SetValue"_qs, text}};
    QCOMPARE(recorder.calls, once);
    QCOMPARE(readFile(kept), old);
    QCOMPARE(entries(folder), QStringList{QFileInfo(kept).fileName()});
}

void TestProfileFile::faultIsReportedOnce_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    const QString folder = u"Ошибка: <2> - Путь к файлу настроек указывает на папку"_qs;
    const QString pipe = u"Ошибка: <3> - Путь к файлу настроек указывает не на обычный файл"_qs;
    const QString unreadable = u"Ошибка: <4> - Файл настроек не удается прочитать"_qs;
    const QString large = u"Ошибка: <5> - Файл настроек слишком большой (больше 1 МБ)"_qs;
    const QString empty = u"Ошибка: <6> - Пустое имя раздела или ключа"_qs;
    const QString invalid = u"Ошибка: <7> - Недопустимые знаки в имени раздела или ключа"_qs;
    for (const bool write : {false, true}) {
        const char* routine = write ? "SetValue: " : "GetValueString: ";
        const auto row = [&](const char* name) {
            return &QTest::newRow(QByteArray(routine).append(name).constData());
        };
        *row("empty path") << write << u"empty path"_qs << Weight << Key
                           << u"Ошибка: <1> - Не указан путь к файлу настроек"_qs;
        *row("path is a folder") << write << u"folder"_qs << Weight << Key << folder;
        *row("path is a pipe") << write << u"pipe"_qs << Weight << Key << pipe;
        *row("unreadable file") << write << u"unreadable"_qs << Weight << Key << unreadable;
        *row("file too large") << write << u"large"_qs << Weight << Key << large;
        *row("empty section") << write << QString() << QString() << Key << empty;
        *row("blank key") << write << QString() << Weight << u" \t"_qs << empty;
        *row("key with equals sign") << write << QString() << Weight << u"a=b"_qs << invalid;
        *row("key like a comment") << write << QString() << Weight << u";p"_qs << invalid;
        *row("key like a header") << write << QString() << Weight << u"[p"_qs << invalid;
        *row("key with line break") << write << QString() << Weight << u"p\nq"_qs << invalid;
        *row("section with bracket") << write << QString() << u"a]b"_qs << Key << invalid;
        *row("section with line break") << write << QString() << u"a\rb"_qs << Key << invalid;
    }
    QTest::newRow("SetValue: file would grow beyond the limit")
        << true << u"full"_qs << Weight << Key << large;
}

void TestProfileFile::faultIsReportedOnce() {
    QFETCH(bool, write);
    QFETCH(QString, setup);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    TempProgramFolder folder;
    QString path = folder.filePath(u"vux.ini"_qs);
    const QByteArray fileName = QFile::encodeName(path);
    const auto restore = qScopeGuard([&] { ::chmod(fileName.constData(), 0600); });
    QByteArray old = win(u"[Вес]\r\np=60\r\n"_qs);
    if (setup == u"empty path") {
        path.clear();
    } else if (setup == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (setup == u"pipe") {
#ifdef Q_OS_WIN
        QSKIP("Windows has no named pipes in its file system");
#else
        QCOMPARE(::mkfifo(fileName.constData(), 0600), 0);
#endif
    } else {
        if (setup == u"large")
            old += QByteArray(ProfileFileSizeLimit, ';');
        if (setup == u"full")
            old = QByteArray(ProfileFileSizeLimit, ';');
        QVERIFY(writeFile(path, old));
        if (setup == u"unreadable") {
            if (!permissionsBind())
                QSKIP("permissions do not bind this user");
            QCOMPARE(::chmod(fileName.constData(), 0200), 0);
        }
    }

    Recorder recorder;
    if (write)
        QVERIFY(!SetValue(section, key, u"72"_qs, path, recorder.reporter()));
    else
        QCOMPARE(GetValueString(section, key, path, recorder.reporter()), QString());
    QCOMPARE(recorder.calls.size(), 1);
    QCOMPARE(recorder.calls[0].first, write ? u"SetValue"_qs : u"GetValueString"_qs);
    QCOMPARE(recorder.calls[0].second, text);

    ::chmod(fileName.constData(), 0600);
    const QFileInfo info(path);
    if (setup == u"pipe")
        QVERIFY(!info.isFile() && info.exists());
    else if (setup == u"folder")
        QVERIFY(info.isDir());
    else if (!path.isEmpty())
        QCOMPARE(readFile(path), old);
}

void TestProfileFile::failedWriteStepKeepsOldFile_data() {
    QTest::addColumn<WriteStep>("step");
    QTest::addColumn<bool>("oldFile");
    const QList<QPair<WriteStep, const char*>> steps{{WriteStep::Open, "open"},
                                                     {WriteStep::Write, "write"},
                                                     {WriteStep::Flush, "flush"},
                                                     {WriteStep::Sync, "sync"},
                                                     {WriteStep::Commit, "commit"}};
    for (const auto& [step, name] : steps) {
        QTest::addRow("%s fails, old file", name) << step << true;
        QTest::addRow("%s fails, no file", name) << step << false;
    }
}

void TestProfileFile::failedWriteStepKeepsOldFile() {
    QFETCH(WriteStep, step);
    QFETCH(bool, oldFile);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    const QByteArray old = win(u"; old\r\n[Вес]\r\np=60\r\n"_qs);
    if (oldFile)
        QVERIFY(writeFile(path, old));

    QList<WriteStep> reached;
    const WriteFault fault = [&](WriteStep s) {
        reached.append(s);
        return s == step;
    };
    Recorder recorder;
    QVERIFY(!SetValue(Weight, Key, u"72"_qs, path, recorder.reporter(), fault));
    // The write got as far as the failing step, so that step is what was refused.
    QVERIFY(!reached.isEmpty());
    QCOMPARE(reached.constLast(), step);
    const QList<QPair<QString, QString>> once{{u"SetValue"_qs, WriteFailed}};
    QCOMPARE(recorder.calls, once);
    if (oldFile)
        QCOMPARE(readFile(path), old);
    QCOMPARE(entries(folder), oldFile ? QStringList{u"vux.ini"_qs} : QStringList());
}

void TestProfileFile::fileSizeLimitKeepsOldFile_data() {
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("old file") << true;
    QTest::newRow("no file") << false;
}

// A real write failure, not a simulated one: with the process's file size limit at zero the
// system takes no byte, as with a full disk. Small writes are buffered, so the failure shows only
// when the buffer is flushed.
void TestProfileFile::fileSizeLimitKeepsOldFile() {
    QFETCH(bool, oldFile);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    const QByteArray old = win(u"; old\r\n[Вес]\r\np=60\r\n"_qs);
    if (oldFile)
        QVERIFY(writeFile(path, old));
#ifdef Q_OS_WIN
    // No per-process file-size limit there; the failing write steps cover the same path.
    QSKIP("no file-size limit on Windows");
#else
    rlimit limit{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit zero{0, limit.rlim_max};
    // Beyond the limit the system would otherwise end the process.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    bool written = true;
    Recorder recorder;
    {
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, previousHandler);
        });
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &zero), 0);
        written = SetValue(Weight, Key, u"72"_qs, path, recorder.reporter());
    }

    QVERIFY(!written);
    const QList<QPair<QString, QString>> once{{u"SetValue"_qs, WriteFailed}};
    QCOMPARE(recorder.calls, once);
    if (oldFile)
        QCOMPARE(readFile(path), old);
    QCOMPARE(entries(folder), oldFile ? QStringList{u"vux.ini"_qs} : QStringList());
#endif
}

void TestProfileFile::linkIsReadButNotWrittenThrough_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<QString>("readThrough");
    QTest::newRow("link to a file") << u"real.ini"_qs << true << u"60"_qs;
    QTest::newRow("link to a link to a file") << u"middle.ini"_qs << true << u"60"_qs;
    QTest::newRow("dangling link") << u"real.ini"_qs << false << QString();
}

void TestProfileFile::linkIsReadButNotWrittenThrough() {
    QFETCH(QString, target);
    QFETCH(bool, targetExists);
    QFETCH(QString, readThrough);
    TempProgramFolder folder;
    const QString path = folder.filePath(u"vux.ini"_qs);
    const QString real = folder.filePath(u"real.ini"_qs);
    const QByteArray old = win(u"[Вес]\r\np=60\r\n"_qs);
    if (targetExists)
        QVERIFY(writeFile(real, old));
    if (target != u"real.ini" && !makeSymbolicLink(u"real.ini"_qs, folder.filePath(target)))
        QSKIP("no symbolic link can be made here");
    if (!makeSymbolicLink(target, path))
        QSKIP("no symbolic link can be made here");
    const QStringList before = entries(folder);

    Recorder recorder;
    QCOMPARE(GetValueString(Weight, Key, path, recorder.reporter()), readThrough);
    QCOMPARE(recorder.calls.size(), 0);

    QVERIFY(!SetValue(Weight, Key, u"72"_qs, path, recorder.reporter()));
    QCOMPARE(recorder.calls.size(), 1);
    QCOMPARE(recorder.calls[0].first, u"SetValue"_qs);
    QCOMPARE(recorder.calls[0].second,
             u"Ошибка: <8> - Файл настроек является символической ссылкой"_qs);

    const QFileInfo link(path);
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), folder.filePath(target));
    QCOMPARE(QFileInfo::exists(real), targetExists);
    if (targetExists)
        QCOMPARE(readFile(real), old);
    QCOMPARE(entries(folder), before);
}

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
