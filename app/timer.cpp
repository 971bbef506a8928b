#include "timer.h"

#include "clock.h"

Timer::Timer(Clock& clock, const QString& name, int intervalMs, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_interval(intervalMs) {
    setObjectName(name);
}

Timer::~Timer() {
    if (m_enabled)
        m_clock.timerDisabled(*this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        m_clock.timerEnabled(*this);
    else
        m_clock.timerDisabled(*this);
}

void Timer::deliverTick() {
    if (m_enabled && m_handler)
        m_handler();
}
