#include "support/ScriptedPrompter.h"

#include <utility>

namespace zelkor::test {

namespace {

// Takes the next scripted choice. The value is moved out rather than the optional copied: GCC
// takes the copy of an empty optional<QString> for a read of an uninitialised string.
template <typename T>
std::optional<T> TakeFront(std::deque<std::optional<T>>& choices)
{
    std::optional<T> taken;
    if (choices.front()) {
        taken.emplace(std::move(*choices.front()));
    }
    choices.pop_front();
    return taken;
}

}  // namespace

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
    return TakeFront(files);
}

std::optional<int> ScriptedPrompter::ChooseColour(int /*initialColour*/)
{
    if (colours.empty()) {
        return std::nullopt;
    }
    return TakeFront(colours);
}

std::optional<QStringList> ScriptedPrompter::ChooseFiles(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (fileLists.empty()) {
        return std::nullopt;
    }
    return TakeFront(fileLists);
}

std::optional<int> ScriptedPrompter::ChooseItem(const ItemChoiceRequest& request)
{
    itemChoices.push_back(request);
    if (items.empty()) {
        return std::nullopt;
    }
    return TakeFront(items);
}

}  // namespace zelkor::test
