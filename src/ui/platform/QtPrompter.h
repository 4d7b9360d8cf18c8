#pragma once
// The prompter of the real program: Qt's message boxes, file dialogs and colour chooser, in the
// program's dialog colours.

#include "core/platform/Prompter.h"

class QMessageBox;
class QWidget;

namespace zelkor {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }
    QWidget* Parent() const { return m_parent; }
    // The folder whose own files (ProgramFolder.h) every command refuses to write: a save dialog
    // asks nothing before choosing one, so that the refusal is all the operator sees.
    void SetProgramFolder(const QString& folder) { m_programFolder = folder; }

    Answer Show(const MessageBox& box) override;
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    std::optional<int> ChooseColour(int initialColour) override;
    std::optional<QStringList> ChooseFiles(const FileDialogRequest& request) override;
    std::optional<int> ChooseItem(const ItemChoiceRequest& request) override;

    // The width below which the window manager would cut a box's title: the title in a bold
    // title-bar font, plus the frame's buttons and icon.
    static int MinimumBoxWidth(const QString& title);
    // Makes a message box, not yet shown, at least that wide.
    static void KeepTitleWhole(QMessageBox& box);

private:
    QWidget* m_parent;
    QString m_programFolder;
};

}  // namespace zelkor
