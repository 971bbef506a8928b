#pragma once

#include <QString>

class Clock;
class Dialogs;
class Shell;

// Everything the windows take from outside, handed to Application and on to each window.
struct Services {
    Clock& clock;
    Dialogs& dialogs;
    Shell& shell;
    QString programFolder;  // holds vodka.htm and, where it may be written, vux.ini
    QString userConfigHome; // per-user settings home (XDG_CONFIG_HOME or ~/.config)
};
