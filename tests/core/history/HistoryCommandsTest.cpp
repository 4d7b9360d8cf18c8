// The call-history commands as the menu runs them: files chosen together, the report, what
// "_storico.cod" holds afterwards byte for byte, the shared file written by the export, and
// nothing written when the operator cancels.

#include "HistoryTestSupport.h"
#include "core/commands/AppContext.h"
#include "core/commands/HistoryCommands.h"
#include "core/history/CallHistoryFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

using test::ReadTestData;

class HistoryCommandsTest : public ::testing::Test {
protected:
    HistoryCommandsTest()
    {
        m_context.programFolder = m_program.Path();
        m_context.provinces = test::ShippedProvinces();
    }

    QString Source(const char* testData)
    {
        const QString name = QString::fromLatin1(testData);
        m_files.Write(name, ReadTestData(name));
        return m_files.File(name);
    }
    QByteArray HistoryFile() const { return m_program.Read(QStringLiteral("_storico.cod")); }
    bool HistoryFileExists() const
    {
        return QFile::exists(m_program.File(QStringLiteral("_storico.cod")));
    }

    test::TempFolder m_program;
    test::TempFolder m_files;
    AppContext m_context;
    test::ScriptedPrompter m_prompter;
};

TEST_F(HistoryCommandsTest, FilesOfEveryFormatChosenTogetherAreMergedNewestFirst)
{
    // Held from an earlier import: I1ABC's contact of 2005 is older than the one in the file of
    // 2024 below; IK0GGG's of 2030 is newer than any.
    m_context.history.Merge({"I1ABC", "AL", "20000101"});
    m_context.history.Merge({"IK0GGG", "LT", "20300101"});
    m_files.Write(QStringLiteral("recente.cbr"),
                  "START-OF-LOG: 3.0\r\n"
                  "QSO: 7000 CW 2024-02-05 0800 IZ1AAA 599 TO I1ABC 599 TO\r\n"
                  "QSO: 7000 CW 2024-02-05 0801 IZ1AAA 599 TO IK2BBB 599 CO\r\n"
                  "END-OF-LOG:\r\n");
    m_prompter.fileLists = {QStringList{Source("export-qso.zelk"), Source("history-other.cbr"),
                                        Source("history-other.adi"), Source("history-shared.txt"),
                                        m_files.File(QStringLiteral("recente.cbr"))}};

    ASSERT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Done);

    ASSERT_EQ(m_prompter.fileDialogs.size(), 1U);
    EXPECT_EQ(m_prompter.fileDialogs[0].title,
              QStringLiteral("Scegli i file da importare nello storico nominativi"));
    EXPECT_EQ(m_prompter.fileDialogs[0].kind, FileDialogKind::Open);
    EXPECT_TRUE(m_prompter.itemChoices.empty());
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Informazione"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Information);
    // Contacts: 8 + 5 + 3 + 3 + 2. Added: the eight of the log but I1ABC, IK2BBB, I5CCC,
    // IV3HHH. Updated: I1ABC (AL to TO). IK2BBB comes as MI, BG, MI (dated), MI (undated)
    // and CO (5 February): CO, the newest. IK0GGG keeps LT, held with a newer date.
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Storico nominativi\n\nFile letti: 5\nContatti letti: 21\n"
                             "Nominativi aggiunti: 10\nNominativi aggiornati: 1\n"
                             "Righe scartate: 13\n"));
    EXPECT_EQ(HistoryFile(), QByteArray("I1ABC TO 20240205\r\n"
                                        "I5CCC FI 20240204\r\n"
                                        "I5XYZ FI 20051204\r\n"
                                        "I6AAA PE 20051204\r\n"
                                        "I7BBB BA 20051204\r\n"
                                        "I8CCC NA 20051204\r\n"
                                        "IK0GGG LT 20300101\r\n"
                                        "IK2BBB CO 20240205\r\n"
                                        "IK8QQQ NA 20051203\r\n"
                                        "IV3HHH UD 20240204\r\n"
                                        "IW3ABC PD 20051203\r\n"
                                        "IZ2XYZ/P MI 20051203\r\n"));
    CallHistory onDisk;
    ParseCallHistoryFile(HistoryFile(), onDisk);
    EXPECT_EQ(m_context.history, onDisk);
}

TEST_F(HistoryCommandsTest, TheProvinceColumnIsAskedForWhenItIsNotObvious)
{
    m_prompter.fileLists = {QStringList{Source("history-shared-two-columns.txt")}};
    m_prompter.items = {1};
    ASSERT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Done);
    ASSERT_EQ(m_prompter.itemChoices.size(), 1U);
    const ItemChoiceRequest& choice = m_prompter.itemChoices[0];
    EXPECT_EQ(choice.title, QStringLiteral("Storico nominativi"));
    EXPECT_EQ(choice.label, QStringLiteral("Il file\n") +
                                m_files.File(QStringLiteral("history-shared-two-columns.txt")) +
                                QStringLiteral("\nha più colonne con sigle di provincia.\n\n"
                                               "Quale colonna contiene la provincia?"));
    EXPECT_EQ(choice.items, (QStringList{QStringLiteral("Loc1 (es. MI, FI, RM)"),
                                         QStringLiteral("Exch1 (es. BG, FI, LT)")}));
    EXPECT_EQ(choice.current, 0);
    EXPECT_EQ(HistoryFile(), QByteArray("I5CCC FI\r\nIK0GGG LT\r\nIK2BBB BG\r\n"));
}

TEST_F(HistoryCommandsTest, AFileWithoutProvincesAsksTooAndSkipsEveryLine)
{
    m_files.Write(QStringLiteral("nomi.txt"), "!!Order!!,Call,Name\r\nIK0ABC,Mario\r\n");
    m_prompter.fileLists = {QStringList{m_files.File(QStringLiteral("nomi.txt"))}};
    m_prompter.items = {0};
    EXPECT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Unchanged);
    ASSERT_EQ(m_prompter.itemChoices.size(), 1U);
    EXPECT_EQ(m_prompter.itemChoices[0].label,
              QStringLiteral("Il file\n") + m_files.File(QStringLiteral("nomi.txt")) +
                  QStringLiteral("\nnon ha una colonna con sigle di provincia.\n\n"
                                 "Quale colonna contiene la provincia?"));
    EXPECT_EQ(m_prompter.itemChoices[0].items, QStringList{QStringLiteral("Name (es. Mario)")});
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(QStringLiteral("File letti: 1\n")));
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(QStringLiteral("Righe scartate: 1\n")));
    EXPECT_FALSE(HistoryFileExists());
}

TEST_F(HistoryCommandsTest, CancellingWritesNothing)
{
    m_context.history.Merge({"I1ABC", "AL", "20000101"});
    const CallHistory before = m_context.history;
    // The file dialog cancelled.
    EXPECT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Cancelled);
    // The column choice of the second file cancelled, after a first file was read.
    m_prompter.fileLists = {
        QStringList{Source("export-qso.cbr"), Source("history-shared-two-columns.txt")}};
    EXPECT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Cancelled);
    EXPECT_EQ(m_prompter.itemChoices.size(), 1U);
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_FALSE(HistoryFileExists());
    EXPECT_EQ(m_context.history, before);
}

TEST_F(HistoryCommandsTest, FilesWithNothingNewLeaveTheFileAlone)
{
    m_files.Write(QStringLiteral("province.txt"), "MI Milano\r\nRM Roma\r\n");
    m_prompter.fileLists = {QStringList{m_files.File(QStringLiteral("province.txt")),
                                        m_files.File(QStringLiteral("manca.cbr"))}};
    EXPECT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Unchanged);
    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Errore"));
    EXPECT_TRUE(m_prompter.boxes[0].text.startsWith(QStringLiteral("Errore apertura file:\n") +
                                                    m_files.File(QStringLiteral("manca.cbr"))));
    EXPECT_EQ(m_prompter.boxes[1].text,
              QStringLiteral("Storico nominativi\n\nFile letti: 0\nContatti letti: 0\n"
                             "Nominativi aggiunti: 0\nNominativi aggiornati: 0\n"
                             "Righe scartate: 0\nFile di formato non riconosciuto: 1\n\n"
                             "Attenzione!\nNessuno dei file scelti è un log o un file di "
                             "storico che il programma sa leggere."));
    EXPECT_FALSE(HistoryFileExists());
}

TEST_F(HistoryCommandsTest, AFileReadWithoutStationsIsToldApartFromAnUnknownOne)
{
    m_files.Write(QStringLiteral("estero.cbr"),
                  "QSO: 7000 CW 2024-02-04 0800 I1ABC 599 TO DL1XYZ 599 001\r\n");
    m_files.Write(QStringLiteral("province.txt"), "MI Milano\r\n");
    m_prompter.fileLists = {QStringList{m_files.File(QStringLiteral("estero.cbr")),
                                        m_files.File(QStringLiteral("province.txt"))}};
    EXPECT_EQ(ImportCallHistory(m_context, m_prompter), HistoryOutcome::Unchanged);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Storico nominativi\n\nFile letti: 1\nContatti letti: 0\n"
                             "Nominativi aggiunti: 0\nNominativi aggiornati: 0\n"
                             "Righe scartate: 1\nFile di formato non riconosciuto: 1\n\n"
                             "Attenzione!\nNei file scelti non c'è nessun nominativo con una "
                             "provincia valida."));
    EXPECT_FALSE(HistoryFileExists());
}

TEST_F(HistoryCommandsTest, TheExportWritesTheSharedFormAndNeverAProgramFile)
{
    EXPECT_EQ(ExportCallHistory(m_context, m_prompter), HistoryOutcome::Unchanged);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Lo storico nominativi è vuoto: non c'è niente da esportare."));
    EXPECT_TRUE(m_prompter.fileDialogs.empty());

    m_context.history.Merge({"IZ2XYZ/P", "MI", "20240204"});
    m_context.history.Merge({"I1ABC", "TO", ""});
    m_prompter.boxes.clear();
    m_prompter.files = {m_files.File(QStringLiteral("storico.txt")),
                        m_program.File(QStringLiteral("_storico.cod"))};
    EXPECT_EQ(ExportCallHistory(m_context, m_prompter), HistoryOutcome::Done);
    const FileDialogRequest& request = m_prompter.fileDialogs.at(0);
    EXPECT_EQ(request.kind, FileDialogKind::Save);
    EXPECT_EQ(request.title, QStringLiteral("Esporta storico nominativi"));
    EXPECT_EQ(request.filter, QStringLiteral("File storico (*.txt)"));
    EXPECT_EQ(request.proposedName, QStringLiteral("storico.txt"));
    EXPECT_TRUE(m_prompter.boxes.empty());
    EXPECT_EQ(m_files.Read(QStringLiteral("storico.txt")),
              QByteArray("!!Order!!,Call,Exch1\r\nI1ABC,TO\r\nIZ2XYZ/P,MI\r\n"));

    EXPECT_EQ(ExportCallHistory(m_context, m_prompter), HistoryOutcome::Failed);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Non si può esportare lo storico su un file del programma:\n") +
                  m_program.File(QStringLiteral("_storico.cod")) +
                  QStringLiteral("\n\nScegliere un altro nome."));
    EXPECT_FALSE(HistoryFileExists());
}

TEST_F(HistoryCommandsTest, EmptyingAsksFirst)
{
    m_context.history.Merge({"I1ABC", "TO", ""});
    m_context.history.Merge({"IK0ABC", "RM", ""});
    m_program.Write(QStringLiteral("_storico.cod"), CallHistoryFileBytes(m_context.history));

    m_prompter.answers = {Answer::No};
    EXPECT_EQ(ClearCallHistory(m_context, m_prompter), HistoryOutcome::Cancelled);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Richiesta conferma"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Question);
    EXPECT_EQ(m_prompter.boxes[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_prompter.boxes[0].text,
              QStringLiteral("Vuoi svuotare lo storico nominativi?\n\n"
                             "Saranno cancellati tutti i 2 nominativi con la loro provincia."));
    EXPECT_EQ(m_context.history.Size(), 2);
    EXPECT_EQ(HistoryFile(), QByteArray("I1ABC TO\r\nIK0ABC RM\r\n"));

    m_prompter.answers = {Answer::Yes};
    EXPECT_EQ(ClearCallHistory(m_context, m_prompter), HistoryOutcome::Done);
    EXPECT_TRUE(m_context.history.IsEmpty());
    EXPECT_TRUE(HistoryFileExists());
    EXPECT_EQ(HistoryFile(), QByteArray());

    m_prompter.boxes.clear();
    EXPECT_EQ(ClearCallHistory(m_context, m_prompter), HistoryOutcome::Unchanged);
    ASSERT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.boxes[0].text, QStringLiteral("Lo storico nominativi è già vuoto."));
}

}  // namespace
}  // namespace zelkor
