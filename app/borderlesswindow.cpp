#include "borderlesswindow.h"

#include "application.h"
#include "clickablelabel.h"
#include "fixedlook.h"
#include "outlinerect.h"
#include "readypicture.h"
#include "services.h"
#include "timer.h"
#include "twips.h"
#include "windowdrag.h"

#include <QCloseEvent>
#include <QPixmap>

#include <algorithm>

namespace {

// What a screen reader calls the chrome every borderless window shares.
struct ChromeName {
    const char* control;
    const char16_t* name;
};
constexpr ChromeName ChromeNames[] = {
    {"Image1", u"Заголовок окна — перетащите, чтобы переместить"},
    {"Image3", u"Значок программы"},
    {"Shape1_0", u"Рамка окна"},
    {"Shape1_1", u"Внутренняя рамка окна"},
    {"Picture1_0", u"Закрыть программу"},
    {"Picture1_1", u"Свернуть окно"},
};

} // namespace

BorderlessWindow::BorderlessWindow(Application& app, const QString& formName,
                                   const QString& caption, QSize client,
                                   captionstyle::Declared declared, Marks marks)
    : m_app(app)
    , m_declared(declared)
    , m_style(captionstyle::initial(declared))
    , m_caption(caption)
    , m_marks(marks) {
    setObjectName(formName);
    fixedlook::apply(*this);
    setWindowTitle(desktopTitle());
    setWindowFlags(captionstyle::windowFlags(m_style));
    resize(client);
    setAutoFillBackground(true);
    // Every new instance opens centred on the screen.
    Application::centreOnScreen(*this);
}

QString BorderlessWindow::desktopTitle() {
    return QStringLiteral("алкоголь");
}

Services& BorderlessWindow::services() const {
    return m_app.services();
}

Timer* BorderlessWindow::makeTimer(const QString& name, int intervalMs) {
    return new Timer(services().clock, name, intervalMs, this);
}

void BorderlessWindow::buildLayout(std::span<const ControlSpec> rows) {
    layouttable::build(this, rows);

    auto* strip = control<ClickableLabel>("Image1");
    strip->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/titlestrip.gif")));
    strip->setScaledContents(true);
    new WindowDrag(this, strip);

    // The title text and icon lie on the strip; pressing them drags the window too.
    auto* title = control<QLabel>("Label1");
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    title->setPalette(palette);
    auto* icon = control<ClickableLabel>("Image3");
    icon->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/icon.gif")));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    if (m_marks != Marks::None) {
        auto* close = control<ClickableLabel>("Picture1_0");
        close->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/close.gif")));
        connect(close, &ClickableLabel::clicked, this, [this] { m_app.endProgram(); });
        auto* minimise = control<ClickableLabel>("Picture1_1");
        minimise->setPixmap(readypicture::pixmap(QStringLiteral(":/chrome/minimize.gif")));
        connect(minimise, &ClickableLabel::clicked, this, [this] { showMinimized(); });
    }
    for (const ChromeName& chrome : ChromeNames)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(chrome.control)))
            w->setAccessibleName(QString::fromUtf16(chrome.name));
    m_built = true;
}

void BorderlessWindow::layoutStep() {
    if (!m_built)
        return;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(layouttable::FaceColour));
    setPalette(palette);

    control<OutlineRect>("Shape1_0")->setColor(QColor::fromRgb(layouttable::Navy));
    control<OutlineRect>("Shape1_1")->setColor(QColor::fromRgb(layouttable::Blue));

    const int w = width();
    const int h = height();
    auto* strip = control<QWidget>("Image1");
    strip->setGeometry(0, 0, w, strip->height());
    control<QWidget>("Shape1_0")->setGeometry(0, 0, w, h);
    control<QWidget>("Shape1_1")->setGeometry(1, 1, w - 2, h - 2);

    if (m_marks == Marks::FollowRightEdge) {
        // 40 twips between the close mark and the right edge, 20 between the two marks.
        auto* close = control<QWidget>("Picture1_0");
        auto* minimise = control<QWidget>("Picture1_1");
        const int closeLeft = twips::fromPixels(w) - twips::fromPixels(close->width()) - 40;
        const int minimiseLeft = closeLeft - twips::fromPixels(minimise->width()) - 20;
        close->move(twips::toPixels(closeLeft), twips::toPixels(30));
        minimise->move(twips::toPixels(minimiseLeft), twips::toPixels(30));
    }
}

void BorderlessWindow::closeEvent(QCloseEvent* event) {
    // Once the program has ended nothing holds a window back, not even from a quit.
    if (m_app.hasEnded()) {
        event->accept();
        return;
    }
    event->ignore();
    leave();
}

void BorderlessWindow::showEvent(QShowEvent* event) {
    layoutStep();
    // A window opening for the first time starts at its first control in reading order (the
    // chain is a ring, and its start would otherwise be wherever the first made control lies).
    if (m_built && !focusWidget()) {
        const QList<QWidget*> order = layouttable::readingOrder(this);
        const auto first = std::find_if(order.begin(), order.end(), layouttable::isTabStop);
        if (first != order.end())
            (*first)->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(event);
}

void BorderlessWindow::resizeEvent(QResizeEvent* event) {
    layoutStep();
    QWidget::resizeEvent(event);
}

bool BorderlessWindow::focusNextPrevChild(bool next) {
    QWidget* const start = focusWidget() ? focusWidget() : this;
    QWidget* w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != this && layouttable::isTabStop(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return false;
}
