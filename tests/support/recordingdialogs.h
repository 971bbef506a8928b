#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QPair>

// Records every message box instead of showing it.
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        bool operator==(const Shown&) const = default;
    };

    void message(QWidget*, const QString& text, const QString& title) override {
        shown.append({text, title});
    }

    QList<Shown> shown;
};
