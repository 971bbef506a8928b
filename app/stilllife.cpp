#include "stilllife.h"

#include "timer.h"

#include <QLabel>
#include <QPixmap>

StillLife::StillLife(QLabel* image, Clock& clock, const QList<int>& frames, int firstTimer,
                     QObject* window)
    : QObject(window)
    , m_image(image) {
    for (qsizetype i = 0; i < frames.size(); ++i)
        m_timers.append(
            new Timer(clock, QStringLiteral("Timer%1").arg(firstTimer + i), 100, window));
    for (qsizetype i = 0; i < frames.size(); ++i) {
        Timer* self = m_timers[i];
        Timer* next = m_timers[(i + 1) % frames.size()];
        const int number = frames[i];
        self->onTick([this, self, next, number] {
            m_image->setPixmap(frame(number));
            self->setEnabled(false);
            next->setEnabled(true);
        });
    }
}

void StillLife::start() {
    for (qsizetype i = 0; i < m_timers.size(); ++i)
        m_timers[i]->setEnabled(i == 0);
}

QPixmap StillLife::frame(int number) {
    return QPixmap(QStringLiteral(":/bitmaps/%1.bmp").arg(number));
}
