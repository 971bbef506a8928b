#include "atomicfile.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

bool syncFileToDisk(int handle) {
    if (handle < 0)
        return false;
    while (::fsync(handle) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, const WriteFault& fault,
                           const FileSync& sync) {
    const auto failed = [&fault](WriteStep step) { return fault && fault(step); };

    // No direct-write fallback (QSaveFile's default): a folder that takes no temporary file is a
    // refused write, never a reason to risk a torn file. QSaveFile also refuses to rename over a
    // read-only file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto written = [&] {
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
    };
    if (!written() || failed(WriteStep::Commit)) {
        // The destructor then removes the temporary file.
        file.cancelWriting();
        return false;
    }
    // The bytes are on the disk, so closing cannot lose any; what is left is the rename, and
    // QSaveFile removes the temporary file when that fails.
    return file.commit();
}
