#include "core/contest/FieldRules.h"

#include "core/provinces/ProvinceTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace zelkor {
namespace {

// A text-changing rule's verdict and what it leaves in the text.
struct InPlaceCase {
    std::string text;
    bool valid;
    std::string after;
};

TEST(FieldRulesTest, CallsignRule)
{
    for (std::string text : {"I1A", "IK0XYZ", "IZ1/P", "I/0A", "IK0ABCDEFGHIJK"}) {
        EXPECT_TRUE(IsValidCallsign(text)) << text;
    }
    for (std::string text : {"I0", "IK0ABCDEFGHIJKL", "I0AB-C", "IK0", "DL1ABC", "IK 0AB", "I0A ",
                             "10AB", "IAB", "I0A^"}) {
        EXPECT_FALSE(IsValidCallsign(text)) << text;
    }
    // Upper-cased only within the length limits, and only a-z.
    const std::vector<InPlaceCase> cases = {{"i0abc", true, "I0ABC"},
                                            {"ik0", false, "IK0"},
                                            {"i0a\xE8", false, "I0A\xE8"},
                                            {"ik0abcdefghijkl", false, "ik0abcdefghijkl"},
                                            {"i0", false, "i0"}};
    for (const auto& [text, valid, after] : cases) {
        std::string changed = text;
        EXPECT_EQ(IsValidCallsign(changed), valid) << text;
        EXPECT_EQ(changed, after) << text;
    }
}

TEST(FieldRulesTest, NumberParsingSaturates)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"0059", 59}, {" +59", 59}, {"\t-7x", -7}, {"5 9", 5},
        {"1a", 1},    {":3", 0},    {"", 0},       {"- 5", 0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseLeadingNumber(text), value) << "'" << text << "'";
    }
    EXPECT_EQ(ParseLeadingNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ParseLeadingNumber("2147483648"), INT_MAX);
    EXPECT_EQ(ParseLeadingNumber("-2147483649"), INT_MIN);
    EXPECT_EQ(ParseLeadingNumber(std::string(30, '9')), INT_MAX);
}

TEST(FieldRulesTest, ReportRangeDependsOnMode)
{
    struct Case {
        std::string mode;
        std::string report;
        bool valid;
    };
    const std::string huge = "300000000000000000000000000059";
    const std::vector<Case> cases = {
        {"SSB", "59", true},    {"SSB", "30", true},    {"SSB", "60", false},
        {"SSB", "29", false},   {"SSB", "599", false},  {"SSB", "0059", true},
        {"SSB", " +59", true},  {"SSB", "-59", false},  {"SSB", "", false},
        {"CW", "599", true},    {"CW", "301", true},    {"CW", "300", false},
        {"CW", "600", false},   {"CW", "", false},      {"RTTY", "599", true},
        {"RTTY", "300", false}, {"PSK31", "599", true}, {"PSK31", "600", false},
        {"ssb", "59", false},   {"CW", huge, false},    {"SSB", huge, false}};
    for (const auto& [mode, report, valid] : cases) {
        EXPECT_EQ(IsValidReport(mode, report), valid) << mode << " '" << report << "'";
    }
}

TEST(FieldRulesTest, DateInEntryRowAndEditDialogs)
{
    struct Case {
        std::string date;
        bool entryRow;
        bool editDialog;
    };
    const std::vector<Case> cases = {
        {"29.02.2006", true, true},   {"30.02.2006", false, false}, {"31.04.2006", false, false},
        {"30.04.2006", true, true},   {"31.12.2006", true, true},   {"00.01.2006", false, false},
        {"01.13.2006", false, false}, {"01.01.2004", false, true},  {"01.01.2005", true, true},
        {"01.01.2100", true, false},  {"31.12.2099", true, true},   {"01.01.1920", false, true},
        {"31.12.1919", false, false}, {"1.1.2006", false, false},   {"01/01/2006", false, false},
        {"", false, false},           {" 1.01.2006", true, true}};
    for (const auto& [date, entryRow, editDialog] : cases) {
        EXPECT_EQ(IsValidDate(date, kEntryLowestYear, std::nullopt), entryRow) << date;
        EXPECT_EQ(IsValidDate(date, kEditDialogLowestYear, kEditDialogHighestYear), editDialog)
            << date;
    }
}

TEST(FieldRulesTest, EntryTimeComparesTextsAfterDroppingTheMiddleOfFive)
{
    const std::vector<InPlaceCase> cases = {
        {"14:32", true, "1432"}, {"14.32", true, "1432"},  {"14x32", true, "1432"},
        {"0000", true, "0000"},  {"2359", true, "2359"},   {"2400", false, "2400"},
        {"0960", false, "0960"}, {"1a30", true, "1a30"},   {"12:3", false, "12:3"},
        {"", false, ""},         {"24:00", false, "2400"}, {"143200", false, "143200"},
        {" 930", false, " 930"}, {"12 5", false, "12 5"}};
    for (const auto& [text, valid, after] : cases) {
        std::string changed = text;
        EXPECT_EQ(CheckEntryTime(changed), valid) << "'" << text << "'";
        EXPECT_EQ(changed, after) << "'" << text << "'";
    }
}

TEST(FieldRulesTest, EditTimeComparesValues)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"0000", true},  {"2359", true},  {"1a30", true},  {"14:3", true},   {"930", false},
        {"2360", false}, {"2400", false}, {"-130", false}, {"14:32", false}, {" 930", true}};
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(IsValidEditTime(text), valid) << "'" << text << "'";
    }
}

class FieldRulesEditDialogTest : public ::testing::Test {
protected:
    FieldRulesEditDialogTest() { provinces.SetName(ProvinceIndexOf("MI"), "Milano"); }

    static void ExpectBox(const std::optional<MessageBox>& box, const char* text)
    {
        ASSERT_TRUE(box.has_value()) << text;
        EXPECT_EQ(box->text, QString::fromUtf8(text));
        const bool question = box->buttons == MessageButtons::YesNo;
        EXPECT_EQ(box->title, question ? QStringLiteral("Domanda") : QStringLiteral("Errore"));
        EXPECT_EQ(box->icon, question ? MessageIcon::Question : MessageIcon::Stop);
    }

    ProvinceTable provinces;
};

TEST_F(FieldRulesEditDialogTest, KnownProvinceIsOneTheTableNames)
{
    // A longer code of capitals is looked up by its first two letters, as the loader does.
    for (const char* code : {"MI", "MIL", "MIXYZ"}) {
        EXPECT_TRUE(IsKnownProvince(provinces, code)) << "'" << code << "'";
        EXPECT_EQ(IsKnownProvince(provinces, code), !provinces.ProvinceNameOf(code).empty());
    }
    for (const char* code : {"mi", "M", "Mi", "MI1", "MI ", "", "RM", "RMX"}) {
        EXPECT_FALSE(IsKnownProvince(provinces, code)) << "'" << code << "'";
    }
}

// Each step spoils one more value, from the last check to the first, so only the order of the
// checks explains which box comes.
TEST_F(FieldRulesEditDialogTest, QsoChecksStopAtTheFirstFailure)
{
    QsoEditValues values = {"15.01.2006", "1432", "CW", "ik0abc", "599", "579", "MI"};
    EXPECT_EQ(CheckQsoEditDialog(values, provinces), std::nullopt);
    EXPECT_EQ(values.callsign, "IK0ABC");

    values.provinceCode = "XX";
    ExpectBox(CheckQsoEditDialog(values, provinces),
              "ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirlo ugualmente?");
    EXPECT_EQ(CheckQsoEditDialog(values, provinces)->buttons, MessageButtons::YesNo);
    values.reportReceived = "600";
    ExpectBox(CheckQsoEditDialog(values, provinces), "RST ricevuto (o modo) errato!");
    values.reportSent = "59";
    ExpectBox(CheckQsoEditDialog(values, provinces), "RST trasmesso (o modo) errato!");
    values.time = "14:32";
    ExpectBox(CheckQsoEditDialog(values, provinces), "Ora errata!");
    values.date = "01.01.2100";
    ExpectBox(CheckQsoEditDialog(values, provinces), "Data errata!");
    values.callsign = "DL1ABC";
    ExpectBox(CheckQsoEditDialog(values, provinces), "Nominativo errato");
}

TEST_F(FieldRulesEditDialogTest, HrdChecksStopAtTheFirstFailure)
{
    HrdEditValues values = {"15.01.2006", "1432", "SSB", "i0abc", "iz1/p", "59", "MI"};
    EXPECT_EQ(CheckHrdEditDialog(values, provinces), std::nullopt);
    EXPECT_EQ(values.callingCallsign, "I0ABC");
    EXPECT_EQ(values.answeringCallsign, "IZ1/P");

    values.provinceCode = "M";
    ExpectBox(CheckHrdEditDialog(values, provinces),
              "ATTENZIONE! Sigla provincia sconosciuta.\n\nVuoi inserirli ugualmente?");
    EXPECT_EQ(CheckHrdEditDialog(values, provinces)->buttons, MessageButtons::YesNo);
    values.report = "599";
    ExpectBox(CheckHrdEditDialog(values, provinces), "RST (o modo) errato!");
    values.time = "2360";
    ExpectBox(CheckHrdEditDialog(values, provinces), "Ora errata!");
    values.date = "31.12.1919";
    ExpectBox(CheckHrdEditDialog(values, provinces), "Data errata!");
    values.answeringCallsign = "IK0";
    ExpectBox(CheckHrdEditDialog(values, provinces), "Errore nei nominativi.");
    values.answeringCallsign = "IK0A";
    values.callingCallsign = "I0";
    ExpectBox(CheckHrdEditDialog(values, provinces), "Errore nei nominativi.");
}

TEST(FieldRulesTest, MissingOwnProvinceText)
{
    EXPECT_EQ(MissingOwnProvinceText(),
              QStringLiteral("ATTENZIONE!\nSpecificare il codice della propria provincia"));
}

}  // namespace
}  // namespace zelkor
