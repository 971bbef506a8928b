#include "qtclock.h"

#include "timer.h"

#include <QTimer>

QtClock::QtClock(QObject* parent)
    : QObject(parent) {}

QtClock::~QtClock() {
    qDeleteAll(m_running);
}

void QtClock::timerEnabled(Timer& timer) {
    auto* qt = new QTimer(this);
    qt->setTimerType(timer.interval() < 50 ? Qt::PreciseTimer : Qt::CoarseTimer);
    qt->setInterval(timer.interval());
    Timer* t = &timer;
    connect(qt, &QTimer::timeout, this, [this, t] { fire(t); });
    m_running.insert(t, qt);
    qt->start();
}

void QtClock::timerDisabled(Timer& timer) {
    if (QTimer* qt = m_running.take(&timer))
        qt->deleteLater();
    m_waiting.removeAll(QPointer<Timer>(&timer));
}

void QtClock::fire(Timer* timer) {
    if (!m_running.contains(timer))
        return;
    if (m_holds > 0) {
        if (!m_waiting.contains(QPointer<Timer>(timer)))
            m_waiting.append(timer);
        return;
    }
    timer->deliverTick();
}

void QtClock::hold() {
    ++m_holds;
}

void QtClock::release() {
    if (m_holds == 0 || --m_holds > 0)
        return;
    // Deliver what fell due meanwhile from the event loop, not inside the closing handler.
    QTimer::singleShot(0, this, [this] {
        const auto waiting = std::exchange(m_waiting, {});
        for (const QPointer<Timer>& t : waiting)
            if (t && m_running.contains(t.data()))
                fire(t.data());
    });
}
