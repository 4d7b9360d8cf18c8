#pragma once
// The folder of the program's own files ("_ult.zelk", "_prov.cod"): the executable's folder when
// the program runs from where it was built, or the per-user data folder when the executable's
// folder can't be written or the program is installed (bin/zelkor with share/zelkor/ beside).

#include <QString>

namespace zelkor {

inline constexpr const char* kWorkingFileName = "_ult.zelk";
inline constexpr const char* kProvinceFileName = "_prov.cod";
inline constexpr const char* kHistoryFileName = "_storico.cod";
// Where each province lies on the map; shipped with the program, never written by it.
inline constexpr const char* kProvincePositionsFileName = "_prov_pos.cod";

// The province list that comes with the program: "_prov.cod" beside the executable, otherwise
// the installed one in the shared data folder. Empty when there is neither.
QString ShippedProvinceFile(const QString& executableFolder);
// Any file that ships with the program, looked for in the same two places.
QString ShippedDataFile(const QString& executableFolder, const char* fileName);

// The program folder, decided without creating or copying anything. Both folders are given with
// or without a trailing '/'; the result has one.
QString FindProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// FindProgramFolder at start: when the user's data folder is chosen it is created, and the
// shipped province list is copied into it unless it holds one already, so that an installed
// program knows the provinces from its first start and the user's own edits are kept.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// True when the path names one of the program folder's own files ("_ult.zelk", "_prov.cod", the
// call history "_storico.cod", the map's "_prov_pos.cod", the instance lock "_ult.zelk.lock" or a
// recovery file "_ult.zelk.recupero..."), also through a link or a "../" in the path: no command
// may write over them or take them for a user's log.
bool IsProgramFile(const QString& programFolder, const QString& path);

// True when a file can be created in the folder.
bool IsFolderWritable(const QString& folder);

}  // namespace zelkor
