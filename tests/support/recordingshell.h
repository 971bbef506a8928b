#pragma once

#include "app/shell.h"

#include <QList>

// Records every request to the desktop with all six arguments.
class RecordingShell : public Shell {
public:
    struct Call {
        Owner owner;
        QString verb;
        QString target;
        QString parameters;
        QString directory;
        int showMode;
        bool operator==(const Call&) const = default;
    };

    void openWithShell(Owner owner, const QString& verb, const QString& target,
                       const QString& parameters, const QString& directory, int showMode) override {
        calls.append({owner, verb, target, parameters, directory, showMode});
    }

    QList<Call> calls;
};
