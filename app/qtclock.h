#pragma once

#include "clock.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class QTimer;

// The program's clock: each enabled timer runs on a QTimer of the event loop. While a message
// box is open (held), ticks that fall due wait and are delivered once it has closed.
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

private:
    void fire(Timer* timer);

    QHash<Timer*, QTimer*> m_running;
    QList<QPointer<Timer>> m_waiting;
    int m_holds = 0;
};
