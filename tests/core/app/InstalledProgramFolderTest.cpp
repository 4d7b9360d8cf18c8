// An installed program (bin/zelkor, share/zelkor/_prov.cod) keeps the user's files in the user's
// data folder and starts with the shipped province list; run from the build folder it keeps
// everything beside the executable.

#include "core/export/ExportTestSupport.h"
#include "core/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

const QByteArray kShipped("MI MILANO\r\nRM ROMA\r\n");

// A prefix as "cmake --install" makes it, in a temporary folder.
class InstalledProgramFolderTest : public ::testing::Test {
protected:
    InstalledProgramFolderTest()
    {
        QDir().mkpath(m_prefix.File("bin"));
        QDir().mkpath(m_prefix.File("share/zelkor"));
        m_prefix.Write("share/zelkor/_prov.cod", kShipped);
    }

    QString Bin() const { return m_prefix.File("bin"); }
    QString UserFolder() const { return m_home.File("data/ORVENT/zelkor") + QLatin1Char('/'); }

    test::TempFolder m_prefix;
    test::TempFolder m_home;
};

TEST_F(InstalledProgramFolderTest, ShippedProvinceListBesideTheExecutableOrInstalled)
{
    const QString installed =
        QFileInfo(m_prefix.File("share/zelkor/_prov.cod")).canonicalFilePath();
    EXPECT_EQ(ShippedProvinceFile(Bin()).toStdString(), installed.toStdString());
    EXPECT_EQ(ShippedProvinceFile(Bin() + QLatin1Char('/')).toStdString(), installed.toStdString());
    m_prefix.Write("bin/_prov.cod", "TO TORINO\r\n");
    EXPECT_EQ(ShippedProvinceFile(Bin()).toStdString(),
              QFileInfo(m_prefix.File("bin/_prov.cod")).canonicalFilePath().toStdString());
    EXPECT_EQ(ShippedProvinceFile(m_home.Path()).toStdString(), "");
}

TEST_F(InstalledProgramFolderTest, FirstStartCopiesTheShippedListIntoTheUserFolder)
{
    // Also where the executable's folder could be written (root in /usr/bin, a prefix in the
    // home folder): an installed program writes nothing beside itself.
    EXPECT_EQ(FindProgramFolder(Bin(), UserFolder()).toStdString(), UserFolder().toStdString());
    EXPECT_FALSE(QFile::exists(UserFolder())) << "finding the folder must not create it";

    QFile::setPermissions(m_prefix.File("share/zelkor/_prov.cod"),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(ChooseProgramFolder(Bin(), UserFolder()).toStdString(), UserFolder().toStdString());
    QFile copy(UserFolder() + QStringLiteral("_prov.cod"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), kShipped);
    EXPECT_TRUE(copy.permissions() & QFile::WriteOwner) << "the user's copy must be editable";
    EXPECT_EQ(QDir(Bin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

TEST_F(InstalledProgramFolderTest, LaterStartsKeepTheUsersOwnList)
{
    QDir().mkpath(UserFolder());
    QFile own(UserFolder() + QStringLiteral("_prov.cod"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("RM ROMA CAPITALE\r\n");
    own.close();
    EXPECT_EQ(ChooseProgramFolder(Bin(), UserFolder()).toStdString(), UserFolder().toStdString());
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), QByteArray("RM ROMA CAPITALE\r\n"));
}

TEST_F(InstalledProgramFolderTest, TheBuildFolderKeepsEverythingBesideTheExecutable)
{
    // The build copies the province list beside the executable; a share/ folder near it
    // changes nothing.
    m_prefix.Write("bin/_prov.cod", kShipped);
    EXPECT_EQ(ChooseProgramFolder(Bin(), UserFolder()).toStdString(),
              (Bin() + QLatin1Char('/')).toStdString());
    EXPECT_FALSE(QFile::exists(UserFolder()));
}

TEST_F(InstalledProgramFolderTest, TheCommandLineReadsTheShippedListBeforeTheFirstStart)
{
    CommandLineToolSetup setup;
    setup.executableFolder = Bin();
    setup.userDataFolder = UserFolder();
    const test::ToolRun run =
        test::RunTool({"--score", test::TestDataPath("export-swl.zelk")}, setup);
    EXPECT_EQ(run.status, kToolSucceeded);
    EXPECT_EQ(run.err, QByteArray()) << "no warning about a missing province list";
    EXPECT_FALSE(QFile::exists(UserFolder())) << "the command line creates nothing";

    // Without it the same run warns, so the silence above means the list was read.
    QFile::remove(m_prefix.File("share/zelkor/_prov.cod"));
    const test::ToolRun without =
        test::RunTool({"--score", test::TestDataPath("export-swl.zelk")}, setup);
    EXPECT_TRUE(without.err.startsWith("Errore apertura file province:\n"))
        << without.err.toStdString();
}

}  // namespace
}  // namespace zelkor
