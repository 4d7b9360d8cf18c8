#include "core/commands/AppContext.h"
#include "core/commands/LogCommands.h"
#include "core/commands/LogEditing.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileCalls.h"
#include "core/settings/SettingKeys.h"
#include "core/worked/WorkedTables.h"
#include "support/DocumentFixture.h"
#include "support/FaultyFileCalls.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

#include <fcntl.h>

namespace zelkor {
namespace {

const QByteArray kHeaderLines =
    "I2ABC\r\nMI\r\nMilano\r\nSOP\r\n\r\nMario\r\nVia Roma 1\r\n20100 Milano\r\n\r\n\r\n\r\n";
const QByteArray kQsoLog = "zelk100;qso\r\n" + kHeaderLines +
                           "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n"
                           "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n";
const QByteArray kOtherLog =
    "zelk100;qso\r\n" + kHeaderLines + "06.02.2006^0800^7^RTTY^I5QQQ^599^MI^599^FI^\r\n";

class LogCommandsTest : public ::testing::Test {
protected:
    LogCommandsTest() : m_commands(m_context, m_document, m_prompter)
    {
        m_context.programFolder = m_folder.Path();
        m_context.provinces.SetName(ProvinceIndexOf("RM"), "ROMA");
        m_log.BuildStartColumns();
    }

    void LoadWorking(const QByteArray& bytes)
    {
        m_folder.Write(QStringLiteral("_ult.zelk"), bytes);
        ASSERT_TRUE(m_commands.LoadWorkingFile());
        m_prompter.boxes.clear();
    }
    QByteArray Working() const { return m_folder.Read(QStringLiteral("_ult.zelk")); }
    QVariant Stored(const char* key) const
    {
        QSettings raw(m_config.File(QStringLiteral("zelkor.conf")), QSettings::IniFormat);
        return raw.value(QStringLiteral("Parametri/") + QLatin1String(key));
    }

    test::TempFolder m_folder;
    test::TempFolder m_config;
    test::TempFolder m_logs;
    AppContext m_context{test::ContextWithStore(m_config)};
    LogDocument m_document{m_context.store.get(), m_folder.File(QStringLiteral("_ult.zelk"))};
    LogList& m_log = m_document.Log();
    WorkedTables& m_tables = m_document.Tables();
    test::ScriptedPrompter m_prompter;
    WorkingFile& m_workingFile = m_document.File();
    LogCommands m_commands;
};

TEST_F(LogCommandsTest, NewAsksWhenModifiedAndNoKeepsEverything)
{
    LoadWorking(kQsoLog);
    (void)m_document.MarkModified();
    m_prompter.answers = {Answer::No};
    EXPECT_EQ(m_commands.New(), CommandOutcome::Cancelled);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Richiesta di conferma"));
    EXPECT_EQ(
        m_prompter.boxes[0].text,
        QStringLiteral("ATTENZIONE!\n\nLa creazione di un nuovo log comporta la\n"
                       "cancellazione di tutti i QSO del log attualmente in uso.\n\n"
                       "Se vuoi conservarli, salva prima il log attuale con\n"
                       "i comandi 'Salva' oppure 'Salva come...'\n\nVuoi continuare comunque ?"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(m_prompter.boxes[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(Working(), kQsoLog);
}

TEST_F(LogCommandsTest, NewLeavesTheHeaderAloneAndForgetsTheOpenLog)
{
    LoadWorking(kQsoLog);
    (void)m_document.SetOpenLog(QStringLiteral("/logs/gara.zelk"));
    (void)m_document.MarkModified();
    m_prompter.answers = {Answer::Yes};
    EXPECT_EQ(m_commands.New(), CommandOutcome::Done);
    EXPECT_EQ(m_log.RowCount(), 0);
    EXPECT_FALSE(m_log.IsSwl());
    EXPECT_TRUE(m_tables.Provinces().IsEmpty());
    EXPECT_EQ(Working(), "zelk100;qso\r\n" + kHeaderLines);
    EXPECT_TRUE(m_document.OpenPath().isEmpty());
    EXPECT_TRUE(m_document.OpenName().isEmpty());
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(Stored("Path log aperto").toString(), QString());
    EXPECT_EQ(Stored("Nome log aperto").toString(), QString());
    EXPECT_EQ(Stored("Modificato").toInt(), 0);
}

TEST_F(LogCommandsTest, NewKeepsTheSwlMode)
{
    LoadWorking("zelk100;hrd\r\n" + kHeaderLines + "05.02.2006^1432^7^SSB^I1XYZ^59^MI^I2BBB^\r\n");
    ASSERT_TRUE(m_log.IsSwl());
    EXPECT_EQ(m_commands.New(), CommandOutcome::Done);
    EXPECT_TRUE(m_prompter.boxes.empty());  // not modified: no question
    EXPECT_TRUE(m_log.IsSwl());
    EXPECT_TRUE(m_tables.Stations().IsEmpty());
    EXPECT_EQ(Working(),
              "zelk100;hrd\r\nI2ABC\r\nMI\r\nMilano\r\nSWL\r\n\r\nMario\r\nVia Roma 1\r\n"
              "20100 Milano\r\n\r\n\r\n\r\n");
}

TEST_F(LogCommandsTest, OpenCopiesTheChosenLogAndLoadsIt)
{
    LoadWorking(kQsoLog);
    const QString chosen = m_logs.File(QStringLiteral("prova.zelk"));
    m_logs.Write(QStringLiteral("prova.zelk"), kOtherLog);
    m_prompter.files = {chosen};
    EXPECT_EQ(m_commands.Open(), CommandOutcome::Done);

    ASSERT_EQ(m_prompter.fileDialogs.size(), 1U);
    EXPECT_EQ(m_prompter.fileDialogs[0].kind, FileDialogKind::Open);
    EXPECT_EQ(m_prompter.fileDialogs[0].title, QStringLiteral("Apri log"));
    EXPECT_EQ(m_prompter.fileDialogs[0].filter, QStringLiteral("File log Zelkor (*.zelk)"));
    EXPECT_TRUE(m_prompter.fileDialogs[0].mustExist);
    EXPECT_TRUE(m_prompter.boxes.empty());  // not modified: no question

    EXPECT_EQ(Working(), kOtherLog);
    ASSERT_EQ(m_log.RowCount(), 1);
    EXPECT_EQ(m_log.Cell(0, QsoColumn::Callsign), "I5QQQ");
    EXPECT_EQ(m_document.OpenPath(), chosen);
    EXPECT_EQ(m_document.OpenName(), QStringLiteral("prova.zelk"));
    EXPECT_EQ(Stored("Path log aperto").toString(), chosen);
    EXPECT_EQ(Stored("Nome log aperto").toString(), QStringLiteral("prova.zelk"));
    EXPECT_EQ(m_context.recentFiles.Entries().value(0), chosen);
}

TEST_F(LogCommandsTest, FailedOpenChangesNothing)
{
    LoadWorking(kQsoLog);
    (void)m_document.SetOpenLog(QStringLiteral("/logs/gara.zelk"));
    (void)m_document.MarkModified();
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        {"missing", m_logs.File(QStringLiteral("manca.zelk"))},
        {"folder", m_logs.Path()},
        {"working file", m_folder.File(QStringLiteral("_ult.zelk"))},
    };
    for (const Case& c : cases) {
        m_prompter.boxes.clear();
        m_prompter.answers = {Answer::Yes};
        m_prompter.files = {c.path};
        EXPECT_EQ(m_commands.Open(), CommandOutcome::Failed) << c.name;
        ASSERT_EQ(m_prompter.boxes.size(), 2U) << c.name;
        EXPECT_EQ(m_prompter.boxes[1].title, QStringLiteral("Errore")) << c.name;
        EXPECT_TRUE(m_prompter.boxes[1].text.contains(c.path)) << c.name;
        EXPECT_EQ(Working(), kQsoLog) << c.name;
        EXPECT_EQ(m_log.RowCount(), 2) << c.name;
        EXPECT_EQ(m_document.OpenPath(), QStringLiteral("/logs/gara.zelk")) << c.name;
        EXPECT_TRUE(m_document.IsModified()) << c.name;
    }
}

TEST_F(LogCommandsTest, OpeningIsRefusedOnlyForBinaryFilesWithoutHeader)
{
    const QByteArray row = "05.02.2006^1500^7^CW^IW3ZZZ^599^MI^599^TO^\r\n";
    struct Case {
        const char* name;
        QByteArray bytes;
        // Rows on screen once opened; -1 when the file is refused.
        int rows;
    };
    static const char kProgram[] =
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\n\x01\0";
    const Case cases[] = {
        {"empty", QByteArray(), -1},
        {"program", QByteArray(kProgram, sizeof kProgram - 1), -1},
        {"zeros", QByteArray(512, '\0'), -1},
        {"NUL in a row without header", "05.02.2006^1432^7^SSB^I1" + QByteArray(1, '\0') + "^\r\n",
         -1},
        {"rows without header", row + "05.02.2006^1501^3,5^SSB^I1XYZ^59^MI^59^RM^\r\n", 2},
        {"bytes 0x80 to 0x9F",
         "zelk100;qso\r\nI2ABC\r\nMI\r\nMilano\r\nSOP\r\n\r\nM\x80\x8d\x9f\r\n\r\n\r\n\r\n"
         "\r\n\r\n05.02.2006^1500^7^CW^IW3\x81\x90\x9d^599^MI^599^TO^\r\n",
         1},
        {"NUL after the header", "zelk100;qso\r\n" + kHeaderLines + QByteArray(1, '\0') + row, 1},
    };
    for (const Case& c : cases) {
        m_log.DeleteAllRows();
        LoadWorking(kQsoLog);
        const QString openLog = m_logs.File(QStringLiteral("gara.zelk"));
        (void)m_document.SetOpenLog(openLog);
        (void)m_document.MarkModified();
        const QStringList recent = m_context.recentFiles.Entries();
        m_logs.Write(QStringLiteral("scelto.zelk"), c.bytes);
        const QString chosen = m_logs.File(QStringLiteral("scelto.zelk"));
        m_prompter.boxes.clear();
        m_prompter.answers = {Answer::Yes};
        m_prompter.files = {chosen};
        if (c.rows >= 0) {
            EXPECT_EQ(m_commands.Open(), CommandOutcome::Done) << c.name;
            EXPECT_EQ(m_prompter.boxes.size(), 1U) << c.name;  // the question alone
            EXPECT_EQ(Working(), c.bytes) << c.name;
            EXPECT_EQ(m_log.RowCount(), c.rows) << c.name;
            EXPECT_EQ(m_document.OpenPath(), chosen) << c.name;
            continue;
        }
        EXPECT_EQ(m_commands.Open(), CommandOutcome::Failed) << c.name;
        ASSERT_EQ(m_prompter.boxes.size(), 2U) << c.name;
        EXPECT_EQ(m_prompter.boxes[1].title, QStringLiteral("Errore")) << c.name;
        EXPECT_EQ(m_prompter.boxes[1].icon, MessageIcon::Stop) << c.name;
        const QString why =
            c.bytes.isEmpty() ? QStringLiteral("è vuoto") : QStringLiteral("contiene dati binari");
        EXPECT_EQ(m_prompter.boxes[1].text.toStdString(),
                  (QStringLiteral("Il file non è un log di Zelkor, perché ") + why + ":\n" +
                   chosen + QStringLiteral("\n\nIl log aperto resta com'era."))
                      .toStdString())
            << c.name;
        EXPECT_EQ(Working(), kQsoLog) << c.name;
        EXPECT_EQ(m_logs.Read(QStringLiteral("scelto.zelk")), c.bytes) << c.name;
        ASSERT_EQ(m_log.RowCount(), 2) << c.name;
        EXPECT_EQ(m_log.Cell(1, QsoColumn::Callsign), "IK0AAA") << c.name;
        EXPECT_EQ(m_document.OpenPath(), openLog) << c.name;
        EXPECT_TRUE(m_document.IsModified()) << c.name;
        EXPECT_EQ(m_context.recentFiles.Entries(), recent) << c.name;
        EXPECT_EQ(QDir(m_folder.Path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("_ult.zelk")})
            << c.name;
    }
}

TEST_F(LogCommandsTest, BinaryStartupLogIsRefusedAndTheWorkingFileStays)
{
    LoadWorking(kQsoLog);
    static const char kPicture[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
    m_logs.Write(QStringLiteral("immagine.zelk"), QByteArray(kPicture, sizeof kPicture - 1));
    m_context.startupLogPath = m_logs.File(QStringLiteral("immagine.zelk"));
    EXPECT_EQ(m_commands.OpenStartupLog(), CommandOutcome::Failed);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_TRUE(m_prompter.boxes[0].text.startsWith(
        QStringLiteral("Il file non è un log di Zelkor, perché contiene dati binari:\n")));
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_TRUE(m_document.OpenPath().isEmpty());
}

TEST_F(LogCommandsTest, WorkingFileThatHoldsNoLogLoadsWithoutTheOpenLog)
{
    // Another program's bytes under the working file's name: loaded as far as they go, but F4
    // must not put what was read from them in place of the log named in the title.
    m_logs.Write(QStringLiteral("gara.zelk"), kOtherLog);
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
    const QByteArray junk =
        "\x7f"
        "ELF" +
        QByteArray(1, '\0') + "^^\r\n";
    m_folder.Write(QStringLiteral("_ult.zelk"), junk);
    ASSERT_TRUE(m_commands.LoadWorkingFile());
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
    EXPECT_EQ(m_folder.Read(QStringLiteral("_ult.zelk.recupero")), junk);
    EXPECT_TRUE(m_document.OpenPath().isEmpty());
    EXPECT_EQ(Stored("Path log aperto").toString(), QString());
    EXPECT_EQ(m_commands.Save(), CommandOutcome::Cancelled);
    EXPECT_EQ(m_prompter.fileDialogs.size(), 1U);
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kOtherLog);

    // A log's working file keeps the open log, whatever its last line.
    m_log.DeleteAllRows();
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
    m_folder.Write(QStringLiteral("_ult.zelk"), kQsoLog + "05.02.2006^15");
    ASSERT_TRUE(m_commands.LoadWorkingFile());
    EXPECT_EQ(m_document.OpenName(), QStringLiteral("gara.zelk"));
}

TEST_F(LogCommandsTest, AMissingOrEmptyWorkingFileIsMadeAnewWithoutTheOpenLog)
{
    // The data folder was cleaned, or the file emptied, while the settings kept the open log:
    // F4 would have written the new, empty working file over it.
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty" : "missing");
        QFile::remove(m_folder.File(QStringLiteral("_ult.zelk")));
        if (empty) {
            m_folder.Write(QStringLiteral("_ult.zelk"), QByteArray());
        }
        m_prompter.boxes.clear();
        m_prompter.fileDialogs.clear();
        m_logs.Write(QStringLiteral("gara.zelk"), kQsoLog);
        (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
        ASSERT_TRUE(m_commands.LoadWorkingFile());

        EXPECT_EQ(m_log.RowCount(), 0);
        EXPECT_TRUE(Working().startsWith("zelk100;qso\r\n"));
        ASSERT_EQ(m_prompter.boxes.size(), 1U);
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Avviso"));
        EXPECT_EQ(m_prompter.boxes[0].text,
                  QStringLiteral("Il file di lavoro mancava o era vuoto: ne è stato creato uno "
                                 "nuovo, senza QSO:\n") +
                      m_folder.File(QStringLiteral("_ult.zelk")) +
                      QStringLiteral("\n\nIl log aperto l'ultima volta resta com'era:\n") +
                      m_logs.File(QStringLiteral("gara.zelk")) +
                      QStringLiteral("\n\nPer continuarlo, aprirlo con il comando 'Apri'."));
        EXPECT_TRUE(m_document.OpenPath().isEmpty());
        EXPECT_FALSE(m_document.IsModified());
        EXPECT_EQ(Stored("Path log aperto").toString(), QString());
        EXPECT_EQ(m_commands.Save(), CommandOutcome::Cancelled);
        EXPECT_EQ(m_prompter.fileDialogs.size(), 1U);
        EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kQsoLog);
    }

    // With no log named, as at the very first start, the new file is made without a word.
    ASSERT_TRUE(QFile::remove(m_folder.File(QStringLiteral("_ult.zelk"))));
    m_prompter.boxes.clear();
    ASSERT_TRUE(m_commands.LoadWorkingFile());
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_TRUE(Working().startsWith("zelk100;qso\r\n"));
}

TEST_F(LogCommandsTest, SaveInAnotherProgramFolderNeverWritesOverTheLogOpenInThisOne)
{
    LoadWorking(kQsoLog);
    m_logs.Write(QStringLiteral("gara.zelk"), kQsoLog);
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));

    // A second program folder with the same settings and a working file of its own.
    test::TempFolder secondFolder;
    secondFolder.Write(QStringLiteral("_ult.zelk"), kOtherLog);
    AppContext secondContext{test::ContextWithStore(m_config)};
    secondContext.programFolder = secondFolder.Path();
    LogDocument secondDocument{secondContext.store.get(),
                               secondFolder.File(QStringLiteral("_ult.zelk"))};
    LogCommands second(secondContext, secondDocument, m_prompter);
    ASSERT_TRUE(second.LoadWorkingFile());
    EXPECT_TRUE(secondDocument.OpenName().isEmpty());
    EXPECT_TRUE(secondDocument.IsModified());

    // "Salva" has no log of its own to write: it asks for a name.
    EXPECT_EQ(second.Save(), CommandOutcome::Cancelled);
    ASSERT_EQ(m_prompter.fileDialogs.size(), 1U);
    EXPECT_EQ(m_prompter.fileDialogs[0].kind, FileDialogKind::Save);
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kQsoLog);
}

TEST_F(LogCommandsTest, AnOpenedLogWithATornLastLineIsNamedInTheWarning)
{
    LoadWorking(kQsoLog);
    m_logs.Write(QStringLiteral("tagliato.zelk"), kQsoLog + "05.02.2006^15");
    const QString chosen = m_logs.File(QStringLiteral("tagliato.zelk"));
    m_prompter.files = {chosen};
    EXPECT_EQ(m_commands.Open(), CommandOutcome::Done);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text.toStdString(),
              (QStringLiteral("La parte finale del file ") + chosen +
               QStringLiteral(" è incompleta (manca il ritorno a capo finale, per esempio "
                              "perché il programma è stato interrotto mentre la scriveva) e "
                              "non è stata caricata tra le righe del log.\n\nParte messa da "
                              "parte: 13 byte, 1 riga.\nInizio: \"05.02.2006^15\"\n\nÈ "
                              "stata conservata, esattamente "
                              "com'era, nel file:\n") +
               m_folder.File(QStringLiteral("_ult.zelk.recupero")))
                  .toStdString());
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_EQ(m_logs.Read(QStringLiteral("tagliato.zelk")), kQsoLog + "05.02.2006^15");
}

TEST_F(LogCommandsTest, OpenQuestionWhenModifiedAndNoCancels)
{
    LoadWorking(kQsoLog);
    (void)m_document.MarkModified();
    m_prompter.answers = {Answer::No};
    EXPECT_EQ(m_commands.Open(), CommandOutcome::Cancelled);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text, LogCommands::OpenQuestionText());
    EXPECT_TRUE(
        m_prompter.boxes[0].text.endsWith(QStringLiteral("Vuoi continuare senza salvare?")));
    EXPECT_TRUE(m_prompter.fileDialogs.empty());
}

TEST_F(LogCommandsTest, SaveWithoutOpenLogIsSaveAsWithoutTheSuccessBox)
{
    LoadWorking(kQsoLog);
    (void)m_document.MarkModified();
    const QString chosen = m_logs.File(QStringLiteral("nuovo.zelk"));
    m_prompter.files = {chosen};
    EXPECT_EQ(m_commands.Save(), CommandOutcome::Done);
    ASSERT_EQ(m_prompter.fileDialogs.size(), 1U);
    const FileDialogRequest& dialog = m_prompter.fileDialogs[0];
    EXPECT_EQ(dialog.kind, FileDialogKind::Save);
    EXPECT_EQ(dialog.title, QStringLiteral("Salva il log corrente"));
    EXPECT_EQ(dialog.filter, QStringLiteral("File log Zelkor (*.zelk)"));
    EXPECT_EQ(dialog.defaultSuffix, QStringLiteral("zelk"));
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_EQ(m_logs.Read(QStringLiteral("nuovo.zelk")), kQsoLog);
    EXPECT_EQ(m_document.OpenName(), QStringLiteral("nuovo.zelk"));
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(Stored("Modificato").toInt(), 0);
}

TEST_F(LogCommandsTest, SaveReplacesTheOpenLogAndSaysSo)
{
    LoadWorking(kQsoLog);
    m_logs.Write(QStringLiteral("gara.zelk"), kOtherLog);
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
    (void)m_document.MarkModified();
    EXPECT_EQ(m_commands.Save(), CommandOutcome::Done);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Informazione"));
    EXPECT_EQ(m_prompter.boxes[0].text, QStringLiteral("Log salvato con successo"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kQsoLog);
    EXPECT_FALSE(m_document.IsModified());
}

const QByteArray kLaterRow = "05.02.2006^1500^7^SSB^I1XYZ^59^MI^59^RM^\r\n";
const QByteArray kEarlierRow = "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n";
const QByteArray kUnsortedLog = "zelk100;qso\r\n" + kHeaderLines + kLaterRow + kEarlierRow;
const QByteArray kSortedLog = "zelk100;qso\r\n" + kHeaderLines + kEarlierRow + kLaterRow;

TEST_F(LogCommandsTest, SaveAndSaveAsWriteTheRowsInTheOrderShown)
{
    struct Case {
        const char* name;
        QByteArray working;
        bool saveAs;
        // The named log once saved: the sorted log, or (when the sort moved nothing) a plain copy
        // of the working file, whose rows were already in order.
        QByteArray saved;
    };
    const QByteArray sortedWithoutHeader = kEarlierRow + kLaterRow;
    const Case cases[] = {
        {"Save", kUnsortedLog, false, kSortedLog},
        {"Save As", kUnsortedLog, true, kSortedLog},
        {"nothing moved", sortedWithoutHeader, false, sortedWithoutHeader},
    };
    for (const Case& c : cases) {
        m_log.DeleteAllRows();
        LoadWorking(c.working);
        m_logs.Write(QStringLiteral("gara.zelk"), kOtherLog);
        const QString named = m_logs.File(QStringLiteral("gara.zelk"));
        (void)m_document.ForgetOpenLog();
        if (!c.saveAs) {
            (void)m_document.SetOpenLog(named);
        }
        SortByDateTime(m_log);
        EXPECT_EQ(m_log.Cell(0, QsoColumn::Callsign), "IK0AAA") << c.name;
        // The sort alone writes nothing.
        EXPECT_EQ(Working(), c.working) << c.name;
        m_prompter.files = {named};
        EXPECT_EQ(c.saveAs ? m_commands.SaveAs() : m_commands.Save(), CommandOutcome::Done)
            << c.name;
        EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), c.saved) << c.name;
        EXPECT_EQ(Working(), c.saved) << c.name;
    }
}

TEST_F(LogCommandsTest, AFailedRewriteAfterASortIsReportedAndSavesNothing)
{
    LoadWorking(kUnsortedLog);
    m_logs.Write(QStringLiteral("gara.zelk"), kOtherLog);
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
    (void)m_document.MarkModified();
    SortByDateTime(m_log);
    test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
    {
        const ScopedFileCalls scoped(calls);
        EXPECT_EQ(m_commands.Save(), CommandOutcome::Failed);
    }
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Stop);
    EXPECT_EQ(m_prompter.boxes[0].text.toStdString(),
              (QStringLiteral("Impossibile scrivere il file di lavoro:\n") +
               m_folder.File(QStringLiteral("_ult.zelk")) +
               QStringLiteral("\n\nSpazio su disco esaurito."))
                  .toStdString());
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kOtherLog);
    EXPECT_EQ(Working(), kUnsortedLog);
    EXPECT_TRUE(m_document.IsModified());
    // Once the disk is healthy the same command writes the order shown.
    m_prompter.boxes.clear();
    EXPECT_EQ(m_commands.Save(), CommandOutcome::Done);
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kSortedLog);
}

TEST_F(LogCommandsTest, ClosingWritesARowTheWorkingFileMissedOrSaysItIsLost)
{
    const QString rewriteFailed = QStringLiteral("Impossibile scrivere il file di lavoro:\n") +
                                  m_folder.File(QStringLiteral("_ult.zelk")) +
                                  QStringLiteral("\n\nSpazio su disco esaurito.");
    struct Case {
        const char* name;
        bool modified;
        bool missedRow;
        bool diskStillFull;
        Answer answer;
        std::vector<QString> asked;  // error text or question, in order
        bool mayClose;
    };
    const Case cases[] = {
        {"saved log", false, false, false, Answer::No, {}, true},
        {"unsaved log, yes",
         true,
         false,
         false,
         Answer::Yes,
         {LogCommands::CloseQuestionText()},
         true},
        {"unsaved log, no",
         true,
         false,
         false,
         Answer::No,
         {LogCommands::CloseQuestionText()},
         false},
        {"missed row written at close",
         true,
         true,
         false,
         Answer::Yes,
         {LogCommands::CloseQuestionText()},
         true},
        {"missed row, disk still full, yes",
         true,
         true,
         true,
         Answer::Yes,
         {rewriteFailed, LogCommands::RowsLostOnCloseQuestionText()},
         true},
        {"missed row, disk still full, no",
         true,
         true,
         true,
         Answer::No,
         {rewriteFailed, LogCommands::RowsLostOnCloseQuestionText()},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadWorking(kQsoLog);
        (void)(c.modified ? m_document.MarkModified() : m_document.MarkClean());
        const std::vector<std::string> row = {"05.02.2006", "1434", "7",  "SSB", "I1NEW",
                                              "59",         "59",   "RM", "Roma"};
        test::FaultyFileCalls full(test::FaultPlan{test::FileCall::Write, 1, ENOSPC,
                                                   test::Fault::Error,
                                                   test::FaultPersistence::FromThenOn});
        if (c.missedRow) {
            const ScopedFileCalls scoped(full);
            EXPECT_FALSE(m_document.AppendRows({row}, m_context.summary));
        }
        m_prompter.answers = {c.answer};
        bool mayClose = false;
        if (c.diskStillFull) {
            const ScopedFileCalls scoped(full);
            mayClose = m_commands.MayClose();
        } else {
            mayClose = m_commands.MayClose();
        }
        EXPECT_EQ(mayClose, c.mayClose);
        std::vector<QString> asked;
        for (const auto& box : m_prompter.boxes) {
            asked.push_back(box.text);
            // Enter must not lose rows by reflex; the ordinary question keeps Yes.
            EXPECT_EQ(box.noIsDefault, box.text == LogCommands::RowsLostOnCloseQuestionText());
        }
        EXPECT_EQ(asked, c.asked);
        if (c.missedRow && !c.diskStillFull) {
            EXPECT_TRUE(Working().endsWith("05.02.2006^1434^7^SSB^I1NEW^59^MI^59^RM^\r\n"))
                << Working().toStdString();
        }
        m_prompter.boxes.clear();
        m_prompter.answers.clear();
    }
}

// A disk that is full under one folder only: nothing can be created or written there.
class FolderFullCalls : public FileCalls {
public:
    // The folder is given with its final '/'.
    explicit FolderFullCalls(QString folder) : m_folder(std::move(folder)) {}

    int Open(const char* path, int flags, mode_t mode) override
    {
        if ((flags & (O_WRONLY | O_RDWR | O_CREAT)) != 0 &&
            QString::fromLocal8Bit(path).startsWith(m_folder)) {
            errno = ENOSPC;
            return -1;
        }
        return FileCalls::Open(path, flags, mode);
    }

private:
    QString m_folder;
};

TEST_F(LogCommandsTest, SaveAsGetsTheRowsShownOffAFullDiskAsACopy)
{
    LoadWorking(kQsoLog);
    m_logs.Write(QStringLiteral("gara.zelk"), kQsoLog);
    (void)m_document.SetOpenLog(m_logs.File(QStringLiteral("gara.zelk")));
    const std::vector<std::string> row = {"05.02.2006", "1434", "7",  "SSB", "I1NEW",
                                          "59",         "59",   "RM", "Roma"};
    const QByteArray shown = kQsoLog + "05.02.2006^1434^7^SSB^I1NEW^59^MI^59^RM^\r\n";
    const QString workingFileFull = QStringLiteral("Impossibile scrivere il file di lavoro:\n") +
                                    m_folder.File(QStringLiteral("_ult.zelk")) +
                                    QStringLiteral("\n\nSpazio su disco esaurito.");
    const QString copy = m_logs.File(QStringLiteral("copia.zelk"));
    const QString copyOnTheFullDisk = m_folder.File(QStringLiteral("copia.zelk"));
    FolderFullCalls full(m_folder.Path());
    {
        const ScopedFileCalls scoped(full);
        ASSERT_FALSE(m_document.AppendRows({row}, m_context.summary));
        (void)m_document.MarkModified();
        m_prompter.files = {copy};
        EXPECT_EQ(m_commands.SaveAs(), CommandOutcome::Done);
        m_prompter.files = {copyOnTheFullDisk};
        EXPECT_EQ(m_commands.SaveAs(), CommandOutcome::Failed);
    }
    EXPECT_EQ(m_logs.Read(QStringLiteral("copia.zelk")), shown);
    EXPECT_FALSE(QFile::exists(copyOnTheFullDisk));
    // Only a copy: the open log, its flag and the working file are as before.
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_EQ(m_document.OpenName(), QStringLiteral("gara.zelk"));
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), kQsoLog);

    ASSERT_EQ(m_prompter.boxes.size(), 3U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
    EXPECT_EQ(m_prompter.boxes[0].text.toStdString(),
              (workingFileFull +
               QStringLiteral("\n\nTutte le righe del log sono state scritte comunque nel "
                              "file:\n") +
               copy +
               QStringLiteral("\n\nÈ una copia: il log in uso non prende il suo nome e il "
                              "file di lavoro resta incompleto finché non si può scriverlo."))
                  .toStdString());
    EXPECT_EQ(m_prompter.boxes[1].title, QStringLiteral("Errore"));
    EXPECT_EQ(m_prompter.boxes[1].text, workingFileFull);
    EXPECT_EQ(m_prompter.boxes[2].text.toStdString(),
              (QStringLiteral("Impossibile scrivere il file:\n") + copyOnTheFullDisk +
               QStringLiteral("\n\nSpazio su disco esaurito."))
                  .toStdString());

    // Once the disk has room, Save writes everything shown over the open log.
    m_prompter.boxes.clear();
    EXPECT_EQ(m_commands.Save(), CommandOutcome::Done);
    EXPECT_EQ(m_logs.Read(QStringLiteral("gara.zelk")), shown);
}

TEST_F(LogCommandsTest, OpenAfterASortSavesTheOpenedBytesUnchanged)
{
    LoadWorking(kUnsortedLog);
    SortByDateTime(m_log);
    // A log without header would come out with one if Save rewrote the working file.
    const QByteArray bare = kLaterRow + kEarlierRow;
    m_logs.Write(QStringLiteral("nudo.zelk"), bare);
    m_prompter.files = {m_logs.File(QStringLiteral("nudo.zelk"))};
    ASSERT_EQ(m_commands.Open(), CommandOutcome::Done);
    ASSERT_EQ(m_commands.Save(), CommandOutcome::Done);
    EXPECT_EQ(m_logs.Read(QStringLiteral("nudo.zelk")), bare);
    EXPECT_EQ(Working(), bare);
}

TEST_F(LogCommandsTest, SaveAsRefusesProgramFilesAndUnwritablePlaces)
{
    LoadWorking(kQsoLog);
    m_folder.Write(QStringLiteral("_prov.cod"), "RM ROMA\r\n");
    m_logs.Write(QStringLiteral("file"), "x");
    (void)m_document.MarkModified();
    const QString cases[] = {
        m_folder.File(QStringLiteral("_ult.zelk")),
        m_folder.File(QStringLiteral("_prov.cod")),
        m_folder.Path() + QStringLiteral("../") + QFileInfo(m_folder.Path()).dir().dirName() +
            QStringLiteral("/_prov.cod"),
        m_logs.File(QStringLiteral("file/gara.zelk")),  // a folder that is a file
        m_logs.Path(),                                  // a folder
    };
    for (const QString& path : cases) {
        m_prompter.boxes.clear();
        m_prompter.files = {path};
        EXPECT_EQ(m_commands.SaveAs(), CommandOutcome::Failed) << path.toStdString();
        ASSERT_EQ(m_prompter.boxes.size(), 1U) << path.toStdString();
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
        EXPECT_TRUE(m_document.OpenPath().isEmpty());
        EXPECT_TRUE(m_document.IsModified());
    }
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_EQ(m_folder.Read(QStringLiteral("_prov.cod")), QByteArray("RM ROMA\r\n"));
    EXPECT_EQ(m_logs.Read(QStringLiteral("file")), QByteArray("x"));
}

TEST_F(LogCommandsTest, StartupLogIsOpenedOnceWithoutDialog)
{
    LoadWorking(kQsoLog);
    m_logs.Write(QStringLiteral("riga.zelk"), kOtherLog);
    m_context.startupLogPath = m_logs.File(QStringLiteral("riga.zelk"));
    EXPECT_EQ(m_commands.OpenStartupLog(), CommandOutcome::Done);
    EXPECT_TRUE(m_prompter.fileDialogs.empty());
    EXPECT_TRUE(m_context.startupLogPath.isEmpty());
    EXPECT_EQ(m_document.OpenName(), QStringLiteral("riga.zelk"));
    EXPECT_EQ(Working(), kOtherLog);
}

TEST_F(LogCommandsTest, UnreadableStartupLogKeepsTheWorkingFile)
{
    LoadWorking(kQsoLog);
    m_context.startupLogPath = m_logs.File(QStringLiteral("manca.zelk"));
    EXPECT_EQ(m_commands.OpenStartupLog(), CommandOutcome::Failed);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_TRUE(m_context.startupLogPath.isEmpty());

    // With unsaved rows the command line asks first, and No keeps the working file.
    m_logs.Write(QStringLiteral("riga.zelk"), kOtherLog);
    m_context.startupLogPath = m_logs.File(QStringLiteral("riga.zelk"));
    (void)m_document.MarkModified();
    m_prompter.boxes.clear();
    m_prompter.answers = {Answer::No};
    EXPECT_EQ(m_commands.OpenStartupLog(), CommandOutcome::Cancelled);
    EXPECT_EQ(m_prompter.boxes.at(0).text, LogCommands::OpenQuestionText());
    EXPECT_EQ(Working(), kQsoLog);

    // A file that can't be opened anyway is told without that question first.
    for (const QString& name : {QStringLiteral("manca.zelk"), QStringLiteral("vuoto.zelk")}) {
        m_logs.Write(QStringLiteral("vuoto.zelk"), QByteArray());
        m_context.startupLogPath = m_logs.File(name);
        m_prompter.boxes.clear();
        EXPECT_EQ(m_commands.OpenStartupLog(), CommandOutcome::Failed);
        ASSERT_EQ(m_prompter.boxes.size(), 1U) << name.toStdString();
        EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
        EXPECT_TRUE(m_prompter.boxes[0].text.contains(m_logs.File(name)));
        EXPECT_EQ(Working(), kQsoLog);
        EXPECT_TRUE(m_document.IsModified());
    }
}

}  // namespace
}  // namespace zelkor

namespace zelkor {
namespace {

TEST_F(LogCommandsTest, SummaryDataToSwlEmptiesTheLogAndForgetsTheOpenLog)
{
    LoadWorking(kQsoLog);
    (void)m_document.SetOpenLog(QStringLiteral("/logs/gara.zelk"));
    (void)m_document.MarkModified();
    SummaryData summary = m_context.summary;
    summary.category = "SWL";
    // The two rows would go: the command asks, and No changes nothing at all.
    m_prompter.answers = {Answer::No};
    EXPECT_EQ(m_commands.ApplySummaryData(summary), SummaryOutcome::Cancelled);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Richiesta conferma"));
    EXPECT_EQ(m_prompter.boxes[0].text, LogCommands::ModeSwitchQuestionText(true, 2));
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(QStringLiteral("i 2 QSO")));
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_EQ(Working(), kQsoLog);
    EXPECT_EQ(ReadSummaryData(*m_context.store).category, "SOP");

    // Confirmed in the dialog: no second question.
    m_prompter.boxes.clear();
    EXPECT_EQ(m_commands.ApplySummaryData(summary, true), SummaryOutcome::LayoutSwitched);
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_TRUE(m_log.IsSwl());
    EXPECT_EQ(m_log.RowCount(), 0);
    EXPECT_TRUE(m_tables.Provinces().IsEmpty());
    EXPECT_TRUE(m_document.OpenName().isEmpty());
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(Working(),
              "zelk100;hrd\r\nI2ABC\r\nMI\r\nMilano\r\nSWL\r\n\r\nMario\r\nVia Roma 1\r\n"
              "20100 Milano\r\n\r\n\r\n\r\n");
    EXPECT_EQ(ReadSummaryData(*m_context.store).category, "SWL");
    EXPECT_EQ(Stored("Nome log aperto").toString(), QString());
}

TEST_F(LogCommandsTest, UnchangedSummaryDataLeavesTheLogUnmodified)
{
    LoadWorking(kQsoLog);
    EXPECT_EQ(m_commands.ApplySummaryData(m_context.summary), SummaryOutcome::Applied);
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(Working(), kQsoLog);
}

TEST_F(LogCommandsTest, SummaryDataWithinTheSameModeKeepsTheRows)
{
    LoadWorking(kQsoLog);
    SummaryData summary = m_context.summary;
    summary.province = "TO";
    summary.category = "S40";
    EXPECT_EQ(m_commands.ApplySummaryData(summary), SummaryOutcome::Applied);
    EXPECT_EQ(m_log.RowCount(), 2);
    EXPECT_TRUE(m_document.IsModified());  // the saved log has the old header
    EXPECT_EQ(Stored("Modificato").toInt(), 1);
    EXPECT_TRUE(m_prompter.boxes.empty());
    // The new own province goes into every row of the rewritten working file.
    EXPECT_TRUE(Working().contains("^59^TO^59^RM^\r\n"));
    EXPECT_TRUE(Working().contains("\r\nTO\r\nMilano\r\nS40\r\n"));
}

}  // namespace
}  // namespace zelkor
