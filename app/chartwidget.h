#pragma once

#include "chartdescription.h"
#include "chartgeometry.h"

#include <QString>
#include <QWidget>

#include <optional>

// A chart on the screen: shows a ChartDescription at the widget's size. Hovering, or the arrow
// keys, move a cursor that reads out the first series (and the band).
class ChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    const ChartDescription& description() const { return m_chart; }
    void setDescription(const ChartDescription& chart);
    // Drops the data, keeps the axes and the empty text.
    void clear();
    void setEmptyText(const QString& text);

    bool hasData() const { return m_chart.hasData(); }
    // Where everything goes at the current size and font.
    ChartGeometry chartGeometry() const;
    QRectF plotRect() const { return chartGeometry().plotRect(); }
    QDateTime lastTime() const { return chartGeometry().lastTime(); }

    // "21:35 — 0,52 ‰ (0,26 мг/л); от 0,40 до 0,65 ‰" for the grid point nearest to x, or
    // nothing where there is no value.
    std::optional<QString> readoutAt(double x) const;
    std::optional<QString> readout() const; // at the cursor, if it is shown
    std::optional<int> cursorIndex() const { return m_cursor; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    void readoutChanged(const QString& text); // empty when the cursor is hidden

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<QString> readoutText(std::optional<int> index) const;
    void moveCursorTo(std::optional<int> index);
    void dataChanged();

    ChartDescription m_chart;
    std::optional<int> m_cursor;
};
