#include "periodictablewindow.h"

#include "app/application.h"
#include "app/clickablelabel.h"
#include "app/layouttable.h"
#include "app/twips.h"
#include "app/uifont.h"

#include "table/periodiccells.h"
#include "table/periodiclayout.h"

#include "windows/calculatorwindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QPixmap>

namespace {

QRect pixels(const QRect& t) {
    return twips::toPixels(t.left(), t.top(), t.width(), t.height());
}

QLabel* blueLabel(QWidget* window, const char* name, const QRect& place, const QFont& font) {
    auto* label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(pixels(place));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(layouttable::Blue));
    label->setPalette(palette);
    return label;
}

} // namespace

PeriodicTableWindow::PeriodicTableWindow(Application& app)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , m_app(app) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("алкоголь"));
    setFixedSize(twips::toPixels(periodiclayout::clientTwips.width()),
                 twips::toPixels(periodiclayout::clientTwips.height()));

    // Children are stacked in the order they are made: the picture at the bottom, the click
    // areas over it, the description line and the "***" mark on top.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/periodictable.jpg")));
    picture->setGeometry(QRect(QPoint(0, 0), periodiclayout::picturePixels));

    const QCursor cellCursor(QPixmap(QStringLiteral(":/cursors/cellhand.png")),
                             periodiclayout::cellCursorHotSpot.x(),
                             periodiclayout::cellCursorHotSpot.y());
    for (const PeriodicCell& cell : periodicCells()) {
        auto* area = new ClickableLabel(this);
        area->setObjectName(cell.label);
        area->setGeometry(pixels(cell.twips));
        area->setCursor(cellCursor);
        area->setAccessibleName(cell.name.isEmpty() ? cell.symbol : cell.name);
        connect(area, &ClickableLabel::clicked, this, [this, &cell] { pick(cell); });
    }

    m_description = blueLabel(this, "Label63", periodiclayout::descriptionLineTwips,
                              uifont::font(uifont::Size::Title, true));
    m_description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Lies over the corner of the чефир cell, so a press on it must not reach that cell.
    auto* mark = blueLabel(this, "Label87", periodiclayout::starMarkTwips,
                           uifont::font(uifont::Size::Small));
    mark->setText(QStringLiteral("***"));
    mark->setCursor(layouttable::handCursor());

    load();
}

void PeriodicTableWindow::load() {
    move(0, 0);
    m_description->clear();
}

void PeriodicTableWindow::pick(const PeriodicCell& cell) {
    if (cell.action == PeriodicCell::Action::ShowsJoke) {
        m_description->setText(cell.value);
        return;
    }
    // A calculator left with "Закрыть" has no instance: this creates a hidden one that the
    // main window shows next.
    m_app.windows().Form3().setStrength(cell.value);
    m_app.windows().release(*this);
}

void PeriodicTableWindow::closeEvent(QCloseEvent* event) {
    // The close box puts the table away for good: the next opening builds a new one.
    event->accept();
    m_app.windows().release(*this);
}
