#include "forecastreport.h"

#include "app/chartpainter.h"

#include <QApplication>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace forecastreport {

namespace {

// The page is laid out in units of a point on the printable width of A4, then scaled to the
// device, so the PDF and a printer get the same page.
constexpr qreal PageWidth = 523;
constexpr int MaxDrinkRows = 12;

// Sizes in page units: pixel sizes, which the page's scale then maps to the device.
QFont font(int size, bool bold = false) {
    QFont f;
    f.setPixelSize(size);
    f.setBold(bold);
    return f;
}

// Draws wrapped text from `y` across the page and returns where the next line starts.
qreal paragraph(QPainter& p, qreal y, const QString& text, const QFont& f, qreal gap = 3) {
    p.setFont(f);
    const QRectF box(0, y, PageWidth, 1000);
    QRectF used;
    p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
    return used.bottom() + gap;
}

qreal drinksTable(QPainter& p, qreal y, const ReportPage& page) {
    const qreal widths[] = {62, 40, 221, 60, 70, 70};
    const qreal rowHeight = 11;
    auto row = [&](const QStringList& cells, bool bold) {
        p.setFont(font(8, bold));
        qreal x = 0;
        for (int c = 0; c < cells.size() && c < 6; ++c) {
            p.drawText(QRectF(x + 2, y, widths[c] - 4, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       cells[c]);
            x += widths[c];
        }
        y += rowHeight;
        p.drawLine(QPointF(0, y), QPointF(PageWidth, y));
    };
    row(page.drinkHeader, true);
    const qsizetype shown = std::min<qsizetype>(page.drinks.size(), MaxDrinkRows);
    for (qsizetype i = 0; i < shown; ++i)
        row(page.drinks[i], false);
    if (page.drinks.size() > shown)
        row({QString(), QString(),
             QStringLiteral("… и ещё ") + QString::number(page.drinks.size() - shown)},
            false);
    return y + 6;
}

// Paper is white whatever the desktop's colours: the chart's text and lines are set against it.
QPalette paperPalette() {
    QPalette paper = QApplication::palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Window, Qt::white);
        paper.setColor(group, QPalette::Text, Qt::black);
        paper.setColor(group, QPalette::WindowText, Qt::black);
        paper.setColor(group, QPalette::PlaceholderText, Qt::darkGray);
        paper.setColor(group, QPalette::Mid, Qt::gray);
        paper.setColor(group, QPalette::Midlight, Qt::lightGray);
    }
    return paper;
}

} // namespace

void paint(QPainter& p, const QRectF& area, const ReportPage& page, const ChartDescription& chart) {
    p.save();
    p.translate(area.topLeft());
    const qreal scale = area.width() / PageWidth;
    p.scale(scale, scale);
    p.setPen(Qt::black);

    qreal y = paragraph(p, 0, page.title, font(16, true), 2);
    y = paragraph(p, y, page.made, font(9), 8);
    y = paragraph(p, y, page.person.join(QStringLiteral("; ")), font(9), 8);
    y = drinksTable(p, y, page);

    // The chart keeps its own proportions, scaled to the page's width.
    const qreal k = PageWidth / ChartSize.width();
    p.save();
    p.translate(0, y);
    p.scale(k, k);
    ChartPainter::paint(p, QRectF(QPointF(), ChartSize), chart, QApplication::font(),
                        paperPalette());
    p.restore();
    y += ChartSize.height() * k + 8;

    for (const QString& line : page.summary)
        y = paragraph(p, y, line, font(9), 1);
    y += 6;
    for (const QString& note : page.notes)
        y = paragraph(p, y, note, font(7), 2);
    y += 4;
    paragraph(p, y, page.warning, font(9, true));
    p.restore();
}

bool writePdf(const QString& path, const ReportPage& page, const ChartDescription& chart) {
    // Written aside and renamed into place: a failed write never leaves half a report.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(page.title);
        writer.setCreator(QStringLiteral("Promille"));
        QPainter painter(&writer);
        if (!painter.isActive()) {
            file.cancelWriting();
            return false;
        }
        paint(painter, QRectF(0, 0, writer.width(), writer.height()), page, chart);
    }
    return file.commit();
}

} // namespace forecastreport
