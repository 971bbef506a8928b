#pragma once

#include "manualclock.h"
#include "recordingdialogs.h"
#include "recordingshell.h"
#include "tempprogramfolder.h"

#include "app/application.h"
#include "app/services.h"

#include <QTest>
#include <QWidget>

#include <memory>

// The program as the tests drive it: fake services, a temporary program folder, and helpers to
// find windows and controls by name.
class TestApplication {
public:
    TestApplication();
    ~TestApplication();

    Application& app() { return *m_app; }
    ManualClock clock;
    RecordingDialogs dialogs;
    RecordingShell shell;
    TempProgramFolder folder;
    TempProgramFolder configHome;

    // A top-level window of the program by its form name, or null when it has no instance.
    QWidget* window(const QString& formName) const;
    template <class T = QWidget> T* control(const QString& formName, const QString& name) const {
        QWidget* w = window(formName);
        return w ? w->findChild<T*>(name) : nullptr;
    }
    // Lets released windows go (they are deleted after their own handler returns).
    static void settle();

    // Left click in the middle of a control.
    static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);

private:
    std::unique_ptr<Services> m_services;
    std::unique_ptr<Application> m_app;
};
