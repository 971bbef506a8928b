#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Hands the bytes to the file and puts them on the disk, each step checked.
bool writeSteps(QFileDevice& file, const QByteArray& bytes,
                const std::function<bool(WriteStep)>& failed, const FileSync& sync) {
    if (failed(WriteStep::Open))
        return false;
    if (file.write(bytes) != bytes.size() || failed(WriteStep::Write))
        return false;
    // Small writes only fill Qt's buffer; a full disk shows when it is flushed, and QSaveFile
    // would not count that as an error.
    if (!file.flush() || failed(WriteStep::Flush))
        return false;
    // QSaveFile syncs at commit too, but ignores the result.
    const bool synced = sync ? sync(file.handle()) : syncFileToDisk(file.handle());
    return synced && !failed(WriteStep::Sync);
}

} // namespace

bool syncFileToDisk(int handle) {
    if (handle < 0)
        return false;
#ifdef Q_OS_WIN
    // FlushFileBuffers on the handle behind the descriptor.
    return ::_commit(handle) == 0;
#else
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
#endif
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, const WriteFault& fault,
                           const FileSync& sync) {
    const auto failed = [&fault](WriteStep step) { return fault && fault(step); };
#ifdef Q_OS_WIN
    // QSaveFile renames without write-through; the temporary file is named here so that the
    // rename can ask for it. MoveFileEx refuses to replace a read-only file, as QSaveFile does.
    QFile file;
    for (int attempt = 0; attempt < 16 && !file.isOpen(); ++attempt) {
        file.setFileName(path + QStringLiteral(".tmp-") +
                         QString::number(QRandomGenerator::global()->generate(), 36));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists())
            return false; // not a taken name: the folder takes no file
    }
    if (!file.isOpen())
        return false;
    const bool written = writeSteps(file, bytes, failed, sync) && !failed(WriteStep::Commit);
    file.close();
    const QString from = QDir::toNativeSeparators(file.fileName());
    const QString to = QDir::toNativeSeparators(path);
    if (written && ::MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()),
                                 reinterpret_cast<const wchar_t*>(to.utf16()),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    file.remove();
    return false;
#else
    // No direct-write fallback (QSaveFile's default): a folder that takes no temporary file is a
    // refused write, never a reason to risk a torn file. QSaveFile also refuses to rename over a
    // read-only file, and gives the new file the old one's permissions.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeSteps(file, bytes, failed, sync) || failed(WriteStep::Commit)) {
        // The destructor then removes the temporary file.
        file.cancelWriting();
        return false;
    }
    // The bytes are on the disk, so closing cannot lose any; what is left is the rename, and
    // QSaveFile removes the temporary file when that fails.
    return file.commit();
#endif
}
