#pragma once
// The "Stampa" command: the print dialog, then the pages the core planned, painted with the
// printer's measure of "X". Printing to a PDF file is always offered, since many Linux machines
// have no printer at all.

#include "core/export/PrintPlan.h"

#include <QString>

class QPainter;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace zelkor {

class LogList;
class Prompter;

class LogPrinter {
public:
    LogPrinter(const LogList& log, Prompter& prompter, QString programFolder);

    // The whole command: nothing for an empty log, the dialog, then the chosen pages. A failure
    // is reported through the prompter in Italian.
    void PrintLog(QWidget* parent);

    // Pages 1 to the page count, copies left to the driver, print to file (PDF) offered, and
    // the selection offered only when some row is selected.
    void SetUpDialog(QPrintDialog& dialog, QPrinter& printer) const;
    // What the user chose in the dialog, as pages of the plan.
    [[nodiscard]] PrintPlan PlanFor(const QPrinter& printer) const;
    // Paints the plan on the printer; returns false after reporting why it could not. A plan
    // without pages prints nothing, not even a blank sheet.
    bool Print(QPrinter& printer, const PrintPlan& plan);

    // One planned line at its place on the current page.
    static void PrintLogLine(QPainter& painter, const PrintMetrics& metrics, const PrintLine& line);

    // The Italian texts of the failures, so that tests compare them whole.
    static QString ProgramFileText(const QString& path);
    static QString PdfOpenFailureText(const QString& path);
    static QString PdfWriteFailureText(const QString& path, const QString& reason);
    static QString PrinterUnavailableText(const QString& printerName);
    static QString PrinterStartFailureText(const QString& printerName);
    static QString PrintingFailureText();

private:
    // Refuses a destination before QPainter opens, and so empties, the file.
    bool CheckDestination(const QPrinter& printer);
    // Paints every page; a PDF goes to the printer's output file, and pdfPath is the file the
    // user chose, named in a failure message.
    bool Paint(QPrinter& printer, const PrintPlan& plan, const QString& pdfPath);
    void ReportStartFailure(const QPrinter& printer, const QString& pdfPath);
    // Measures "X" in the painter's font, shrinking the font until a full page fits the paper.
    static PrintMetrics FitFont(QPainter& painter, const QPrinter& printer);

    const LogList& m_log;
    Prompter& m_prompter;
    QString m_programFolder;
};

// The entry point for the "Stampa" menu command.
void PrintLogCommand(QWidget* parent, const LogList& log, Prompter& prompter,
                     const QString& programFolder);

}  // namespace zelkor
