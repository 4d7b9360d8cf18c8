#pragma once
// The "Info" box: the program's picture and icon, and its title and nine lines taken from the
// encoded string table each time it opens. Its "Istruzioni" button opens the user manual.

#include "core/text/EncodedText.h"

#include <QDialog>
#include <QIcon>

#include <array>

class QGridLayout;

namespace zelkor {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

private:
    void CreatePictures(QGridLayout* layout);
    void CreateFields(QGridLayout* layout);
    void CreateButtons(QGridLayout* layout);

    std::array<QString, kAboutFieldCount> m_fields;
};

// The main window's "Info" command.
void ShowAbout(QWidget* parent);

// The program's icon, for every window of the program and for the about box.
QIcon ProgramIcon();

}  // namespace zelkor
