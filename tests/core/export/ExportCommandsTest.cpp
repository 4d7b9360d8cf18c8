#include "core/commands/AppContext.h"
#include "core/commands/ExportCommands.h"
#include "core/export/ExportTestSupport.h"
#include "core/settings/SettingKeys.h"
#include "core/text/Cp1252.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelkor {
namespace {

using Command = std::function<CommandOutcome(AppContext&, LogList&, Prompter&)>;

const std::vector<Command> kCommands = {
    [](AppContext& c, LogList& l, Prompter& p) { return ExportCabrillo(c, l, p); },
    [](AppContext& c, LogList& l, Prompter& p) { return ExportAdif(c, l, p); },
    [](AppContext& c, LogList& l, Prompter& p) { return ExportVantlogText(c, l, p); },
};
const Command& kCabrillo = kCommands[0];
const Command& kAdif = kCommands[1];

class ExportCommandsTest : public ::testing::Test {
protected:
    ExportCommandsTest()
    {
        m_context.store = SettingsStore::OpenFile(m_output.File("zelkor.conf"));
        m_context.programFolder = m_program.Path();
        m_context.provinces = test::ShippedProvinces();
    }

    void Load(const char* name) { test::LoadTestLog(name, m_log, m_context.summary); }

    // Answers the summary question and chooses the path in the save dialog (nothing: Cancel).
    CommandOutcome Run(const Command& command, std::optional<QString> path,
                       Answer answer = Answer::Yes)
    {
        m_prompter.answers = {answer};
        m_prompter.files = {std::move(path)};
        return command(m_context, m_log, m_prompter);
    }

    // "number callsign" per row, after numbers no renumbering gives, so that a sort shows.
    void MarkRowNumbers()
    {
        for (int row = 0; row < m_log.RowCount(); ++row) {
            m_log.SetCell(row, SwlColumn::Number, LogList::RowNumberText(row + 11));
        }
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < m_log.RowCount(); ++row) {
            rows.push_back(std::string(m_log.Cell(row, SwlColumn::Number)) + " " +
                           std::string(m_log.Cell(row, SwlColumn::CallingCallsign)));
        }
        return rows;
    }

    test::TempFolder m_program;
    test::TempFolder m_output;
    AppContext m_context;
    LogList m_log;
    test::ScriptedPrompter m_prompter;
};

TEST_F(ExportCommandsTest, ScoreBoxesComeFirstThenTheSummaryQuestionWhoseNoStopsTheExport)
{
    Load("export-qso.zelk");
    EXPECT_EQ(Run(kCabrillo, m_output.File("a.log"), Answer::No), CommandOutcome::Cancelled);
    EXPECT_EQ(Run(kAdif, m_output.File("a.adi"), Answer::No), CommandOutcome::Cancelled);

    const QString entrant = QStringLiteral(
        "\nverificare i dati riassuntivi.\nIn questo momento sono impostati i seguenti dati\n\n"
        "Nominativo: IK0ABC\nNome: Mario Rossi\nProvincia: RM (ROMA)\nSezione: LAZ\n"
        "Categoria: SOP\nPunteggio: 45\n\nVuoi continuare?");
    ASSERT_EQ(m_prompter.boxes.size(), 10u);
    for (const char* word : {"Cabrillo", "Adif"}) {
        const std::size_t first = word[0] == 'C' ? 0 : 5;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(m_prompter.boxes[first + i].text,
                      QStringLiteral("Ignorato QSO n. %1 per BANDA errata.").arg(i + 6));
        }
        const MessageBox& question = m_prompter.boxes[first + 4];
        EXPECT_EQ(question.title, QStringLiteral("Richiesta conferma"));
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_EQ(question.text, QStringLiteral("Attenzione!\nPrima di esportare in formato ") +
                                     QString::fromLatin1(word) + entrant);
    }
    EXPECT_TRUE(m_prompter.fileDialogs.empty());
    EXPECT_TRUE(QDir(m_output.Path()).entryList({"a.*"}).isEmpty());
    // The score is kept all the same, in memory and in the settings.
    EXPECT_EQ(m_context.settings.claimedScore, 45);
    EXPECT_EQ(m_context.store->ReadSetting(keys::kScore, -1), 45);
}

TEST_F(ExportCommandsTest, SaveDialogsOfTheThreeFormats)
{
    Load("export-qso-empty.zelk");  // own callsign IK0ABC/P
    for (const Command& command : kCommands) {
        EXPECT_EQ(Run(command, std::nullopt), CommandOutcome::Cancelled);
    }
    struct Expected {
        const char* title;
        const char* filter;
        const char* suffix;
        const char* proposed;
    };
    const Expected expected[] = {
        {"Esporta log in formato Cabrillo", "File Cabrillo (*.log *.cbr)", "log", "ik0abc_p"},
        {"Esporta log in formato ADIF", "File Adif (*.adi)", "adi", ""},
        {"Esporta log come testo per Vantlog", "File di testo (*.txt)", "txt", ""},
    };
    ASSERT_EQ(m_prompter.fileDialogs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const FileDialogRequest& dialog = m_prompter.fileDialogs[i];
        EXPECT_EQ(dialog.kind, FileDialogKind::Save);
        EXPECT_TRUE(dialog.mustExist) << "asks before overwriting";
        EXPECT_EQ(dialog.title, QString::fromUtf8(expected[i].title));
        EXPECT_EQ(dialog.filter, QString::fromUtf8(expected[i].filter));
        EXPECT_EQ(dialog.defaultSuffix, QString::fromUtf8(expected[i].suffix));
        EXPECT_EQ(dialog.proposedName, QString::fromUtf8(expected[i].proposed));
    }
    EXPECT_EQ(ProposedCabrilloName("IA5/IK0ABC/MM"), QStringLiteral("ia5_ik0abc_mm"));
    EXPECT_EQ(ProposedCabrilloName("I0-1234\xC0"), QStringLiteral("i0-1234\u00C0"));

    // Qt's dialogs take the text inside the last brackets and split it at blanks: a comma would
    // turn "*.log" into "*.log," and hide every .log file.
    const QStringList patterns = QRegularExpression(QStringLiteral("\\(([^()]*)\\)$"))
                                     .match(m_prompter.fileDialogs[0].filter)
                                     .captured(1)
                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_TRUE(QDir::match(patterns, QStringLiteral("ik0abc.log")));
    EXPECT_TRUE(QDir::match(patterns, QStringLiteral("ik0abc.cbr")));
    EXPECT_FALSE(QDir::match(patterns, QStringLiteral("ik0abc.txt")));
    // Cancel says nothing more than the two summary questions and writes nothing.
    EXPECT_EQ(m_prompter.boxes.size(), 2u);
}

TEST_F(ExportCommandsTest, DestinationsThatCantBeWrittenOrAreTheProgramsOwnFilesAreRefused)
{
    Load("export-qso.zelk");
    m_program.Write("_ult.zelk", "working");
    m_program.Write("_prov.cod", "provinces");
    QDir().mkpath(m_output.File("cartella.txt"));
    QDir().mkpath(m_program.File("sub"));
    const QString notOpened = QStringLiteral("Errore apertura file:\n%1\n\n");
    const QString noFolder =
        notOpened + QStringLiteral("La cartella che dovrebbe contenerlo non esiste.");
    const QString aFolder =
        notOpened + QStringLiteral("Il percorso indica una cartella, non un file.");
    const QString ownFile = QStringLiteral(
        "Non si può esportare il log su un file del programma:\n%1\n\nScegliere un altro nome.");
    const std::vector<std::pair<QString, QString>> cases = {
        {m_output.File("manca/x.txt"), noFolder},
        {m_output.File("cartella.txt"), aFolder},
        {m_program.File("_ult.zelk"), ownFile},
        {m_program.File("sub/../_prov.cod"), ownFile},
        {m_program.File("_ult.zelk.lock"), ownFile},
        {m_program.File("_ult.zelk.recupero"), ownFile},
        {m_program.File("_ult.zelk.recupero.3"), ownFile},
    };
    for (const auto& [path, text] : cases) {
        for (const Command& command : kCommands) {
            EXPECT_EQ(Run(command, path), CommandOutcome::Failed);
            EXPECT_EQ(m_prompter.boxes.back().title, QStringLiteral("Errore"));
            EXPECT_EQ(m_prompter.boxes.back().icon, MessageIcon::Stop);
            EXPECT_EQ(m_prompter.boxes.back().text, text.arg(path));
        }
    }
    EXPECT_EQ(m_program.Read("_ult.zelk"), "working");
    EXPECT_EQ(m_program.Read("_prov.cod"), "provinces");
}

TEST_F(ExportCommandsTest, VantlogRefusesAnSwlLogEvenAnEmptyOneBeforeAnyDialog)
{
    Load("export-swl-empty.zelk");
    EXPECT_EQ(Run(kCommands[2], m_output.File("a.txt")), CommandOutcome::Failed);
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_prompter.boxes[0].title, QStringLiteral("Informazione"));
    EXPECT_EQ(m_prompter.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(m_prompter.boxes[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(FromQString(m_prompter.boxes[0].text),
              "Il programma Vantlog non supporta il modo SWL\nper cui non \xE8 possibile "
              "esportare il log attuale in\nquesto formato.\n");
    EXPECT_TRUE(m_prompter.fileDialogs.empty());
}

TEST_F(ExportCommandsTest, SwlCabrilloExportSortsTheListOnlyWhenAllThreeConditionsHold)
{
    struct Case {
        const char* log;
        bool byBand;
        int keepRows;  // rows kept from the test log
        std::vector<std::string> sorted;
    };
    // "Riordina per data ed ora" compares the date texts, then the times, and renumbers.
    const Case cases[] = {
        {"export-swl.zelk",
         true,
         4,
         {"    1 IK8QQQ", "    2 IZ2XYZ/P", "    3 I1ABC", "    4 IW3ABC"}},
        {"export-swl.zelk", true, 2, {"    1 IZ2XYZ/P", "    2 I1ABC"}},
        {"export-swl.zelk", false, 4, {}},
        {"export-swl.zelk", true, 1, {}},
        {"export-qso.zelk", true, 9, {}},
    };
    for (const Case& c : cases) {
        Load(c.log);
        while (m_log.RowCount() > c.keepRows) {
            m_log.DeleteRow(m_log.RowCount() - 1);
        }
        MarkRowNumbers();
        const std::vector<std::string> before = Rows();
        m_context.settings.swlExportByBand = c.byBand;
        ASSERT_EQ(Run(kCabrillo, m_output.File("a.log")), CommandOutcome::Done);
        EXPECT_EQ(Rows(), c.sorted.empty() ? before : c.sorted) << c.log << " " << c.keepRows;
        // The file keeps the order the list had when it was written.
        int row = 0;
        for (const QByteArray& line : m_output.Read("a.log").split('\n')) {
            if (line.startsWith("QSO:")) {
                EXPECT_TRUE(line.contains(before[row++].substr(6).c_str())) << line.toStdString();
            }
        }
        EXPECT_EQ(row, c.keepRows);
    }
}

TEST_F(ExportCommandsTest, NeitherAdifNorACancelledOrFailedCabrilloExportSorts)
{
    Load("export-swl.zelk");
    MarkRowNumbers();
    m_context.settings.swlExportByBand = true;
    const std::vector<std::string> before = Rows();
    EXPECT_EQ(Run(kAdif, m_output.File("a.adi")), CommandOutcome::Done);
    EXPECT_EQ(Run(kCabrillo, m_output.File("a.log"), Answer::No), CommandOutcome::Cancelled);
    EXPECT_EQ(Run(kCabrillo, m_output.File("manca/a.log")), CommandOutcome::Failed);
    EXPECT_EQ(Rows(), before);
}

}  // namespace
}  // namespace zelkor
