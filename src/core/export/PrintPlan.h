#pragma once
// The printed log worked out before anything is painted: which row goes on which page and line,
// and which text starts at which column, in widths of the letter "X". The painter only measures
// "X" on the printer and turns columns and lines into device positions.

#include "core/log/LogColumns.h"

#include <string>
#include <vector>

namespace zelkor {

class LogList;

// One text of a printed line; column is its left edge in widths of "X". Texts are printed
// whole: a long one runs on into the next column.
struct PrintPiece {
    int column = 0;
    std::string text;  // Windows-1252 bytes, as in the log
};

enum class PrintLineKind { Heading, Rule, Row };

struct PrintLine {
    int lineIndex = 0;  // counted from the top of the page, from 0
    PrintLineKind kind = PrintLineKind::Row;
    int row = -1;  // index in the log; -1 for the heading and the rule
    std::vector<PrintPiece> pieces;
};

struct PrintPage {
    std::vector<PrintLine> lines;
};

// Device units derived from the size of "X" in the printer's font.
struct PrintMetrics {
    int unitWidth = 0;
    int textHeight = 0;
    int lineHeight = 0;

    // The line height is a quarter more than the text height, truncated.
    static PrintMetrics FromX(int xWidth, int xHeight);

    [[nodiscard]] int X(int column) const { return unitWidth * column; }
    [[nodiscard]] int Y(int lineIndex) const { return lineHeight * lineIndex; }

    // How much the font must shrink (at most 1) for a full page of the plan to fit a printable
    // area of the given size: every printer and paper has its own default font size, and a page
    // whose last lines fall off the paper loses rows without a word.
    [[nodiscard]] double FitFactor(int pageWidth, int pageHeight) const;
};

class PrintPlan {
public:
    static constexpr int kRowsPerPage = 50;
    // Heading, rule and the rows of a full page.
    static constexpr int kLinesPerPage = kRowsPerPage + 2;
    // Room for the last column and a province name as long as "Verbano-Cusio-Ossola".
    static constexpr int kColumnsPerLine = 80;
    // A page of selected rows ends when its line index reaches this: heading, rule, 48 rows.
    static constexpr int kSelectionLineLimit = kRowsPerPage;

    // 0 for an empty log, otherwise one page per started 50 rows.
    [[nodiscard]] static int PageCount(int rowCount);

    // Pages 1 to PageCount(), 50 rows each.
    [[nodiscard]] static PrintPlan AllPages(const LogList& log);
    // Pages from..to (1-based), each with its 50 slots of rows. Nothing when from > to; the
    // range is kept within 1..PageCount(), so that no blank sheet comes out.
    [[nodiscard]] static PrintPlan PageRange(const LogList& log, int fromPage, int toPage);
    // The selected rows in list order, 48 to a page.
    [[nodiscard]] static PrintPlan Selection(const LogList& log);

    [[nodiscard]] static std::vector<PrintPiece> HeadingPieces(LogLayout layout);
    [[nodiscard]] static std::vector<PrintPiece> RulePieces(LogLayout layout);
    // Columns 0 to 9 of a QSO row, 0 to 8 of an SWL row, unchanged.
    [[nodiscard]] static std::vector<PrintPiece> RowPieces(const LogList& log, int row);

    [[nodiscard]] const std::vector<PrintPage>& Pages() const { return m_pages; }
    [[nodiscard]] bool IsEmpty() const { return m_pages.empty(); }

private:
    // Puts a row at lineIndex; at line 0 the heading and the rule come first and lineIndex
    // moves past them. The caller advances lineIndex for the row itself.
    static void PlanLogLine(const LogList& log, int row, int& lineIndex, PrintPage& page);

    std::vector<PrintPage> m_pages;
};

}  // namespace zelkor
