#include "forecastkeeper.h"

#include "app/chartpainter.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/services.h"
#include "forecast/eveningcheck.h"
#include "forecast/forecastexport.h"
#include "settings/settingslocation.h"
#include "windows/forecastchart.h"
#include "windows/forecastreport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#include <QPrinter>
#endif

ForecastKeeper::ForecastKeeper(QWidget* dialogParent, Services& services)
    : m_dialogParent(dialogParent)
    , m_services(services) {}

QString ForecastKeeper::askSavePath(const QString& caption, const QString& name,
                                    const QString& filter, const QString& suffix) {
    if (m_lastFolder.isEmpty()) {
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (m_lastFolder.isEmpty())
            m_lastFolder = QDir::homePath();
    }
    const QString day = m_services.clock.currentDateTime().toString(QStringLiteral("yyyy-MM-dd"));
    QString path = m_services.dialogs.saveFileName(
        m_dialogParent, caption, joinedPath(m_lastFolder, name + u'-' + day + suffix), filter);
    if (path.isEmpty())
        return path;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

ReportPage ForecastKeeper::report(const Evening& form, const EveningCheck& check) const {
    return reportPage(form, check, m_services.clock.currentDateTime());
}

ChartDescription ForecastKeeper::pageChart(const EveningCheck& check) const {
    return forecastchart::describe(check, m_services.clock.currentDateTime());
}

void ForecastKeeper::saveReport(const Evening& form, const EveningCheck& check) {
    if (!check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить отчёт"), QStringLiteral("прогноз"),
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    if (!forecastreport::writePdf(path, report(form, check), pageChart(check)))
        saveFailed(path);
}

void ForecastKeeper::saveChart(const EveningCheck& check, const ChartDescription& chart,
                               const QSize& size) {
    if (!check.ok() || size.isEmpty())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить график"), QStringLiteral("график"),
                                     QStringLiteral("PNG (*.png)"), QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    // As sharp as the screen shows it.
    const qreal ratio = m_dialogParent->devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const QPalette& palette = m_dialogParent->palette();
    image.fill(palette.color(QPalette::Window));
    {
        QPainter painter(&image);
        ChartPainter::paint(painter, QRectF(QPointF(), QSizeF(size)), chart, m_dialogParent->font(),
                            palette);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        saveFailed(path);
}

void ForecastKeeper::saveData(const EveningCheck& check) {
    if (!check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить данные"), QStringLiteral("прогноз"),
                                     QStringLiteral("CSV (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    const QByteArray bytes = forecastexport::csv(*check.forecast, check.readings());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        saveFailed(path);
}

void ForecastKeeper::print(const Evening& form, const EveningCheck& check) {
#if QT_CONFIG(printdialog)
    if (!check.ok())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, m_dialogParent);
    dialog.setWindowTitle(QStringLiteral("Печать прогноза"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    if (painter.isActive())
        forecastreport::paint(painter,
                              QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()),
                              report(form, check), pageChart(check));
#else
    Q_UNUSED(form);
    Q_UNUSED(check);
#endif
}

void ForecastKeeper::saveFailed(const QString& path) {
    m_services.dialogs.message(m_dialogParent,
                               QStringLiteral("Не удалось сохранить файл ") +
                                   QDir::toNativeSeparators(path),
                               QStringLiteral("Прогноз"));
}
