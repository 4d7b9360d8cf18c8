#include "ui/export/LogPrinter.h"

#include "core/export/ExportFile.h"
#include "core/log/LogList.h"
#include "core/platform/FileIO.h"
#include "core/platform/Prompter.h"
#include "core/text/Cp1252.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryFile>

#include <optional>

#include <utility>

namespace zelkor {
namespace {

// Column 0 is "%5d", right-aligned with blanks: only a fixed-pitch font keeps the numbers
// aligned and the columns of every row straight, whatever the printer would offer by default.
QFont PrintFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (font.pointSizeF() <= 0) {
        font.setPointSizeF(10.0);
    }
    return font;
}

bool IsPdf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

}  // namespace

LogPrinter::LogPrinter(const LogList& log, Prompter& prompter, QString programFolder)
    : m_log(log), m_prompter(prompter), m_programFolder(std::move(programFolder))
{
}

void LogPrinter::PrintLog(QWidget* parent)
{
    if (m_log.RowCount() == 0) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    SetUpDialog(dialog, printer);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    (void)Print(printer, PlanFor(printer));
}

void LogPrinter::SetUpDialog(QPrintDialog& dialog, QPrinter& printer) const
{
    const int pageCount = PrintPlan::PageCount(m_log.RowCount());
    printer.setDocName(QString());
    // The count chosen in the dialog travels with the job to the printer's driver (CUPS), which
    // makes the copies; a PDF file is written once whatever the count.
    printer.setCopyCount(1);
    printer.setFromTo(1, pageCount);
    printer.setPrintRange(QPrinter::AllPages);

    dialog.setWindowTitle(QStringLiteral("Stampa"));
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if (!m_log.SelectedRows().empty()) {
        options |= QAbstractPrintDialog::PrintSelection;
    }
    dialog.setOptions(options);
    dialog.setMinMax(1, pageCount);
    dialog.setFromTo(1, pageCount);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

PrintPlan LogPrinter::PlanFor(const QPrinter& printer) const
{
    switch (printer.printRange()) {
        case QPrinter::Selection:
            return PrintPlan::Selection(m_log);
        case QPrinter::PageRange:
            return PrintPlan::PageRange(m_log, printer.fromPage(), printer.toPage());
        case QPrinter::AllPages:
        case QPrinter::CurrentPage:
            break;
    }
    return PrintPlan::AllPages(m_log);
}

bool LogPrinter::Print(QPrinter& printer, const PrintPlan& plan)
{
    if (plan.IsEmpty()) {
        return true;
    }
    if (!CheckDestination(printer)) {
        return false;
    }
    if (!IsPdf(printer)) {
        return Paint(printer, plan, QString());
    }
    // QPainter empties the output file as it starts and Qt does not tell when a write of the
    // document fails: the PDF is painted into a temporary file, and the chosen file is replaced
    // through the checked path only by a complete document.
    const QString target = printer.outputFileName();
    QTemporaryFile temporary(QDir::tempPath() + QStringLiteral("/zelkor-stampa-XXXXXX.pdf"));
    if (!temporary.open()) {
        m_prompter.Error(PdfOpenFailureText(target));
        return false;
    }
    temporary.close();
    printer.setOutputFileName(temporary.fileName());
    const bool painted = Paint(printer, plan, target);
    printer.setOutputFileName(target);
    if (!painted) {
        return false;
    }
    QString reason;
    std::optional<QByteArray> document = ReadWholeFile(temporary.fileName(), &reason);
    if (document && !document->trimmed().endsWith("%%EOF")) {
        reason = QStringLiteral("Il documento PDF preparato è incompleto.");
        document.reset();
    }
    if (!document || !WriteFileAtomically(target, *document, &reason)) {
        m_prompter.Error(PdfWriteFailureText(target, reason));
        return false;
    }
    return true;
}

bool LogPrinter::Paint(QPrinter& printer, const PrintPlan& plan, const QString& pdfPath)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        ReportStartFailure(printer, pdfPath);
        return false;
    }
    const PrintMetrics metrics = FitFont(painter, printer);
    bool firstPage = true;
    for (const PrintPage& page : plan.Pages()) {
        // QPainter starts the first page itself.
        if (!firstPage && !printer.newPage()) {
            painter.end();
            m_prompter.Error(PrintingFailureText());
            return false;
        }
        firstPage = false;
        for (const PrintLine& line : page.lines) {
            PrintLogLine(painter, metrics, line);
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        m_prompter.Error(PrintingFailureText());
        return false;
    }
    return true;
}

void LogPrinter::PrintLogLine(QPainter& painter, const PrintMetrics& metrics, const PrintLine& line)
{
    // The plan places the top of each line; QPainter writes on the baseline.
    const int baseline = metrics.Y(line.lineIndex) + painter.fontMetrics().ascent();
    for (const PrintPiece& piece : line.pieces) {
        if (!piece.text.empty()) {
            painter.drawText(QPoint(metrics.X(piece.column), baseline), ToQString(piece.text));
        }
    }
}

QString LogPrinter::ProgramFileText(const QString& path)
{
    return QStringLiteral("Non si può stampare il log su un file del programma:\n") + path +
           QStringLiteral("\n\nScegliere un altro nome.");
}

QString LogPrinter::PdfOpenFailureText(const QString& path)
{
    return QStringLiteral("Impossibile scrivere il file PDF:\n") + path +
           QStringLiteral("\n\nControllare che la cartella esista e che vi si possa scrivere.");
}

QString LogPrinter::PdfWriteFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossibile scrivere il file PDF:\n") + path + QStringLiteral("\n\n") +
           reason + QStringLiteral("\n\nUn file già esistente con questo nome è rimasto com'era.");
}

QString LogPrinter::PrinterUnavailableText(const QString& printerName)
{
    if (printerName.isEmpty()) {
        return QStringLiteral(
            "Nessuna stampante disponibile.\n\nScegliere la stampa su file (PDF).");
    }
    return QStringLiteral("La stampante \"") + printerName +
           QStringLiteral(
               "\" non è disponibile.\n\n"
               "Scegliere un'altra stampante o la stampa su file (PDF).");
}

QString LogPrinter::PrinterStartFailureText(const QString& printerName)
{
    return QStringLiteral("Impossibile avviare la stampa sulla stampante \"") + printerName +
           QStringLiteral("\".");
}

QString LogPrinter::PrintingFailureText()
{
    return QStringLiteral("Errore durante la stampa: il documento può essere incompleto.");
}

bool LogPrinter::CheckDestination(const QPrinter& printer)
{
    if (IsPdf(printer)) {
        const QString path = printer.outputFileName();
        // Without any printer Qt falls back to a PDF printer that has no file to write.
        if (path.isEmpty()) {
            m_prompter.Error(PrinterUnavailableText(QString()));
            return false;
        }
        if (IsProgramFile(m_programFolder, path)) {
            m_prompter.Error(ProgramFileText(path));
            return false;
        }
        return true;
    }
    if (!printer.isValid()) {
        m_prompter.Error(PrinterUnavailableText(printer.printerName()));
        return false;
    }
    return true;
}

void LogPrinter::ReportStartFailure(const QPrinter& printer, const QString& pdfPath)
{
    if (IsPdf(printer)) {
        m_prompter.Error(PdfOpenFailureText(pdfPath));
    } else {
        m_prompter.Error(PrinterStartFailureText(printer.printerName()));
    }
}

PrintMetrics LogPrinter::FitFont(QPainter& painter, const QPrinter& printer)
{
    QFont font = PrintFont();
    PrintMetrics metrics;
    // Each round measures the shrunk font again, since sizes do not scale exactly.
    for (int round = 0; round < 8; ++round) {
        painter.setFont(font);
        const QFontMetrics measure = painter.fontMetrics();
        metrics =
            PrintMetrics::FromX(measure.horizontalAdvance(QStringLiteral("X")), measure.height());
        const double factor = metrics.FitFactor(printer.width(), printer.height());
        if (factor >= 1.0) {
            break;
        }
        font.setPointSizeF(font.pointSizeF() * factor * 0.98);
    }
    return metrics;
}

void PrintLogCommand(QWidget* parent, const LogList& log, Prompter& prompter,
                     const QString& programFolder)
{
    LogPrinter(log, prompter, programFolder).PrintLog(parent);
}

}  // namespace zelkor
