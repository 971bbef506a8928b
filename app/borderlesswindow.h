#pragma once

#include "captionstyle.h"
#include "layouttable.h"

#include <QWidget>

class Application;
struct Services;
class Timer;

// A window without a system frame: title strip that drags it, two border rectangles, and on
// the main and calculator windows the close and minimise marks. Subclasses build their layout
// table (which holds the chrome rows) and run their own load step.
class BorderlessWindow : public QWidget {
    Q_OBJECT

public:
    enum class Marks { None, FollowRightEdge, AsLaidOut };

    BorderlessWindow(Application& app, const QString& formName, const QString& caption,
                     QSize client, captionstyle::Declared declared, Marks marks);

    // The caption the window's own routines read and write. The desktop (task bar, task
    // switcher, screen readers) is shown the visible title "алкоголь" instead, for every
    // window: a caption such as "Form2" means nothing to a user.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    static QString desktopTitle();

    quint32 styleWord() const { return m_style; }
    void setStyleWord(quint32 style) { m_style = style; }
    QString captionTag() const { return m_tag; }
    void setCaptionTag(const QString& tag) { m_tag = tag; }
    captionstyle::Declared declaredStyle() const { return m_declared; }

    // The borderless windows' layout step: colours, title strip and borders follow the size.
    void layoutStep();

protected:
    void buildLayout(std::span<const ControlSpec> rows);
    Timer* makeTimer(const QString& name, int intervalMs);

    template <class T> T* control(const char* name) const {
        T* w = findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT_X(w, "control", name);
        return w;
    }

    Application& app() const { return m_app; }
    Services& services() const;

    // The window's own way out ("OK", "Закрыть", "Выход"). A close from the desktop (Alt+F4,
    // the task bar, a compositor's gesture) takes it too, so one window of the program stays
    // visible or the program ends.
    virtual void leave() = 0;

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab and Shift+Tab walk the chain in reading order and pass over what lies out of sight.
    bool focusNextPrevChild(bool next) override;

private:
    Application& m_app;
    captionstyle::Declared m_declared;
    quint32 m_style;
    QString m_tag;
    QString m_caption;
    Marks m_marks;
    bool m_built = false;
};
