#pragma once

#include "atomicfile.h"
#include "settingsreporter.h"

#include <QString>

// Reading and writing one entry of a profile (INI) file the way Windows' profile routines do it,
// with the file stored in Windows-1251 (see ProfileDocument for how lines are read).
//
// Section and key names lose surrounding blanks and pass through the code page first, so a
// character outside it matches or becomes '?' exactly as it would be stored.
//
// Every unexpected fault (see ProfileFault) is reported once through `report`, titled with the
// routine's name, after which the routine gives up and returns the empty text or false. A missing
// file, section or key when reading is silent; a write the system refuses is a fault. A symbolic
// link is read through but never written through.

// Files beyond this size are not settings files; neither routine reads or writes one.
inline constexpr qint64 ProfileFileSizeLimit = 1024 * 1024;

// Values come back cut to this many characters, as from a 256-character buffer.
inline constexpr qsizetype ProfileValueLengthLimit = 255;

// The value of `key` in `section`: blanks around it stripped, one outer pair of matching quotes
// removed, cut to ProfileValueLengthLimit. Empty when the file, section or key is missing.
QString GetValueString(const QString& section, const QString& key, const QString& filePath,
                       const SettingsReporter& report);

// Stores `value` under `key` in `section`, creating the folder, file, section or key as needed.
// A line break (CR, LF or CR LF) in the value is stored as one space, so a value never adds
// lines. The file is replaced atomically (see replaceFileAtomically): a crash leaves the old or
// the new file. Returns false and reports the fault when the system refuses the write at any
// step (read-only folder or file, full disk, a folder that cannot be created); the old file then
// stays byte for byte as it was, and no new file is left. A path that is itself a symbolic link,
// also one that points nowhere, is a fault: the link and what it points to stay untouched.
// `writeFault` lets tests fail a step of the write.
bool SetValue(const QString& section, const QString& key, const QString& value,
              const QString& filePath, const SettingsReporter& report,
              const WriteFault& writeFault = {});
