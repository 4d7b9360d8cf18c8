#include "core/commands/LogEditing.h"

#include "core/commands/AppContext.h"
#include "core/document/LogDocument.h"
#include "core/log/DateTimeSort.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SettingKeys.h"
#include "core/worked/WorkedTables.h"

#include <algorithm>

namespace zelkor {
namespace {

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A box with Yes and No is the unknown-province question, whose Yes accepts the values; every
// other box is an error that keeps the dialog open.
bool AcceptAfter(const std::optional<MessageBox>& failure, Prompter& prompter)
{
    if (!failure) {
        return true;
    }
    const Answer answer = prompter.Show(*failure);
    return failure->buttons == MessageButtons::YesNo && answer == Answer::Yes;
}

void MarkLogModified(AppContext& context, LogDocument& document, Prompter& prompter)
{
    context.ReportSettingsWrite(document.MarkModified(), prompter);
}

bool IsSelected(const LogList& log, int row)
{
    const std::vector<int>& selected = log.SelectedRows();
    return std::binary_search(selected.begin(), selected.end(), row);
}

QsoRowEdit ReadQsoRow(const LogList& log, int row)
{
    QsoRowEdit edit;
    edit.band = log.Cell(row, QsoColumn::Band);
    edit.values.date = log.Cell(row, QsoColumn::Date);
    edit.values.time = log.Cell(row, QsoColumn::Time);
    edit.values.mode = log.Cell(row, QsoColumn::Mode);
    edit.values.callsign = log.Cell(row, QsoColumn::Callsign);
    edit.values.reportSent = log.Cell(row, QsoColumn::ReportSent);
    edit.values.reportReceived = log.Cell(row, QsoColumn::ReportReceived);
    edit.values.provinceCode = log.Cell(row, QsoColumn::ProvinceCode);
    return edit;
}

void WriteQsoRow(LogList& log, int row, const QsoRowEdit& edit, const ProvinceTable& provinces)
{
    std::string provinceName = provinces.ProvinceNameOf(edit.values.provinceCode);
    CapitaliseProvinceName(provinceName);
    log.SetCell(row, QsoColumn::Date, edit.values.date);
    log.SetCell(row, QsoColumn::Time, edit.values.time);
    log.SetCell(row, QsoColumn::Band, edit.band);
    log.SetCell(row, QsoColumn::Mode, edit.values.mode);
    log.SetCell(row, QsoColumn::Callsign, edit.values.callsign);
    log.SetCell(row, QsoColumn::ReportSent, edit.values.reportSent);
    log.SetCell(row, QsoColumn::ReportReceived, edit.values.reportReceived);
    log.SetCell(row, QsoColumn::ProvinceCode, edit.values.provinceCode);
    log.SetCell(row, QsoColumn::ProvinceName, std::move(provinceName));
}

HrdRowEdit ReadHrdRow(const LogList& log, int row)
{
    HrdRowEdit edit;
    edit.band = log.Cell(row, SwlColumn::Band);
    edit.values.date = log.Cell(row, SwlColumn::Date);
    edit.values.time = log.Cell(row, SwlColumn::Time);
    edit.values.mode = log.Cell(row, SwlColumn::Mode);
    edit.values.callingCallsign = log.Cell(row, SwlColumn::CallingCallsign);
    edit.values.report = log.Cell(row, SwlColumn::Report);
    edit.values.provinceCode = log.Cell(row, SwlColumn::ProvinceCode);
    edit.values.answeringCallsign = log.Cell(row, SwlColumn::AnsweringCallsign);
    return edit;
}

void WriteHrdRow(LogList& log, int row, const HrdRowEdit& edit)
{
    log.SetCell(row, SwlColumn::Date, edit.values.date);
    log.SetCell(row, SwlColumn::Time, edit.values.time);
    log.SetCell(row, SwlColumn::Band, edit.band);
    log.SetCell(row, SwlColumn::Mode, edit.values.mode);
    log.SetCell(row, SwlColumn::CallingCallsign, edit.values.callingCallsign);
    log.SetCell(row, SwlColumn::Report, edit.values.report);
    log.SetCell(row, SwlColumn::ProvinceCode, edit.values.provinceCode);
    log.SetCell(row, SwlColumn::AnsweringCallsign, edit.values.answeringCallsign);
}

// Runs one row through its dialog; true when it was saved into the log.
bool EditRow(LogList& log, int row, const ProvinceTable& provinces, RowEditor& editor)
{
    if (log.IsSwl()) {
        std::optional<HrdRowEdit> edited = editor.EditHrdRow(ReadHrdRow(log, row));
        if (edited) {
            WriteHrdRow(log, row, *edited);
        }
        return edited.has_value();
    }
    std::optional<QsoRowEdit> edited = editor.EditQsoRow(ReadQsoRow(log, row));
    if (edited) {
        WriteQsoRow(log, row, *edited, provinces);
    }
    return edited.has_value();
}

}  // namespace

int FindListEntry(std::span<const std::string_view> entries, std::string_view text)
{
    if (text.empty()) {
        return -1;
    }
    const auto begins = [text](std::string_view entry) {
        return entry.size() >= text.size() &&
               std::equal(text.begin(), text.end(), entry.begin(),
                          [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
    };
    const auto found = std::find_if(entries.begin(), entries.end(), begins);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

bool AcceptQsoEdit(QsoEditValues& values, const ProvinceTable& provinces, Prompter& prompter)
{
    return AcceptAfter(CheckQsoEditDialog(values, provinces), prompter);
}

bool AcceptHrdEdit(HrdEditValues& values, const ProvinceTable& provinces, Prompter& prompter)
{
    return AcceptAfter(CheckHrdEditDialog(values, provinces), prompter);
}

QString DeleteQuestionText(int count)
{
    return QStringLiteral("Hai scelto di cancellare ") + QString::number(count) +
           QStringLiteral(
               " QSO del log.\nDopo la cancellazione non sarà più possibile "
               "recuperarli.\n\nVuoi procedere?");
}

bool DeleteSelectedRows(AppContext& context, LogDocument& document, Prompter& prompter,
                        const BusyNotifier& busy)
{
    LogList& log = document.Log();
    // A copy: deleting rows moves the selection.
    const std::vector<int> selected = log.SelectedRows();
    if (selected.empty()) {
        return false;
    }
    if (!prompter.AskYesNo(QStringLiteral("Richiesta di conferma"),
                           DeleteQuestionText(static_cast<int>(selected.size())))) {
        return false;
    }
    if (busy) {
        busy(true);
    }
    // All in one pass: one by one, every deletion would move every row after it.
    log.DeleteRows(selected);
    const bool lackedRows = document.File().LacksRows();
    const Result written = document.RewriteWorkingFile(context.summary);
    log.RenumberRows();
    document.Tables().RebuildWorkedTables(log);
    if (busy) {
        busy(false);
    }
    ReportWorkingFileWrite(written, lackedRows, document.File(), prompter);
    MarkLogModified(context, document, prompter);
    return true;
}

int ModifySelectedRows(AppContext& context, LogDocument& document, Prompter& prompter,
                       RowEditor& editor)
{
    LogList& log = document.Log();
    int saved = 0;
    for (int row = 0; row < log.RowCount(); ++row) {
        if (!IsSelected(log, row)) {
            continue;
        }
        log.MakeRowVisible(row);
        if (!EditRow(log, row, context.provinces, editor)) {
            continue;
        }
        ++saved;
        const bool lackedRows = document.File().LacksRows();
        const Result written = document.RewriteWorkingFile(context.summary);
        ReportWorkingFileWrite(written, lackedRows, document.File(), prompter);
        document.Tables().RebuildWorkedTables(log);
        MarkLogModified(context, document, prompter);
    }
    return saved;
}

void SortByDateTime(LogList& log)
{
    (void)log.ReorderRows(DateTimeSortOrder(log));
    log.RenumberRows();
}

}  // namespace zelkor
