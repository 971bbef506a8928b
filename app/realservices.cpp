#include "realservices.h"

#include "settings/settingslocation.h"

#include <QCoreApplication>

RealServices::RealServices()
    : RealServices(QCoreApplication::applicationDirPath(), defaultUserConfigHome()) {}

RealServices::RealServices(const QString& programFolder, const QString& userConfigHome)
    : m_services{m_clock, m_dialogs, m_shell, programFolder, userConfigHome} {}
