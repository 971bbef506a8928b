#pragma once

#include "app/borderlesswindow.h"

class StillLife;

// The About window: credits, the author and three outside links.
class AboutWindow : public BorderlessWindow {
    Q_OBJECT

public:
    explicit AboutWindow(Application& app);

protected:
    void leave() override;

private:
    void load();
    void openLink(const char* label);
    void writeMail();

    StillLife* m_stillLife;
};
