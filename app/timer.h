#pragma once

#include <QObject>

#include <functional>

class Clock;

// A named timer of a window ("Timer14"). While enabled it ticks every interval; the first tick
// comes one interval after it is switched on; switching on a running timer changes nothing.
// Ticks are delivered by the clock between handlers, never inside one.
class Timer : public QObject {
    Q_OBJECT

public:
    Timer(Clock& clock, const QString& name, int intervalMs, QObject* parent);
    ~Timer() override;

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // What one tick does.
    void onTick(std::function<void()> handler) { m_handler = std::move(handler); }

    // Called by the clock only.
    void deliverTick();

private:
    Clock& m_clock;
    int m_interval;
    bool m_enabled = false;
    std::function<void()> m_handler;
};
