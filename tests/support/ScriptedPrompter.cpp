#include "support/ScriptedPrompter.h"

namespace zelkor::test {

Answer ScriptedPrompter::Show(const MessageBox& box)
{
    boxes.push_back(box);
    if (box.buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    if (answers.empty()) {
        return Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::ChooseFile(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (files.empty()) {
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}

std::optional<int> ScriptedPrompter::ChooseColour(int /*initialColour*/)
{
    if (colours.empty()) {
        return std::nullopt;
    }
    auto colour = colours.front();
    colours.pop_front();
    return colour;
}

std::optional<QStringList> ScriptedPrompter::ChooseFiles(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (fileLists.empty()) {
        return std::nullopt;
    }
    auto chosen = fileLists.front();
    fileLists.pop_front();
    return chosen;
}

std::optional<int> ScriptedPrompter::ChooseItem(const ItemChoiceRequest& request)
{
    itemChoices.push_back(request);
    if (items.empty()) {
        return std::nullopt;
    }
    auto chosen = items.front();
    items.pop_front();
    return chosen;
}

}  // namespace zelkor::test
