#pragma once

#include "windowregistry.h"

#include <QObject>

struct Services;

// The program: its services and its windows. start() opens the main window; endProgram()
// closes every window at once and reports ended().
class Application : public QObject {
    Q_OBJECT

public:
    explicit Application(Services& services);
    ~Application() override;

    void start();
    void endProgram();
    bool hasEnded() const { return m_ended; }

    Services& services() const { return m_services; }
    WindowRegistry& windows() { return m_windows; }

    static void centreOnScreen(QWidget& window);

signals:
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Services& m_services;
    WindowRegistry m_windows;
    bool m_ended = false;
};
