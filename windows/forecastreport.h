#pragma once

#include "app/chartdescription.h"
#include "forecast/reportpage.h"

#include <QRectF>
#include <QSizeF>

class QPainter;
class QPagedPaintDevice;

// The report drawn on one page: the same for the PDF file and for the printer.
namespace forecastreport {

// The chart on the page: laid out at this size, in the application's font, then scaled to the
// page's width, so it keeps these proportions on any page and device.
constexpr QSizeF ChartSize(1000, 520);

// Lays `page` out inside `area` (device coordinates of the painter's device), with `chart`.
void paint(QPainter& painter, const QRectF& area, const ReportPage& page,
           const ChartDescription& chart);

// One A4 page. False when the file cannot be written.
bool writePdf(const QString& path, const ReportPage& page, const ChartDescription& chart);

} // namespace forecastreport
