#include "qtclock.h"

#include "timer.h"

#include <QTimer>
#include <QTimerEvent>

#include <algorithm>

QtClock::QtClock(QObject* parent)
    : QObject(parent) {}

QtClock::~QtClock() {
    for (int id : std::as_const(m_running))
        killTimer(id);
}

void QtClock::timerEnabled(Timer& timer) {
    const int id = startTimer(std::max(0, timer.interval()),
                              timer.interval() < 50 ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (id == 0)
        return;
    m_running.insert(&timer, id);
    m_byId.insert(id, &timer);
}

void QtClock::timerDisabled(Timer& timer) {
    const auto it = m_running.constFind(&timer);
    if (it != m_running.cend()) {
        killTimer(*it);
        m_byId.remove(*it);
        m_running.erase(it);
    }
    m_waiting.removeAll(QPointer<Timer>(&timer));
}

void QtClock::timerEvent(QTimerEvent* event) {
    if (Timer* timer = m_byId.value(event->timerId()))
        fire(timer);
}

void QtClock::fire(Timer* timer) {
    if (!m_running.contains(timer))
        return;
    if (m_holds > 0) {
        if (!m_waiting.contains(QPointer<Timer>(timer)))
            m_waiting.append(timer);
        return;
    }
    // A tick that comes before the released one (Windows may deliver a queued timer event
    // first) stands for it: the held tick is not given a second time.
    m_waiting.removeAll(QPointer<Timer>(timer));
    timer->deliverTick();
}

void QtClock::hold() {
    ++m_holds;
}

void QtClock::release() {
    if (m_holds == 0 || --m_holds > 0)
        return;
    // Deliver what fell due meanwhile from the event loop, not inside the closing handler, as
    // one tick. The timer starts its interval anew from that tick: a tick that fell due during
    // the hold and is still queued (Windows queues them) is dropped with the old timer, so it
    // cannot follow the delivered one at once.
    QTimer::singleShot(0, this, [this] {
        const auto waiting = std::exchange(m_waiting, {});
        for (const QPointer<Timer>& t : waiting) {
            if (!t || !m_running.contains(t.data()))
                continue;
            timerDisabled(*t);
            timerEnabled(*t);
            fire(t.data());
        }
    });
}
