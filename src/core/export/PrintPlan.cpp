#include "core/export/PrintPlan.h"

#include "core/log/LogList.h"

#include <algorithm>
#include <array>

namespace zelkor {
namespace {

// The same column edges serve both layouts; an SWL row has one column fewer.
constexpr std::array<int, QsoColumn::Count> kColumns = {0, 6, 17, 23, 27, 32, 47, 51, 56, 60};

constexpr std::array<const char*, QsoColumn::Count> kQsoHeading = {
    "N.Qso", "Data", "Utc", "MHz", "Modo", "Nominativo", "Rst", "Rst", "Prov", "Nome prov."};
constexpr std::array<const char*, SwlColumn::Count> kSwlHeading = {
    "N.Qso", "Data", "Utc", "MHz", "Modo", "Nominativo", "Rst", "Prov", "Nominativo"};

constexpr std::array<int, QsoColumn::Count> kQsoRule = {5, 12, 5, 3, 4, 19, 3, 4, 4, 14};
constexpr std::array<int, SwlColumn::Count> kSwlRule = {5, 12, 5, 3, 4, 19, 3, 4, 19};

int ColumnCount(LogLayout layout)
{
    if (layout == LogLayout::Swl) {
        return SwlColumn::Count;
    }
    return QsoColumn::Count;
}

}  // namespace

PrintMetrics PrintMetrics::FromX(int xWidth, int xHeight)
{
    return {xWidth, xHeight, (xHeight * 5) / 4};
}

double PrintMetrics::FitFactor(int pageWidth, int pageHeight) const
{
    // The last line needs only its own text height below its top.
    const int neededHeight = Y(PrintPlan::kLinesPerPage - 1) + textHeight;
    const int neededWidth = X(PrintPlan::kColumnsPerLine);
    double factor = 1.0;
    if (neededHeight > 0 && neededHeight > pageHeight) {
        factor = std::min(factor, static_cast<double>(pageHeight) / neededHeight);
    }
    if (neededWidth > 0 && neededWidth > pageWidth) {
        factor = std::min(factor, static_cast<double>(pageWidth) / neededWidth);
    }
    return std::max(factor, 0.0);
}

int PrintPlan::PageCount(int rowCount)
{
    return rowCount <= 0 ? 0 : (rowCount - 1) / kRowsPerPage + 1;
}

PrintPlan PrintPlan::AllPages(const LogList& log)
{
    return PageRange(log, 1, PageCount(log.RowCount()));
}

PrintPlan PrintPlan::PageRange(const LogList& log, int fromPage, int toPage)
{
    PrintPlan plan;
    const int rowCount = log.RowCount();
    const int first = std::max(fromPage, 1);
    const int last = std::min(toPage, PageCount(rowCount));
    for (int page = first; page <= last; ++page) {
        PrintPage& printed = plan.m_pages.emplace_back();
        int lineIndex = 0;
        // Every slot takes a line, printed or not, so the rows keep their place on the page.
        for (int slot = (page - 1) * kRowsPerPage; slot < page * kRowsPerPage; ++slot) {
            if (slot < rowCount) {
                PlanLogLine(log, slot, lineIndex, printed);
            }
            ++lineIndex;
        }
    }
    return plan;
}

PrintPlan PrintPlan::Selection(const LogList& log)
{
    PrintPlan plan;
    int lineIndex = 0;
    for (int row : log.SelectedRows()) {
        if (lineIndex == 0) {
            plan.m_pages.emplace_back();
        }
        PlanLogLine(log, row, lineIndex, plan.m_pages.back());
        ++lineIndex;
        if (lineIndex == kSelectionLineLimit) {
            lineIndex = 0;
        }
    }
    return plan;
}

std::vector<PrintPiece> PrintPlan::HeadingPieces(LogLayout layout)
{
    std::vector<PrintPiece> pieces;
    for (int column = 0; column < ColumnCount(layout); ++column) {
        const char* text =
            layout == LogLayout::Swl ? kSwlHeading.at(column) : kQsoHeading.at(column);
        pieces.push_back({kColumns.at(column), text});
    }
    return pieces;
}

std::vector<PrintPiece> PrintPlan::RulePieces(LogLayout layout)
{
    std::vector<PrintPiece> pieces;
    for (int column = 0; column < ColumnCount(layout); ++column) {
        const int length = layout == LogLayout::Swl ? kSwlRule.at(column) : kQsoRule.at(column);
        pieces.push_back({kColumns.at(column), std::string(length, '-')});
    }
    return pieces;
}

std::vector<PrintPiece> PrintPlan::RowPieces(const LogList& log, int row)
{
    std::vector<PrintPiece> pieces;
    pieces.reserve(static_cast<std::size_t>(ColumnCount(log.Layout())));
    for (int column = 0; column < ColumnCount(log.Layout()); ++column) {
        pieces.push_back({kColumns.at(column), std::string(log.Cell(row, column))});
    }
    return pieces;
}

void PrintPlan::PlanLogLine(const LogList& log, int row, int& lineIndex, PrintPage& page)
{
    if (lineIndex == 0) {
        page.lines.push_back({0, PrintLineKind::Heading, -1, HeadingPieces(log.Layout())});
        page.lines.push_back({1, PrintLineKind::Rule, -1, RulePieces(log.Layout())});
        lineIndex += 2;
    }
    page.lines.push_back({lineIndex, PrintLineKind::Row, row, RowPieces(log, row)});
}

}  // namespace zelkor
