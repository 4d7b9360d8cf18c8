#include "core/app/CommandLine.h"
#include "core/app/Startup.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingKeys.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace zelkor {
namespace {

TEST(CommandLineTest, OptionWordsAndPaths)
{
    struct Case {
        QStringList arguments;
        QString path;
        bool automation;
    };
    const Case cases[] = {
        {{}, QString(), false},
        {{QStringLiteral("/Automation")}, QString(), true},
        {{QStringLiteral("-Embedding")}, QString(), true},
        {{QStringLiteral("-automation")}, QString(), true},
        {{QStringLiteral("/home/op/gara.zelk")}, QStringLiteral("/home/op/gara.zelk"), false},
        {{QStringLiteral("gara.zelk")}, QStringLiteral("gara.zelk"), false},
        {{QStringLiteral("/Automation"), QStringLiteral("/tmp/a.zelk")},
         QStringLiteral("/tmp/a.zelk"),
         true},
        {{QStringLiteral("/tmp/a.zelk"), QStringLiteral("-Embedding"),
          QStringLiteral("/tmp/b.zelk")},
         QStringLiteral("/tmp/a.zelk"),
         true},
        {{QStringLiteral("-x"), QStringLiteral("/Automazione")},
         QStringLiteral("/Automazione"),
         false},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.startupLogPath, c.path) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.automation, c.automation) << c.arguments.join(' ').toStdString();
    }
}

TEST(CommandLineTest, LogPathIsMadeAbsoluteAgainstTheStartFolder)
{
    // root/work is where the program starts; root/work/link leads to root/logs/deep.
    test::TempFolder temp;
    const QString root = QDir(temp.Path()).canonicalPath();
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("work")));
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("logs/deep")));
    ASSERT_TRUE(
        QFile::link(root + QStringLiteral("/logs/deep"), root + QStringLiteral("/work/link")));
    const QString work = root + QStringLiteral("/work");

    struct Case {
        QString path;
        QString absolute;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("gara.zelk"), work + QStringLiteral("/gara.zelk")},
        {QStringLiteral("../logs/gara.zelk"), root + QStringLiteral("/logs/gara.zelk")},
        {QStringLiteral("./../logs/./gara.zelk"), root + QStringLiteral("/logs/gara.zelk")},
        {QStringLiteral("../logs/deep/"), root + QStringLiteral("/logs/deep/")},
        // The system leaves a link's target by "..", not the link's own folder.
        {QStringLiteral("link/../gara.zelk"), root + QStringLiteral("/logs/gara.zelk")},
        {QStringLiteral("link/gara.zelk"), root + QStringLiteral("/logs/deep/gara.zelk")},
        {root + QStringLiteral("/work/../logs/gara.zelk"),
         root + QStringLiteral("/logs/gara.zelk")},
        {root + QStringLiteral("/logs/gara.zelk"), root + QStringLiteral("/logs/gara.zelk")},
        {QStringLiteral("/gara.zelk"), QStringLiteral("/gara.zelk")},
        // A folder that does not exist can't be resolved; the path is only made absolute.
        {QStringLiteral("manca/../gara.zelk"), work + QStringLiteral("/manca/../gara.zelk")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AbsoluteLogPath(c.path, work).toStdString(), c.absolute.toStdString())
            << c.path.toStdString();
        EXPECT_EQ(AbsoluteLogPath(c.path, work + QLatin1Char('/')).toStdString(),
                  c.absolute.toStdString())
            << c.path.toStdString();
    }
}

TEST(ProgramFolderTest, ExecutableFolderWithTrailingSeparator)
{
    test::TempFolder exe;
    test::TempFolder user;
    QString exePath = exe.Path();
    exePath.chop(1);
    EXPECT_EQ(ChooseProgramFolder(exePath, user.Path()), exe.Path());
    EXPECT_EQ(ChooseProgramFolder(exe.Path(), user.Path()), exe.Path());
}

TEST(ProgramFolderTest, UnwritableFolderFallsBackAndCopiesTheProvinceFile)
{
    test::TempFolder exe;
    test::TempFolder user;
    exe.Write(QStringLiteral("_prov.cod"), "MI MILANO\r\n");
    QFile::setPermissions(exe.Path(), QFile::ReadOwner | QFile::ExeOwner);
    if (IsFolderWritable(exe.Path())) {
        QFile::setPermissions(exe.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions do not stop this user from writing";
    }
    const QString dataFolder = user.File(QStringLiteral("ORVENT/zelkor"));
    EXPECT_EQ(ChooseProgramFolder(exe.Path(), dataFolder), dataFolder + QLatin1Char('/'));
    QFile copy(dataFolder + QStringLiteral("/_prov.cod"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("MI MILANO\r\n"));
    QFile::setPermissions(exe.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ProgramFolderTest, MissingFolderFallsBackWithoutOverwritingAUserProvinceFile)
{
    test::TempFolder user;
    user.Write(QStringLiteral("_prov.cod"), "RM ROMA\r\n");
    EXPECT_EQ(ChooseProgramFolder(QStringLiteral("/nonexistent/zelkor/bin"), user.Path()),
              user.Path());
    EXPECT_EQ(user.Read(QStringLiteral("_prov.cod")), QByteArray("RM ROMA\r\n"));
}

class StartupTest : public ::testing::Test {
protected:
    StartupInputs Inputs(QStringList arguments = {})
    {
        StartupInputs inputs;
        inputs.store = SettingsStore::OpenFile(m_config.File(QStringLiteral("zelkor.conf")));
        inputs.arguments = std::move(arguments);
        inputs.executableFolder = m_exe.Path();
        inputs.userDataFolder = m_config.File(QStringLiteral("data"));
        return inputs;
    }

    test::TempFolder m_exe;
    test::TempFolder m_config;
    test::ScriptedPrompter m_prompter;
    AppContext m_context;
};

TEST_F(StartupTest, FirstStartWithoutProvinceFileWarnsAndGoesOn)
{
    RunStartup(m_context, Inputs({QStringLiteral("/Automation")}), m_prompter);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    const MessageBox& box = m_prompter.boxes.front();
    EXPECT_EQ(box.title, QStringLiteral("zelkor"));
    EXPECT_EQ(box.text,
              QStringLiteral("Errore apertura file province:\n") + m_exe.Path() +
                  QStringLiteral("_prov.cod\n\nImportare elenco province dal menu Strumenti"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);

    EXPECT_EQ(m_context.programFolder, m_exe.Path());
    EXPECT_EQ(m_context.WorkingFilePath(), m_exe.Path() + QStringLiteral("_ult.zelk"));
    EXPECT_FALSE(IsSwlCategory(m_context.summary.category));
    EXPECT_TRUE(m_context.startupLogPath.isEmpty());
    EXPECT_TRUE(m_context.automation);
    EXPECT_EQ(m_context.settings, AppSettings{});
}

TEST_F(StartupTest, RelativeLogPathIsTakenFromTheStartFolder)
{
    test::TempFolder start;
    ASSERT_TRUE(QDir(start.Path()).mkpath(QStringLiteral("gara/oggi")));
    StartupInputs inputs = Inputs({QStringLiteral("../gara.zelk")});
    inputs.startFolder = start.File(QStringLiteral("gara/oggi"));
    RunStartup(m_context, std::move(inputs), m_prompter);
    EXPECT_EQ(m_context.startupLogPath,
              QDir(start.Path()).canonicalPath() + QStringLiteral("/gara/gara.zelk"));
}

TEST_F(StartupTest, FolderHeldByAnotherZelkorIsTheOnlyThingSaid)
{
    // No province file either: its warning must not come first.
    InstanceLock other(m_exe.Path());
    ASSERT_EQ(other.TryLock(), LockOutcome::Acquired);
    StartupInputs inputs = Inputs({QStringLiteral("/logs/gara.zelk")});
    inputs.lockProgramFolder = true;
    EXPECT_FALSE(RunStartup(m_context, std::move(inputs), m_prompter));

    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    const MessageBox& box = m_prompter.boxes.front();
    EXPECT_EQ(box.title, QStringLiteral("Errore"));
    EXPECT_EQ(box.text,
              QStringLiteral("Il log in questa cartella è già aperto in un altro Zelkor "
                             "in esecuzione:\n") +
                  m_exe.Path() +
                  QStringLiteral("\n\nChiudere l'altro Zelkor prima di avviarne uno nuovo."));
    EXPECT_EQ(box.icon, MessageIcon::Stop);
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_TRUE(m_context.startupLogPath.isEmpty());
    EXPECT_TRUE(other.IsLocked());
}

TEST_F(StartupTest, FreeFolderIsHeldForTheWholeRun)
{
    StartupInputs inputs = Inputs();
    inputs.lockProgramFolder = true;
    EXPECT_TRUE(RunStartup(m_context, std::move(inputs), m_prompter));
    ASSERT_TRUE(m_context.instanceLock);
    EXPECT_TRUE(m_context.instanceLock->IsLocked());
    // The province warning comes after the folder is claimed.
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes.front().title, QStringLiteral("zelkor"));

    InstanceLock second(m_exe.Path());
    EXPECT_EQ(second.TryLock(), LockOutcome::HeldElsewhere);
}

TEST_F(StartupTest, ReadsStoreProvincesAndLogPath)
{
    m_exe.Write(QStringLiteral("_prov.cod"), "MI MILANO\r\nRM ROMA\r\n");
    {
        auto store = SettingsStore::OpenFile(m_config.File(QStringLiteral("zelkor.conf")));
        ASSERT_TRUE(store->WriteSetting(keys::kCategory, QStringLiteral("SWL")));
        ASSERT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("3,5")));
        ASSERT_TRUE(
            store->WriteSetting({keys::kRecentFileList, "File1"}, QStringLiteral("/a.zelk")));
    }
    RunStartup(m_context, Inputs({QStringLiteral("/logs/gara.zelk")}), m_prompter);
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_TRUE(IsSwlCategory(m_context.summary.category));
    EXPECT_EQ(m_context.settings.currentBand, "3,5");
    EXPECT_EQ(m_context.provinces.Name(ProvinceIndexOf("RM")), "ROMA");
    EXPECT_EQ(m_context.startupLogPath, QStringLiteral("/logs/gara.zelk"));
    EXPECT_EQ(m_context.recentFiles.Entries(), QStringList{QStringLiteral("/a.zelk")});
    EXPECT_TRUE(m_context.history.IsEmpty());
}

TEST_F(StartupTest, TheCallHistoryIsReadAndAnUnreadableOneIsReported)
{
    m_exe.Write(QStringLiteral("_prov.cod"), "MI MILANO\r\nRM ROMA\r\n");
    m_exe.Write(QStringLiteral("_storico.cod"), "I1ABC TO\r\nIK0ABC RM 20240204\r\n");
    RunStartup(m_context, Inputs({}), m_prompter);
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_EQ(m_context.HistoryFilePath(), m_exe.Path() + QStringLiteral("_storico.cod"));
    EXPECT_EQ(m_context.history.Size(), 2);
    EXPECT_EQ(m_context.history.ProvinceOf("IK0ABC"), "RM");

    // A folder where the file should be: the warning, and an empty history.
    ASSERT_TRUE(QFile::remove(m_exe.File(QStringLiteral("_storico.cod"))));
    ASSERT_TRUE(QDir(m_exe.Path()).mkdir(QStringLiteral("_storico.cod")));
    AppContext again;
    RunStartup(again, Inputs({}), m_prompter);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    const MessageBox& box = m_prompter.boxes.front();
    EXPECT_EQ(box.title, QStringLiteral("zelkor"));
    EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Errore apertura file storico nominativi:\n") +
                                    m_exe.Path() + QStringLiteral("_storico.cod\n\n")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("\n\nIl programma parte con lo storico vuoto.")));
    EXPECT_TRUE(again.history.IsEmpty());
}

}  // namespace
}  // namespace zelkor
