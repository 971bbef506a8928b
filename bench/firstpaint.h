#pragma once

#include <QObject>

class QWidget;

// Ends the event loop right after the watched window has painted its first frame, and on exit
// reports the process's peak resident memory when PROMILLE_BENCH_RSS is set.
class FirstPaint : public QObject {
    Q_OBJECT

public:
    explicit FirstPaint(QWidget* window);
    static void reportPeakMemory();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_seen = false;
};
