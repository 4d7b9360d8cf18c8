#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileCalls.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SummaryData.h"
#include "support/FaultyFileCalls.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>

namespace zelkor {
namespace {

const QByteArray kHeaderFields = "I2ABC\r\nMI\r\n\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
const QByteArray kQsoHeader = "zelk100;qso\r\n" + kHeaderFields;
const QByteArray kSwlHeader =
    "zelk100;hrd\r\nI2ABC\r\nMI\r\n\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
const QByteArray kRows =
    "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n"
    "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n";
const std::string kNewLine = "05.02.2006^1500^7^CW^IW3ZZZ^599^MI^599^NA^\r\n";

const QString kFolderReason = QStringLiteral("Il percorso indica una cartella, non un file.");
const QString kNotAFolderReason = QStringLiteral("Una parte del percorso non è una cartella.");
const QString kMissingFolderReason =
    QStringLiteral("La cartella che dovrebbe contenerlo non esiste.");

std::string Text(const QString& text)
{
    return text.toStdString();
}

// Root writes through any permission bits: tests of read-only files and folders need a user
// they bind.
bool PermissionsBind(const test::TempFolder& folder)
{
    const QString probe = folder.File(QStringLiteral("probe"));
    folder.Write(QStringLiteral("probe"), "x");
    QFile::setPermissions(probe, QFile::ReadOwner);
    QFile file(probe);
    const bool bound = !file.open(QIODevice::WriteOnly | QIODevice::Append);
    file.close();
    QFile::remove(probe);
    return bound;
}

class WorkingFileTest : public ::testing::Test {
protected:
    WorkingFileTest() : m_file(m_folder.File(QStringLiteral("_ult.zelk")))
    {
        m_log.BuildStartColumns();
        m_summary.callsign = "I2ABC";
        m_summary.province = "MI";
        m_provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
    }

    bool Load() { return Shown(m_file.LoadWorkingFile(m_log, m_summary, m_provinces)); }
    // The report's messages go to the scripted prompter, as the file commands show them.
    bool Shown(const LoadReport& report)
    {
        m_prompter.ShowAll(report.messages);
        return report.loaded;
    }
    void WriteWorking(const QByteArray& bytes) const
    {
        m_folder.Write(QStringLiteral("_ult.zelk"), bytes);
    }
    QByteArray Working() const { return m_folder.Read(QStringLiteral("_ult.zelk")); }
    QByteArray Recovered() const { return m_folder.Read(QStringLiteral("_ult.zelk.recupero")); }
    // Everything in the folder, so that a temporary file left behind shows.
    QStringList Entries() const
    {
        return QDir(m_folder.Path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    test::TempFolder m_folder;
    WorkingFile m_file;
    LogList m_log;
    SummaryData m_summary;
    ProvinceTable m_provinces;
    test::ScriptedPrompter m_prompter;
};

// --- Loading ------------------------------------------------------------------------------------

TEST_F(WorkingFileTest, AbsentFileIsCreatedWithTheHeaderOfTheCurrentLayout)
{
    for (const bool swl : {false, true}) {
        QFile::remove(m_file.Path());
        if (swl) {
            m_log.SetSwlColumns();
        }
        ASSERT_TRUE(Load());
        EXPECT_EQ(Working(), swl ? kSwlHeader : kQsoHeader);
        EXPECT_EQ(m_log.RowCount(), 0);
        EXPECT_TRUE(m_prompter.boxes.empty());
        EXPECT_EQ(Entries(), QStringList{QStringLiteral("_ult.zelk")});
    }
}

TEST_F(WorkingFileTest, FileThatCannotBeCreatedGetsTheFixedMessage)
{
    m_folder.Write(QStringLiteral("plain"), "not a folder");
    for (const QString& path : {m_folder.File(QStringLiteral("plain/_ult.zelk")),
                                m_folder.File(QStringLiteral("missing/_ult.zelk"))}) {
        m_prompter.boxes.clear();
        WorkingFile file(path);
        EXPECT_FALSE(Shown(file.LoadWorkingFile(m_log, m_summary, m_provinces)));
        ASSERT_EQ(m_prompter.boxes.size(), 1u);
        EXPECT_EQ(Text(m_prompter.boxes[0].text),
                  Text(QStringLiteral("Impossibile creare file log corrente:\n") + path +
                       QStringLiteral("\n")));
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
        EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    }
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("plain")});
    EXPECT_EQ(m_folder.Read(QStringLiteral("plain")), QByteArray("not a folder"));
}

TEST_F(WorkingFileTest, FolderInPlaceOfTheFileIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("_ult.zelk")));
    EXPECT_FALSE(Load());
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(Text(m_prompter.boxes[0].text),
              Text(QStringLiteral("Impossibile leggere il file di lavoro:\n") + m_file.Path() +
                   QStringLiteral("\n\n") + kFolderReason +
                   QStringLiteral("\n\nIl file non è stato modificato.")));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(QFileInfo(m_file.Path()).isDir());
    EXPECT_TRUE(QDir(m_file.Path()).isEmpty());
}

TEST_F(WorkingFileTest, UnreadableFileIsReportedAndNeverWritten)
{
    if (!PermissionsBind(m_folder)) {
        GTEST_SKIP() << "permissions do not stop this user";
    }
    WriteWorking(kQsoHeader + kRows + "05.02.2006^16");
    QFile::setPermissions(m_file.Path(), QFile::WriteOwner);
    EXPECT_FALSE(Load());
    QFile::setPermissions(m_file.Path(), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(QStringLiteral("Mancano i permessi")));
    EXPECT_EQ(Working(), kQsoHeader + kRows + "05.02.2006^16");
    EXPECT_EQ(m_log.RowCount(), 0);
}

TEST_F(WorkingFileTest, CompleteFileLoadsSilentlyAndStaysAsItWas)
{
    // Another own province and a time with a colon: a rewrite would change both.
    const QByteArray bytes = kQsoHeader + kRows + "05.02.2006^14:32^7^SSB^I1QQQ^59^RM^59^RM^\r\n";
    WriteWorking(bytes);
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_log.RowCount(), 3);
    EXPECT_EQ(m_log.Cell(2, QsoColumn::ProvinceName), "Roma");
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_EQ(Working(), bytes);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("_ult.zelk")});
}

QString SetAsideWarning(const QString& description, const QString& path)
{
    return QStringLiteral(
               "La parte finale del file di lavoro è incompleta (manca il ritorno a capo "
               "finale, per esempio perché il programma è stato interrotto mentre la "
               "scriveva) e non è stata caricata tra le righe del log.\n\nParte messa da "
               "parte: ") +
           description +
           QStringLiteral("\n\nÈ stata conservata, esattamente com'era, nel file:\n") + path;
}

TEST_F(WorkingFileTest, IncompleteLastLineIsKeptAsideExactlyInANewFileEachTime)
{
    struct Case {
        QByteArray tail;
        QString recoveryName;
        QString description;
    };
    const Case cases[] = {
        {"05.02.2006^1500^7^CW^IK", QStringLiteral("_ult.zelk.recupero"),
         QStringLiteral("23 byte, 1 riga.\nInizio: \"05.02.2006^1500^7^CW^IK\"")},
        // Cut between CR and LF: still not a row, as it would not be after any crash.
        {"05.02.2006^1501^7^CW^IK1ABC^599^MI^599^NA^\r", QStringLiteral("_ult.zelk.recupero.2"),
         QStringLiteral(
             "43 byte, 1 riga.\nInizio: \"05.02.2006^1501^7^CW^IK1ABC^599^MI^599^NA^\\r\"")},
        {"\x01\xff^\r\x80\\", QStringLiteral("_ult.zelk.recupero.3"),
         QStringLiteral("6 byte, 2 righe.\nInizio: \"\\x01ÿ^\\r\\x80\\\\\"")},
    };
    for (const Case& c : cases) {
        m_log.DeleteAllRows();
        m_prompter.boxes.clear();
        WriteWorking(kQsoHeader + kRows + c.tail);
        ASSERT_TRUE(Load());
        EXPECT_EQ(m_log.RowCount(), 2);
        EXPECT_EQ(Working(), kQsoHeader + kRows);
        EXPECT_EQ(m_folder.Read(c.recoveryName), c.tail);
        ASSERT_EQ(m_prompter.boxes.size(), 1u);
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
        EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Text(m_prompter.boxes[0].text),
                  Text(SetAsideWarning(c.description, m_folder.File(c.recoveryName))));
        ASSERT_TRUE(m_file.AppendToWorkingFile(kNewLine).ok());
        EXPECT_EQ(Working(), kQsoHeader + kRows + QByteArray::fromStdString(kNewLine));
    }
    // The earlier recovery files are untouched.
    EXPECT_EQ(Recovered(), cases[0].tail);
    EXPECT_EQ(m_folder.Read(QStringLiteral("_ult.zelk.recupero.2")), cases[1].tail);
}

TEST_F(WorkingFileTest, FileWithCarriageReturnLineEndsIsKeptAsideWhole)
{
    QByteArray bytes = kQsoHeader + kRows;
    bytes.replace("\r\n", "\r");
    WriteWorking(bytes);
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_log.RowCount(), 0);
    EXPECT_EQ(Recovered(), bytes);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(Text(m_prompter.boxes[0].text),
              Text(SetAsideWarning(
                  QStringLiteral("%1 byte, 14 righe.\nInizio: \"zelk100;qso\\rI2ABC\\rMI\\r\\rSOP"
                                 "\\r\\r\\r\\r\\r\\r\\r\\r05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^"
                                 "\\r05.02....\"")
                      .arg(bytes.size()),
                  m_file.RecoveryFilePath())));
    // What is left is a complete log that takes rows.
    ASSERT_TRUE(m_file.AppendToWorkingFile(kNewLine).ok());
    m_log.DeleteAllRows();
    m_prompter.boxes.clear();
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_log.RowCount(), 1);
    EXPECT_TRUE(m_prompter.boxes.empty());
}

TEST_F(WorkingFileTest, HugeBrokenLineIsDescribedInAFewWords)
{
    QByteArray line(4 << 20, 'A');
    line[3] = '\x1b';
    WriteWorking(kQsoHeader + line);
    ASSERT_TRUE(Load());
    EXPECT_EQ(Recovered(), line);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    const QString text = m_prompter.boxes[0].text;
    EXPECT_LT(text.size(), 800);
    EXPECT_TRUE(text.contains(QStringLiteral("4194304 byte, 1 riga.\nInizio: \"AAA\\x1b") +
                              QString(76, QLatin1Char('A')) + QStringLiteral("...\"")))
        << Text(text);
    EXPECT_FALSE(text.contains(QChar(0x1b)));
}

TEST_F(WorkingFileTest, HeaderCutShortIsCompletedBeforeAnyRowIsAppended)
{
    const QByteArray cases[] = {
        "zelk100;qso\r\nIK0ABC\r\nRM\r\n",
        "zelk100;hrd\r\n",
        "",
        "zelk100;qso",
        "zelk100;qso\r\nIK0ABC\r\nRM\r\nLAZ\r\nSOP\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
    };
    for (const QByteArray& bytes : cases) {
        m_log.SetQsoColumns();
        m_log.DeleteAllRows();
        WriteWorking(bytes);
        ASSERT_TRUE(Load());
        EXPECT_EQ(m_log.RowCount(), 0);
        const bool swl = m_log.IsSwl();
        const std::string row = swl ? "05.02.2006^1500^7^CW^IW3ZZZ^599^NA^IK1AAA^\r\n" : kNewLine;
        ASSERT_TRUE(m_file.AppendToWorkingFile(row).ok());
        ASSERT_TRUE(m_file.AppendToWorkingFile(row).ok());
        const QList<QByteArray> lines = Working().split('\n');
        ASSERT_EQ(lines.size(), 15) << Working().toStdString();
        // Loaded again, as at the next start: both rows are rows, not summary values.
        m_log.DeleteAllRows();
        ASSERT_TRUE(Load());
        EXPECT_EQ(m_log.RowCount(), 2) << bytes.toStdString();
        EXPECT_EQ(m_summary.comment2, "");
    }
}

TEST_F(WorkingFileTest, BrokenLineThatCannotBeKeptStaysInTheWorkingFile)
{
    WriteWorking(kQsoHeader + kRows + "05.02.2006^15");
    test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
    {
        const ScopedFileCalls scoped(calls);
        ASSERT_TRUE(Load());
    }
    EXPECT_EQ(m_log.RowCount(), 2);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Text(m_prompter.boxes[0].text),
              Text(QStringLiteral("La parte finale del file di lavoro è incompleta e non è stata "
                                  "caricata tra le righe del log, ma non è stato possibile "
                                  "conservarla nel file:\n") +
                   m_file.RecoveryFilePath() +
                   QStringLiteral("\n\nSpazio su disco esaurito.\n\nLa parte resta nel file di "
                                  "lavoro.\n\nParte incompleta: 13 byte, 1 riga.\nInizio: "
                                  "\"05.02.2006^15\"")));
    EXPECT_EQ(Working(), kQsoHeader + kRows + "05.02.2006^15");
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("_ult.zelk")});
    // The next row still goes on a line of its own.
    ASSERT_TRUE(m_file.AppendToWorkingFile(kNewLine).ok());
    EXPECT_EQ(Working(),
              kQsoHeader + kRows + "05.02.2006^15\r\n" + QByteArray::fromStdString(kNewLine));
}

TEST_F(WorkingFileTest, JunkLoadsAndLeavesAFileThatLoadsCleanly)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>(i % 256);
    }
    const QByteArray cases[] = {
        QByteArray(1 << 20, 'A'),
        QByteArray(1 << 20, 'A') + "\r\n",
        "zelk100;qso\r\n" + QByteArray(1 << 20, '^'),
        binary,
        "zelk100;hrd\r\nI2",
    };
    for (const QByteArray& bytes : cases) {
        m_log.SetQsoColumns();
        m_log.DeleteAllRows();
        m_prompter.boxes.clear();
        WriteWorking(bytes);
        ASSERT_TRUE(Load());
        EXPECT_LE(m_prompter.boxes.size(), 1u);
        m_log.DeleteAllRows();
        m_prompter.boxes.clear();
        ASSERT_TRUE(Load());
        EXPECT_TRUE(m_prompter.boxes.empty());
    }
}

// The start of a program file, as another program could leave it under the working file's name.
QByteArray ProgramBytes()
{
    static const char kStart[] =
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\x01\0\0\0\n";
    QByteArray bytes(kStart, sizeof kStart - 1);
    for (int i = 0; i < 600; ++i) {
        bytes += static_cast<char>((i * 37) % 256);
    }
    return bytes;
}

TEST_F(WorkingFileTest, BinaryWorkingFileIsKeptWholeBeforeItIsRewritten)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString recoveryName;
    };
    const Case cases[] = {
        {"torn last line", ProgramBytes(), QStringLiteral("_ult.zelk.recupero")},
        {"line end last", ProgramBytes() + "\r\n", QStringLiteral("_ult.zelk.recupero.2")},
        {"zeros alone", QByteArray(4096, '\0'), QStringLiteral("_ult.zelk.recupero.3")},
    };
    QStringList expectedEntries{QStringLiteral("_ult.zelk")};
    for (const Case& c : cases) {
        m_log.DeleteAllRows();
        m_prompter.boxes.clear();
        WriteWorking(c.bytes);
        ASSERT_TRUE(Load()) << c.name;
        // The whole file, its last part included, in one new file; nothing else appears.
        EXPECT_EQ(m_folder.Read(c.recoveryName), c.bytes) << c.name;
        expectedEntries.append(c.recoveryName);
        expectedEntries.sort();
        EXPECT_EQ(Entries(), expectedEntries) << c.name;
        ASSERT_EQ(m_prompter.boxes.size(), 1u) << c.name;
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
        EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Text(m_prompter.boxes[0].text),
                  Text(QStringLiteral("Il file di lavoro non è un log di Zelkor, perché contiene "
                                      "dati binari: nel log ci sono le righe che se ne sono "
                                      "potute leggere.\n\nIl file è stato conservato, "
                                      "esattamente com'era, nel file:\n") +
                       m_folder.File(c.recoveryName)))
            << c.name;
        // The working file is now the log on screen, which the next start loads silently.
        EXPECT_EQ(Working(), LogFileBytes(m_log, m_summary)) << c.name;
        const int rows = m_log.RowCount();
        m_log.DeleteAllRows();
        m_prompter.boxes.clear();
        ASSERT_TRUE(Load()) << c.name;
        EXPECT_EQ(m_log.RowCount(), rows) << c.name;
        EXPECT_TRUE(m_prompter.boxes.empty()) << c.name;
    }
}

TEST_F(WorkingFileTest, BinaryWorkingFileThatCannotBeKeptStaysAsItWas)
{
    const QByteArray bytes = ProgramBytes();
    WriteWorking(bytes);
    test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
    {
        const ScopedFileCalls scoped(calls);
        ASSERT_TRUE(Load());
    }
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Text(m_prompter.boxes[0].text),
              Text(QStringLiteral("Il file di lavoro non è un log di Zelkor, perché contiene "
                                  "dati binari, e non è stato possibile conservarne una copia "
                                  "nel file:\n") +
                   m_file.RecoveryFilePath() +
                   QStringLiteral("\n\nSpazio su disco esaurito.\n\nIl file di lavoro resta "
                                  "com'era.")));
    EXPECT_EQ(Working(), bytes);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("_ult.zelk")});
}

// --- Appending ----------------------------------------------------------------------------------

TEST_F(WorkingFileTest, AppendAfterABrokenLastLineStartsANewLine)
{
    struct Case {
        QByteArray existing;
        QByteArray expected;
    };
    const QByteArray line = QByteArray::fromStdString(kNewLine);
    const Case cases[] = {
        {kQsoHeader, kQsoHeader + line},
        {kQsoHeader + "05.02.2006^15", kQsoHeader + "05.02.2006^15\r\n" + line},
        {kQsoHeader + "05.02.2006^15\r", kQsoHeader + "05.02.2006^15\r\r\n" + line},
        // Carriage returns alone are dropped by the reader: no empty row may appear.
        {kQsoHeader + "\r\r", kQsoHeader + "\r\r" + line},
        {QByteArray(), line},
    };
    for (const Case& c : cases) {
        WriteWorking(c.existing);
        ASSERT_TRUE(m_file.AppendToWorkingFile(kNewLine).ok());
        EXPECT_EQ(Working(), c.expected);
    }
}

TEST_F(WorkingFileTest, AppendFailsWithoutCreatingOrChangingAnything)
{
    const QString prefix = QStringLiteral("Impossibile aggiungere la riga al file di lavoro:\n");
    Result missing = m_file.AppendToWorkingFile(kNewLine);
    EXPECT_EQ(Text(missing.message()),
              Text(prefix + m_file.Path() + QStringLiteral("\n\nIl file non esiste.")));
    EXPECT_FALSE(QFileInfo::exists(m_file.Path()));

    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("_ult.zelk")));
    Result folder = m_file.AppendToWorkingFile(kNewLine);
    EXPECT_EQ(Text(folder.message()),
              Text(prefix + m_file.Path() + QStringLiteral("\n\n") + kFolderReason));
    EXPECT_TRUE(QDir(m_file.Path()).isEmpty());
}

TEST_F(WorkingFileTest, AppendCutShortLeavesNoPartOfTheLine)
{
    WriteWorking(kQsoHeader + kRows);
    // A file size limit makes the write stop part way, as a full disk would.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(kQsoHeader.size() + kRows.size() + 7);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const Result appended = m_file.AppendToWorkingFile(kNewLine);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(
        Text(appended.message()),
        Text(QStringLiteral("Impossibile aggiungere la riga al file di lavoro:\n") + m_file.Path() +
             QStringLiteral("\n\nIl file ha superato la dimensione massima consentita.")));
    EXPECT_EQ(Working(), kQsoHeader + kRows);
}

TEST_F(WorkingFileTest, AppendToAReadOnlyFileFails)
{
    if (!PermissionsBind(m_folder)) {
        GTEST_SKIP() << "permissions do not stop this user";
    }
    WriteWorking(kQsoHeader);
    QFile::setPermissions(m_file.Path(), QFile::ReadOwner);
    const Result appended = m_file.AppendToWorkingFile(kNewLine);
    EXPECT_TRUE(appended.message().endsWith(QStringLiteral("\n\nPermesso negato.")));
    EXPECT_EQ(Working(), kQsoHeader);
}

// --- Rewriting ----------------------------------------------------------------------------------

TEST_F(WorkingFileTest, RewriteFailuresNameTheCause)
{
    struct Case {
        QString path;
        QString reason;
    };
    m_folder.Write(QStringLiteral("plain"), "x");
    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("folder")));
    const Case cases[] = {
        {m_folder.File(QStringLiteral("folder")), kFolderReason},
        {m_folder.File(QStringLiteral("plain/_ult.zelk")), kNotAFolderReason},
        {m_folder.File(QStringLiteral("missing/_ult.zelk")), kMissingFolderReason},
    };
    for (const Case& c : cases) {
        WorkingFile file(c.path);
        const Result written = file.WriteWorkingFile(m_log, m_summary);
        EXPECT_EQ(Text(written.message()),
                  Text(QStringLiteral("Impossibile scrivere il file di lavoro:\n") + c.path +
                       QStringLiteral("\n\n") + c.reason));
    }
    EXPECT_TRUE(QDir(m_folder.File(QStringLiteral("folder"))).isEmpty());
    EXPECT_EQ(m_folder.Read(QStringLiteral("plain")), QByteArray("x"));
    EXPECT_EQ(Entries(), (QStringList{QStringLiteral("folder"), QStringLiteral("plain")}));
}

TEST_F(WorkingFileTest, RewriteInAReadOnlyFolderKeepsTheOldFile)
{
    if (!PermissionsBind(m_folder)) {
        GTEST_SKIP() << "permissions do not stop this user";
    }
    WriteWorking(kQsoHeader + kRows);
    QFile::setPermissions(m_folder.Path(), QFile::ReadOwner | QFile::ExeOwner);
    const Result written = m_file.WriteWorkingFile(m_log, m_summary);
    QFile::setPermissions(m_folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Text(written.message()),
              Text(QStringLiteral("Impossibile scrivere il file di lavoro:\n") + m_file.Path() +
                   QStringLiteral("\n\nMancano i permessi per scrivere nella cartella.")));
    EXPECT_EQ(Working(), kQsoHeader + kRows);
}

// --- Copying ------------------------------------------------------------------------------------

TEST(CopyWholeFileTest, CopyIsExact)
{
    test::TempFolder folder;
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    bytes += "\r\n\n\r^";
    folder.Write(QStringLiteral("source.zelk"), bytes);
    folder.Write(QStringLiteral("target.zelk"), QByteArray(10000, 'x'));
    ASSERT_TRUE(CopyWholeFile(folder.File(QStringLiteral("source.zelk")),
                              folder.File(QStringLiteral("target.zelk")))
                    .ok());
    EXPECT_EQ(folder.Read(QStringLiteral("target.zelk")), bytes);
    ASSERT_TRUE(CopyWholeFile(folder.File(QStringLiteral("target.zelk")),
                              folder.File(QStringLiteral("target.zelk")))
                    .ok());
    EXPECT_EQ(folder.Read(QStringLiteral("target.zelk")), bytes);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("source.zelk"), QStringLiteral("target.zelk")}));
}

TEST(CopyWholeFileTest, FailuresLeaveTheDestinationAsItWas)
{
    test::TempFolder folder;
    folder.Write(QStringLiteral("source.zelk"), kQsoHeader + kRows);
    folder.Write(QStringLiteral("target.zelk"), kQsoHeader);
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("folder")));
    const QString source = folder.File(QStringLiteral("source.zelk"));
    const QString target = folder.File(QStringLiteral("target.zelk"));
    const QString read = QStringLiteral("Impossibile leggere il file:\n");
    const QString write = QStringLiteral("Impossibile scrivere il file:\n");
    struct Case {
        QString source;
        QString destination;
        QString message;
    };
    const Case cases[] = {
        {folder.File(QStringLiteral("missing.zelk")), target,
         read + folder.File(QStringLiteral("missing.zelk")) +
             QStringLiteral("\n\nIl file non esiste.")},
        {folder.File(QStringLiteral("folder")), target,
         read + folder.File(QStringLiteral("folder")) + QStringLiteral("\n\n") + kFolderReason},
        {source, folder.File(QStringLiteral("folder")),
         write + folder.File(QStringLiteral("folder")) + QStringLiteral("\n\n") + kFolderReason},
        {source, folder.File(QStringLiteral("target.zelk/log.zelk")),
         write + folder.File(QStringLiteral("target.zelk/log.zelk")) + QStringLiteral("\n\n") +
             kNotAFolderReason},
    };
    for (const Case& c : cases) {
        const Result copied = CopyWholeFile(c.source, c.destination);
        EXPECT_EQ(Text(copied.message()), Text(c.message));
        EXPECT_EQ(folder.Read(QStringLiteral("target.zelk")), kQsoHeader);
        EXPECT_TRUE(QDir(folder.File(QStringLiteral("folder"))).isEmpty());
    }
}

TEST(CopyWholeFileTest, UnreadableSourceAndReadOnlyDestinationFail)
{
    test::TempFolder folder;
    if (!PermissionsBind(folder)) {
        GTEST_SKIP() << "permissions do not stop this user";
    }
    folder.Write(QStringLiteral("source.zelk"), kQsoHeader + kRows);
    folder.Write(QStringLiteral("target.zelk"), kQsoHeader);
    const QString source = folder.File(QStringLiteral("source.zelk"));
    const QString target = folder.File(QStringLiteral("target.zelk"));
    QFile::setPermissions(target, QFile::ReadOwner);
    EXPECT_EQ(Text(CopyWholeFile(source, target).message()),
              Text(QStringLiteral("Impossibile scrivere il file:\n") + target +
                   QStringLiteral("\n\nIl file è in sola lettura.")));
    QFile::setPermissions(source, QFile::WriteOwner);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Text(CopyWholeFile(source, target).message()),
              Text(QStringLiteral("Impossibile leggere il file:\n") + source +
                   QStringLiteral("\n\nMancano i permessi per leggerlo.")));
    EXPECT_EQ(folder.Read(QStringLiteral("target.zelk")), kQsoHeader);
}

}  // namespace
}  // namespace zelkor
