#pragma once

#include "app/borderlesswindow.h"

class QListWidget;
class StillLife;

// The main window: the quick elimination-time table, the recipe panel and the way to the other
// windows.
class MainWindow : public BorderlessWindow {
    Q_OBJECT

public:
    explicit MainWindow(Application& app);

protected:
    void leave() override;

private:
    void load();
    void lookUp();
    void showMenTime(const QString& time);
    void computeWomenTime();
    void openRecipe();
    void closeRecipe();
    void setButtonsVisible(bool visible);

    QListWidget* m_drinks;
    QListWidget* m_weights;
    QListWidget* m_amounts;
    Timer* m_womenDelay;
    StillLife* m_stillLife;
};
