#pragma once

#include "dialogs.h"

class QtClock;

// Real message boxes. The clock is held while one is open, so no timer tick runs underneath it.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QtClock& clock);
    void message(QWidget* owner, const QString& text, const QString& title) override;
    QString saveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                         const QString& filter) override;

private:
    QtClock& m_clock;
};
