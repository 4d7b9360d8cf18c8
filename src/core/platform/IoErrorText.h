#pragma once
// The operating system's reasons for a failed file call, in the Italian words every message of
// the program uses.

#include <QString>

namespace zelkor {

// What the program was doing with the path when the call failed: the same error reads
// differently ("no such file" when reading is a missing folder when writing).
enum class FileAction { Read, Write, Append };

// The operating system's error as an Italian sentence, in one place for every file operation.
QString IoErrorText(int error, FileAction action);

}  // namespace zelkor
