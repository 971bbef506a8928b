#include "manualclock.h"

#include "app/timer.h"

#include <algorithm>

void ManualClock::timerEnabled(Timer& timer) {
    m_entries.append({&timer, m_now + timer.interval(), m_order++});
}

void ManualClock::timerDisabled(Timer& timer) {
    m_entries.removeIf([&](const Entry& e) { return e.timer == &timer; });
}

void ManualClock::advance(int ms) {
    const qint64 target = m_now + ms;
    for (;;) {
        auto next = std::min_element(m_entries.begin(), m_entries.end(),
                                     [](const Entry& a, const Entry& b) {
                                         return a.due != b.due ? a.due < b.due : a.order < b.order;
                                     });
        if (next == m_entries.end() || next->due > target)
            break;
        Timer* timer = next->timer;
        m_now = next->due;
        next->due += std::max(1, timer->interval());
        next->order = m_order++;
        timer->deliverTick();
    }
    m_now = target;
}

QStringList ManualClock::enabledTimers(const QObject* window) const {
    QStringList names;
    for (const Entry& e : m_entries)
        if (!window || e.timer->parent() == window)
            names.append(e.timer->objectName());
    names.sort();
    return names;
}
