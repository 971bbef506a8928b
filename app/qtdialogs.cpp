#include "qtdialogs.h"

#include "qtclock.h"

#include <QMessageBox>

QtDialogs::QtDialogs(QtClock& clock)
    : m_clock(clock) {}

void QtDialogs::message(QWidget* owner, const QString& text, const QString& title) {
    m_clock.hold();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
    m_clock.release();
}
