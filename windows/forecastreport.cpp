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
// Lines below the tables' headers: the drinks take up to their own share, the readings the rest,
// and the chart, the answers and every note still fit on the page.
constexpr qsizetype MaxDrinkLines = 13;
constexpr qsizetype MaxTableLines = 16;

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

// A header and rows in columns of `widths`, each line ruled off; no more than `maxLines` below
// the header, the last of them counting the rows left out.
qreal table(QPainter& p, qreal y, const QStringList& header, const QList<QStringList>& rows,
            const QList<qreal>& widths, qsizetype maxLines) {
    const qreal rowHeight = 11;
    auto row = [&](const QStringList& cells, bool bold) {
        p.setFont(font(8, bold));
        qreal x = 0;
        for (qsizetype c = 0; c < cells.size() && c < widths.size(); ++c) {
            p.drawText(QRectF(x + 2, y, widths[c] - 4, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       cells[c]);
            x += widths[c];
        }
        y += rowHeight;
        p.drawLine(QPointF(0, y), QPointF(PageWidth, y));
    };
    row(header, true);
    const qsizetype shown = rows.size() <= maxLines ? rows.size() : maxLines - 1;
    for (qsizetype i = 0; i < shown; ++i)
        row(rows[i], false);
    if (rows.size() > shown)
        row({QString(), QString(),
             QStringLiteral("… и ещё ") + QString::number(rows.size() - shown)},
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
    y = table(p, y, page.drinkHeader, page.drinks, {62, 40, 221, 60, 70, 70}, MaxDrinkLines);
    // The readings line up with the drinks' date and time.
    if (!page.readings.isEmpty())
        y = table(p, y, page.readingHeader, page.readings, {62, 40, 90, 70, 70},
                  MaxTableLines - std::min(page.drinks.size(), MaxDrinkLines));

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
