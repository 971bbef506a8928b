#include "settings/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

const QByteArray Old("[a]\r\nx=1\r\n");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What the file system held when the sync ran.
struct SyncCall {
    qint64 size = -1;    // of the file behind the handle
    QByteArray atTarget; // at the target path, which must not have been replaced yet
};

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void syncRunsOnTheCompleteTemporaryFile_data();
    void syncRunsOnTheCompleteTemporaryFile();
    void systemSyncRefusesWhatItCannotSync_data();
    void systemSyncRefusesWhatItCannotSync();
};

void TestAtomicFile::syncRunsOnTheCompleteTemporaryFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<bool>("synced");

    const QByteArray small("[b]\r\ny=2\r\n");
    // Beyond Qt's write buffer, so part of it reaches the system before the flush.
    const QByteArray large(100 * 1024, ';');
    QTest::newRow("small, buffered, old file") << small << true << true;
    QTest::newRow("small, buffered, no file") << small << false << true;
    QTest::newRow("larger than the buffer") << large << true << true;
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("sync fails, old file") << small << true << false;
    QTest::newRow("sync fails, no file") << small << false << false;
}

void TestAtomicFile::syncRunsOnTheCompleteTemporaryFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, oldFile);
    QFETCH(bool, synced);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"vux.ini"_qs);
    if (oldFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size());
    }
    const QByteArray before = oldFile ? Old : QByteArray("<missing>");

    QList<SyncCall> calls;
    const FileSync sync = [&](int handle) {
        struct stat info {};
        SyncCall call;
        if (::fstat(handle, &info) == 0)
            call.size = info.st_size;
        call.atTarget = readFile(path);
        calls.append(call);
        return synced;
    };
    QCOMPARE(replaceFileAtomically(path, bytes, {}, sync), synced);

    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].size, bytes.size());
    QCOMPARE(calls[0].atTarget, before);
    QCOMPARE(readFile(path), synced ? bytes : before);
    const QStringList left =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, synced || oldFile ? QStringList{u"vux.ini"_qs} : QStringList());
}

void TestAtomicFile::systemSyncRefusesWhatItCannotSync_data() {
    QTest::addColumn<QString>("handle");
    QTest::addColumn<bool>("synced");
    QTest::newRow("open file") << u"file"_qs << true;
    QTest::newRow("no handle") << u"none"_qs << false;
#ifndef Q_OS_WIN
    // FlushFileBuffers takes a pipe as well.
    QTest::newRow("pipe, which has no disk") << u"pipe"_qs << false;
#endif
}

void TestAtomicFile::systemSyncRefusesWhatItCannotSync() {
    QFETCH(QString, handle);
    QFETCH(bool, synced);
    QTemporaryDir folder;
    QFile file(folder.filePath(u"f"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly));
    int pipe[2] = {-1, -1};
#ifdef Q_OS_WIN
    QCOMPARE(::_pipe(pipe, 256, _O_BINARY), 0);
#else
    QCOMPARE(::pipe(pipe), 0);
#endif
    int given = -1;
    if (handle == u"file") {
        given = file.handle();
    } else if (handle == u"pipe") {
        given = pipe[1];
    }
    QCOMPARE(syncFileToDisk(given), synced);
#ifdef Q_OS_WIN
    ::_close(pipe[0]);
    ::_close(pipe[1]);
#else
    ::close(pipe[0]);
    ::close(pipe[1]);
#endif
}

QTEST_APPLESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
