#pragma once

#include <QList>
#include <QObject>

class Clock;
class QLabel;
class Timer;

// An endless picture loop carried by a chain of one-shot timers: each tick shows its frame,
// switches itself off and the next timer on, so one timer of the chain runs at a time.
class StillLife : public QObject {
    Q_OBJECT

public:
    // Timers are named "Timer<firstTimer>", "Timer<firstTimer + 1>", ... and belong to `window`.
    StillLife(QLabel* image, Clock& clock, const QList<int>& frames, int firstTimer,
              QObject* window);

    // First timer on, the others off.
    void start();
    QList<Timer*> timers() const { return m_timers; }

    // Loads a numbered frame from the resources; every tick loads afresh.
    static QPixmap frame(int number);

private:
    QLabel* m_image;
    QList<Timer*> m_timers;
};
