// The printed log: the print dialog as the command sets it up, and pages printed to a PDF file
// offscreen and read back as text.

#include "core/log/LogList.h"
#include "core/platform/FileCalls.h"
#include "support/FaultWalk.h"
#include "support/FaultyFileCalls.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"
#include "ui/export/LogPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <cerrno>

using namespace zelkor;

namespace {

// First and last row number of each printed page.
using PageRows = QList<QPair<int, int>>;

// "Prov" ends where "Nome prov." starts, so the two read back as one word.
const QString kQsoHeading =
    QStringLiteral("N.Qso Data Utc MHz Modo Nominativo Rst Rst ProvNome prov.");
const QString kSwlHeading =
    QStringLiteral("N.Qso Data Utc MHz Modo Nominativo Rst Prov Nominativo");

void FillQso(LogList& log, int rows)
{
    log.BuildStartColumns();
    for (int i = 0; i < rows; ++i) {
        log.AppendLogRow({"03.12.2005", "1530", "3,5", "CW", "IK0ABC", "599", "579", "RE",
                          "Reggio nell'Emilia"});
    }
}

void FillSwl(LogList& log, int rows)
{
    log.BuildStartColumns();
    log.SetSwlColumns();
    for (int i = 0; i < rows; ++i) {
        log.AppendLogRow({"03.12.2005", "1530", "7", "SSB", "I1ABC", "59", "TO", "IZ2XYZ"});
    }
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

bool HavePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfToText(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Each page as its non-blank lines, blanks between words reduced to one.
QList<QStringList> PdfPages(const QString& path)
{
    QList<QStringList> pages;
    const QString text = PdfToText({QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const QString& page : text.split(QLatin1Char('\f'))) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty()) {
                lines.push_back(line.simplified());
            }
        }
        if (!lines.isEmpty()) {
            pages.push_back(lines);
        }
    }
    return pages;
}

// The lines of the rows, which begin with their number; the rule breaks into pieces where its
// runs of hyphens overlap.
QStringList RowLines(const QStringList& lines)
{
    QStringList rows;
    for (const QString& line : lines) {
        if (line.front().isDigit()) {
            rows.push_back(line);
        }
    }
    return rows;
}

struct Word {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    QString text;
};

// The words of the first page with their boxes, in points, line after line.
QList<Word> FirstPageWords(const QString& path)
{
    const QString html = PdfToText({QStringLiteral("-bbox"), QStringLiteral("-l"),
                                    QStringLiteral("1"), path, QStringLiteral("-")});
    static const QRegularExpression wordPattern(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (const QRegularExpressionMatch& match : wordPattern.globalMatch(html)) {
        QString text = match.captured(5).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        words.push_back({match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble(), match.captured(4).toDouble(), text});
    }
    return words;
}

// "column:text|..." for the words of the line at the given top, columns in character widths.
QString PlacedWords(const QList<Word>& words, double top, double left, double charWidth)
{
    QStringList placed;
    for (const Word& word : words) {
        if (qAbs(word.top - top) < 0.01) {
            placed.push_back(QString::number(qRound((word.left - left) / charWidth)) +
                             QLatin1Char(':') + word.text);
        }
    }
    return placed.join(QLatin1Char('|'));
}

}  // namespace

class TestPrintLog : public QObject {
    Q_OBJECT

private slots:
    void DialogChoicePrintsToPdf_data();
    void DialogChoicePrintsToPdf();
    void PdfHoldsHeadingAndRows_data();
    void PdfHoldsHeadingAndRows();
    void PdfPlacesTextsInWidthsOfX();
    void FullPageFitsSmallPaper();
    void FailuresAreReported_data();
    void FailuresAreReported();
    void AFullDiskKeepsTheEarlierPdf();
    void EveryFailingFileCallKeepsTheEarlierPdfOrWritesItWhole();
};

void TestPrintLog::DialogChoicePrintsToPdf_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<PageRows>("pages");

    QList<int> hundred;
    for (int row = 10; row < 110; ++row) {
        hundred.push_back(row);
    }
    QTest::newRow("all") << QList<int>{} << QStringLiteral("printAll")
                         << PageRows{{1, 50}, {51, 100}, {101, 120}};
    QTest::newRow("pages 2-2") << QList<int>{} << QStringLiteral("printRange")
                               << PageRows{{51, 100}};
    QTest::newRow("100 selected") << hundred << QStringLiteral("printSelection")
                                  << PageRows{{11, 58}, {59, 106}, {107, 110}};
}

// The whole command as the user runs it on a 120-row log: Qt's dialog with its PDF printer, a
// file name, a choice of rows.
void TestPrintLog::DialogChoicePrintsToPdf()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, choice);
    QFETCH(PageRows, pages);
    if (!HavePdfToText()) {
        QSKIP("pdftotext is missing");
    }
    LogList log;
    FillQso(log, 120);
    log.SetSelectedRows(std::vector<int>(selected.begin(), selected.end()));
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("dialog.pdf"));
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
        const bool selection =
            !dialog->findChild<QRadioButton*>(QStringLiteral("printSelection"))->isHidden();
        offered = QStringLiteral("%1 pages %2-%3, %4 copy, selection %5")
                      .arg(dialog->windowTitle())
                      .arg(to->minimum())
                      .arg(to->maximum())
                      .arg(dialog->findChild<QSpinBox*>(QStringLiteral("copies"))->value())
                      .arg(selection ? QStringLiteral("on") : QStringLiteral("off"));
        // Print to file is the last entry, and the only one on a machine without printers.
        printers->setCurrentIndex(printers->count() - 1);
        dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(path);
        dialog->findChild<QRadioButton*>(choice)->setChecked(true);
        dialog->findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        to->setValue(2);
        dialog->accept();
    });
    test::ScriptedPrompter prompter;
    PrintLogCommand(nullptr, log, prompter, folder.Path());

    QVERIFY(prompter.boxes.empty());
    QCOMPARE(offered, QStringLiteral("Stampa pages 1-3, 1 copy, selection ") +
                          (selected.isEmpty() ? QStringLiteral("off") : QStringLiteral("on")));
    const QList<QStringList> printed = PdfPages(path);
    QCOMPARE(printed.size(), pages.size());
    for (int page = 0; page < pages.size(); ++page) {
        QCOMPARE(printed[page].first(), kQsoHeading);
        const QStringList rows = RowLines(printed[page]);
        QCOMPARE(rows.size(), pages[page].second - pages[page].first + 1);
        QVERIFY(rows.first().startsWith(QString::number(pages[page].first) + QLatin1Char(' ')));
        QVERIFY(rows.last().startsWith(QString::number(pages[page].second) + QLatin1Char(' ')));
    }
}

void TestPrintLog::PdfHoldsHeadingAndRows_data()
{
    QTest::addColumn<bool>("swl");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("QSO") << false << kQsoHeading
                         << QStringList{QStringLiteral("1 03.12.2005 1530 3,5 CW IK0ABC 599 579 "
                                                       "RE Reggio nell'Emilia"),
                                        // The Windows-1252 letters 0xEC and 0xE8.
                                        QStringLiteral("2 03.12.2005 1530 3,5 CW IK0ABC 599 579 "
                                                       "RE Forlì-Cesena è")};
    QTest::newRow("SWL") << true << kSwlHeading
                         << QStringList{
                                QStringLiteral("1 03.12.2005 1530 7 SSB I1ABC 59 TO IZ2XYZ"),
                                QStringLiteral("2 03.12.2005 1530 7 SSB I1ABC 59 TO IZ2XYZ")};
}

void TestPrintLog::PdfHoldsHeadingAndRows()
{
    QFETCH(bool, swl);
    QFETCH(QString, heading);
    QFETCH(QStringList, rows);
    if (!HavePdfToText()) {
        QSKIP("pdftotext is missing");
    }
    LogList log;
    if (swl) {
        FillSwl(log, 2);
    } else {
        FillQso(log, 2);
        log.SetCell(1, QsoColumn::ProvinceName, "Forl\xEC-Cesena \xE8");
    }
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("log.pdf"));
    auto printer = PdfPrinter(path);
    test::ScriptedPrompter prompter;
    QVERIFY(LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));
    QVERIFY(prompter.boxes.empty());

    const QList<QStringList> pages = PdfPages(path);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].first(), heading);
    QCOMPARE(RowLines(pages[0]), rows);
}

void TestPrintLog::PdfPlacesTextsInWidthsOfX()
{
    if (!HavePdfToText()) {
        QSKIP("pdftotext is missing");
    }
    LogList log;
    FillQso(log, 3);
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("log.pdf"));
    auto printer = PdfPrinter(path);
    test::ScriptedPrompter prompter;
    QVERIFY(LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));

    const QList<Word> words = FirstPageWords(path);
    QVERIFY(!words.isEmpty());
    // "N.Qso" starts line 0 at column 0 and, in a fixed-pitch font, is five widths of X.
    const Word& first = words.first();
    QCOMPARE(first.text, QStringLiteral("N.Qso"));
    const double charWidth = (first.right - first.left) / 5;
    QList<double> tops;
    for (const Word& word : words) {
        if (!tops.contains(word.top)) {
            tops.push_back(word.top);
        }
    }
    QCOMPARE(tops.size(), 5);
    // "Prov" ends where "Nome prov." starts; the rule's runs overlap where their lengths run
    // past the next column (Data into Utc, Nominativo into Rst).
    QCOMPARE(PlacedWords(words, tops[0], first.left, charWidth),
             QStringLiteral("0:N.Qso|6:Data|17:Utc|23:MHz|27:Modo|32:Nominativo|47:Rst|51:Rst|"
                            "56:ProvNome|65:prov."));
    QCOMPARE(PlacedWords(words, tops[1], first.left, charWidth),
             QStringLiteral("0:-----|6:------------|17:-----|23:---|27:----|"
                            "32:-------------------|47:---|51:----|56:------------------"));
    // The number is right-aligned in its five places.
    QCOMPARE(PlacedWords(words, tops[2], first.left, charWidth),
             QStringLiteral("4:1|6:03.12.2005|17:1530|23:3,5|27:CW|32:IK0ABC|47:599|51:579|"
                            "56:RE|60:Reggio|67:nell'Emilia"));
    // Lines are a quarter taller than the text, evenly spaced.
    const double pitch = tops[1] - tops[0];
    QVERIFY2(qAbs(pitch / (first.bottom - first.top) - 1.25) < 0.01,
             qPrintable(QString::number(pitch)));
    for (int line = 2; line < tops.size(); ++line) {
        QVERIFY(qAbs(tops[line] - tops[line - 1] - pitch) < 0.01);
    }
}

void TestPrintLog::FullPageFitsSmallPaper()
{
    if (!HavePdfToText()) {
        QSKIP("pdftotext is missing");
    }
    LogList log;
    FillQso(log, 50);
    test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("a6.pdf"));
    auto printer = PdfPrinter(path);
    printer->setPageSize(QPageSize(QPageSize::A6));
    test::ScriptedPrompter prompter;
    QVERIFY(LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));

    // Text drawn past the paper's edge would be missing from the page's text.
    const QList<QStringList> pages = PdfPages(path);
    QCOMPARE(pages.size(), 1);
    const QStringList rows = RowLines(pages[0]);
    QCOMPARE(rows.size(), 50);
    QCOMPARE(rows.last(),
             QStringLiteral("50 03.12.2005 1530 3,5 CW IK0ABC 599 579 RE Reggio nell'Emilia"));
}

void TestPrintLog::FailuresAreReported_data()
{
    // The PDF file, relative to a temporary program folder; %1 in the text is its full path.
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing folder")
        << QStringLiteral("missing/log.pdf")
        << QStringLiteral(
               "Impossibile scrivere il file PDF:\n%1\n\n"
               "La cartella che dovrebbe contenerlo non esiste.\n\n"
               "Un file già esistente con questo nome è rimasto com'era.");
    // What a QPrinter becomes on a machine without printers: PDF with no file name.
    QTest::newRow("no printer") << QString()
                                << QStringLiteral(
                                       "Nessuna stampante disponibile.\n\n"
                                       "Scegliere la stampa su file (PDF).");
    QTest::newRow("working file")
        << QStringLiteral("sub/../_ult.zelk")
        << QStringLiteral(
               "Non si può stampare il log su un file del programma:\n%1\n\n"
               "Scegliere un altro nome.");
    QTest::newRow("province file")
        << QStringLiteral("_prov.cod")
        << QStringLiteral(
               "Non si può stampare il log su un file del programma:\n%1\n\n"
               "Scegliere un altro nome.");
    QTest::newRow("recovery file")
        << QStringLiteral("_ult.zelk.recupero.2")
        << QStringLiteral(
               "Non si può stampare il log su un file del programma:\n%1\n\n"
               "Scegliere un altro nome.");
    QTest::newRow("instance lock")
        << QStringLiteral("_ult.zelk.lock")
        << QStringLiteral(
               "Non si può stampare il log su un file del programma:\n%1\n\n"
               "Scegliere un altro nome.");
}

void TestPrintLog::AFullDiskKeepsTheEarlierPdf()
{
    LogList log;
    FillQso(log, 3);
    test::TempFolder folder;
    folder.Write(QStringLiteral("log.pdf"), "an earlier PDF");
    const QString path = folder.File(QStringLiteral("log.pdf"));
    auto printer = PdfPrinter(path);
    test::ScriptedPrompter prompter;
    test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
    {
        const ScopedFileCalls scoped(calls);
        QVERIFY(
            !LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));
    }
    QCOMPARE(prompter.boxes.size(), 1u);
    QCOMPARE(prompter.boxes[0].text,
             QStringLiteral("Impossibile scrivere il file PDF:\n") + path +
                 QStringLiteral("\n\nSpazio su disco esaurito.\n\nUn file già esistente con "
                                "questo nome è rimasto com'era."));
    QCOMPARE(folder.Read(QStringLiteral("log.pdf")), QByteArray("an earlier PDF"));
    QCOMPARE(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("log.pdf")});
    // Once the disk has room again the same printer writes the whole document.
    QVERIFY(LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));
    QVERIFY(folder.Read(QStringLiteral("log.pdf")).startsWith("%PDF-"));
}

// The painting itself goes through Qt; every call of the program's own file work around it
// (the temporary document read back, the chosen file replaced) fails in turn.
void TestPrintLog::EveryFailingFileCallKeepsTheEarlierPdfOrWritesItWhole()
{
    LogList log;
    FillQso(log, 3);
    test::TempFolder folder(test::MemoryBackedFolder());
    const QString path = folder.File(QStringLiteral("log.pdf"));
    const QByteArray earlier = "an earlier PDF";
    auto printer = PdfPrinter(path);
    test::ScriptedPrompter quiet;
    const int count = test::CountFileCalls([&] {
        QVERIFY(LogPrinter(log, quiet, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));
    });
    QVERIFY(count > 0);
    test::ForEveryFault(count, [&](const test::FaultKind& kind, int number) {
        folder.Write(QStringLiteral("log.pdf"), earlier);
        test::ScriptedPrompter prompter;
        test::FaultyFileCalls calls(test::PlanFor(kind, number));
        bool printed = false;
        {
            const ScopedFileCalls scoped(calls);
            printed =
                LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log));
        }
        const QByteArray now = folder.Read(QStringLiteral("log.pdf"));
        const QByteArray where =
            QByteArray::fromStdString(test::DescribeFault(kind, number, calls));
        const bool whole = now.startsWith("%PDF-") && now.trimmed().endsWith("%%EOF");
        if (printed) {
            QVERIFY2(whole && prompter.boxes.empty(), where.constData());
        } else {
            QVERIFY2(now == earlier || whole, where.constData());
            QVERIFY2(prompter.boxes.size() == 1 &&
                         test::NamesTheReason(prompter.boxes[0].text, kind.error),
                     where.constData());
        }
    });
}

void TestPrintLog::FailuresAreReported()
{
    QFETCH(QString, target);
    QFETCH(QString, text);
    LogList log;
    FillQso(log, 3);
    test::TempFolder folder;
    QVERIFY(QDir(folder.Path()).mkdir(QStringLiteral("sub")));
    folder.Write(QStringLiteral("_ult.zelk"), "kept\r\n");
    folder.Write(QStringLiteral("_prov.cod"), "kept\r\n");
    const QString path = target.isEmpty() ? QString() : folder.Path() + target;
    auto printer = PdfPrinter(path);
    test::ScriptedPrompter prompter;
    QVERIFY(!LogPrinter(log, prompter, folder.Path()).Print(*printer, PrintPlan::AllPages(log)));

    QCOMPARE(prompter.boxes.size(), 1u);
    QCOMPARE(prompter.boxes[0].title, QStringLiteral("Errore"));
    QCOMPARE(prompter.boxes[0].icon, MessageIcon::Stop);
    QCOMPARE(prompter.boxes[0].text, text.contains(QLatin1String("%1")) ? text.arg(path) : text);
    QCOMPARE(folder.Read(QStringLiteral("_ult.zelk")), QByteArray("kept\r\n"));
    QCOMPARE(folder.Read(QStringLiteral("_prov.cod")), QByteArray("kept\r\n"));
}

QTEST_MAIN(TestPrintLog)
#include "tst_printlog.moc"
