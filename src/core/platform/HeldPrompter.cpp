#include "core/platform/HeldPrompter.h"

#include <utility>

namespace zelkor {

Answer HeldPrompter::Show(const MessageBox& box)
{
    if (m_holding && box.buttons == MessageButtons::Ok) {
        m_held.push_back(box);
        return Answer::Ok;
    }
    Release();
    return m_target.Show(box);
}

std::optional<QString> HeldPrompter::ChooseFile(const FileDialogRequest& request)
{
    Release();
    return m_target.ChooseFile(request);
}

std::optional<int> HeldPrompter::ChooseColour(int initialColour)
{
    Release();
    return m_target.ChooseColour(initialColour);
}

std::optional<QStringList> HeldPrompter::ChooseFiles(const FileDialogRequest& request)
{
    Release();
    return m_target.ChooseFiles(request);
}

std::optional<int> HeldPrompter::ChooseItem(const ItemChoiceRequest& request)
{
    Release();
    return m_target.ChooseItem(request);
}

std::vector<MessageBox> HeldPrompter::TakeHeld()
{
    return std::exchange(m_held, {});
}

void HeldPrompter::Release()
{
    if (m_releasing) {
        return;
    }
    // A box given while the kept ones are shown (each waits for its OK) comes after them: the
    // list grows during the loop, so it is walked by index.
    m_releasing = true;
    for (std::size_t next = 0; next < m_held.size(); ++next) {  // NOLINT(modernize-loop-convert)
        const MessageBox box = m_held[next];
        m_target.Show(box);
    }
    m_held.clear();
    m_releasing = false;
    m_holding = false;
}

}  // namespace zelkor
