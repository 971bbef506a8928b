#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QPair>
#include <QStringList>

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
    // Answers with the next prepared path (empty: the user cancels) and records the question.
    QString saveFileName(QWidget*, const QString& caption, const QString& suggested,
                         const QString&) override {
        asked.append({caption, suggested});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<Shown> asked; // caption and suggested path of each save question
    QStringList answers;
};
