#pragma once

#include <QString>

// Where "Русская водка" finds vodka.htm. A program run from its build folder or unpacked into
// one folder has the page beside itself; an installed one has it in its data folder.

// The installed program's data folder for a program in `programFolder`: the install layout's
// share/promille as seen from its bin folder.
QString installedDataFolder(const QString& programFolder);

// "<programFolder>/vodka.htm" when that file exists, else the data folder's vodka.htm when that
// exists, else "<programFolder>/vodka.htm" again: a missing page is opened where it belongs.
QString helpPagePath(const QString& programFolder);
