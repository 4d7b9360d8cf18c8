#pragma once
// A prompter for tests: answers from a script and records every box and file dialog shown.

#include "core/platform/Prompter.h"

#include <deque>
#include <vector>

namespace zelkor::test {

class ScriptedPrompter : public Prompter {
public:
    Answer Show(const MessageBox& box) override;
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    std::optional<int> ChooseColour(int initialColour) override;
    std::optional<QStringList> ChooseFiles(const FileDialogRequest& request) override;
    std::optional<int> ChooseItem(const ItemChoiceRequest& request) override;

    // Answers given to Yes/No boxes in order; once used up, further questions get No.
    std::deque<Answer> answers;
    // Paths returned by file dialogs in order; an empty optional cancels the dialog.
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<int>> colours;
    // Files chosen together in multiple-choice open dialogs (recorded in fileDialogs too); an
    // empty optional cancels the dialog, and so does an empty deque.
    std::deque<std::optional<QStringList>> fileLists;
    // Positions chosen in list choices; an empty optional cancels, and so does an empty deque.
    std::deque<std::optional<int>> items;

    std::vector<MessageBox> boxes;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<ItemChoiceRequest> itemChoices;
};

}  // namespace zelkor::test
