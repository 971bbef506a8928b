#pragma once

#include <QString>

// The unexpected faults of the settings routines, each with a fixed code. A missing file, section
// or key is no fault and stays silent; a write the system refuses is one, since the setting is
// then not saved.
enum class ProfileFault {
    EmptyPath = 1,        // no file name given
    PathIsFolder = 2,     // the path names a folder
    NotRegularFile = 3,   // a device, pipe or socket: reading it could block or never end
    ReadFailed = 4,       // the file exists but cannot be opened or read
    FileTooLarge = 5,     // beyond the size limit: not a settings file, or a value far too long
    EmptyName = 6,        // the section or key name is empty or blank
    InvalidName = 7,      // the name cannot stand in the file (line break, '=', ']', ';' or '[')
    PathIsLink = 8,       // a symbolic link: writing would replace the file it points to
    FolderNotCreated = 9, // the file's folder is missing and cannot be created
    WriteFailed = 10,     // the system refused the new file (read-only folder or file, full disk)
};

int profileFaultCode(ProfileFault fault);
QString profileFaultDescription(ProfileFault fault);

// The text of the fault's message box: "Ошибка: <code> - description".
QString profileFaultMessage(ProfileFault fault);
