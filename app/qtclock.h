#pragma once

#include "clock.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

// The program's clock: each enabled timer runs on a timer of the event loop (an id from
// startTimer: switching a timer on and off, ten times a second in the still lifes, allocates
// nothing). While a message box is open (held), ticks that fall due wait and are delivered
// once it has closed.
class QtClock : public QObject, public Clock {
    Q_OBJECT

public:
    explicit QtClock(QObject* parent = nullptr);
    ~QtClock() override;

    void timerEnabled(Timer& timer) override;
    void timerDisabled(Timer& timer) override;
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }

    void hold();
    void release();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void fire(Timer* timer);

    QHash<Timer*, int> m_running; // timer → event-loop timer id
    QHash<int, Timer*> m_byId;
    QList<QPointer<Timer>> m_waiting;
    int m_holds = 0;
};
