// "--help", "--version", their short forms and unknown options: decided before any window, answered
// on the right stream with the right status, also by the real program where no display exists.

#include "core/export/ExportTestSupport.h"
#include "core/platform/BuildInfo.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

const QString kUsage = QStringLiteral(
    "Uso:\n"
    "  zelkor [LOG.zelk]\n"
    "  zelkor --export cabrillo|adif|vantlog LOG.zelk FILE_DI_USCITA\n"
    "  zelkor --score LOG.zelk\n"
    "  zelkor --help\n"
    "  zelkor --version\n"
    "\n"
    "Senza opzioni apre la finestra con il log indicato o, se manca, con il file di\n"
    "lavoro. Le opzioni lavorano senza finestra e senza modificare il file di lavoro\n"
    "o le impostazioni:\n"
    "  --export FORMATO LOG USCITA  scrive il log in formato Cabrillo, ADIF o testo\n"
    "                               per Vantlog\n"
    "  --score LOG                  stampa il punteggio del log\n"
    "  -h, --help                   mostra questo aiuto\n"
    "  -v, --version                mostra la versione\n"
    "\n"
    "Stato di uscita: 0 riuscito, 1 log illeggibile o file non scritto, 2 argomenti\n"
    "errati.\n");

QString VersionLine()
{
    return QStringLiteral("zelkor ") + QLatin1String(kProgramVersion) + QLatin1Char('\n');
}

TEST(CommandLineOptionsTest, UsageTextAndVersionNumber)
{
    const QString version = QLatin1String(kProgramVersion);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+(\\.\\d+)?$")).match(version).hasMatch())
        << version.toStdString();
    EXPECT_EQ((CommandLineUsageText() + QLatin1Char('\n')).toStdString(), kUsage.toStdString());
}

TEST(CommandLineOptionsTest, DoubleDashWordsAndShortHelpOrVersionBypassTheWindow)
{
    struct Case {
        std::vector<const char*> argv;
        bool tool;
    };
    const Case cases[] = {
        {{"zelkor"}, false},
        {{"zelkor", "gara.zelk"}, false},
        {{"zelkor", "/home/op/gara.zelk"}, false},
        {{"zelkor", "/Automation"}, false},
        {{"zelkor", "-Embedding"}, false},
        {{"zelkor", "-x"}, false},
        {{"zelkor", "-H"}, false},
        {{"zelkor", "-help"}, false},
        {{"zelkor", "-h"}, true},
        {{"zelkor", "gara.zelk", "-v"}, true},
        {{"zelkor", "--help"}, true},
        {{"zelkor", "--version"}, true},
        {{"zelkor", "--export", "adif", "a.zelk", "a.adi"}, true},
        {{"zelkor", "--score", "a.zelk"}, true},
        {{"zelkor", "gara.zelk", "--help"}, true},
        {{"zelkor", "--verbose"}, true},
        {{"zelkor", "--"}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCommandLineToolRequest(static_cast<int>(c.argv.size()), c.argv.data()), c.tool)
            << c.argv.back();
    }
}

TEST(CommandLineOptionsTest, HelpVersionAndUnknownOptions)
{
    const CommandLineToolSetup setup;
    struct Case {
        QStringList arguments;
        int status;
        QString out;
        QString err;
    };
    const std::vector<Case> cases = {
        {{"--help"}, kToolSucceeded, kUsage, ""},
        {{"--version"}, kToolSucceeded, VersionLine(), ""},
        {{"gara.zelk", "--help"}, kToolSucceeded, kUsage, ""},
        {{"-h"}, kToolSucceeded, kUsage, ""},
        {{"-v"}, kToolSucceeded, VersionLine(), ""},
        {{"gara.zelk", "-h"}, kToolSucceeded, kUsage, ""},
        {{"-Embedding", "-v"}, kToolSucceeded, VersionLine(), ""},
        {{"--version", "--help"}, kToolSucceeded, VersionLine(), ""},
        {{"--help", "--bogus"}, kToolSucceeded, kUsage, ""},
        {{"--bogus"}, kToolMisused, "", "Opzione sconosciuta: --bogus\n" + kUsage},
        {{"--bogus", "--help"}, kToolMisused, "", "Opzione sconosciuta: --bogus\n" + kUsage},
        {{"gara.zelk", "--Help"}, kToolMisused, "", "Opzione sconosciuta: --Help\n" + kUsage},
        {{"--"}, kToolMisused, "", "Opzione sconosciuta: --\n" + kUsage},
        {{"--score", "a.zelk", "b.zelk"}, kToolMisused, "", kUsage},
        {{"--export", "adif", "--help"}, kToolMisused, "", kUsage},
        {{"gara.zelk", "--score", "gara.zelk"}, kToolMisused, "", kUsage},
    };
    for (const Case& c : cases) {
        const test::ToolRun run = test::RunTool(c.arguments, setup);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.out.toStdString(), c.out.toStdString()) << what;
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString()) << what;
    }
}

// The real program, started as from a shell where no window system is reachable: no display,
// no platform chosen, settings and data folders that must stay empty.
class ProgramWithoutDisplayTest : public ::testing::Test {
protected:
    struct Outcome {
        QProcess::ExitStatus exitStatus = QProcess::CrashExit;
        int status = -1;
        QByteArray out;
        QByteArray err;
    };

    Outcome Run(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QLatin1String(name));
        }
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.File("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.File("data"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZELKOR_PROGRAM), arguments);
        Outcome outcome;
        // A bound that only stops a hanging program from hanging the test; nothing is timed.
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.exitStatus = process.exitStatus();
        outcome.status = process.exitCode();
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }

    void TearDown() override
    {
        EXPECT_TRUE(QDir(m_home.Path()).isEmpty()) << "the command line wrote files";
    }

    test::TempFolder m_home;
};

TEST_F(ProgramWithoutDisplayTest, HelpVersionAndUnknownOptionsAnswerWithoutAWindow)
{
    struct Case {
        QStringList arguments;
        int status;
        QByteArray out;
        QByteArray err;
    };
    const std::vector<Case> cases = {
        {{"--help"}, 0, kUsage.toUtf8(), ""},
        {{"--version"}, 0, VersionLine().toUtf8(), ""},
        {{"-h"}, 0, kUsage.toUtf8(), ""},
        {{"gara.zelk", "-v"}, 0, VersionLine().toUtf8(), ""},
        {{"--frobnicate"}, 2, "", ("Opzione sconosciuta: --frobnicate\n" + kUsage).toUtf8()},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Run(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit) << what;
        EXPECT_EQ(outcome.status, c.status) << what;
        EXPECT_EQ(outcome.out.toStdString(), c.out.toStdString()) << what;
        EXPECT_EQ(outcome.err.toStdString(), c.err.toStdString()) << what;
    }
}

}  // namespace
}  // namespace zelkor
