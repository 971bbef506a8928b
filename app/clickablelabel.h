#pragma once

#include <QLabel>
#include <QPixmap>

// A label or picture that reacts to a click of the left mouse button, like a link.
// Wrapped text is laid out and drawn once and kept: the main window's advice text lies over an
// animated picture and is repainted ten times a second.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_armed = false;
    QPixmap m_laidOut; // the text drawn once, copied where exposed
    QString m_laidOutText;
    QFont m_laidOutFont;
    QSize m_laidOutSize;
    QColor m_laidOutColour;
};
