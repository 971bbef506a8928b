// The periodic table of drinks: one JPEG drawn from the same cell list that places the window's
// click areas, so every area lies on its drawn cell, and the pointing hand shown over the cells.
#include "generator.h"
#include "periodicdrawing.h"
#include "table/periodiccells.h"
#include "table/periodiclayout.h"
#include "table/periodicsidecell.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <array>
#include <climits>
#include <optional>

using namespace Qt::StringLiterals;
using namespace periodicdrawing;

namespace {

constexpr int CellCount = 16; // cells in each of the snack and remedy rows

const QColor paper(253, 249, 236);

// A fresh stream per message: it is flushed when the statement ends, before any later output.
QTextStream err() {
    return QTextStream(stderr);
}

QRect toPixels(const QRect& twips) {
    constexpr int t = periodiclayout::twipsPerPixel;
    return {twips.x() / t, twips.y() / t, twips.width() / t, twips.height() / t};
}

// Pixel lines of the main grid. Column c lies between x[c - 1] and x[c], period r between
// y[r - 1] and y[r]; a line belongs to the cells on both sides of it.
struct Grid {
    std::array<int, 11> x{};
    std::array<int, 9> y{};

    QRect cell(int row, int column) const {
        return QRect(QPoint(x[column - 1], y[row - 1]), QPoint(x[column], y[row]));
    }
    QRect span(int firstRow, int firstColumn, int lastRow, int lastColumn) const {
        return QRect(QPoint(x[firstColumn - 1], y[firstRow - 1]),
                     QPoint(x[lastColumn], y[lastRow]));
    }
};

// Puts each inner line midway between the click areas on its two sides, so the grid follows
// the click areas wherever they were placed. The areas of neighbouring columns (or periods)
// may meet on one shared pixel but not overlap further.
std::optional<Grid> gridFromCells() {
    constexpr int margin = 4;
    std::array<int, 11> first;
    std::array<int, 11> last;
    std::array<int, 9> top;
    std::array<int, 9> bottom;
    first.fill(INT_MAX);
    last.fill(INT_MIN);
    top.fill(INT_MAX);
    bottom.fill(INT_MIN);
    for (const PeriodicCell& c : periodicCells()) {
        if (c.place != PeriodicCell::Place::Grid)
            continue;
        const QRect r = toPixels(c.twips);
        first[c.column] = std::min(first[c.column], r.left());
        last[c.column] = std::max(last[c.column], r.right());
        top[c.row] = std::min(top[c.row], r.top());
        bottom[c.row] = std::max(bottom[c.row], r.bottom());
    }
    for (int i = 1; i <= 10; ++i) {
        if (first[i] == INT_MAX || (i <= 8 && top[i] == INT_MAX)) {
            err() << "periodictable: column or period " << i << " has no cell\n";
            return std::nullopt;
        }
    }
    Grid g;
    g.x[0] = first[1] - margin;
    g.x[10] = last[10] + margin;
    for (int c = 1; c < 10; ++c) {
        if (last[c] > first[c + 1]) {
            err() << "periodictable: columns " << c << " and " << c + 1 << " overlap\n";
            return std::nullopt;
        }
        g.x[c] = (last[c] + first[c + 1]) / 2;
    }
    g.y[0] = top[1] - margin;
    g.y[8] = bottom[8] + margin;
    for (int r = 1; r < 8; ++r) {
        if (bottom[r] > top[r + 1]) {
            err() << "periodictable: periods " << r << " and " << r + 1 << " overlap\n";
            return std::nullopt;
        }
        g.y[r] = (bottom[r] + top[r + 1]) / 2;
    }
    return g;
}

// The snack and remedy rows: 16 equal cells that end at the grid's right line, with the
// smallest pitch that still puts the left edge of the clickable remedy's cell at or before its
// click area; both rows take the height of that area.
struct SideRows {
    int left = 0;
    int pitch = 0;
    int snackTop = 0;
    int remedyTop = 0;
    int height = 0;

    QRect cell(int rowTop, int index) const {
        return QRect(left + index * pitch, rowTop, pitch + 1, height + 1);
    }
};

std::optional<SideRows> sideRowsFrom(const Grid& grid, const PeriodicCell& clickable) {
    const QRect area = toPixels(clickable.twips);
    const int index = clickable.column - 1; // cells before the clickable one
    const int right = grid.x[10];
    const int after = CellCount - index; // the clickable cell and those after it
    SideRows s;
    s.pitch = (right - area.left() + after - 1) / after;
    s.left = right - CellCount * s.pitch;
    s.height = area.height() + 7;
    s.remedyTop = area.top() - 4;
    s.snackTop = s.remedyTop - s.height - 24;
    const QRect cell = s.cell(s.remedyTop, index);
    if (s.left < 0 || !cell.contains(area) || s.snackTop - 20 < grid.y[8]) {
        err() << "periodictable: the remedy row cannot hold the click area of " << clickable.label
              << '\n';
        return std::nullopt;
    }
    return s;
}

void drawTitle(QPainter& p, const QRect& area) {
    const QString first = u"Периодическая система алкогольных элементов"_s;
    const QString second = u"Штофова – Менделеева"_s;
    const QFont f1 = fitted(font(serifFamily(), 20, true), first, area.width() - 16);
    const QFont f2 = font(serifFamily(), 20, true, true);
    const int h1 = QFontMetrics(f1).height();
    drawText(p, QRect(area.left(), area.top(), area.width(), h1), Qt::AlignCenter, f1, first,
             inkBlue);
    drawText(p, QRect(area.left(), area.top() + h1 - 1, area.width(), area.height() - h1 + 1),
             Qt::AlignHCenter | Qt::AlignTop, f2, second, QColor(170, 20, 20));
}

void drawHeadings(QPainter& p, const Grid& g) {
    const QFont numeral = font(serifFamily(), 15, true);
    // I and VIII stand over their period-1 cells; II to VII stand under the title.
    drawText(p, QRect(g.x[0], 0, g.x[1] - g.x[0], g.y[0]), Qt::AlignCenter, numeral, u"I"_s,
             inkBlue);
    drawText(p, QRect(g.x[7], 0, g.x[8] - g.x[7], g.y[0]), Qt::AlignCenter, numeral, u"VIII"_s,
             inkBlue);
    const QString numerals[] = {u"II"_s, u"III"_s, u"IV"_s, u"V"_s, u"VI"_s, u"VII"_s};
    const int rowTop = toPixels(periodiclayout::descriptionLineTwips).bottom() + 1;
    for (int c = 2; c <= 7; ++c) {
        drawText(p, QRect(g.x[c - 1], rowTop, g.x[c] - g.x[c - 1], g.y[1] - rowTop),
                 Qt::AlignCenter, numeral, numerals[c - 2], inkBlue);
    }

    // The corner cell and the period numbers down the left edge.
    const QRect corner(0, 0, g.x[0] + 1, g.y[0] + 1);
    p.fillRect(corner.adjusted(1, 1, -1, -1), cellFill);
    drawBorder(p, corner, inkBlue);
    drawText(p, corner, Qt::AlignCenter, font(serifFamily(), 17, true), u"%"_s, inkBlue);
    const QFont digit = fitted(font(serifFamily(), 36, true), u"8"_s, g.x[0] - 4);
    for (int r = 1; r <= 8; ++r) {
        drawText(p, QRect(0, g.y[r - 1], g.x[0], g.y[r] - g.y[r - 1]), Qt::AlignCenter, digit,
                 QString::number(r), inkBlue);
    }
}

// A photograph-like panel: a milk bottle with a pickled cucumber leaning on it.
void drawRelaxPicture(QPainter& p, const QRect& area) {
    const QRectF frame = QRectF(area).adjusted(3, 3, -2, -2);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0, QColor(150, 196, 236));
    sky.setColorAt(0.62, QColor(218, 236, 248));
    sky.setColorAt(0.63, QColor(196, 164, 120));
    sky.setColorAt(1, QColor(150, 112, 72));
    p.setPen(QPen(inkBlue, 1));
    p.setBrush(sky);
    p.drawRect(frame);

    // The bottle: a wide-mouthed milk bottle with a foil cap, milk up to the shoulder.
    const qreal cx = frame.left() + 52;
    const qreal baseY = frame.bottom() - 10;
    QPainterPath bottle;
    bottle.moveTo(cx - 13, frame.top() + 38);
    bottle.lineTo(cx - 13, frame.top() + 48);
    bottle.cubicTo(cx - 14, frame.top() + 60, cx - 27, frame.top() + 66, cx - 27, frame.top() + 80);
    bottle.lineTo(cx - 27, baseY - 4);
    bottle.quadTo(cx - 27, baseY, cx - 23, baseY);
    bottle.lineTo(cx + 23, baseY);
    bottle.quadTo(cx + 27, baseY, cx + 27, baseY - 4);
    bottle.lineTo(cx + 27, frame.top() + 80);
    bottle.cubicTo(cx + 27, frame.top() + 66, cx + 14, frame.top() + 60, cx + 13, frame.top() + 48);
    bottle.lineTo(cx + 13, frame.top() + 38);
    bottle.closeSubpath();
    QLinearGradient milk(cx - 27, 0, cx + 27, 0);
    milk.setColorAt(0, QColor(214, 218, 222));
    milk.setColorAt(0.3, QColor(255, 255, 255));
    milk.setColorAt(1, QColor(196, 200, 206));
    p.setPen(QPen(QColor(90, 100, 110), 1.2));
    p.setBrush(milk);
    p.drawPath(bottle);
    // Glass above the milk and a highlight down the body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 244, 250, 200));
    p.drawRect(QRectF(cx - 12.4, frame.top() + 39, 24.8, 12));
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawRoundedRect(QRectF(cx - 21, frame.top() + 78, 5, baseY - frame.top() - 88), 2.5, 2.5);
    // Foil cap with a rim.
    QLinearGradient foil(cx - 15, 0, cx + 15, 0);
    foil.setColorAt(0, QColor(60, 140, 70));
    foil.setColorAt(0.4, QColor(170, 230, 170));
    foil.setColorAt(1, QColor(40, 110, 50));
    p.setPen(QPen(QColor(30, 80, 40), 1));
    p.setBrush(foil);
    p.drawRoundedRect(QRectF(cx - 15, frame.top() + 30, 30, 10), 3, 3);
    // The label: МОЛОКО in a blue band.
    const QRectF band(cx - 27, frame.top() + 88, 54, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(band);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawText(p, band.toRect(), Qt::AlignCenter, font(sansFamily(), 10, true), u"МОЛОКО"_s,
             Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The cucumber, leaning on the bottle: a bent, bumpy green body with a pale flower end.
    p.save();
    p.translate(cx + 58, baseY - 26);
    p.rotate(-38);
    QPainterPath cucumber;
    cucumber.moveTo(-44, 0);
    cucumber.cubicTo(-44, -14, -20, -15, 0, -14);
    cucumber.cubicTo(24, -13, 44, -10, 46, 0);
    cucumber.cubicTo(44, 10, 24, 12, 0, 12);
    cucumber.cubicTo(-20, 13, -44, 12, -44, 0);
    QLinearGradient skin(0, -14, 0, 12);
    skin.setColorAt(0, QColor(120, 170, 60));
    skin.setColorAt(0.45, QColor(60, 120, 30));
    skin.setColorAt(1, QColor(28, 70, 18));
    p.setPen(QPen(QColor(20, 50, 12), 1.2));
    p.setBrush(skin);
    p.drawPath(cucumber);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 220, 120));
    const QPointF bumps[] = {{-32, -6}, {-20, 3}, {-8, -7}, {4, 4},   {16, -6},
                             {28, 3},   {36, -4}, {-26, 7}, {10, -1}, {-14, -2}};
    for (const QPointF& b : bumps)
        p.drawEllipse(b, 1.6, 1.6);
    p.setBrush(QColor(236, 226, 150));
    p.drawEllipse(QPointF(44, 0), 3, 4);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, false);

    // The word across the top of the picture.
    const QString word = u"РАССЛАБЬСЯ!"_s;
    const QFont wordFont = fitted(font(serifFamily(), 22, true), word, int(frame.width()) - 10);
    const QFontMetrics wm(wordFont);
    const qreal x = frame.left() + (frame.width() - wm.horizontalAdvance(word)) / 2;
    drawOutlined(p, QPointF(x, frame.top() + 4 + wm.capHeight()), wordFont, word,
                 QColor(230, 30, 30), 2.6);
}

// The sample cell and what its two numbers mean; returns where the sample cell was drawn.
QRect drawLegend(QPainter& p, const QRect& block, const PeriodicCell& sample) {
    p.fillRect(block.adjusted(3, 3, -3, -3), QColor(236, 242, 252));
    const QRect area = toPixels(sample.twips);
    const QRect box = area.adjusted(-4, -4, 4, 4);
    drawCell(p, box, gridStyle, sample.symbol, sample.strength, sample.calories, sample.name);

    const QRect notes(box.right() + 10, block.top() + 6, block.right() - box.right() - 16,
                      block.height() - 12);
    // Each note breaks after its first dash, the meanings on a line of their own.
    const QString lines[] = {u"Для АЛКОГОЛИДОВ -"_s, u"крепость - калории"_s, QString(),
                             u"Для ЗАКУСОИДОВ и ОПОХМЕЛОИДОВ -"_s, u"эффективность - калории"_s};
    QFont f = font(sansFamily(), 14, true);
    for (const QString& line : lines)
        f = fitted(f, line, notes.width());
    drawText(p, notes, Qt::AlignLeft | Qt::AlignVCenter, f,
             QStringList(std::begin(lines), std::end(lines)).join(u'\n'), inkBlue);
    return box;
}

void drawSideRow(QPainter& p, const SideRows& rows, int top, const QString& heading,
                 const std::vector<PeriodicSideCell>& cells) {
    const QFont f = font(serifFamily(), 15, true);
    const QRect headingBox(rows.left, top - 22, CellCount * rows.pitch + 1, 20);
    const int textWidth = QFontMetrics(f).horizontalAdvance(heading);
    const int mid = headingBox.center().y();
    const int gap = (headingBox.width() - textWidth) / 2 - 12;
    p.fillRect(QRect(headingBox.left(), mid, gap, 1), inkBlue);
    p.fillRect(QRect(headingBox.right() + 1 - gap, mid, gap, 1), inkBlue);
    drawText(p, headingBox, Qt::AlignCenter, f, heading, inkBlue);
    for (int i = 0; i < CellCount; ++i) {
        const PeriodicSideCell& c = cells[size_t(i)];
        drawCell(p, rows.cell(top, i), sideStyle, c.symbol, c.efficiency, c.calories, c.name);
    }
}

// Whether a click area lies inside the cell drawn for it; the border lines count as inside.
bool coversClickArea(const QRect& drawn, const PeriodicCell& c) {
    if (drawn.contains(toPixels(c.twips)))
        return true;
    err() << "periodictable: " << c.label << " is not on its drawn cell\n";
    return false;
}

std::optional<QImage> periodicTable() {
    const std::optional<Grid> grid = gridFromCells();
    if (!grid)
        return std::nullopt;
    const Grid& g = *grid;
    const PeriodicCell* legendSample = nullptr;
    const PeriodicCell* clickableRemedy = nullptr;
    for (const PeriodicCell& c : periodicCells()) {
        if (c.place == PeriodicCell::Place::Legend)
            legendSample = &c;
        else if (c.place == PeriodicCell::Place::RemedyRow)
            clickableRemedy = &c;
    }
    if (!legendSample || !clickableRemedy) {
        err() << "periodictable: the legend or the remedy cell is missing\n";
        return std::nullopt;
    }
    const std::optional<SideRows> rows = sideRowsFrom(g, *clickableRemedy);
    if (!rows)
        return std::nullopt;
    if (periodicSnacks().size() != CellCount || periodicRemedies().size() != CellCount) {
        err() << "periodictable: the snack and remedy rows need 16 cells each\n";
        return std::nullopt;
    }

    bool ok = true;
    auto colourOf = [&ok](const QString& symbol) {
        if (!symbolColour(symbol).isValid()) {
            err() << "periodictable: no colour for symbol " << symbol << '\n';
            ok = false;
        }
    };
    for (const PeriodicCell& c : periodicCells())
        colourOf(c.symbol);
    for (const auto* list : {&periodicSnacks(), &periodicRemedies()}) {
        for (const PeriodicSideCell& s : *list)
            colourOf(s.symbol);
    }

    QImage image(periodiclayout::picturePixels, QImage::Format_RGB32);
    image.fill(paper);
    // The picture is stored at 300 dots per inch.
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    QPainter p(&image);

    drawTitle(p, QRect(g.x[1] + 1, 2, g.x[7] - g.x[1] - 1,
                       toPixels(periodiclayout::descriptionLineTwips).top() - 2));
    drawHeadings(p, g);
    drawRelaxPicture(p, g.span(1, 9, 2, 10));
    const QRect sampleBox = drawLegend(p, g.span(6, 7, 7, 10), *legendSample);
    ok = coversClickArea(sampleBox, *legendSample) && ok;

    for (const PeriodicCell& c : periodicCells()) {
        if (c.place != PeriodicCell::Place::Grid)
            continue;
        const QRect box = g.cell(c.row, c.column);
        drawCell(p, box, gridStyle, c.symbol, c.strength, c.calories, c.name);
        ok = coversClickArea(box, c) && ok;
    }

    drawSideRow(p, *rows, rows->snackTop, u"З А К У С О И Д Ы"_s, periodicSnacks());
    drawSideRow(p, *rows, rows->remedyTop, u"О П О Х М Е Л О И Д Ы"_s, periodicRemedies());
    ok = coversClickArea(rows->cell(rows->remedyTop, clickableRemedy->column - 1),
                         *clickableRemedy) &&
         ok;
    const PeriodicSideCell& drawnRemedy = periodicRemedies()[size_t(clickableRemedy->column - 1)];
    if (drawnRemedy.symbol != clickableRemedy->symbol ||
        drawnRemedy.name != clickableRemedy->name) {
        err() << "periodictable: the remedy row does not show " << clickableRemedy->symbol
              << " where it is clicked\n";
        ok = false;
    }
    p.end();
    if (!ok)
        return std::nullopt;
    return image;
}

// The pointing hand over the cells: its finger tip, the hot spot, is at (13, 9). '#' is
// black, '.' white, anything else transparent.
QImage cellHand() {
    static constexpr std::array<const char*, 32> rows = {
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "             ####",
        "            #....#",
        "            #....#",
        "            #....#",
        "            #....####",
        "            #....#...####",
        "            #....#...#...####",
        "            #....#...#...#...#",
        "            #....#...#...#...#",
        "            #....#...........#",
        "            #................#",
        "            #................#",
        "            #................#",
        "            #...............#",
        "             #..............#",
        "             #.............#",
        "              #............#",
        "              ##############",
        "              #............#",
        "              ##############",
        "",
        "",
        "",
    };
    QImage image(32, 32, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; rows[size_t(y)][x] != '\0'; ++x) {
            if (rows[size_t(y)][x] == '#')
                image.setPixel(x, y, 1);
            else if (rows[size_t(y)][x] == '.')
                image.setPixel(x, y, 2);
        }
    }
    return image;
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality))
        return true;
    err() << "cannot write " << path << '\n';
    return false;
}

} // namespace

static Generator periodic("periodictable", [](const QDir& assets) {
    if (!fontsPresent() || !assets.mkpath(u"periodictable"_s))
        return false;
    const QDir dir(assets.filePath(u"periodictable"_s));
    const std::optional<QImage> table = periodicTable();
    if (!table)
        return false;
    bool ok = save(*table, dir.filePath(u"periodictable.jpg"_s), "JPG", 90);
    const QImage hand = cellHand();
    const QPoint tip = periodiclayout::cellCursorHotSpot;
    if (hand.pixelIndex(tip) != 1 || hand.pixelIndex(tip.x(), tip.y() - 1) != 0) {
        err() << "periodictable: the cell cursor's finger tip is not at its hot spot\n";
        return false;
    }
    ok = save(hand, dir.filePath(u"cellhand.png"_s), "PNG") && ok;
    return ok;
});
