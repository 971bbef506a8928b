#pragma once

#include <QString>

class QWidget;

// Message boxes with an OK button and a title: the only way errors reach the user. And the
// question where to save a file.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget* owner, const QString& text, const QString& title) = 0;
    // The path the user chose, starting from `suggested`; empty when the user cancelled.
    virtual QString saveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
};
