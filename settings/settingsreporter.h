#pragma once

#include <QString>

#include <functional>

// Shows an unexpected settings fault to the user: the routine's name as the title and the fault
// message as the text. The program hands in its message box; tests record the calls.
using SettingsReporter = std::function<void(const QString& title, const QString& text)>;
