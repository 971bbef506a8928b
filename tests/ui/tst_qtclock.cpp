// The program's own clock on the real event loop: the windows' tests run on a manual clock, so
// these are the only ones that see real timers fire, hand over, wait and stop.
#include "app/qtclock.h"
#include "app/timer.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

class TestQtClock : public QObject {
    Q_OBJECT

private slots:
    void ticksUntilSwitchedOff();
    void chainHandsOverInOrder();
    void heldTicksWaitAndComeOnce_data();
    void heldTicksWaitAndComeOnce();
    void destroyedTimerIsForgotten();
};

void TestQtClock::ticksUntilSwitchedOff() {
    QtClock clock;
    QObject owner;
    Timer timer(clock, QStringLiteral("Timer1"), 20, &owner);
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    QTest::qWait(60);
    QCOMPARE(ticks, 0); // nothing before it is switched on

    QElapsedTimer since;
    since.start();
    timer.setEnabled(true);
    timer.setEnabled(true); // switching on a running timer changes nothing
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);
    // Three ticks cannot come sooner than three intervals, less a coarse timer's slack.
    QVERIFY2(since.elapsed() >= 3 * 20 * 95 / 100, qPrintable(QString::number(since.elapsed())));

    timer.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(100);
    QCOMPARE(ticks, stopped);
}

void TestQtClock::chainHandsOverInOrder() {
    // Four one-shot links as the still life has them: each tick switches itself off and the
    // next one on, so exactly one runs at a time and the order never skips.
    QtClock clock;
    QObject owner;
    std::vector<std::unique_ptr<Timer>> chain;
    for (int i = 0; i < 4; ++i)
        chain.push_back(
            std::make_unique<Timer>(clock, QStringLiteral("Timer%1").arg(i + 2), 10, &owner));
    QList<int> order;
    int mostRunning = 0;
    for (int i = 0; i < 4; ++i) {
        Timer* self = chain[i].get();
        Timer* next = chain[(i + 1) % 4].get();
        self->onTick([&, self, next, i] {
            order.append(i);
            self->setEnabled(false);
            next->setEnabled(true);
            int running = 0;
            for (const auto& t : chain)
                running += t->isEnabled() ? 1 : 0;
            mostRunning = std::max(mostRunning, running);
        });
    }
    chain[0]->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(order.size() >= 10, 5000);
    for (qsizetype i = 0; i < order.size(); ++i)
        QCOMPARE(order[i], int(i % 4));
    QCOMPARE(mostRunning, 1);
}

void TestQtClock::heldTicksWaitAndComeOnce_data() {
    QTest::addColumn<int>("holds");
    QTest::addColumn<bool>("offWhileHeld");
    QTest::newRow("held once") << 1 << false;
    QTest::newRow("held twice: the first release is not the last") << 2 << false;
    QTest::newRow("switched off while held") << 1 << true;
}

void TestQtClock::heldTicksWaitAndComeOnce() {
    QFETCH(int, holds);
    QFETCH(bool, offWhileHeld);
    QtClock clock;
    QObject owner;
    Timer timer(clock, QStringLiteral("Timer1"), 10, &owner);
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    for (int i = 0; i < holds; ++i)
        clock.hold();
    timer.setEnabled(true);
    // Several intervals fall due while a message box is open...
    QTest::qWait(80);
    QCOMPARE(ticks, 0);
    if (offWhileHeld)
        timer.setEnabled(false);
    for (int i = 1; i < holds; ++i) {
        clock.release();
        QTest::qWait(40);
        QCOMPARE(ticks, 0);
    }
    // ...and, once it has closed, come from the event loop as one tick, not one per interval.
    clock.release();
    QCOMPARE(ticks, 0); // not inside the closing handler
    // The waiting tick is posted to the event loop; delivering what is posted, and no timer,
    // gives it alone.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(ticks, offWhileHeld ? 0 : 1);
    if (offWhileHeld) {
        QTest::qWait(60);
        QCOMPARE(ticks, 0);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000); // and it runs on afterwards
}

void TestQtClock::destroyedTimerIsForgotten() {
    QtClock clock;
    QObject owner;
    int ticks = 0;
    {
        Timer gone(clock, QStringLiteral("Timer1"), 10, &owner);
        gone.onTick([&] { ++ticks; });
        gone.setEnabled(true);
        clock.hold();
        QTest::qWait(40); // a tick is waiting for the release
    }
    clock.release();
    QTest::qWait(60);
    QCOMPARE(ticks, 0);
    // The clock still serves a new timer.
    Timer next(clock, QStringLiteral("Timer2"), 10, &owner);
    next.onTick([&] { ++ticks; });
    next.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
}

QTEST_GUILESS_MAIN(TestQtClock)
#include "tst_qtclock.moc"
