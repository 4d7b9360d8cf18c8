#include "core/export/ExportTestSupport.h"

#include "core/platform/FileCalls.h"
#include "support/FaultWalk.h"
#include "support/FaultyFileCalls.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include <sys/stat.h>

namespace zelkor {
namespace {

class CommandLineToolTest : public ::testing::Test {
protected:
    CommandLineToolTest()
    {
        QFile::copy(QStringLiteral(ZELKOR_SHIPPED_PROVINCES), m_program.File("_prov.cod"));
        m_setup.executableFolder = m_program.Path();
        m_setup.userDataFolder = m_userData.Path();
    }

    test::TempFolder m_program;
    test::TempFolder m_userData;
    test::TempFolder m_output;
    CommandLineToolSetup m_setup;
};

TEST_F(CommandLineToolTest, WrongRowsAreReportedAndTheStatusStaysZero)
{
    const test::ToolRun run = test::RunTool(
        {"--export", "adif", test::TestDataPath("export-qso.zelk"), m_output.File("a")}, m_setup);
    EXPECT_EQ(run.status, kToolSucceeded);
    EXPECT_EQ(run.err,
              "Ignorato QSO n. 6 per BANDA errata.\nIgnorato QSO n. 7 per BANDA errata.\n"
              "Ignorato QSO n. 8 per BANDA errata.\nIgnorato QSO n. 9 per BANDA errata.\n");
}

TEST_F(CommandLineToolTest, ScorePrintsTheReportWithPlainLineFeeds)
{
    // The heard contacts behind the report's golden file.
    QByteArray log = "zelk100;hrd\r\nI0-1234\r\nRM\r\nLAZ\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    for (const char* bandModeProvince :
         {"3,5^SSB^I1XYZ^59^MI", "3,5^SSB^I1XYZ^59^MI", "7^CW^I1XYZ^59^RM", "7^CW^I1XYZ^59^MI",
          "7^PSK31^I1XYZ^59^TO", "7^RTTY^I1XYZ^59^TO"}) {
        log += QByteArray("05.02.2006^1432^") + bandModeProvince + "^IK2AAA^\r\n";
    }
    m_output.Write("swl.zelk", log);
    const test::ToolRun run = test::RunTool({"--score", m_output.File("swl.zelk")}, m_setup);
    EXPECT_EQ(run.status, kToolSucceeded);
    EXPECT_TRUE(
        test::SameBytes(test::ReadTestData("score-report-swl.txt").replace("\r\n", "\n"), run.out));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST_F(CommandLineToolTest, FailuresGiveTheWindowsWordsAndANonZeroStatus)
{
    const QString missingLog = m_output.File("manca.zelk");
    const QString missingFolder = m_output.File("manca/out.adi");
    const QString working = m_program.File("_ult.zelk");
    const QString out = m_output.File("out");
    const QString emptyLog = test::TestDataPath("export-qso-empty.zelk");
    const QString usage = CommandLineUsageText() + QLatin1Char('\n');
    const QString binaryLog = m_output.File("programma.zelk");
    static const char kProgram[] =
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\n03.12.2005^1530^";
    m_output.Write("programma.zelk", QByteArray(kProgram, sizeof kProgram - 1));
    const QString emptyFile = m_output.File("vuoto.zelk");
    m_output.Write("vuoto.zelk", QByteArray());
    const QString notALog = "Impossibile leggere il log:\n" + binaryLog +
                            QStringLiteral(
                                "\n\nIl file non \u00E8 un log di Zelkor, perch\u00E9 "
                                "contiene dati binari.\n");
    struct Case {
        QStringList arguments;
        int status;
        QString err;
    };
    const std::vector<Case> cases = {
        {{"--export", "cabrillo", missingLog, out},
         kToolFailed,
         "Impossibile leggere il log:\n" + missingLog + "\n\nIl file non esiste.\n"},
        {{"--export", "cabrillo", binaryLog, out}, kToolFailed, notALog},
        {{"--score", binaryLog}, kToolFailed, notALog},
        {{"--export", "cabrillo", emptyFile, out},
         kToolFailed,
         "Impossibile leggere il log:\n" + emptyFile +
             QStringLiteral(
                 "\n\nIl file non \u00E8 un log di Zelkor, perch\u00E9 \u00E8 vuoto.\n")},
        {{"--score", m_output.Path()},
         kToolFailed,
         "Impossibile leggere il log:\n" + m_output.Path() +
             "\n\nIl percorso indica una cartella, non un file.\n"},
        {{"--export", "vantlog", test::TestDataPath("export-swl-empty.zelk"), out},
         kToolFailed,
         QStringLiteral("Il programma Vantlog non supporta il modo SWL\nper cui non \u00E8 "
                        "possibile esportare il log attuale in\nquesto formato.\n")},
        {{"--export", "adif", emptyLog, missingFolder},
         kToolFailed,
         "Errore apertura file:\n" + missingFolder +
             "\n\nLa cartella che dovrebbe contenerlo non esiste.\n"},
        {{"--export", "adif", emptyLog, working},
         kToolFailed,
         QStringLiteral("Non si può esportare il log su un file del programma:\n") + working +
             "\n\nScegliere un altro nome.\n"},
        {{"--export", "pdf", emptyLog, out}, kToolMisused, "Formato sconosciuto: pdf\n" + usage},
        {{"--export", "adif", emptyLog}, kToolMisused, usage},
        {{"--score"}, kToolMisused, usage},
    };
    for (const Case& c : cases) {
        const test::ToolRun run = test::RunTool(c.arguments, m_setup);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(run.err), c.err) << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(out));
        EXPECT_FALSE(QFile::exists(working));
    }
}

TEST_F(CommandLineToolTest, TheLogItselfIsNeverTheExportsOutput)
{
    const QByteArray log = test::ReadTestData("export-qso.zelk");
    m_output.Write("gara.zelk", log);
    const QString path = m_output.File("gara.zelk");
    ASSERT_TRUE(QDir(m_output.Path()).mkdir(QStringLiteral("sotto")));
    ASSERT_TRUE(QFile::link(path, m_output.File("collegamento.zelk")));
    for (const QString& output :
         {path, m_output.File("sotto/../gara.zelk"), m_output.File("collegamento.zelk")}) {
        const test::ToolRun run = test::RunTool({"--export", "cabrillo", path, output}, m_setup);
        EXPECT_EQ(run.status, kToolFailed) << output.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(run.err),
                  QStringLiteral("Non si può esportare il log sul file da cui viene letto:\n") +
                      output + QStringLiteral("\n\nScegliere un altro nome.\n"));
        EXPECT_EQ(m_output.Read("gara.zelk"), log);
    }
}

TEST_F(CommandLineToolTest, AFailingDiskNeverEndsWithSuccessAndKeepsTheEarlierExport)
{
    // Without a province file every run warns alike, so that only the log and the export are
    // left to fail.
    QFile::remove(m_program.File("_prov.cod"));
    const QString out = m_output.File("out");
    const QString log = test::TestDataPath("export-qso.zelk");
    const QByteArray earlier = "an earlier export\r\n";
    const std::vector<QStringList> requests = {
        {"--export", "cabrillo", log, out},
        {"--export", "adif", log, out},
        {"--export", "vantlog", log, out},
        {"--score", log},
    };
    for (const QStringList& arguments : requests) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        m_output.Write("out", earlier);
        const test::ToolRun plain = test::RunTool(arguments, m_setup);
        ASSERT_EQ(plain.status, kToolSucceeded);
        const QByteArray complete = m_output.Read("out");
        const int count = test::CountFileCalls([&] {
            m_output.Write("out", earlier);
            ASSERT_EQ(test::RunTool(arguments, m_setup).status, kToolSucceeded);
        });
        test::ForEveryFault(count, [&](const test::FaultKind& kind, int number) {
            m_output.Write("out", earlier);
            test::FaultyFileCalls calls(test::PlanFor(kind, number));
            test::ToolRun run;
            {
                const ScopedFileCalls scoped(calls);
                run = test::RunTool(arguments, m_setup);
            }
            const QByteArray now = m_output.Read("out");
            const std::string where = test::DescribeFault(kind, number, calls);
            if (run.status == kToolSucceeded) {
                EXPECT_EQ(now, complete) << where;
                EXPECT_EQ(run.out, plain.out) << where;
            } else {
                EXPECT_EQ(run.status, kToolFailed) << where;
                EXPECT_TRUE(now == earlier || now == complete) << where;
                EXPECT_TRUE(test::NamesTheReason(QString::fromLocal8Bit(run.err), kind.error))
                    << where << ": " << run.err.toStdString();
            }
        });
    }

    const QStringList arguments = {"--export", "adif", log, out};
    // The case seen on a full disk: the first write of the export fails.
    m_output.Write("out", earlier);
    test::FaultyFileCalls full(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
    test::ToolRun run;
    {
        const ScopedFileCalls scoped(full);
        run = test::RunTool(arguments, m_setup);
    }
    EXPECT_EQ(run.status, kToolFailed);
    EXPECT_EQ(m_output.Read("out"), earlier);
    EXPECT_TRUE(run.err.endsWith("Errore scrittura file:\n" + out.toLocal8Bit() +
                                 "\n\nSpazio su disco esaurito.\n\nIl file non è stato scritto; "
                                 "un file già esistente con questo nome è rimasto com'era.\n"))
        << run.err.toStdString();
}

TEST_F(CommandLineToolTest, APipeGivenAsTheLogIsRefusedWithoutWaiting)
{
    const QString pipe = m_output.File("pipe.zelk");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const test::ToolRun run = test::RunTool({"--score", pipe}, m_setup);
    EXPECT_EQ(run.status, kToolFailed);
    EXPECT_EQ(QString::fromLocal8Bit(run.err),
              "Impossibile leggere il log:\n" + pipe +
                  "\n\nIl percorso non indica un file normale (è una pipe, un dispositivo o un "
                  "socket).\n");
}

TEST_F(CommandLineToolTest, LogWithoutHeaderTakesTheSummaryDataOfTheSettings)
{
    m_output.Write("bare.zelk", "03.12.2005^1530^3,5^SSB^I1ABC^59^RM^59^TO^\r\n");
    m_setup.settingsSummary.callsign = "IZ9ZZZ";
    m_setup.settingsSummary.province = "PA";
    const test::ToolRun run = test::RunTool(
        {"--export", "cabrillo", m_output.File("bare.zelk"), m_output.File("bare.log")}, m_setup);
    ASSERT_EQ(run.status, kToolSucceeded);
    const QByteArray file = m_output.Read("bare.log");
    EXPECT_TRUE(file.contains("\r\nCALLSIGN: IZ9ZZZ\r\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("\r\nQSO:  3500 PH 2005-12-03 1530 IZ9ZZZ        59  PA   I1ABC"));
}

TEST_F(CommandLineToolTest, NothingButTheOutputFileIsCreated)
{
    const QStringList before = QDir(m_program.Path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const char* format : {"cabrillo", "adif", "vantlog"}) {
        EXPECT_EQ(test::RunTool({"--export", format, test::TestDataPath("export-qso.zelk"),
                                 m_output.File("x")},
                                m_setup)
                      .status,
                  kToolSucceeded);
    }
    EXPECT_EQ(QDir(m_program.Path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    EXPECT_TRUE(QDir(m_userData.Path()).isEmpty());
    EXPECT_EQ(QDir(m_output.Path()).entryList(QDir::Files), QStringList({"x"}));
}

}  // namespace
}  // namespace zelkor
