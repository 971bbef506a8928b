#pragma once

#include "forecast/reportpage.h"

#include <QRectF>

class ChartWidget;
class QPainter;
class QPagedPaintDevice;

// The report drawn on one page: the same for the PDF file and for the printer.
namespace forecastreport {

// Lays `page` out inside `area` (device coordinates of the painter's device); the chart is
// drawn from `chart`, which keeps its own size and is scaled into its box.
void paint(QPainter& painter, const QRectF& area, const ReportPage& page, ChartWidget& chart);

// One A4 page. False when the file cannot be written.
bool writePdf(const QString& path, const ReportPage& page, ChartWidget& chart);

} // namespace forecastreport
