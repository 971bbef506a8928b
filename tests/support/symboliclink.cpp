#include "symboliclink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

bool makeSymbolicLink(const QString& target, const QString& link) {
#ifdef Q_OS_WIN
    const QString to = QDir::toNativeSeparators(target);
    const QString at = QDir::toNativeSeparators(link);
    const QFileInfo resolved(QFileInfo(link).dir(), target);
    const DWORD flags = (resolved.isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) |
                        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    // Wine makes the link but does not show it as one: no test can be made of it there.
    return ::CreateSymbolicLinkW(reinterpret_cast<const wchar_t*>(at.utf16()),
                                 reinterpret_cast<const wchar_t*>(to.utf16()), flags) != 0 &&
           QFileInfo(link).isSymbolicLink();
#else
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) ==
           0;
#endif
}
