#pragma once
// The main window's title and the rule that adds the open log's name.

#include <QString>

namespace zelkor {

// The title when no log file is open.
QString ProgramTitleText();

// ProgramTitleText, then " - " and the log's file name when one is open.
QString WindowTitle(const QString& openLogName);

}  // namespace zelkor
