// What the radio's frequency and mode mean for the entry row, and the texts that show them.

#include "core/radio/RadioMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelkor {
namespace {

TEST(RadioMappingTest, OnlyTheContestBandsChooseABandEdgesIncluded)
{
    const struct {
        double hertz;
        std::optional<std::string> band;
    } cases[] = {
        {3'499'999, std::nullopt},
        {3'500'000, "3,5"},
        {3'550'000, "3,5"},
        {3'800'000, "3,5"},
        {3'800'001, std::nullopt},
        {3'499'999.6, "3,5"},
        {6'999'999, std::nullopt},
        {7'000'000, "7"},
        {7'045'000, "7"},
        {7'200'000, "7"},
        {7'200'001, std::nullopt},
        {1'840'000, std::nullopt},
        {14'074'000, std::nullopt},
        {0, std::nullopt},
        {-7'045'000, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BandForFrequency(c.hertz), c.band) << c.hertz;
    }
}

TEST(RadioMappingTest, RadioModesGiveTheEntryRowsModeDataModesKeepTheDigitalModeShown)
{
    const struct {
        const char* radio;
        const char* shown;
        std::optional<std::string> entry;
    } cases[] = {
        {"USB", "CW", "SSB"},         {"LSB", "RTTY", "SSB"},      {"CW", "SSB", "CW"},
        {"CWR", "PSK31", "CW"},       {"RTTY", "SSB", "RTTY"},     {"RTTYR", "PSK31", "RTTY"},
        {"PKTUSB", "PSK31", "PSK31"}, {"PKTLSB", "RTTY", "RTTY"},  {"PKTUSB", "SSB", "RTTY"},
        {"PKTFM", "CW", "RTTY"},      {"PSK", "PSK31", "PSK31"},   {"PSKR", "SSB", "RTTY"},
        {"AM", "SSB", std::nullopt},  {"FM", "CW", std::nullopt},  {"WFM", "SSB", std::nullopt},
        {"", "SSB", std::nullopt},    {"cw", "SSB", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryModeFor(RadioModeKindOf(c.radio), c.shown), c.entry)
            << c.radio << " over " << c.shown;
    }
}

TEST(RadioMappingTest, FrequenciesAreKilohertzToATenthWithItalianSeparators)
{
    const struct {
        double hertz;
        const char* text;
    } cases[] = {
        {7'045'000, "7.045,0 kHz"},
        {3'550'000, "3.550,0 kHz"},
        {14'074'150, "14.074,2 kHz"},
        {7'000'049, "7.000,0 kHz"},
        {7'000'050, "7.000,1 kHz"},
        {999'950, "1.000,0 kHz"},
        {1'005'000, "1.005,0 kHz"},
        {145'500'000, "145.500,0 kHz"},
        {1'296'000'000, "1.296.000,0 kHz"},
        {10'500, "10,5 kHz"},
        {0, "0,0 kHz"},
        {-7'045'000, "0,0 kHz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyText(c.hertz), QString::fromUtf8(c.text)) << c.hertz;
    }
}

TEST(RadioMappingTest, TextsOfTheLabelAndOfTheTest)
{
    EXPECT_EQ(RadioLabelText({7'045'000, "CW"}), QStringLiteral("Radio: 7.045,0 kHz CW"));
    EXPECT_EQ(RadioLabelText({3'550'000, ""}), QStringLiteral("Radio: 3.550,0 kHz"));
    EXPECT_EQ(RadioNotConnectedText(), QStringLiteral("Radio non collegata"));
    EXPECT_EQ(RadioProbeText({3'550'000, "PKTUSB"}),
              QStringLiteral("Radio collegata: 3.550,0 kHz PKTUSB"));
    EXPECT_EQ(RadioProbeFailureText(QStringLiteral("la radio non risponde"), false),
              QStringLiteral("Collegamento non riuscito: la radio non risponde."));
    EXPECT_EQ(RadioProbeFailureText(QStringLiteral("la radio non risponde"), true),
              QStringLiteral("Lettura non riuscita: la radio non risponde."));
}

}  // namespace
}  // namespace zelkor
