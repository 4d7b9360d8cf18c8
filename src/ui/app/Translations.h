#pragma once
// The program speaks Italian, Qt's own dialogs too: Qt's Italian translation, then the program's
// own file with the words of the print and file dialogs that Qt's translation lacks.

class QCoreApplication;

namespace zelkor {

// Also makes Italian the default locale. A translation that can't be found leaves its texts in
// English; the program runs all the same. Returns false when the program's own file is missing.
bool InstallItalianTranslations(QCoreApplication& app);

}  // namespace zelkor
