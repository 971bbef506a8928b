#pragma once

#include <QString>

class QWidget;

// Message boxes with an OK button and a title: the only way errors reach the user.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget* owner, const QString& text, const QString& title) = 0;
};
