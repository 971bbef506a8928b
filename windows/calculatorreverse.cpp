// The calculator run backwards: from a measured promille value, the amount that was drunk,
// shown after a bottle has poured into a glass.
#include "calculatorwindow.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/services.h"
#include "app/stilllife.h"
#include "app/timer.h"
#include "calc/arithmeticerror.h"
#include "calc/conversionerror.h"
#include "calc/numbertext.h"
#include "calc/promilleunits.h"
#include "calc/reverseamount.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int FirstPouringFrame = 400; // Timer17 shows 400, Timer31 shows 414
constexpr int PouringSteps = 15;
} // namespace

void CalculatorWindow::connectReverse() {
    connect(control<QCheckBox>("Check2"), &QCheckBox::clicked, this,
            [this] { switchReverseMode(); });
    connect(control<QPushButton>("Command6"), &QPushButton::clicked, this,
            [this] { startPouring(); });
    connect(control<QLineEdit>("Text1"), &QLineEdit::textChanged, this,
            [this] { promilleChanged(); });

    // Timer17 … Timer31 pour, Timer32 shows the full glass and the result, then Timer33 and
    // Timer34 alternate the glass frames for as long as the result is shown.
    for (int k = 0; k < PouringSteps; ++k) {
        Timer* self = m_pouring[k];
        Timer* next = m_pouring[k + 1];
        self->onTick([this, self, next, k] {
            showPicture(StillLife::frame(FirstPouringFrame + k));
            self->setEnabled(false);
            next->setEnabled(true);
        });
    }
    m_pouring[PouringSteps]->onTick([this] { showPouringResult(); });
    Timer* glass = m_pouring[PouringSteps + 1];
    Timer* glassAgain = m_pouring[PouringSteps + 2];
    glass->onTick([this, glass, glassAgain] {
        showPicture(StillLife::frame(416));
        glass->setEnabled(false);
        glassAgain->setEnabled(true);
    });
    glassAgain->onTick([this, glass, glassAgain] {
        showPicture(StillLife::frame(417));
        glassAgain->setEnabled(false);
        glass->setEnabled(true);
    });
}

void CalculatorWindow::stopPouring() {
    // The whole chain, not only the glass loop: a run still pouring must not deliver a result
    // after the mode or the inputs have changed, and restarts cleanly from its first frame.
    for (Timer* t : m_pouring)
        t->setEnabled(false);
    // Nor may a display still pending from a forward calculation.
    for (Timer* t : {m_resultDisplay, m_classification, m_remainingTime})
        t->setEnabled(false);
}

void CalculatorWindow::switchReverseMode() {
    for (const char* name : {"Label8", "Label7", "Label13", "Label14"})
        label(name)->clear();
    write("Text5", QString());
    write("Text6", QString());
    write("Text1", QString());
    label("Label12")->clear();
    showPicture(QPixmap());
    stopPouring();

    const bool reverse = control<QCheckBox>("Check2")->isChecked();
    label("Label2")->setText(reverse ? QStringLiteral("Количество промилле в крови")
                                     : QStringLiteral("Количество выпитого спирта в граммах"));
    control<QGroupBox>("Frame1")->setTitle(
        reverse ? QStringLiteral("Определение количества выпитого по промилле в крови")
                : QStringLiteral("Концентрация спирта в крови и моче"));
    control<QWidget>("Command1")->setVisible(!reverse);
    control<QWidget>("Command6")->setVisible(reverse);
    control<QWidget>("Check1")->setVisible(!reverse);
    label("Label16")->setText(PromilleUnits::resetLine());
}

void CalculatorWindow::startPouring() {
    stopPouring();
    for (const char* name : {"Label8", "Label7", "Label13", "Label14"})
        label(name)->clear();
    write("Text5", QString());
    write("Text6", QString());
    label("Label12")->clear();
    showPicture(QPixmap());

    if (anyInputEmpty()) {
        services().dialogs.message(this, QStringLiteral("Не все данные установленны"),
                                   QStringLiteral("алкоголь"));
        return;
    }
    m_pouring.first()->setEnabled(true);
}

void CalculatorWindow::showPouringResult() {
    showPicture(StillLife::frame(415));
    m_pouring[PouringSteps]->setEnabled(false);
    guarded([this] {
        const ReverseAmount amount =
            ReverseAmount::read(text("Text1"), text("Text4"), text("Text2"),
                                label("Label4")->text(), text("Combo1"), text("Text3"));
        write("Text31", amount.grams(), 0);
        m_pouring[PouringSteps + 1]->setEnabled(true);
        label("Label8")->setText(ReverseAmount::sentence(text("Text4"), text("Text31")));
    });
}

void CalculatorWindow::promilleChanged() {
    if (!control<QCheckBox>("Check2")->isChecked() || text("Text1").isEmpty())
        return;
    try {
        writeUnits(PromilleUnits::of(numbertext::readFixed4(text("Text1"))));
    } catch (const ConversionError&) {
        showConversionMessage();
        write("Text1", QString()); // runs this rule again, which skips an empty text
    } catch (const ArithmeticError&) {
    }
}
