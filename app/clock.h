#pragma once

#include <QDateTime>

class Timer;

// The source of time for the windows' named timers. The program runs on Qt's event loop;
// tests advance a manual clock by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // Called by a timer when it is switched on, off, or its interval changes.
    virtual void timerEnabled(Timer& timer) = 0;
    virtual void timerDisabled(Timer& timer) = 0;

    // The wall-clock time, local: "now" of the forecast.
    virtual QDateTime currentDateTime() const = 0;
};
