#pragma once
// The logic behind the "Controllo parziale" window: while the operator types a callsign, the
// stations of the call history and of this log whose callsign contains what he typed, with
// their provinces and the band and mode groups they were logged in. The window asks for a
// refresh once per turn of the event loop (refreshNeeded) and not at all while it is hidden;
// a double click puts a callsign into the entry row.

#include "core/history/PartialCheckIndex.h"
#include "core/presenters/EntryValues.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace zelkor {

struct AppContext;
class EntryRow;
class LogList;

struct PartialCheckLine {
    std::string callsign;
    std::string province;
    // Capitalised, as the entry row shows it.
    std::string provinceName;
    // "3,5 cw, 7 ssb" for the band and mode groups worked, "sì" for a station that is in the
    // log only as answering station, empty for a station not in the log.
    std::string logged;

    bool operator==(const PartialCheckLine&) const = default;
};

class PartialCheck : public QObject {
    Q_OBJECT

public:
    // A screenful and more; the count says how many matched.
    static constexpr std::size_t kShownLimit = 100;

    PartialCheck(const AppContext& context, const LogList& log, EntryRow& entry,
                 QObject* parent = nullptr);

    // While inactive (the window hidden) nothing is searched; on activation it catches up.
    void SetActive(bool active);
    // The text of a callsign field changed, typed or set by the program.
    void OnCallsignText(EntryField field, const std::string& text);
    // After an import or after emptying the history.
    void OnHistoryChanged();
    // Brings the search up to date with the log, the history and the text typed.
    void Refresh();

    const std::vector<PartialCheckLine>& Lines() const { return m_lines; }
    int Total() const { return m_total; }
    // The line above the list: what was searched and how much was found.
    QString StatusText() const;
    // Puts the line's callsign into the field that was typed into and the focus there.
    void Choose(int line);

    // "3,5 cw, 7 ssb": bit BandIndex + 2 x ModeRow per band and mode group.
    static std::string WorkedText(std::uint8_t worked);

signals:
    void refreshNeeded();
    void changed();

private:
    void ConnectLog();
    void OnRowInserted(int row);
    void OnLogChanged();
    void RequestRefresh();

    const AppContext& m_context;
    const LogList& m_log;
    EntryRow& m_entry;
    PartialCheckIndex m_index;
    bool m_active = false;
    bool m_historyStale = true;
    bool m_logStale = true;
    // Rows appended since the last refresh, while nothing else changed.
    std::vector<int> m_appendedRows;
    bool m_searchStale = true;
    EntryField m_field = EntryField::Callsign;
    std::string m_typed;
    std::string m_searched;
    std::vector<PartialCheckLine> m_lines;
    int m_total = 0;
};

}  // namespace zelkor
