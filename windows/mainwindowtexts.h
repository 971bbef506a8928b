#pragma once

#include <QString>

// The two fixed texts of the main window.
namespace mainwindowtexts {
QString hangoverRecipe();
QString drivingAdvice();
} // namespace mainwindowtexts
