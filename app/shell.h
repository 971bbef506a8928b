#pragma once

#include <QString>

// Hands a document, web address or mail address to the desktop.
class Shell {
public:
    enum class Owner { None, Desktop };
    static constexpr int ShowNormal = 1;

    virtual ~Shell() = default;
    // The outcome is not reported: a target that cannot be opened is simply not opened.
    virtual void openWithShell(Owner owner, const QString& verb, const QString& target,
                               const QString& parameters, const QString& directory,
                               int showMode) = 0;
};
