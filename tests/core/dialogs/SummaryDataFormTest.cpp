#include "core/presenters/SummaryDataForm.h"

#include "core/provinces/ProvinceTable.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

constexpr int kSop = 0;
constexpr int kS40 = 1;
constexpr int kSdg = 5;
constexpr int kSwl = 10;

const QString kWrongData = QStringLiteral(
    "Correggi i dati!\n\nDevi inserire almeno\nnominativo, nome, provincia e categoria.");
const QString kToSwl = QStringLiteral(
    "Attenzione!\nStai passando dal modo QSO al modo SWL\ne ci sono QSO non salvati.\nPrima di "
    "passare al modo SWL conviene salvare\ni QSO con i comandi Salva o Salva come...\n\nVuoi "
    "continuare comunque?");
const QString kToQso = QStringLiteral(
    "Attenzione!\nStai passando dal modo SWL al modo QSO\ne ci sono ascolti non salvati.\nPrima "
    "di passare al modo QSO conviene salvare\ngli ascolti con i comandi Salva o Salva come..."
    "\n\nVuoi continuare comunque?");

ProvinceTable Provinces()
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("MI"), "MILANO");
    table.SetName(ProvinceIndexOf("FC"), "Forl\xEC-Cesena");
    table.SetName(ProvinceIndexOf("MB"), "MONZA E BRIANZA");
    return table;
}

SummaryData Valid()
{
    SummaryData data;
    data.callsign = "IZ2ABC";
    data.name = "Ugo";
    return data;
}

TEST(SummaryDataFormTest, ProvinceListFollowsTheSlotsAndCodesSelectTheFirstEntryBeginningWithThem)
{
    const std::vector<std::string> expected = {"FC - Forl\xEC-Cesena", "MB - MONZA E BRIANZA",
                                               "MI - MILANO"};
    EXPECT_EQ(SummaryDataForm::ProvinceEntries(Provinces()), expected);

    // A missing own province selects nothing and stays missing.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"MI", "MI"}, {"MB", "MB"}, {"M", "MB"}, {"F", "FC"},
        {"MIL", ""},  {"mi", ""},   {"", ""},    {"ZZ", ""}};
    for (const auto& [stored, delivered] : cases) {
        SummaryData data = Valid();
        data.province = stored;
        test::ScriptedPrompter prompter;
        SummaryDataForm form(data, Provinces(), {});
        EXPECT_EQ(form.Save(prompter)->province, delivered) << "stored '" << stored << "'";
    }
}

TEST(SummaryDataFormTest, CategorySelectsTheFirstEntryBeginningWithItsCode)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"SDG", "SDG"}, {"SWL", "SWL"}, {"", "SOP"}, {"S", "SOP"},
        {"SW", "SWL"},  {"XYZ", ""},    {"sdg", ""}};
    for (const auto& [stored, delivered] : cases) {
        SummaryData data = Valid();
        data.category = stored;
        test::ScriptedPrompter prompter;
        SummaryDataForm form(data, Provinces(), {});
        EXPECT_EQ(form.Save(prompter)->category, delivered) << "stored '" << stored << "'";
    }
}

TEST(SummaryDataFormTest, EveryValueIsDeliveredInItsOwnPlace)
{
    const SummaryData data = {"IZ2ABC",       "MI",    "MI01 Milano", "Ugo",   "IK2XYZ", "SDG",
                              "Via Roma ^ 1", "20100", "Milano",      "Primo", "Secondo"};
    test::ScriptedPrompter prompter;
    SummaryDataForm form(data, Provinces(), {});
    EXPECT_EQ(form.CategoryIndex(), kSdg);
    EXPECT_EQ(form.Save(prompter), data);
    EXPECT_TRUE(prompter.boxes.empty());
}

// Neither list is checked: an empty selection in both is saved as it is.
TEST(SummaryDataFormTest, SaveNeedsAValidCallsignAndANameOfThreeCharacters)
{
    struct Case {
        std::string callsign, name;
        std::optional<std::string> delivered;
    };
    const std::vector<Case> cases = {
        {"IZ2ABC", "Ugo", "IZ2ABC"},
        {"iz2abc", "Ugo", "IZ2ABC"},
        {"IZ2ABC", "L\xF9z", "IZ2ABC"},
        {"IZ2ABC", "Ug", {}},
        {"IZ2ABC", "", {}},
        {"K1ABC", "Ugo", {}},
        {"", "Ugo", {}},
        {"IZ", "Ugo", {}},
    };
    SummaryData noSelection;
    noSelection.category = "XYZ";
    for (const Case& c : cases) {
        test::ScriptedPrompter prompter;
        SummaryDataForm form(noSelection, Provinces(), {});
        form.SetText(SummaryTextField::Callsign, c.callsign);
        form.SetText(SummaryTextField::Name, c.name);
        const std::optional<SummaryData> saved = form.Save(prompter);
        ASSERT_EQ(saved.has_value(), c.delivered.has_value()) << c.callsign << " " << c.name;
        if (saved) {
            EXPECT_EQ(saved->callsign, *c.delivered);
            EXPECT_EQ(saved->province + saved->category, "");
            EXPECT_TRUE(prompter.boxes.empty());
            continue;
        }
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Errore"));
        EXPECT_EQ(prompter.boxes[0].text, kWrongData);
        EXPECT_EQ(prompter.boxes[0].icon, MessageIcon::Stop);
    }
}

TEST(SummaryDataFormTest, CategoryPicksAskOnlyWhenTheSwitchMayLoseRows)
{
    struct Case {
        const char* what;
        SummaryLogState state;
        int picked;
        Answer answer;
        std::optional<QString> question;
        int shown;
        bool confirmed;
    };
    const LogLayout qso = LogLayout::Qso;
    const LogLayout swl = LogLayout::Swl;
    const std::vector<Case> cases = {
        {"empty unnamed log", {qso, true, false}, kSwl, Answer::No, kToSwl, kSop, false},
        {"unsaved named log", {qso, false, true}, kSwl, Answer::Yes, kToSwl, kSwl, true},
        {"saved named log", {qso, false, false}, kSwl, Answer::No, {}, kSwl, false},
        {"no switch", {qso, true, true}, kSdg, Answer::No, {}, kSdg, false},
        {"SWL again", {swl, true, true}, kSwl, Answer::No, {}, kSwl, false},
        {"unsaved SWL log", {swl, false, true}, kSop, Answer::No, kToQso, kSwl, false},
        {"unsaved SWL log, Yes", {swl, false, true}, kS40, Answer::Yes, kToQso, kS40, true},
        {"unnamed SWL log", {swl, true, false}, kSop, Answer::No, {}, kSop, false},
    };
    for (const Case& c : cases) {
        SummaryData data = Valid();
        data.category = c.state.layout == swl ? "SWL" : "S40";
        test::ScriptedPrompter prompter;
        prompter.answers = {c.answer};
        SummaryDataForm form(data, Provinces(), c.state);
        form.PickCategory(c.picked, prompter);
        EXPECT_EQ(form.CategoryIndex(), c.shown) << c.what;
        EXPECT_EQ(form.ModeSwitchConfirmed(), c.confirmed) << c.what;
        ASSERT_EQ(prompter.boxes.size(), c.question ? 1u : 0u) << c.what;
        if (c.question) {
            EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Richiesta conferma"));
            EXPECT_EQ(prompter.boxes[0].text, *c.question);
            EXPECT_EQ(prompter.boxes[0].icon, MessageIcon::Question);
            EXPECT_EQ(prompter.boxes[0].buttons, MessageButtons::YesNo);
        }
    }
}

TEST(SummaryDataFormTest, FieldsKeepLineBreaksOutAndTheirLimits)
{
    using F = SummaryTextField;
    const std::string long70(70, 'a');
    const std::vector<std::tuple<F, std::string, std::string>> cases = {
        {F::Callsign, "iz2abc/p", "IZ2ABC/P"},
        {F::Callsign, "IK0ABCDEFGHIJKL", "IK0ABCDEFGHIJK"},
        {F::Operators, "ik2xyz, i2\xE8\xFF", "IK2XYZ, I2\xC8\x9F"},
        {F::Operators, long70, std::string(60, 'A')},
        {F::Name, "mario\r\nrossi", "mario  rossi"},
        {F::Section, long70, long70},
        {F::Name, long70, long70},
        {F::Address3, long70, std::string(60, 'a')},
        {F::Comment2, "a\nb^c", "a b^c"},
    };
    for (const auto& [field, typed, held] : cases) {
        EXPECT_EQ(SummaryDataForm::FitText(field, typed), held) << typed;
    }
    SummaryData data = Valid();
    data.address1 = "Via Roma 1\r\n20100 Milano";
    SummaryDataForm form(data, Provinces(), {});
    EXPECT_EQ(form.Text(F::Address1), "Via Roma 1  20100 Milano");
}

}  // namespace
}  // namespace zelkor
