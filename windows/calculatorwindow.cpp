#include "calculatorwindow.h"

#include "calculatorlayout.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/dialogs.h"
#include "app/navigation.h"
#include "app/services.h"
#include "app/stilllife.h"
#include "app/timer.h"
#include "app/twips.h"
#include "calc/arithmeticerror.h"
#include "calc/concentration.h"
#include "calc/conversionerror.h"
#include "calc/intakeslots.h"
#include "calc/intoxicationclass.h"
#include "calc/minutestohours.h"
#include "calc/numbertext.h"
#include "calc/promilleunits.h"
#include "calc/remainingtime.h"
#include "settings/profilefile.h"
#include "settings/settingslocation.h"
#include "table/drinklist.h"

#include "windows/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace layouttable;
using numbertext::decimalText;

const char* const SlotBlood[] = {"Text7", "Text8", "Text9", "Text10", "Text11"};
const char* const SlotUrine[] = {"Text12", "Text13", "Text14", "Text15", "Text16"};
const char* const SlotTotal[] = {"Text21", "Text22", "Text23", "Text24", "Text25"};
const char* const SlotRemaining[] = {"Text26", "Text27", "Text28", "Text29", "Text30"};

const QString WeightSection = QStringLiteral("Вес");
const QString WeightKey = QStringLiteral("p");

constexpr QRgb Green = 0xFF00C000;

} // namespace

CalculatorWindow::CalculatorWindow(Application& app)
    : BorderlessWindow(app, QStringLiteral("Form3"), QStringLiteral("Form3"), QSize(559, 401),
                       {.systemMenu = true, .minimiseBox = true, .maximiseBox = false},
                       Marks::AsLaidOut) {
    buildLayout(calculatorLayout());
    for (int i = 1; i <= 13; ++i)
        m_listSteps.append(makeTimer(QStringLiteral("Timer%1").arg(i), 10));
    m_resultDisplay = makeTimer(QStringLiteral("Timer14"), 500);
    m_classification = makeTimer(QStringLiteral("Timer15"), 500);
    m_remainingTime = makeTimer(QStringLiteral("Timer16"), 1000);
    for (int i = 17; i <= 34; ++i)
        m_pouring.append(makeTimer(QStringLiteral("Timer%1").arg(i), 100));
    m_unitLineReset = makeTimer(QStringLiteral("Timer35"), 1000);

    // The program writes the slots; the user only reads them.
    for (const char* const* column : {SlotBlood, SlotUrine})
        for (int i = 0; i < IntakeSlots::Count; ++i)
            control<QLineEdit>(column[i])->setReadOnly(true);

    connectHandlers();
    load();
}

void CalculatorWindow::connectHandlers() {
    auto onClick = [this](const char* button, void (CalculatorWindow::*handler)()) {
        connect(control<QAbstractButton>(button), &QAbstractButton::clicked, this,
                [this, handler] { (this->*handler)(); });
    };
    auto onEdit = [this](const char* field, void (CalculatorWindow::*handler)()) {
        connect(control<QLineEdit>(field), &QLineEdit::textChanged, this,
                [this, handler] { (this->*handler)(); });
    };
    onClick("Command1", &CalculatorWindow::calculate);
    onClick("Command2", &CalculatorWindow::closeWindow);
    onClick("Command4", &CalculatorWindow::sumIntakes);
    onClick("Command5", &CalculatorWindow::computeRemainingTime);
    onClick("Command7", &CalculatorWindow::fillUnits);
    onClick("Command8", &CalculatorWindow::convertMinutes);
    onClick("Command9", &CalculatorWindow::closeConverter);
    onClick("Check1", &CalculatorWindow::switchRepeatedMode);
    onEdit("Text2", &CalculatorWindow::bodyMassChanged);
    onEdit("Text5", &CalculatorWindow::bloodChanged);
    onEdit("Text6", &CalculatorWindow::urineChanged);
    for (const char* field : {"Text32", "Text33", "Text34"})
        onEdit(field, &CalculatorWindow::rebuildUnitLine);
    for (int i = 0; i < IntakeSlots::Count; ++i)
        connect(control<QLineEdit>(SlotBlood[i]), &QLineEdit::textChanged, this,
                [this, i] { slotBloodChanged(i); });

    connect(control<QRadioButton>("Option1"), &QRadioButton::clicked, this,
            [this] { label("Label4")->setText(decimalText(concentration::MenReductionFactor)); });
    connect(control<QRadioButton>("Option2"), &QRadioButton::clicked, this,
            [this] { label("Label4")->setText(decimalText(concentration::WomenReductionFactor)); });
    auto* drinks = control<QListWidget>("List1");
    connect(drinks, &QListWidget::currentRowChanged, this, [this] { lookUpDrink(); });
    connect(drinks, &QListWidget::itemClicked, this, [this] { lookUpDrink(); });
    connect(control<ClickableLabel>("Label20"), &ClickableLabel::clicked, this, [this] {
        auto* converter = control<QWidget>("Frame6");
        converter->show();
        converter->setGeometry(twips::toPixels(1640, 2760, 4455, 1455));
        converter->raise();
    });

    connectMotion();
    connectReverse();

    m_resultDisplay->onTick([this] { showResult(); });
    m_classification->onTick([this] { classify(); });
    m_remainingTime->onTick([this] { remainingTimeTick(); });
    m_unitLineReset->onTick([this] {
        label("Label16")->setText(PromilleUnits::resetLine());
        m_unitLineReset->setEnabled(false);
    });
}

void CalculatorWindow::load() {
    SetCaptionStyle(*this, false);
    SetCaptionStyle(*this, true);

    for (const char* name : {"Frame1", "Command1", "Command2", "Command3", "Command4", "Command6",
                             "Command8", "Command9", "Label15"})
        setBackColour(control<QWidget>(name), FaceColour);
    control<QWidget>("Command6")->hide();
    for (const char* name : {"Check1", "Option1", "Option2", "Frame2", "Frame3", "Frame6", "List1",
                             "Check2", "Label18", "Label19"})
        setBackColour(control<QWidget>(name), FaceColour);
    control<QWidget>("Text35")->hide();
    control<QWidget>("Frame6")->hide();

    m_settingsPath = settingsFilePath(services().programFolder, services().userConfigHome);
    const QString weight =
        GetValueString(WeightSection, WeightKey, m_settingsPath,
                       [this](auto& title, auto& text) { reportSettingsFault(title, text); });
    write("Text2", weight);

    for (const char* name : {"Frame3", "Command3", "Label9", "List1"})
        control<QWidget>(name)->hide();
    control<QRadioButton>("Option1")->click();

    auto* rate = control<QComboBox>("Combo1");
    // A typed rate is taken as typed: inline completion would turn "0" into "0,1".
    rate->setCompleter(nullptr);
    rate->clear();
    rate->addItems({QStringLiteral("0,1"), QStringLiteral("0,11"), QStringLiteral("0,12"),
                    QStringLiteral("0,13"), QStringLiteral("0,14"), QStringLiteral("0,15"),
                    QStringLiteral("0,16")});
    rate->setEditText(QStringLiteral("0,13"));

    auto* drinks = control<QListWidget>("List1");
    drinks->clear();
    drinks->addItems(drinks::items());
    drinks->setCurrentRow(12);

    label("Label8")->clear();
    for (Timer* t : m_listSteps)
        t->setEnabled(false);
    m_resultDisplay->setEnabled(false);
    m_classification->setEnabled(false);
    m_pouring.first()->setEnabled(false);
    for (const char* name : {"Label12", "Label13", "Label14"})
        label(name)->clear();
    m_unitLineReset->setEnabled(false);
}

void CalculatorWindow::setStrength(const QString& value) {
    write("Text4", value);
}

// --- helpers ---------------------------------------------------------------------------------

QString CalculatorWindow::text(const char* field) const {
    if (std::string_view(field) == "Combo1")
        return control<QComboBox>("Combo1")->currentText();
    return control<QLineEdit>(field)->text();
}

void CalculatorWindow::write(const char* field, const QString& value) {
    control<QLineEdit>(field)->setText(value);
}

void CalculatorWindow::write(const char* field, Fixed4 value, int decimals) {
    write(field, numbertext::roundedText(value, decimals));
}

QLabel* CalculatorWindow::label(const char* name) const {
    return control<QLabel>(name);
}

bool CalculatorWindow::repeatedMode() const {
    return control<QCheckBox>("Check1")->isChecked();
}

bool CalculatorWindow::anyInputEmpty() const {
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Combo1"})
        if (text(field).isEmpty())
            return true;
    return false;
}

void CalculatorWindow::showPicture(const QPixmap& picture) {
    // The picture keeps its own size, as laid out pictures do.
    auto* image = control<QLabel>("Image2");
    image->setPixmap(picture);
    if (!picture.isNull())
        image->resize(picture.size());
}

void CalculatorWindow::showConversionMessage() {
    services().dialogs.message(this,
                               QStringLiteral("Не правильно введены данные. Разделитель "
                                              "десятичных запятая"),
                               QStringLiteral("Ампервик"));
}

void CalculatorWindow::guarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ConversionError&) {
        showConversionMessage();
    } catch (const ArithmeticError&) {
        // Overflow or division by zero: the operation stops without a word.
    }
}

// --- calculation -----------------------------------------------------------------------------

void CalculatorWindow::calculate() {
    std::array<double, IntakeSlots::Count> slotBlood{};
    auto readSlots = [&] {
        for (int i = 0; i < IntakeSlots::Count; ++i)
            slotBlood[size_t(i)] = numbertext::readDouble(text(SlotBlood[i]));
    };

    // With all five intakes recorded a sixth cannot be, and must not vanish unrecorded.
    try {
        readSlots();
        if (IntakeSlots::choose(repeatedMode(), slotBlood).target == IntakeSlots::Target::AllFull) {
            services().dialogs.message(
                this, QStringLiteral("Все пять приемов записаны. Нажмите «Подсчитать»."),
                QStringLiteral("Внимание!"));
            return;
        }
    } catch (const ConversionError&) {
        // Reported below, where the slots are read for the distribution.
    }

    // Nothing of an earlier result may show up as the answer to this press.
    for (Timer* t : {m_resultDisplay, m_classification, m_remainingTime})
        t->setEnabled(false);
    for (const char* name : {"Label8", "Label7", "Label13", "Label14", "Label12"})
        label(name)->clear();
    write("Text5", QString());
    write("Text6", QString());
    showPicture(QPixmap());

    if (anyInputEmpty()) {
        services().dialogs.message(this, QStringLiteral("Не установленны данные"),
                                   QStringLiteral("Внимание!"));
        // The unit line still restates the earlier result: back to its default in a second.
        m_unitLineReset->setEnabled(true);
        return;
    }

    guarded([&] {
        const ConcentrationInputs in = ConcentrationInputs::read(
            text("Text1"), text("Text4"), text("Text2"), label("Label4")->text(), text("Combo1"),
            text("Text3"), text("Text35"));
        const ConcentrationResult r = computeConcentration(in);

        label("Label18")->setText(numbertext::roundedText(r.runningTotal, 2));
        label("Label19")->setText(QStringLiteral("грамм"));
        write("Text35", label("Label18")->text());
        if (!repeatedMode())
            m_resultDisplay->setEnabled(true);

        readSlots();
        const IntakeSlots::Choice choice = IntakeSlots::choose(repeatedMode(), slotBlood);
        switch (choice.target) {
        case IntakeSlots::Target::Normal:
            write("Text5", r.blood);
            write("Text6", r.urine);
            write("Text17", r.totalTime);
            write("Text18", r.remainingTime);
            break;
        case IntakeSlots::Target::Slot: {
            write("Text5", r.blood);
            write("Text6", r.urine);
            const size_t k = size_t(choice.slot);
            write(SlotBlood[k], r.blood);
            write(SlotUrine[k], r.urine);
            write(SlotTotal[k], r.totalTime);
            write(SlotRemaining[k], r.remainingTime);
            break;
        }
        case IntakeSlots::Target::AllFull:
        case IntakeSlots::Target::Nothing:
            break;
        }
    });
}

void CalculatorWindow::bloodChanged() {
    const QString blood = text("Text5");
    if (blood.isEmpty() || !numbertext::isNumber(blood))
        return;
    try {
        if (numbertext::readDouble(blood) < 0) {
            // Runs this rule again, nested, with "0".
            write("Text5", QStringLiteral("0"));
        }
    } catch (const ArithmeticError&) {
        return;
    }
    m_classification->setEnabled(true);
    if (!repeatedMode())
        m_remainingTime->setEnabled(true);
    control<QPushButton>("Command7")->click();
}

void CalculatorWindow::urineChanged() {
    const QString urine = text("Text6");
    if (urine.isEmpty() || !numbertext::isNumber(urine))
        return;
    try {
        if (numbertext::readDouble(urine) < 0)
            write("Text6", QStringLiteral("0"));
    } catch (const ArithmeticError&) {
    }
}

void CalculatorWindow::showResult() {
    label("Label7")->setText(concentration::resultSentence(text("Text5"), text("Text6")));
    label("Label13")->setText(concentration::eliminationSentence(text("Text17")));
    try {
        const DrivingVerdict verdict = DrivingVerdict::of(numbertext::readDouble(text("Text5")));
        QLabel* l = label("Label8");
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor::fromRgb(verdict.forbidden ? Red : Green));
        l->setPalette(p);
        l->setText(verdict.text);
    } catch (const std::exception&) {
        // No readable blood value, no verdict.
    }
    m_resultDisplay->setEnabled(false);
}

void CalculatorWindow::classify() {
    const QString blood = text("Text5");
    if (blood.isEmpty())
        return; // tried again at the next tick
    try {
        if (const auto cls = IntoxicationClass::classify(numbertext::readDouble(blood))) {
            label("Label12")->setText(cls->text);
            showPicture(StillLife::frame(cls->picture));
        }
    } catch (const std::exception&) {
    }
    m_classification->setEnabled(false);
}

// --- remaining time --------------------------------------------------------------------------

void CalculatorWindow::remainingTimeTick() {
    if (repeatedMode())
        return;
    if (text("Text5") != QStringLiteral("0")) {
        control<QPushButton>("Command5")->click();
        m_remainingTime->setEnabled(false);
        return;
    }
    // No alcohol left: nothing to wait for. Repeats while the result stays 0.
    write("Text19", QStringLiteral("0"));
    write("Text20", QStringLiteral("0"));
    label("Label13")->clear();
    label("Label14")->clear();
}

void CalculatorWindow::computeRemainingTime() {
    if (anyInputEmpty())
        return;
    const auto remaining = RemainingTime::split(text("Text18"));
    if (!remaining)
        return;
    write("Text19", remaining->hours);
    write("Text20", remaining->minutes);
    label("Label14")->setText(remaining->sentence());
}

// --- units -----------------------------------------------------------------------------------

void CalculatorWindow::fillUnits() {
    guarded([this] { writeUnits(PromilleUnits::of(numbertext::readFixed4(text("Text5")))); });
}

void CalculatorWindow::writeUnits(const PromilleUnits& units) {
    // Each write rebuilds the line, also one that leaves the field's text as it was: the
    // promille figure at its head may have changed all the same.
    auto writeField = [this](const char* field, Fixed4 value, int decimals) {
        const QString before = text(field);
        write(field, value, decimals);
        if (text(field) == before)
            rebuildUnitLine();
    };
    writeField("Text32", units.milligramsPerLitre, 2);
    writeField("Text33", units.microgramsPerLitre, 2);
    writeField("Text34", units.percentBloodAlcohol, 3);
}

void CalculatorWindow::rebuildUnitLine() {
    const QString promille =
        control<QCheckBox>("Check2")->isChecked() ? text("Text1") : text("Text5");
    label("Label16")->setText(
        PromilleUnits::line(promille, text("Text32"), text("Text33"), text("Text34")));
}

// --- repeated intakes ------------------------------------------------------------------------

void CalculatorWindow::switchRepeatedMode() {
    // A mode switch: a result still on its way belongs to the other mode and must not appear.
    for (Timer* t : {m_resultDisplay, m_classification, m_remainingTime})
        t->setEnabled(false);
    label("Label18")->clear();
    label("Label19")->clear();
    write("Text35", QStringLiteral("0"));
    if (!repeatedMode()) {
        label("Label6")->setText(IntakeSlots::promptModeOff());
        control<QWidget>("Frame3")->hide();
        for (const char* const* column : {SlotBlood, SlotUrine, SlotTotal, SlotRemaining})
            for (int i = 0; i < IntakeSlots::Count; ++i)
                write(column[i], QStringLiteral("0"));
    } else {
        label("Label6")->setText(IntakeSlots::promptModeOn());
        // While the drink list is rolled out the panel waits for it to close.
        if (control<QWidget>("List1")->isHidden())
            control<QWidget>("Frame3")->show();
    }
    for (const char* name : {"Label13", "Label14", "Label7", "Label8"})
        label(name)->clear();
}

void CalculatorWindow::slotBloodChanged(int slot) {
    if (repeatedMode())
        label("Label6")->setText(IntakeSlots::promptAfterSlot(slot));
}

void CalculatorWindow::sumIntakes() {
    guarded([this] {
        auto column = [this](const char* const* fields) {
            std::array<Fixed4, IntakeSlots::Count> values;
            for (int i = 0; i < IntakeSlots::Count; ++i)
                values[size_t(i)] = numbertext::readFixed4(text(fields[i]));
            return values;
        };
        const auto blood = column(SlotBlood);
        const auto urine = column(SlotUrine);
        const auto total = column(SlotTotal);
        const auto remaining = column(SlotRemaining);
        const IntakeSlots::Sums sums = IntakeSlots::sum(blood, urine, total, remaining);
        write("Text5", sums.blood);
        write("Text6", sums.urine);
        write("Text17", sums.totalTime);
        write("Text18", sums.remainingTime);
        m_resultDisplay->setEnabled(true);
        control<QPushButton>("Command5")->click();
    });
}

// --- inputs ----------------------------------------------------------------------------------

void CalculatorWindow::lookUpDrink() {
    const QListWidgetItem* item = control<QListWidget>("List1")->currentItem();
    if (!item)
        return;
    if (const auto strength = drinks::strengthText(item->text()))
        write("Text4", *strength);
}

void CalculatorWindow::bodyMassChanged() {
    SetValue(WeightSection, WeightKey, text("Text2"), m_settingsPath,
             [this](auto& title, auto& message) { reportSettingsFault(title, message); });
}

void CalculatorWindow::reportSettingsFault(const QString& title, const QString& message) {
    // A fault that persists would otherwise raise a box on every keystroke, and the box takes
    // the keys typed after it.
    if (m_settingsFaultReported)
        return;
    m_settingsFaultReported = true;
    services().dialogs.message(this, message, title);
}

void CalculatorWindow::convertMinutes() {
    guarded([this] { write("Text3", minutesToHours(text("Text36"), text("Text37"))); });
}

void CalculatorWindow::closeConverter() {
    control<QWidget>("Frame6")->hide();
    write("Text36", QStringLiteral("0"));
    write("Text37", QString());
}

void CalculatorWindow::closeWindow() {
    navigation::showInsteadOf(app().windows().Form1(), *this);
    app().windows().release(*this);
}
