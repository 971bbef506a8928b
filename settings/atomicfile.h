#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replacing a whole file so that it is either the old file or the complete new one, never a
// short or empty one.
//
// QSaveFile alone does not promise that: its writes are buffered, and a flush or sync that fails
// at commit (a full disk) is not counted as an error, so a short temporary file would be renamed
// over the good one. Every step is therefore done and checked here before the rename.

// The steps of a replacement, in the order they run.
enum class WriteStep {
    Open,   // the temporary file beside the target is created
    Write,  // the bytes are handed to the file
    Flush,  // buffered bytes go to the system
    Sync,   // the system puts them on the disk
    Commit, // the temporary file is renamed over the target
};

// Lets a test fail a step the way the system would: called once per step with the step; true
// makes that step fail. Open, Write, Flush and Sync fail after they have run, so whatever they
// left behind is there to clean up; Commit fails before the rename.
using WriteFault = std::function<bool(WriteStep)>;

// Puts what was written through an open file handle on the disk; false when the system could
// not. Called with the temporary file's handle once every byte has reached the system, before the
// rename. A test puts in its own to see that it runs, and to fail it; an empty one is the
// system's own.
using FileSync = std::function<bool(int handle)>;

// The system's own sync of the file behind `handle`: false for a handle it cannot sync.
bool syncFileToDisk(int handle);

// Puts `bytes` at `path`, replacing the file there in one rename. Returns false when any step
// fails; the file at `path` (or its absence) is then as before, and no temporary file is left.
// The folder must exist. A symbolic link at `path` is followed on Linux (QSaveFile replaces the
// file it points to, or creates it) and replaced on Windows, so a caller that must not write
// through links refuses them first. On Windows the rename asks for write-through.
bool replaceFileAtomically(const QString& path, const QByteArray& bytes,
                           const WriteFault& fault = {}, const FileSync& sync = syncFileToDisk);
