#pragma once

#include <QFileInfo>

// A path that leads somewhere else: a symbolic link, or on Windows also a junction. Writing
// through one would replace a file the user never named, so the writers refuse it. A Windows
// shortcut (.lnk) is an ordinary file of its own and is not one.
inline bool isLink(const QFileInfo& info) {
    return info.isSymbolicLink() || info.isJunction();
}
