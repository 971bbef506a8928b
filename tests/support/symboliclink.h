#pragma once

#include <QString>

// Makes `link` a symbolic link to `target` (relative to the link's folder, or absolute), as the
// system's own tools would: QFile::link makes a shortcut on Windows, which is no link at all.
// False when no link could be made, or the system does not show it as one.
bool makeSymbolicLink(const QString& target, const QString& link);
