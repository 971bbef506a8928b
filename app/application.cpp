#include "application.h"

#include "resources.h"
#include "uifont.h"

#include "windows/mainwindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

Application::Application(Services& services)
    : m_services(services)
    , m_windows(*this) {
    initResources();
    // The program speaks Russian under any system language: calendars, dates and numbers that
    // Qt writes by itself follow this locale.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    uifont::install();
    // Every control gets this face; the platform's default face is then never looked up.
    QApplication::setFont(uifont::font(uifont::Size::Small));
    // A quit from outside the windows (the session ending, QCoreApplication::quit) first asks
    // every window to close, and a borderless window answers a close by taking its own way
    // out instead. So such a quit ends the program first, as "Выход" does.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
        endProgram();
    return QObject::eventFilter(watched, event);
}

Application::~Application() = default;

void Application::centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void Application::start() {
    m_windows.Form1().show();
}

void Application::endProgram() {
    if (m_ended)
        return;
    m_ended = true;
    m_windows.closeAll();
    emit ended();
}
