#pragma once
// The folder of the program's own files ("_ult.zelk", "_prov.cod"): the executable's folder, or
// the per-user data folder when the executable's folder can't be written.

#include <QString>

namespace zelkor {

inline constexpr const char* kWorkingFileName = "_ult.zelk";
inline constexpr const char* kProvinceFileName = "_prov.cod";

// Both folders are given with or without a trailing '/'; the result has one. When the user's data
// folder is chosen and holds no province file yet, the one shipped beside the executable is
// copied there, so that an installed program also knows the provinces.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// True when the path names one of the program folder's own files ("_ult.zelk", "_prov.cod", the
// instance lock "_ult.zelk.lock" or a recovery file "_ult.zelk.recupero..."), also through a
// link or a "../" in the path: no command may write over them or take them for a user's log.
bool IsProgramFile(const QString& programFolder, const QString& path);

// True when a file can be created in the folder.
bool IsFolderWritable(const QString& folder);

}  // namespace zelkor
