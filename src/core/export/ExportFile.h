#pragma once
// Where an export lands: never on the program's own working or province file, and always whole.
// Shared by the menu commands and the command line, so that both say the same words.

#include "core/platform/ProgramFolder.h"
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>

namespace zelkor {

// "Errore apertura file:\n<path>\n\n" and the reason: the destination can't be opened for
// writing.
QString OpenFailureText(const QString& path, const QString& reason);

// Writes the bytes through a temporary file that replaces the destination only once it is
// complete, so that a failure leaves no half file and an existing file as it was. Refuses the
// program's own files. The failure message is ready for the user.
Result WriteExportFile(const QString& programFolder, const QString& path, const QByteArray& bytes);

}  // namespace zelkor
