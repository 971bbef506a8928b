#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;

// How the periodic table of drinks is lettered and inked: its two font families, its inks, and
// a cell drawn with its symbol, its two numbers and its name.
namespace periodicdrawing {

inline const QColor cellFill(255, 255, 252);
inline const QColor inkBlue(20, 34, 140);

const QString& serifFamily();
// Small print is condensed, so five-digit numbers fit beside a two-letter symbol.
const QString& sansFamily();
// The fonts are part of the picture: another family would move every letter.
bool fontsPresent();

QFont font(const QString& family, int pixels, bool bold, bool italic = false);
// The largest size up to `pixels` at which `text` is at most `width` wide.
QFont fitted(QFont f, const QString& text, int width);

// The colour of a symbol's group of drinks; invalid for a symbol of no group.
QColor symbolColour(const QString& symbol);

void drawBorder(QPainter& p, const QRect& box, const QColor& colour);
// Letters filled in colour over a dark outline, so yellow and cyan read on white paper.
void drawOutlined(QPainter& p, const QPointF& baseline, const QFont& f, const QString& text,
                  const QColor& fill, qreal outline);
void drawText(QPainter& p, const QRect& box, int flags, const QFont& f, const QString& text,
              const QColor& colour);

struct CellStyle {
    int symbolPixels;
    int smallPixels;
    int padding;
    qreal outline;
};

inline constexpr CellStyle gridStyle{30, 11, 5, 1.8};
inline constexpr CellStyle sideStyle{21, 10, 3, 1.2};

// One cell: the symbol large at the top left, the two numbers stacked at the top right, the
// name centred along the bottom; any of the texts may be empty.
void drawCell(QPainter& p, const QRect& box, const CellStyle& style, const QString& symbol,
              const QString& upper, const QString& lower, const QString& name);

} // namespace periodicdrawing
