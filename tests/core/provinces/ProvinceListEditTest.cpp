#include "core/presenters/ProvinceEdit.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zelkor {
namespace {

const QString kWrongCode = QStringLiteral("La sigla deve essere di 2 lettere!\n\n");
const QString kMissingName = QStringLiteral("Devi specificare il nome della provincia!\n");

TEST(ProvinceListEditTest, SaveChecksCodeThenNameAndCapitalises)
{
    struct Case {
        const char* what;
        ProvinceEntry typed;
        // The error text, or nothing when the entry is delivered with savedName.
        std::optional<QString> refusal;
        std::string savedName;
    };
    const Case cases[] = {
        {"digit in the code", {"M1", "Milano"}, kWrongCode, {}},
        {"one letter", {"M", "Milano"}, kWrongCode, {}},
        {"three letters, which the field takes", {"MIL", "Milano"}, kWrongCode, {}},
        {"the code is checked before the name", {"", ""}, kWrongCode, {}},
        {"one-character name", {"MI", "M"}, kMissingName, {}},
        {"empty name", {"MI", ""}, kMissingName, {}},
        {"two blanks pass the length check and vanish", {"MI", "  "}, std::nullopt, ""},
        {"capitalised", {"MB", "MONZA e brianza"}, std::nullopt, "Monza E Brianza"},
        {"two characters are enough", {"AO", "ao"}, std::nullopt, "Ao"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ScriptedPrompter prompter;
        const std::optional<ProvinceEntry> saved = ProvinceEdit::Save(c.typed, prompter);
        if (c.refusal) {
            EXPECT_FALSE(saved);
            ASSERT_EQ(prompter.boxes.size(), 1U);
            EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Errore"));
            EXPECT_EQ(prompter.boxes[0].icon, MessageIcon::Stop);
            EXPECT_EQ(prompter.boxes[0].text, *c.refusal);
        } else {
            EXPECT_TRUE(prompter.boxes.empty());
            ASSERT_TRUE(saved);
            EXPECT_EQ(*saved, (ProvinceEntry{c.typed.code, c.savedName}));
        }
    }
}

TEST(ProvinceListEditTest, FieldsTypeWhatTheyHold)
{
    EXPECT_EQ(ProvinceEdit::FitCode("mi"), "MI");
    EXPECT_EQ(ProvinceEdit::FitCode("m1x9z"), "M1X9");
    EXPECT_EQ(ProvinceEdit::FitName(std::string(30, 'a')), std::string(25, 'a'));
    EXPECT_EQ(ProvinceEdit::FitName("Forli\r\nCesena"), "Forli  Cesena");
    EXPECT_EQ(ProvinceEdit::FitName("forl\xEC"), "forl\xEC");
}

}  // namespace
}  // namespace zelkor
