#pragma once

#include <QColor>
#include <QWidget>

// A one-pixel rectangle outline (the window borders). Transparent to the mouse.
class OutlineRect : public QWidget {
    Q_OBJECT

public:
    explicit OutlineRect(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = Qt::black;
};
