#include "aboutwindow.h"

#include "aboutinfo.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/navigation.h"
#include "app/readypicture.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/stilllife.h"

#include "windows/mainwindow.h"

#include <QKeySequence>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

namespace {

using K = ControlKind;
using S = uifont::Size;
using namespace layouttable;

const ControlSpec Layout[] = {
    {"Frame1", K::Panel, nullptr, 120, 360, 4935, 3855, u"", {.accessibleName = u"О программе"}},
    {"Command1", K::Button, "Frame1", 1920, 3240, 975, 375, u"OK", {.bold = true}},
    {"Label4", K::Label, "Frame1", 480, 2400, 4215, 495, nullptr, {.bold = true}},
    {"Label3",
     K::Label,
     "Frame1",
     1560,
     2880,
     1935,
     255,
     nullptr,
     {.bold = true, .underline = true, .color = Blue, .hand = true}},
    {"Image2",
     K::Image,
     "Frame1",
     120,
     120,
     2010,
     1560,
     nullptr,
     {.accessibleName = u"Натюрморт: бутылка водки, рюмка и луковица"}},
    {"Label12",
     K::Label,
     "Frame1",
     2160,
     480,
     735,
     255,
     u"Автор:",
     {.bold = true, .underline = true}},
    {"Label2",
     K::Label,
     "Frame1",
     2280,
     840,
     2295,
     255,
     nullptr,
     {.size = S::Medium, .bold = true}},
    {"Label5",
     K::Label,
     "Frame1",
     2520,
     1080,
     1575,
     255,
     nullptr,
     {.bold = true, .color = Blue, .hand = true}},
    {"Label59",
     K::Label,
     "Frame1",
     2280,
     1440,
     2295,
     255,
     nullptr,
     {.bold = true, .color = Blue, .hand = true}},
    {"Label1", K::Label, nullptr, 480, 0, 2055, 375, u"алкоголь", {.size = S::Large, .bold = true}},
    {"Image3", K::Image, nullptr, 0, 0, 390, 300, nullptr, {}},
    {"Image1", K::Image, nullptr, 0, 0, 5160, 360, nullptr, {.stretch = true}},
    {"Shape1_1", K::Rectangle, nullptr, 15, 15, 5130, 4335, nullptr, {}},
    {"Shape1_0", K::Rectangle, nullptr, 0, 0, 5160, 4365, nullptr, {}},
};

} // namespace

AboutWindow::AboutWindow(Application& app)
    : BorderlessWindow(app, QStringLiteral("Form2"), QStringLiteral("Form2"), QSize(344, 291),
                       {.systemMenu = true, .minimiseBox = true, .maximiseBox = true},
                       Marks::None) {
    buildLayout(Layout);
    control<QLabel>("Label4")->setText(
        QStringLiteral("При создании этой программы использованы материалы Клиники ") +
        aboutinfo::clinicName() + QStringLiteral(", сайт:"));
    control<QLabel>("Label3")->setText(aboutinfo::clinicAddress());
    control<QLabel>("Label2")->setText(aboutinfo::authorName());
    control<QLabel>("Label5")->setText(aboutinfo::authorMail());
    control<QLabel>("Label59")->setText(aboutinfo::authorAddress());

    auto* picture = control<ClickableLabel>("Image2");
    picture->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/stilllife-about.gif")));
    m_stillLife = new StillLife(picture, services().clock, {200, 201, 200, 202}, 1, this);

    connect(control<ClickableLabel>("Label3"), &ClickableLabel::clicked, this,
            [this] { openLink("Label3"); });
    connect(control<ClickableLabel>("Label59"), &ClickableLabel::clicked, this,
            [this] { openLink("Label59"); });
    connect(control<ClickableLabel>("Label5"), &ClickableLabel::clicked, this,
            [this] { writeMail(); });
    auto* ok = control<QPushButton>("Command1");
    connect(ok, &QPushButton::clicked, this, [this] { leave(); });
    // Escape leaves the window as "OK" does, as in a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, ok,
            &QPushButton::click);

    load();
}

void AboutWindow::leave() {
    navigation::showInsteadOf(app().windows().Form1(), *this);
    app().windows().release(*this);
}

void AboutWindow::load() {
    SetCaptionStyle(*this, false);
    SetCaptionStyle(*this, true);
    for (const char* name : {"Frame1", "Command1"})
        setBackColour(control<QWidget>(name), FaceColour);
    m_stillLife->start();
}

void AboutWindow::openLink(const char* label) {
    // The label's own text is the target, so the link goes wherever its text says.
    services().shell.openWithShell(Shell::Owner::Desktop, QStringLiteral("Open"),
                                   control<QLabel>(label)->text(), QString(),
                                   QStringLiteral("c:\\"), Shell::ShowNormal);
}

void AboutWindow::writeMail() {
    services().shell.openWithShell(Shell::Owner::None, QStringLiteral("Open"),
                                   QStringLiteral("mailto:") + control<QLabel>("Label5")->text() +
                                       QStringLiteral("?Subject=") + QStringLiteral("вук-вопросы"),
                                   QString(), QString(), Shell::ShowNormal);
}
