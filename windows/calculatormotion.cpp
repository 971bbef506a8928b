// The calculator's drink list that rolls open and shut like a blind, and the way to the
// periodic table.
#include "calculatorwindow.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/timer.h"
#include "app/twips.h"
#include "calc/numbertext.h"
#include "windows/periodictablewindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

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

void CalculatorWindow::openPeriodicTable() {
    // Shown beside the calculator, which stays open.
    PeriodicTableWindow& table = app().windows().Form4();
    table.show();
    table.raise();
    table.activateWindow();
}
