#pragma once

#include "desktopshell.h"
#include "qtclock.h"
#include "qtdialogs.h"
#include "services.h"

// The services of the running program: Qt's event loop for time, real message boxes, the
// desktop for outside links. The program folder is the executable's own unless given.
class RealServices {
public:
    RealServices();
    RealServices(const QString& programFolder, const QString& userConfigHome);

    Services& services() { return m_services; }

private:
    QtClock m_clock;
    QtDialogs m_dialogs{m_clock};
    DesktopShell m_shell;
    Services m_services;
};
