#pragma once

#include <QLabel>
#include <QStaticText>

// A label or picture that reacts to a click of the left mouse button, like a link.
// Wrapped text is laid out once and kept: the main window's advice text lies over an animated
// picture and is repainted ten times a second.
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
    QStaticText m_laidOut;
    QString m_laidOutText;
    QFont m_laidOutFont;
    int m_laidOutWidth = -1;
};
