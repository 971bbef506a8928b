#pragma once

#include <QWidget>

class Application;
class QLabel;
struct PeriodicCell;

// The periodic table of drinks: one picture with transparent click areas over its cells. A
// drink cell hands its strength to the calculator and puts the table away; a joke cell shows
// its text in the description line and leaves the table open.
class PeriodicTableWindow : public QWidget {
    Q_OBJECT

public:
    explicit PeriodicTableWindow(Application& app);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void pick(const PeriodicCell& cell);

    Application& m_app;
    QLabel* m_description; // Label63
};
