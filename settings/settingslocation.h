#pragma once

#include <QString>

// Where vux.ini lives. The program folder is the home of the file, as on Windows: a build folder
// or a portable copy keeps it there when it may write there. An installed program keeps it in
// the user's configuration folder even when it could write into its own: root running
// /usr/bin/promille would otherwise leave a vux.ini there that no package owns.

// The bin folder of the install layout this program was built for ("/usr/bin" in the package);
// empty when the build did not say. On Windows, the program's own folder when it is an
// installed copy (isInstalledCopy), else empty: a portable copy keeps its files beside itself.
QString installedBinFolder();

// A Windows copy put there by the installer: it came with its uninstaller, the zip did not.
bool isInstalledCopy(const QString& programFolder);

// "<programFolder>/vux.ini" when that folder already holds vux.ini, or when it is writable and
// is not the folder installedBin (by another path or a link to it either); otherwise
// "<userConfigHome>/promille/vux.ini" ("…/Promille/vux.ini" on Windows). The folder paths are
// kept as given.
QString settingsFilePath(const QString& programFolder, const QString& userConfigHome,
                         const QString& installedBin = installedBinFolder());

// "forecast.json" in the folder settingsFilePath chooses, so the forecast window's evening stays
// beside the settings.
QString forecastFilePath(const QString& programFolder, const QString& userConfigHome,
                         const QString& installedBin = installedBinFolder());

// The folder and the name joined with one '/', also when the folder is the root "/" or ends
// with a separator of its own.
QString joinedPath(const QString& folder, const QString& name);

// $XDG_CONFIG_HOME when it is set to an absolute path, otherwise ~/.config; on Windows
// %APPDATA% (with '/' separators), otherwise the roaming folder under the home folder.
QString defaultUserConfigHome();
