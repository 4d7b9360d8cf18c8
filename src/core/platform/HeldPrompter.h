#pragma once
// A prompter that keeps the message boxes it is given while it holds, and shows them later in
// the order they came, through the prompter behind it. Used while the main window is made
// behind the start-up picture: what the window's start has to tell waits for the picture to
// close. A box that needs an answer, and every chooser, can't wait: what was kept is shown first,
// and from then on everything passes straight through.

#include "core/platform/Prompter.h"

#include <vector>

namespace zelkor {

class HeldPrompter : public Prompter {
public:
    // Holds from the start.
    explicit HeldPrompter(Prompter& target) : m_target(target) {}

    Answer Show(const MessageBox& box) override;
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    std::optional<int> ChooseColour(int initialColour) override;
    std::optional<QStringList> ChooseFiles(const FileDialogRequest& request) override;
    std::optional<int> ChooseItem(const ItemChoiceRequest& request) override;

    Prompter& Target() { return m_target; }
    [[nodiscard]] bool Holding() const { return m_holding; }
    // The boxes kept so far, handed over; it goes on holding.
    std::vector<MessageBox> TakeHeld();
    // Shows what was kept, in order, and lets everything through from then on.
    void Release();

private:
    Prompter& m_target;
    bool m_holding = true;
    bool m_releasing = false;
    std::vector<MessageBox> m_held;
};

}  // namespace zelkor
