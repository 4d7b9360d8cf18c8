#include "core/platform/HeldPrompter.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

MessageBox Box(const char* text)
{
    return {QStringLiteral("Avviso"), QString::fromUtf8(text), MessageIcon::Exclamation};
}

std::vector<QString> Texts(const std::vector<MessageBox>& boxes)
{
    std::vector<QString> texts;
    for (const MessageBox& box : boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

TEST(HeldPrompterTest, BoxesWaitInOrderUntilReleasedThenPassStraightThrough)
{
    test::ScriptedPrompter target;
    HeldPrompter held(target);
    EXPECT_EQ(held.Show(Box("uno")), Answer::Ok);
    held.Warning(QStringLiteral("due"));
    EXPECT_TRUE(target.boxes.empty());

    held.Release();
    EXPECT_EQ(Texts(target.boxes), (std::vector<QString>{"uno", "due"}));
    EXPECT_FALSE(held.Holding());
    held.Error(QStringLiteral("tre"));
    EXPECT_EQ(Texts(target.boxes), (std::vector<QString>{"uno", "due", "tre"}));
}

TEST(HeldPrompterTest, WhatWasKeptCanBeTakenAndTheRestGoesOnWaiting)
{
    test::ScriptedPrompter target;
    HeldPrompter held(target);
    held.Warning(QStringLiteral("uno"));
    EXPECT_EQ(Texts(held.TakeHeld()), (std::vector<QString>{"uno"}));
    held.Warning(QStringLiteral("due"));
    EXPECT_TRUE(held.Holding());
    EXPECT_TRUE(target.boxes.empty());
    held.Release();
    EXPECT_EQ(Texts(target.boxes), (std::vector<QString>{"due"}));
}

// What can't wait for the answer shows what was kept first, then itself, and ends the holding.
TEST(HeldPrompterTest, AQuestionOrAChooserComesAfterWhatWasKept)
{
    struct Case {
        const char* name;
        std::function<void(HeldPrompter&)> ask;
        std::size_t boxesAfter;
    };
    const Case cases[] = {
        {"question",
         [](HeldPrompter& p) { EXPECT_TRUE(p.AskYesNo(QStringLiteral("Domanda"), "?")); }, 2},
        {"file", [](HeldPrompter& p) { (void)p.ChooseFile({}); }, 1},
        {"files", [](HeldPrompter& p) { (void)p.ChooseFiles({}); }, 1},
        {"colour", [](HeldPrompter& p) { (void)p.ChooseColour(0); }, 1},
        {"item", [](HeldPrompter& p) { (void)p.ChooseItem({}); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedPrompter target;
        target.answers = {Answer::Yes};
        HeldPrompter held(target);
        held.Warning(QStringLiteral("prima"));
        c.ask(held);
        ASSERT_EQ(target.boxes.size(), c.boxesAfter);
        EXPECT_EQ(target.boxes[0].text, QStringLiteral("prima"));
        EXPECT_FALSE(held.Holding());
    }
}

// A box given while a kept one is on screen (from a timer, say) comes after the kept ones.
TEST(HeldPrompterTest, ABoxGivenWhileTheKeptOnesAreShownComesAfterThem)
{
    class Nested : public test::ScriptedPrompter {
    public:
        HeldPrompter* held = nullptr;
        Answer Show(const MessageBox& box) override
        {
            if (box.text == QStringLiteral("uno")) {
                held->Warning(QStringLiteral("dentro"));
            }
            return ScriptedPrompter::Show(box);
        }
    };
    Nested target;
    HeldPrompter held(target);
    target.held = &held;
    held.Warning(QStringLiteral("uno"));
    held.Warning(QStringLiteral("due"));
    held.Release();
    EXPECT_EQ(Texts(target.boxes), (std::vector<QString>{"uno", "due", "dentro"}));
}

}  // namespace
}  // namespace zelkor
