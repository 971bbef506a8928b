#include "windowregistry.h"

#include "timer.h"

#include "windows/aboutwindow.h"
#include "windows/calculatorwindow.h"
#include "windows/forecastwindow.h"
#include "windows/mainwindow.h"
#include "windows/periodictablewindow.h"

WindowRegistry::WindowRegistry(Application& app)
    : m_app(app) {}

WindowRegistry::~WindowRegistry() {
    closeAll();
}

template <class W> W& WindowRegistry::get(QPointer<W>& slot) {
    if (!slot)
        slot = new W(m_app);
    return *slot;
}

MainWindow& WindowRegistry::Form1() {
    return get(m_main);
}

AboutWindow& WindowRegistry::Form2() {
    return get(m_about);
}

CalculatorWindow& WindowRegistry::Form3() {
    return get(m_calculator);
}

PeriodicTableWindow& WindowRegistry::Form4() {
    return get(m_periodicTable);
}

ForecastWindow& WindowRegistry::Form5() {
    return get(m_forecast);
}

QWidget* WindowRegistry::existing(const QString& formName) const {
    const QList<QWidget*> all{m_main.data(), m_about.data(), m_calculator.data(),
                              m_periodicTable.data(), m_forecast.data()};
    for (QWidget* w : all)
        if (w && w->objectName() == formName)
            return w;
    return nullptr;
}

namespace {
void stopTimers(QWidget& window) {
    const QList<Timer*> timers = window.findChildren<Timer*>();
    for (Timer* t : timers)
        t->setEnabled(false);
}
} // namespace

void WindowRegistry::release(QWidget& window) {
    window.hide();
    stopTimers(window);
    if (&window == m_about.data())
        m_about.clear();
    if (&window == m_calculator.data())
        m_calculator.clear();
    if (&window == m_periodicTable.data())
        m_periodicTable.clear();
    if (&window == m_forecast.data())
        m_forecast.clear();
    // The release may come from one of the window's own handlers: delete it afterwards.
    window.deleteLater();
}

void WindowRegistry::closeAll() {
    const QList<QWidget*> all{m_forecast.data(), m_periodicTable.data(), m_about.data(),
                              m_calculator.data(), m_main.data()};
    for (QWidget* w : all) {
        if (!w)
            continue;
        w->hide();
        stopTimers(*w);
        w->deleteLater();
    }
    m_about.clear();
    m_calculator.clear();
    m_periodicTable.clear();
    m_forecast.clear();
    m_main.clear();
}
