// The main window's commands that open the program's other windows: score, editing, exports,
// options, province list, about and instructions.

#include "mainwindow/CVelsadDlg.h"

#include "app/AppContext.h"
#include "entry/EntryRow.h"
#include "entry/WorkedTables.h"
#include "log/LogList.h"
#include "log/LogProvinceNames.h"
#include "provinces/CProvinceListDlg.h"
#include "scoring/ScoreCommand.h"
#include "scoring/ScoreReportDialog.h"

namespace zelkor {

void CVelsadDlg::ShowScore()
{
    const ScoreResult result = RunScoreComputation(m_context, *m_log, m_prompter);
    if (m_showScoreReport) {
        ScoreReportDialog report(result.table, m_log->Layout(), this);
        report.exec();
    }
}

void CVelsadDlg::OpenProvinceListDialog()
{
    if (RunProvinceListDialog(this, m_context.provinces, m_tables->Provinces(),
                              m_context.ProvinceFilePath(), m_prompter) ==
        ProvinceListOutcome::Cancelled) {
        return;
    }
    // The names shown follow the new table; the codes stay as logged.
    RefreshProvinceNames(*m_log, m_context.provinces);
    m_entry->RefreshProvinceNames();
}

}  // namespace zelkor
