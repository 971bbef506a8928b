// The calculator's drink list that rolls open and shut like a blind, and the ways to the
// periodic table and the forecast.
#include "calculatorwindow.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/clock.h"
#include "app/services.h"
#include "app/timer.h"
#include "app/twips.h"
#include "calc/numbertext.h"
#include "forecast/calculatorhandover.h"
#include "windows/forecastwindow.h"
#include "windows/periodictablewindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
// List heights in twips at each of the thirteen steps: 60 twips of border plus whole rows of
// 195 twips (1, 2, 3, 4, then 6, 8, 10, then 11 to 16 rows).
constexpr int StepHeights[13] = {255,  450,  645,  840,  1230, 1620, 2010,
                                 2205, 2400, 2595, 2790, 2985, 3180};
} // namespace

void CalculatorWindow::connectMotion() {
    connect(control<ClickableLabel>("Label87"), &ClickableLabel::clicked, this,
            [this] { openList(); });
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, [this] { closeList(); });
    connect(control<ClickableLabel>("Label17"), &ClickableLabel::clicked, this,
            [this] { openPeriodicTable(); });
    connect(control<ClickableLabel>("ForecastLink"), &ClickableLabel::clicked, this,
            [this] { openForecast(); });
    for (int step = 1; step <= 13; ++step)
        m_listSteps[step - 1]->onTick([this, step] { listStep(step); });
}

void CalculatorWindow::openList() {
    label("Label9")->setText(QStringLiteral("1"));
    m_listSteps.first()->setEnabled(true);
    if (repeatedMode())
        control<QWidget>("Frame3")->hide();
}

void CalculatorWindow::closeList() {
    label("Label9")->setText(QStringLiteral("0"));
    m_listSteps.last()->setEnabled(true);
    control<QWidget>("Command3")->hide();
}

void CalculatorWindow::listStep(int step) {
    // The flag is read afresh at every step, so a change mid-motion turns the chain round.
    const QString flag = label("Label9")->text();
    const bool opening = numbertext::isNumber(flag) && numbertext::readDouble(flag) == 1;
    auto* list = control<QListWidget>("List1");
    auto setHeight = [list](int twipsHigh) {
        list->resize(list->width(), twips::toPixels(twipsHigh));
    };
    Timer* self = m_listSteps[step - 1];

    if (opening) {
        if (step == 1) {
            list->show();
            control<QWidget>("Command3")->show();
            control<QWidget>("Command3")->raise();
        }
        setHeight(StepHeights[step - 1]);
        self->setEnabled(false);
        if (step < 13)
            m_listSteps[step]->setEnabled(true);
        return;
    }
    if (step == 1) {
        list->hide();
        self->setEnabled(false);
        if (repeatedMode())
            control<QWidget>("Frame3")->show();
        return;
    }
    setHeight(StepHeights[step - 1]);
    self->setEnabled(false);
    m_listSteps[step - 2]->setEnabled(true);
}

void CalculatorWindow::openForecast() {
    CalculatorInputs in;
    in.reverse = control<QCheckBox>("Check2")->isChecked();
    in.grams = text("Text1");
    in.strength = text("Text4");
    in.mass = text("Text2");
    in.rate = text("Combo1");
    in.hours = text("Text3");
    in.sex = control<QRadioButton>("Option2")->isChecked() ? Sex::Female : Sex::Male;
    // Beside the calculator, which stays as it is.
    const bool fresh = !app().windows().existing(QStringLiteral("Form5"));
    ForecastWindow& forecast = app().windows().Form5();
    forecast.takeOver(handOver(in, services().clock.currentDateTime()), fresh);
    if (forecast.isMinimized())
        forecast.showNormal();
    else
        forecast.show();
    forecast.raise();
    forecast.activateWindow();
}

void CalculatorWindow::openPeriodicTable() {
    // Shown beside the calculator, which stays open.
    PeriodicTableWindow& table = app().windows().Form4();
    table.show();
    table.raise();
    table.activateWindow();
}
