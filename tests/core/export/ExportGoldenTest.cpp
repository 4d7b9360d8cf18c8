#include "core/commands/AppContext.h"
#include "core/commands/ExportCommands.h"
#include "core/export/ExportTestSupport.h"
#include "support/ScriptedPrompter.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

struct GoldenCase {
    const char* log;
    const char* formatWord;
    const char* golden;
};

// export-qso: the contest's bands and modes, reports of 2, 3 and 5 characters, a callsign of 15,
// the edit dialog's other bands, every address and comment line. export-qso-odd: rows loaded
// unchecked (a short or empty date and time, a 12-character callsign, a 3-letter province, a
// band and a mode the contest doesn't know), the middle address line and the first comment
// empty. The empty logs: only the second address line or none, no comments, a province code
// nobody knows; the Vantlog text of an empty log has no bytes at all.
const GoldenCase kCases[] = {
    {"export-qso.zelk", "cabrillo", "export-qso.cbr"},
    {"export-qso.zelk", "adif", "export-qso.adi"},
    {"export-qso.zelk", "vantlog", "export-qso.txt"},
    {"export-qso-odd.zelk", "cabrillo", "export-qso-odd.cbr"},
    {"export-qso-odd.zelk", "adif", "export-qso-odd.adi"},
    {"export-qso-odd.zelk", "vantlog", "export-qso-odd.txt"},
    {"export-qso-empty.zelk", "cabrillo", "export-qso-empty.cbr"},
    {"export-qso-empty.zelk", "adif", "export-qso-empty.adi"},
    {"export-qso-empty.zelk", "vantlog", "export-qso-empty.txt"},
    {"export-swl.zelk", "cabrillo", "export-swl.cbr"},
    {"export-swl.zelk", "adif", "export-swl.adi"},
    {"export-swl-empty.zelk", "cabrillo", "export-swl-empty.cbr"},
    {"export-swl-empty.zelk", "adif", "export-swl-empty.adi"},
};

CommandOutcome RunMenuCommand(const QByteArray& word, AppContext& context, LogList& log,
                              Prompter& prompter)
{
    if (word == "cabrillo") {
        return ExportCabrillo(context, log, prompter);
    }
    return word == "adif" ? ExportAdif(context, log, prompter)
                          : ExportVantlogText(context, log, prompter);
}

// Every golden file is written twice from its log file: by the menu command as the window runs
// it, and by the command line.
TEST(ExportGoldenTest, MenuCommandAndCommandLineWriteTheGoldenBytes)
{
    test::TempFolder program;
    test::TempFolder output;
    QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), program.File("_prov.cod"));
    CommandLineToolSetup setup;
    setup.executableFolder = program.Path();

    for (const GoldenCase& c : kCases) {
        const QByteArray golden = test::ReadTestData(QString::fromLatin1(c.golden));

        AppContext context;
        context.store = SettingsStore::OpenFile(output.File("zelkor.conf"));
        context.programFolder = program.Path();
        context.provinces = test::ShippedProvinces();
        LogList log;
        test::LoadTestLog(c.log, log, context.summary);
        test::ScriptedPrompter prompter;
        prompter.answers = {Answer::Yes};
        prompter.files = {output.File("menu")};
        EXPECT_EQ(RunMenuCommand(c.formatWord, context, log, prompter), CommandOutcome::Done)
            << c.golden;
        EXPECT_TRUE(test::SameBytes(golden, output.Read("menu"))) << c.golden << ", menu";

        const test::ToolRun run = test::RunTool(
            {"--export", c.formatWord, test::TestDataPath(c.log), output.File("tool")}, setup);
        EXPECT_EQ(run.status, kToolSucceeded) << c.golden << ": " << run.err.toStdString();
        EXPECT_TRUE(test::SameBytes(golden, output.Read("tool"))) << c.golden << ", tool";
    }
}

}  // namespace
}  // namespace zelkor
