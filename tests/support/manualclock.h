#pragma once

#include "app/clock.h"

#include <QList>
#include <QPointer>
#include <QStringList>

class Timer;

// A clock that stands still until a test advances it. advance(ms) delivers every tick due in
// that span in time order, ticks of timers switched on inside a tick included.
class ManualClock : public Clock {
public:
    void timerEnabled(Timer& timer) override;
    void timerDisabled(Timer& timer) override;

    void advance(int ms);
    qint64 now() const { return m_now; }
    // The wall clock starts where a test puts it and moves with advance().
    void setWallClock(const QDateTime& at) { m_wallStart = at.addMSecs(-m_now); }
    QDateTime currentDateTime() const override { return m_wallStart.addMSecs(m_now); }
    // Names of the timers that are switched on, of one window or of all, for assertions.
    QStringList enabledTimers(const QObject* window = nullptr) const;

private:
    struct Entry {
        Timer* timer;
        qint64 due;
        quint64 order; // earlier switch-on first among equal due times
    };
    QList<Entry> m_entries;
    qint64 m_now = 0;
    QDateTime m_wallStart{QDate(2026, 12, 8), QTime(22, 0)};
    quint64 m_order = 0;
};
