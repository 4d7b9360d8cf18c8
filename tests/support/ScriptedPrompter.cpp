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

}  // namespace zelkor::test
