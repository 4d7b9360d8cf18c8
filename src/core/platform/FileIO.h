#pragma once
// Whole-file reads and writes that never leave a half-written file behind.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace zelkor {

// Writes the bytes to a temporary file in the destination's folder, flushes it to disk and
// renames it over the destination. On failure the destination is left as it was.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText = nullptr);

// Reads a whole file; nothing when it can't be opened or read.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* errorText = nullptr);

// The file-name part of a path: what follows the last '/'.
QString FileNamePart(const QString& path);

}  // namespace zelkor
