#pragma once

#include <QString>

class QColor;
class QPainterPath;

// How numbers, colours and paths are written in an SVG document.

// At most three decimals, without trailing zeros.
QString svgNumber(qreal v);
QString svgColor(const QColor& c);
// The path as SVG path data: moves, lines and cubic curves, closing what ends where it began.
QString svgPathData(const QPainterPath& path);
