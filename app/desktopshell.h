#pragma once

#include "shell.h"

#include <QUrl>

// Opens targets through QDesktopServices, turning each kind of target into a proper URL.
class DesktopShell : public Shell {
public:
    void openWithShell(Owner owner, const QString& verb, const QString& target,
                       const QString& parameters, const QString& directory, int showMode) override;

    // "mailto:a@b?Subject=…" with the subject percent-encoded, a local path as a file URL,
    // anything else as a web address. Empty when the target cannot be a URL.
    static QUrl urlFor(const QString& target);
};
