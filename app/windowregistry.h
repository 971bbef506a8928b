#pragma once

#include <QPointer>

class Application;
class AboutWindow;
class CalculatorWindow;
class ForecastWindow;
class MainWindow;
class PeriodicTableWindow;
class QWidget;

// The program-wide window names. A name without a current instance creates one on use, which
// runs its load step. Hiding keeps an instance; releasing drops it, so the next use starts
// afresh.
class WindowRegistry {
public:
    explicit WindowRegistry(Application& app);
    ~WindowRegistry();

    MainWindow& Form1();
    AboutWindow& Form2();
    CalculatorWindow& Form3();
    PeriodicTableWindow& Form4();
    ForecastWindow& Form5();

    // The current instance, or null; creates nothing.
    QWidget* existing(const QString& formName) const;

    // Hides the window and drops its instance; its timers stop at once.
    void release(QWidget& window);
    // Closes every window at once, hidden ones included.
    void closeAll();

private:
    template <class W> W& get(QPointer<W>& slot);

    Application& m_app;
    QPointer<MainWindow> m_main;
    QPointer<AboutWindow> m_about;
    QPointer<CalculatorWindow> m_calculator;
    QPointer<PeriodicTableWindow> m_periodicTable;
    QPointer<ForecastWindow> m_forecast;
};
