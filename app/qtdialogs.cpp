#include "qtdialogs.h"

#include "qtclock.h"

#include <QFileDialog>
#include <QMessageBox>

QtDialogs::QtDialogs(QtClock& clock)
    : m_clock(clock) {}

void QtDialogs::message(QWidget* owner, const QString& text, const QString& title) {
    m_clock.hold();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
    m_clock.release();
}

QString QtDialogs::saveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                const QString& filter) {
    m_clock.hold();
    const QString path = QFileDialog::getSaveFileName(owner, caption, suggested, filter);
    m_clock.release();
    return path;
}
