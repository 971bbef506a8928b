#pragma once

#include <QString>

// Where vux.ini lives. The program folder is the home of the file, as on Windows; an installed
// program usually cannot write there, so the file then moves to the user's configuration folder.

// "<programFolder>/vux.ini" when that folder is writable or already holds vux.ini, otherwise
// "<userConfigHome>/promille/vux.ini". The folder paths are kept as given.
QString settingsFilePath(const QString& programFolder, const QString& userConfigHome);

// "forecast.json" in the folder settingsFilePath chooses, so the forecast window's evening stays
// beside the settings.
QString forecastFilePath(const QString& programFolder, const QString& userConfigHome);

// The folder and the name joined with one '/', also when the folder is the root "/" or ends
// with a separator of its own.
QString joinedPath(const QString& folder, const QString& name);

// $XDG_CONFIG_HOME when it is set to an absolute path, otherwise ~/.config.
QString defaultUserConfigHome();
