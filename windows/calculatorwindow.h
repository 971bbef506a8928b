#pragma once

#include "app/borderlesswindow.h"

#include "calc/fixed4.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
struct PromilleUnits;

// The calculator: blood and urine promille, the class of intoxication, the driving verdict,
// the time to wait, repeated intakes and the converters.
class CalculatorWindow : public BorderlessWindow {
    Q_OBJECT

public:
    explicit CalculatorWindow(Application& app);

    // The strength field, written by a pick in the periodic table.
    void setStrength(const QString& text);

protected:
    void leave() override { closeWindow(); }

private:
    void load();
    void connectHandlers();
    void connectMotion();  // the rolling drink list and the periodic table link
    void connectReverse(); // the amount drunk from promille, with its pouring animation

    // Handlers, named after what they react to.
    void calculate();
    void bloodChanged();
    void urineChanged();
    void showResult();
    void classify();
    void remainingTimeTick();
    void computeRemainingTime();
    void fillUnits();
    void writeUnits(const PromilleUnits& units);
    void rebuildUnitLine();
    void switchRepeatedMode();
    void slotBloodChanged(int slot);
    void sumIntakes();
    void lookUpDrink();
    void convertMinutes();
    void closeConverter();
    void bodyMassChanged();
    void reportSettingsFault(const QString& title, const QString& message);
    void closeWindow();

    // The rolling drink list.
    void openList();
    void closeList();
    void listStep(int step);
    void openPeriodicTable();
    void openForecast();

    // The amount drunk from promille.
    void switchReverseMode();
    void startPouring();
    void stopPouring();
    void showPouringResult();
    void promilleChanged();

    // Runs one operation of the window: an unreadable number shows the conversion message, an
    // impossible one (overflow, division by zero) stops silently.
    void guarded(const std::function<void()>& operation);
    void showConversionMessage();

    QString text(const char* field) const;
    void write(const char* field, const QString& value);
    void write(const char* field, Fixed4 value, int decimals = 2);
    QLabel* label(const char* name) const;
    bool repeatedMode() const;
    bool anyInputEmpty() const;
    void showPicture(const QPixmap& picture);
    QString settingsPath() const { return m_settingsPath; }

    QString m_settingsPath;
    bool m_settingsFaultReported = false; // one report per opening of the window
    Timer* m_resultDisplay;               // Timer14
    Timer* m_classification;              // Timer15
    Timer* m_remainingTime;               // Timer16
    Timer* m_unitLineReset;               // Timer35
    QList<Timer*> m_listSteps;            // Timer1 … Timer13
    QList<Timer*> m_pouring;              // Timer17 … Timer34
};
