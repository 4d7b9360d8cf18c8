#pragma once
// The program's file operations: whole-file reads that never block on something that is not a
// file, atomic replacements, durable appends and new files that never replace anything. Every
// call goes through Files(), and every failure comes back as an Italian sentence for the user
// naming the operating system's reason.

#include "core/platform/IoErrorText.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zelkor {

// Writes the bytes to a temporary file in the destination's folder, flushes it to disk, renames
// it over the destination and flushes the folder. A failed write, flush, close, rename or folder
// flush leaves the destination exactly as it was (the old file keeps a second name until the
// folder is on disk; only on file systems without such names does a failed folder flush leave
// the new file) and removes the temporary file. A destination that is a link is followed, so
// that the link stays. The reason is an Italian sentence.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Appends the bytes at the end of an existing regular file and flushes them to disk. A file that
// does not end with a line end (a line cut short by a crash) first gets CR LF, so that the new
// bytes are never glued onto the broken line. On failure the file is cut back to its length
// before the call.
bool AppendDurably(const QString& path, QByteArray bytes, QString* reason = nullptr);

// Creates a file that must not exist yet, with exactly these bytes, flushed to disk with its
// folder. On failure nothing is left under the name.
bool CreateFileDurably(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Reads a whole regular file. Anything else under the name (a folder, a pipe, a device) is
// refused before it is opened, so that reading never blocks.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* reason = nullptr);

// Creates the folder and every missing folder above it, each flushed into the folder that holds
// it. A folder that is already there is fine.
bool CreateFolders(const QString& folder, QString* reason = nullptr);

// True when nothing at all is under the name (not even a broken link).
bool PathIsFree(const QString& path);

// The file-name part of a path: what follows the last '/'.
QString FileNamePart(const QString& path);

}  // namespace zelkor
