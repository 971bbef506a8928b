#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QRect>

class Clock;
class QLabel;
class QPixmap;
class Timer;

// An endless picture loop carried by a chain of one-shot timers: each tick shows its frame,
// switches itself off and the next timer on, so one timer of the chain runs at a time.
//
// The loop runs for as long as its window lives, so a tick repaints only where its frame
// differs from the one before, and nothing while the window cannot be seen.
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

    // Where frame `to` differs from frame `from`, in the frames' pixels; measured the first
    // time the pair is met and remembered.
    QRect difference(int from, int to);

private:
    void show(int number);
    QRect difference(int from, const QPixmap& before, int to, const QPixmap& after);
    // The part of the label that shows `changed`, a rectangle of the pixmap's pixels.
    QRect onLabel(const QRect& changed, const QPixmap& pixmap) const;
    bool canBeSeen() const;

    static constexpr int NoFrame = -1;

    QLabel* m_image;
    QList<Timer*> m_timers;
    QHash<QPair<int, int>, QRect> m_differences;
    int m_shown = NoFrame;    // the frame last set on the label
    qint64 m_shownKey = 0;    // ...and its pixmap, to notice a picture set by someone else
    bool m_outOfDate = false; // frames were set unpainted while the window could not be seen
};
