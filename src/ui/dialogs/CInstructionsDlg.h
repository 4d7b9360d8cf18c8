#pragma once
// The "Istruzioni" window: the user manual in a read-only, scrollable box, fixed-pitch black on
// white whatever the program's dialog colours are.

#include <QDialog>

#include <string>

namespace zelkor {

class CInstructionsDlg : public QDialog {
    Q_OBJECT

public:
    // The manual as Windows-1252 bytes with LF line ends.
    explicit CInstructionsDlg(const std::string& manual, QWidget* parent = nullptr);
};

// The main window's "Istruzioni" command (F1), also the about box's "Istruzioni" button.
void ShowInstructions(QWidget* parent);

}  // namespace zelkor
