#include "testapplication.h"

#include <QApplication>

TestApplication::TestApplication() {
    m_services = std::make_unique<Services>(
        Services{clock, dialogs, shell, folder.path(), configHome.path()});
    m_app = std::make_unique<Application>(*m_services);
}

TestApplication::~TestApplication() {
    m_app.reset();
    settle();
}

QWidget* TestApplication::window(const QString& formName) const {
    return m_app->windows().existing(formName);
}

void TestApplication::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestApplication::click(QWidget* w, Qt::MouseButton button) {
    QTest::mouseClick(w, button, Qt::NoModifier, w->rect().center());
}
