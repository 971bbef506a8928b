#pragma once

#include <QLabel>
#include <QPixmap>

// A label or picture that reacts to a click of the left mouse button, like a link. Given a
// focus policy it is a link for the keyboard too: Enter or Space activate it, a dotted frame
// shows the focus. Screen readers see links as links and pictures as graphics, and can press
// any of them that reacts to clicks.
// Wrapped text is laid out and drawn once and kept: the main window's advice text lies over an
// animated picture and is repainted ten times a second.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // Does what a click does.
    void activate();
    // Whether anything is connected to clicked().
    bool reactsToClicks() const;

signals:
    void clicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawText(QPaintEvent* event);

    bool m_armed = false;
    QPixmap m_laidOut; // the text drawn once, copied where exposed
    QString m_laidOutText;
    QFont m_laidOutFont;
    QSize m_laidOutSize;
    QColor m_laidOutColour;
};
