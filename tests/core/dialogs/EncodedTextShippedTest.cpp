// The encoded texts the program ships: the title, the about box's lines and the user manual.

#include "core/app/ProgramTitle.h"
#include "core/platform/BuildInfo.h"
#include "core/text/EncodedText.h"

#include <gtest/gtest.h>

#include <QFile>

#include <string>

namespace zelkor {
namespace {

TEST(ShippedStringTableTest, EntriesZeroToTenExist)
{
    for (int n = 0; n <= 10; ++n) {
        EXPECT_FALSE(FetchEncodedString(n).empty()) << "entry " << n;
    }
    EXPECT_EQ(FetchEncodedString(1000), "");
    EXPECT_EQ(FetchEncodedString(-1), "");
}

TEST(ShippedStringTableTest, TheTitleComesFromEntryZero)
{
    EXPECT_EQ(FetchEncodedString(0), "Zelkor - Contest Italiano 40/80 metri");
    EXPECT_EQ(ProgramTitleText(), QStringLiteral("Zelkor - Contest Italiano 40/80 metri"));
    EXPECT_EQ(WindowTitle(QStringLiteral("gara.zelk")),
              QStringLiteral("Zelkor - Contest Italiano 40/80 metri - gara.zelk"));
    EXPECT_EQ(FetchEncodedString(1), "Informazioni su Zelkor");
    EXPECT_EQ(FetchEncodedString(2), std::string("Zelkor versione ") + kProgramVersion);
    // Accented letters arrive as Windows-1252 bytes.
    EXPECT_NE(FetchEncodedString(4).find("pu\xF2"), std::string::npos);
}

TEST(ShippedStringTableTest, TheResourcesHoldNoReadableText)
{
    for (const char* path :
         {":/zelkor/encoded/string-table.bin", ":/zelkor/encoded/instructions.bin"}) {
        QFile file(QString::fromLatin1(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.contains("Zelkor")) << path;
        EXPECT_FALSE(bytes.contains("ZELKOR")) << path;
    }
}

TEST(ShippedManualTest, IsTheItalianManualInWindows1252WithLfLineEnds)
{
    const std::string manual = LoadInstructionsText();
    EXPECT_EQ(manual.rfind("ZELKOR - ISTRUZIONI PER L'USO\n", 0), 0U);
    EXPECT_EQ(manual.find('\r'), std::string::npos);
    EXPECT_EQ(manual.back(), '\n');
    for (const char* topic :
         {"8. MODALIT\xC0 SWL", "_ult.zelk.recupero", "zelkor --export cabrillo LOG.zelk",
          "zelkor --score LOG.zelk", "   F9      ", "DUP", "MOLT", "Importa elenco province",
          "17. ANDAMENTO DELLA GARA", "   F11     ", "andamento-grafico.png",
          "18. STORICO NOMINATIVI E CONTROLLO PARZIALE", "   F10     ", "_storico.cod",
          "!!Order!!,Call,Name,Exch1",

          "19. COLLEGAMENTO CON LA RADIO", "\"Radio...\"", "Hamlib NET rigctl"}) {
        EXPECT_NE(manual.find(topic), std::string::npos) << topic;
    }
    // Fits the instructions window's fixed-pitch width without wrapping.
    std::size_t lineStart = 0;
    for (std::size_t end = manual.find('\n'); end != std::string::npos;
         lineStart = end + 1, end = manual.find('\n', lineStart)) {
        EXPECT_LE(end - lineStart, 72U) << manual.substr(lineStart, end - lineStart);
    }
}

}  // namespace
}  // namespace zelkor
