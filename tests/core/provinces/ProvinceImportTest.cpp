#include "core/commands/ProvinceImport.h"

#include "ProvinceTestHelpers.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zelkor {
namespace {

using test::Entries;
using test::ProvinceEntries;

const QString kQuestion = QStringLiteral(
    u"Il file di testo con l'elenco delle province italiane\n"
    u"deve avere la sigla di 2 lettere ad inizio riga, poi uno spazio\n"
    u"e quindi il nome della provincia.\n\n"
    u"Eventuali righe iniziali e finali di diverso formato non sono\n"
    u"un problema perché sono automaticamente ignorate.\n\n"
    u"Vuoi continuare ed importare l'elenco province?");

const QString kNothingImported = QStringLiteral(
    "Sono stati importate le sigle ed i nomi\ndi 0 province italiane.\n\n"
    "Attenzione!\nForse il file era binario o in formato non valido!");

void ExpectBox(const MessageBox& box, const QString& title, const QString& text, MessageIcon icon,
               MessageButtons buttons)
{
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, icon);
    EXPECT_EQ(box.buttons, buttons);
}

class ProvinceImportTest : public ::testing::Test {
protected:
    ProvinceImportTest()
    {
        m_table.SetName(ProvinceIndexOf("RM"), "ROMA");
        m_table.SetName(ProvinceIndexOf("MI"), "Milano");
        m_before = m_table;
    }

    ImportOutcome Run() { return ImportProvinceList(m_prompter, m_table, ProvinceFilePath()); }
    QString ProvinceFilePath() const { return m_folder.File(QStringLiteral("_prov.cod")); }

    test::TempFolder m_folder;
    test::ScriptedPrompter m_prompter;
    ProvinceTable m_table;
    ProvinceTable m_before;
};

TEST_F(ProvinceImportTest, ImportsMergesSavesAndAsksForTheList)
{
    m_folder.Write("elenco.txt",
                   "Province italiane\r\n\r\nMI MILANO CITTA\r\n  to torino  \r\n"
                   "MI Milano\r\nfine");
    m_prompter.answers = {Answer::Yes};
    m_prompter.files = {m_folder.File("elenco.txt")};

    EXPECT_EQ(Run(), ImportOutcome::OpenProvinceList);

    ASSERT_EQ(m_prompter.boxes.size(), 2U);
    ExpectBox(m_prompter.boxes[0], QStringLiteral("Informazione"), kQuestion,
              MessageIcon::Information, MessageButtons::YesNo);
    // The accented letter must survive the source file's encoding.
    EXPECT_TRUE(m_prompter.boxes[0].text.contains(QChar(0x00E9)));
    ExpectBox(
        m_prompter.boxes[1], QStringLiteral("Informazione"),
        QStringLiteral("Sono stati importate le sigle ed i nomi\ndi 3 province italiane.\n\n"),
        MessageIcon::Information, MessageButtons::Ok);

    ASSERT_EQ(m_prompter.fileDialogs.size(), 1U);
    const FileDialogRequest& dialog = m_prompter.fileDialogs[0];
    EXPECT_EQ(dialog.kind, FileDialogKind::Open);
    EXPECT_EQ(dialog.title, QStringLiteral("Scegli file di testo con elenco Province"));
    EXPECT_EQ(dialog.filter, QStringLiteral("Tutti i documenti (*)"));
    EXPECT_TRUE(dialog.mustExist);

    const ProvinceEntries expected = {{"MI", "MILANO"}, {"RM", "ROMA"}, {"TO", "TORINO"}};
    EXPECT_EQ(Entries(m_table), expected);
    EXPECT_EQ(m_folder.Read("_prov.cod").toStdString(), "MI MILANO\r\nRM ROMA\r\nTO TORINO\r\n");
}

TEST_F(ProvinceImportTest, NamesSavedInUtf8KeepTheirAccentedLetters)
{
    m_folder.Write("elenco.txt", "FC Forl\xC3\xAC-Cesena\nAO Valle d'Aosta\n");
    m_prompter.answers = {Answer::Yes};
    m_prompter.files = {m_folder.File("elenco.txt")};

    EXPECT_EQ(Run(), ImportOutcome::OpenProvinceList);
    EXPECT_EQ(m_table.ProvinceNameOf("FC"), "FORL\xEC-CESENA");
    EXPECT_EQ(m_folder.Read("_prov.cod").toStdString(),
              "AO VALLE D'AOSTA\r\nFC FORL\xEC-CESENA\r\nMI Milano\r\nRM ROMA\r\n");
}

TEST_F(ProvinceImportTest, NoEndsTheCommand)
{
    m_prompter.answers = {Answer::No};
    m_prompter.files = {m_folder.File("elenco.txt")};
    EXPECT_EQ(Run(), ImportOutcome::Cancelled);
    EXPECT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_TRUE(m_prompter.fileDialogs.empty());
    EXPECT_EQ(m_table, m_before);
}

TEST_F(ProvinceImportTest, CancelledFileDialogEndsTheCommand)
{
    m_prompter.answers = {Answer::Yes};
    m_prompter.files = {std::nullopt};
    EXPECT_EQ(Run(), ImportOutcome::Cancelled);
    EXPECT_EQ(m_prompter.boxes.size(), 1U);
    EXPECT_EQ(m_prompter.fileDialogs.size(), 1U);
    EXPECT_EQ(m_table, m_before);
    EXPECT_FALSE(QFile::exists(ProvinceFilePath()));
}

TEST_F(ProvinceImportTest, SourceThatCannotBeOpened)
{
    // A folder, a file that vanished between the dialog and the reading, and a pipe (which
    // would block a plain open for ever).
    const QString pipe = m_folder.File(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, QString> cases[] = {
        {m_folder.Path() + QStringLiteral("elenchi"),
         QStringLiteral("Il percorso indica una cartella, non un file.")},
        {m_folder.File(QStringLiteral("sparito.txt")), QStringLiteral("Il file non esiste.")},
        {pipe, QStringLiteral("Il percorso non indica un file normale (è una pipe, un "
                              "dispositivo o un socket).")},
    };
    for (const auto& [source, reason] : cases) {
        QDir(m_folder.Path()).mkdir(QStringLiteral("elenchi"));
        m_prompter.boxes.clear();
        m_prompter.answers = {Answer::Yes};
        m_prompter.files = {source};

        EXPECT_EQ(Run(), ImportOutcome::SourceNotOpened);
        ASSERT_EQ(m_prompter.boxes.size(), 2U);
        ExpectBox(
            m_prompter.boxes[1], QStringLiteral("Errore"),
            QStringLiteral("Errore apertura file:\n") + source + QStringLiteral("\n\n") + reason,
            MessageIcon::Stop, MessageButtons::Ok);
        EXPECT_EQ(m_table, m_before);
        EXPECT_FALSE(QFile::exists(ProvinceFilePath()));
    }
}

TEST_F(ProvinceImportTest, NothingAcceptedWritesNothing)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } sources[] = {
        {"empty", QByteArray()},
        {"binary", QByteArray("\x7F"
                              "ELF\x02\x01\x01\x00\x00\x00\r\n\x00\x01MI",
                              16)},
        {"other layout", QByteArray("Milano;MI\r\nRoma;RM\r\n")},
    };
    m_folder.Write("_prov.cod", "MI MILANO\r\n");
    for (const auto& source : sources) {
        m_folder.Write("elenco.txt", source.bytes);
        m_prompter.boxes.clear();
        m_prompter.answers = {Answer::Yes};
        m_prompter.files = {m_folder.File("elenco.txt")};

        EXPECT_EQ(Run(), ImportOutcome::NothingImported) << source.name;
        ASSERT_EQ(m_prompter.boxes.size(), 2U) << source.name;
        ExpectBox(m_prompter.boxes[1], QStringLiteral("Informazione"), kNothingImported,
                  MessageIcon::Information, MessageButtons::Ok);
        EXPECT_EQ(m_table, m_before) << source.name;
        EXPECT_EQ(m_folder.Read("_prov.cod"), QByteArray("MI MILANO\r\n")) << source.name;
    }
}

TEST_F(ProvinceImportTest, SaveFailureKeepsTheMergedTable)
{
    m_folder.Write("elenco.txt", "TO Torino\r\n");
    m_folder.Write("plain", "not a folder");
    m_prompter.answers = {Answer::Yes};
    m_prompter.files = {m_folder.File("elenco.txt")};

    const QString target = m_folder.File(QStringLiteral("plain/_prov.cod"));
    EXPECT_EQ(ImportProvinceList(m_prompter, m_table, target), ImportOutcome::SaveFailed);
    ASSERT_EQ(m_prompter.boxes.size(), 3U);
    ExpectBox(m_prompter.boxes[2], QStringLiteral("Errore"),
              QStringLiteral("Non posso salvare sul file _prov.cod!\n\nUna parte del percorso "
                             "non è una cartella."),
              MessageIcon::Stop, MessageButtons::Ok);
    EXPECT_EQ(m_table.ProvinceNameOf("TO"), "TORINO");
}

TEST_F(ProvinceImportTest, SaveFailureInAReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not stop root";
    }
    m_folder.Write("elenco.txt", "TO Torino\r\n");
    m_folder.Write("_prov.cod", "MI MILANO\r\n");
    const QByteArray folder = QFile::encodeName(m_folder.Path());
    ASSERT_EQ(chmod(folder.constData(), 0555), 0);
    m_prompter.answers = {Answer::Yes};
    m_prompter.files = {m_folder.File("elenco.txt")};

    const ImportOutcome outcome = Run();
    chmod(folder.constData(), 0755);
    EXPECT_EQ(outcome, ImportOutcome::SaveFailed);
    EXPECT_EQ(m_prompter.boxes.back().text,
              QStringLiteral("Non posso salvare sul file _prov.cod!"));
    EXPECT_EQ(m_folder.Read("_prov.cod"), QByteArray("MI MILANO\r\n"));
}

}  // namespace
}  // namespace zelkor
