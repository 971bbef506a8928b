#include "mainwindow.h"

#include "mainwindowtexts.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/helppage.h"
#include "app/navigation.h"
#include "app/readypicture.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/stilllife.h"
#include "app/timer.h"
#include "app/twips.h"
#include "table/eliminationtable.h"
#include "table/eliminationtime.h"

#include "windows/aboutwindow.h"
#include "windows/calculatorwindow.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using K = ControlKind;
using S = uifont::Size;
using namespace layouttable;

const ControlSpec Layout[] = {
    {"Command6", K::Button, nullptr, 1800, 5640, 1335, 375, u"О программе", {.bold = true}},
    {"Command5", K::Button, nullptr, 120, 5640, 1335, 375, u"Выход", {.bold = true}},
    {"Command4", K::Button, nullptr, 120, 5160, 3015, 375, u"Русская водка", {.bold = true}},
    {"Command2",
     K::Button,
     nullptr,
     120,
     4680,
     3015,
     375,
     u"Рецепт выведения из запоя",
     {.bold = true}},
    {"Frame3",
     K::Panel,
     nullptr,
     3240,
     6720,
     2895,
     855,
     u"Рецепт выведения из запоя",
     {.bold = true}},
    {"Command3", K::Button, "Frame3", 6840, 4680, 1455, 375, u"Закрыть", {.bold = true}},
    {"Text6", K::MultiLineText, "Frame3", 240, 360, 8055, 4215, nullptr, {.bold = true}},
    {"Frame2",
     K::Panel,
     nullptr,
     3240,
     360,
     5415,
     2175,
     u"",
     {.accessibleName = u"Период полного выведения алкоголя из организма"}},
    {"Text3", K::TextBox, "Frame2", 360, 4800, 1455, 420, u"Text3", {.work = true}},
    {"Text4", K::TextBox, "Frame2", 360, 5280, 1455, 420, u"Text4", {.work = true}},
    {"Command1", K::Button, "Frame2", 2760, 5280, 1335, 375, u"Command1", {.work = true}},
    {"Text5", K::TextBox, "Frame2", 2640, 4800, 2295, 420, u"Text5", {.work = true}},
    {"Text2", K::TextBox, "Frame2", 2640, 4320, 2295, 420, u"Text2", {.work = true}},
    {"Text1",
     K::TextBox,
     "Frame2",
     240,
     4320,
     2175,
     420,
     u"0,42",
     {.size = S::Large, .bold = true, .work = true}},
    {"Label9",
     K::Label,
     "Frame2",
     3360,
     1080,
     1335,
     255,
     u"у женщин",
     {.size = S::Large, .bold = true}},
    {"Label8",
     K::Label,
     "Frame2",
     720,
     1080,
     1335,
     255,
     u"у мужчин",
     {.size = S::Large, .bold = true}},
    {"Label7",
     K::Label,
     "Frame2",
     2760,
     1440,
     2415,
     495,
     u"Label5",
     {.size = S::Large,
      .bold = true,
      .color = Red,
      .boxed = true,
      .centred = true,
      .labelledBy = "Label9"}},
    {"Label6",
     K::Label,
     "Frame2",
     720,
     240,
     4095,
     735,
     u"Период полного выведения алкоголя из организма в часах\r\n",
     {.size = S::Large, .bold = true}},
    {"Label5",
     K::Label,
     "Frame2",
     240,
     1440,
     2415,
     495,
     u"Label5",
     {.size = S::Large,
      .bold = true,
      .color = Red,
      .boxed = true,
      .centred = true,
      .labelledBy = "Label8"}},
    {"Frame1", K::Panel, nullptr, 120, 360, 3015, 4215, u"Ввод", {.bold = true}},
    {"List3", K::List, "Frame1", 1920, 2520, 735, 1425, nullptr, {.labelledBy = "Label4"}},
    {"List2", K::List, "Frame1", 1920, 600, 735, 1425, nullptr, {.labelledBy = "Label3"}},
    {"List1", K::List, "Frame1", 120, 600, 1695, 3375, nullptr, {.labelledBy = "Label2"}},
    {"Label4", K::Label, "Frame1", 1920, 2040, 855, 375, u"Сколько принято,гр", {}},
    {"Label3", K::Label, "Frame1", 1920, 120, 735, 375, u"Ваш вес в кг.", {}},
    {"Label2", K::Label, "Frame1", 360, 240, 1335, 255, u"Напиток  % алк ", {}},
    {"Picture1_0", K::PictureBox, nullptr, 9810 - 355, 30, 315, 315, nullptr, {}},
    {"Picture1_1", K::PictureBox, nullptr, 9810 - 690, 30, 315, 315, nullptr, {}},
    {"Label87",
     K::Label,
     nullptr,
     4080,
     5760,
     3495,
     255,
     u"Расчет концентрации спирта в крови",
     {.bold = true, .underline = true, .color = Blue, .hand = true}},
    {"Image3", K::Image, nullptr, 120, 0, 390, 300, nullptr, {}},
    {"Label10", K::Label, nullptr, 3240, 2520, 5175, 3255, nullptr, {}},
    {"Image2",
     K::Image,
     nullptr,
     3960,
     2520,
     3600,
     2805,
     nullptr,
     {.accessibleName = u"Натюрморт: бутылка водки, рюмка и луковица"}},
    {"Label1", K::Label, nullptr, 600, 0, 2055, 375, u"алкоголь", {.size = S::Large, .bold = true}},
    {"Shape1_0", K::Rectangle, nullptr, 0, 0, 9810, 6240, nullptr, {}},
    {"Shape1_1", K::Rectangle, nullptr, 15, 15, 9780, 6210, nullptr, {}},
    {"Image1", K::Image, nullptr, 0, 0, 9810, 360, nullptr, {.stretch = true}},
};

} // namespace

MainWindow::MainWindow(Application& app)
    : BorderlessWindow(app, QStringLiteral("Form1"), QStringLiteral("алкоголь"), QSize(654, 416),
                       {.systemMenu = true, .minimiseBox = true, .maximiseBox = false},
                       Marks::FollowRightEdge) {
    buildLayout(Layout);
    m_drinks = control<QListWidget>("List1");
    m_weights = control<QListWidget>("List2");
    m_amounts = control<QListWidget>("List3");
    control<QPlainTextEdit>("Text6")->setPlainText(mainwindowtexts::hangoverRecipe());
    control<QLabel>("Label10")->setText(mainwindowtexts::drivingAdvice());
    control<QPlainTextEdit>("Text6")->setReadOnly(true);

    m_womenDelay = makeTimer(QStringLiteral("Timer1"), 500);
    m_womenDelay->onTick([this] { control<QPushButton>("Command1")->click(); });
    auto* picture = control<ClickableLabel>("Image2");
    picture->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/stilllife-main.gif")));
    m_stillLife = new StillLife(picture, services().clock, {300, 301, 300, 302}, 2, this);

    for (QListWidget* list : {m_drinks, m_weights, m_amounts})
        connect(list, &QListWidget::currentRowChanged, this, [this] { lookUp(); });
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            [this] { computeWomenTime(); });
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this,
            [this] { openRecipe(); });
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this,
            [this] { closeRecipe(); });
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, [this] {
        services().shell.openWithShell(Shell::Owner::None, QStringLiteral("open"),
                                       helpPagePath(services().programFolder), QString(), QString(),
                                       Shell::ShowNormal);
    });
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, [this] { leave(); });
    connect(control<ClickableLabel>("Label87"), &ClickableLabel::clicked, this,
            [this] { navigation::showInsteadOf(this->app().windows().Form3(), *this); });
    connect(control<QPushButton>("Command6"), &QPushButton::clicked, this,
            [this] { navigation::showInsteadOf(this->app().windows().Form2(), *this); });

    load();
}

void MainWindow::leave() {
    app().endProgram();
}

void MainWindow::load() {
    SetCaptionStyle(*this, false);
    SetCaptionStyle(*this, true);

    for (const char* name : {"Frame1", "Frame2", "Frame3", "Text6", "Command2", "Command3",
                             "Command4", "Command5", "Command6", "List1", "List2", "List3"})
        setBackColour(control<QWidget>(name), FaceColour);
    control<QWidget>("Frame3")->hide();

    m_drinks->addItems(EliminationTable::drinks());
    m_weights->addItems(EliminationTable::weights());
    m_amounts->addItems(EliminationTable::amounts());
    // Each selection runs the lookup; only the third finds an entry.
    m_drinks->setCurrentRow(0);
    m_weights->setCurrentRow(0);
    m_amounts->setCurrentRow(0);

    // The women's box stays empty until its first computation.
    control<QLabel>("Label7")->clear();
    m_womenDelay->setEnabled(true);
    m_stillLife->start();
}

void MainWindow::lookUp() {
    auto selected = [](QListWidget* list) {
        const QListWidgetItem* item = list->currentItem();
        return item ? item->text() : QString();
    };
    if (const auto time =
            EliminationTable::menTime(selected(m_drinks), selected(m_weights), selected(m_amounts)))
        showMenTime(*time);
    m_womenDelay->setEnabled(true);
}

void MainWindow::showMenTime(const QString& time) {
    control<QLabel>("Label5")->setText(time);
    // The work fields keep the men's hours and minutes for the women's computation.
    const auto men = EliminationTime::parse(time);
    if (!men)
        return;
    control<QLineEdit>("Text1")->setText(QStringLiteral("%1 %2").arg(men->hours).arg(men->minutes));
    control<QLineEdit>("Text3")->setText(QString::number(men->hours));
    control<QLineEdit>("Text4")->setText(QString::number(men->minutes));
}

void MainWindow::computeWomenTime() {
    m_womenDelay->setEnabled(false);
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = control<QLineEdit>("Text3")->text().toInt(&hoursOk);
    const int minutes = control<QLineEdit>("Text4")->text().toInt(&minutesOk);
    if (!hoursOk || !minutesOk)
        return;
    const EliminationTime women = womenTime(EliminationTime{hours, minutes});
    control<QLineEdit>("Text2")->setText(QString::number(women.hours));
    control<QLineEdit>("Text5")->setText(QString::number(women.minutes));
    control<QLabel>("Label7")->setText(women.text());
}

void MainWindow::openRecipe() {
    auto* panel = control<QWidget>("Frame3");
    panel->show();
    panel->setGeometry(twips::toPixels(120, 360, 8535, 5415));
    panel->raise();
    setButtonsVisible(false);
}

void MainWindow::closeRecipe() {
    control<QWidget>("Frame3")->hide();
    setButtonsVisible(true);
}

void MainWindow::setButtonsVisible(bool visible) {
    for (const char* name : {"Command2", "Command4", "Command5", "Command6"})
        control<QWidget>(name)->setVisible(visible);
}
