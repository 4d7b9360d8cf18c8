#pragma once
// A started entry row over a log in a temporary program folder, with a fixed clock and a scripted
// prompter, shared by the entry row's tests.

#include "core/commands/AppContext.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/presenters/EntryRow.h"
#include "core/worked/WorkedTables.h"
#include "support/DocumentFixture.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace zelkor {

// A local time on a clock one hour ahead of UTC.
inline QDateTime LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone(3600));
}

class EntryRowTest : public ::testing::Test {
protected:
    EntryRowTest()
    {
        m_context.programFolder = m_folder.Path();
        m_context.summary.callsign = "I2ABC";
        m_context.summary.province = "MI";
        for (const auto& [code, name] : {std::pair{"RM", "ROMA"}, std::pair{"TO", "TORINO"},
                                         std::pair{"MI", "MILANO"}, std::pair{"FI", "FIRENZE"}}) {
            m_context.provinces.SetName(ProvinceIndexOf(code), name);
        }
        m_clock.now = LocalTime(2026, 2, 14, 15, 30, 0);
        m_log.BuildStartColumns();
    }

    // Loads a log, then starts the entry row as the window does.
    void Start(const std::vector<std::vector<std::string>>& rows = {}, bool swl = false)
    {
        if (swl) {
            m_log.SetSwlColumns();
        }
        for (const auto& row : rows) {
            m_log.AppendLogRow(row);
        }
        m_tables.RebuildWorkedTables(m_log);
        ASSERT_TRUE(m_workingFile.WriteWorkingFile(m_log, m_context.summary));
        m_row.ApplyCategoryPresets();
        m_row.Start();
    }

    void Type(EntryField field, const std::string& text) { m_row.SetFieldText(field, text); }
    qsizetype WorkingFileLines() const
    {
        return m_folder.Read(QStringLiteral("_ult.zelk")).count('\n');
    }

    test::TempFolder m_folder;
    test::TempFolder m_config;
    AppContext m_context{test::ContextWithStore(m_config)};
    LogDocument m_document{m_context.store.get(), m_folder.File(QStringLiteral("_ult.zelk"))};
    LogList& m_log = m_document.Log();
    WorkedTables& m_tables = m_document.Tables();
    WorkingFile& m_workingFile = m_document.File();
    test::ScriptedPrompter m_prompter;
    test::FixedClock m_clock;
    EntryRow m_row{m_context, m_document, m_prompter, m_clock};
};

inline std::vector<std::string> Qso(const char* callsign, const char* band, const char* mode,
                                    const char* code)
{
    return {"14.02.2026", "1400", band, mode, callsign, "599", "599", code, ""};
}

}  // namespace zelkor
