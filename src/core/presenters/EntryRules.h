#pragma once
// The decisions of the entry row as pure functions: what the log says about a callsign that was
// left, whether an SWL exchange is blocked or its stations change roles, and which rows an SWL
// exchange logs. The entry row applies what they return; they change nothing themselves.

#include "core/presenters/EntryValues.h"
#include "core/worked/StationRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

class LogList;

// First entry of a list that starts with the text, ignoring case, as a drop-down list selects
// by text (an empty text selects the first entry); -1 when none does.
int ListPositionOf(const std::vector<std::string>& list, const std::string& text);

// What the earlier contacts of a QSO log say about the callsign left in the entry row.
struct QsoCallsignFindings {
    // One line per earlier contact with exactly this callsign, first to last.
    std::vector<PreviousContact> previousContacts;
    // An earlier contact on the same band in the same mode group.
    bool duplicate = false;
    // The province code the entry ends with: the one it had, or else the first one the log
    // gives before a duplicate; empty after a duplicate.
    std::string provinceCode;
    // Whether the code was taken from the log (its name is then looked up again), and the last
    // code taken, whose indicators the province matrix shows.
    std::optional<std::string> provinceFromLog;
};

QsoCallsignFindings FindEarlierContacts(const LogList& log, std::string_view callsign,
                                        std::string_view band, std::string_view mode,
                                        std::string provinceCode);

// What leaving the answering callsign of an SWL entry decides, from the two stations' records
// as the tables hold them now.
struct SwlAnswerDecision {
    // The answering station's answers on this band and mode group, for the RI indicators.
    int answerCount = 0;
    // The exchange can't be logged as typed; the DUP sign shows.
    bool blocked = false;
    // Blocked because the answering station has answered as often as it may.
    bool answersExhausted = false;
    // The calling station may still answer and the answering one may still call: the two swap
    // places instead of being blocked.
    bool exchangeRoles = false;
};

SwlAnswerDecision DecideSwlAnswer(const StationRecord& calling, const StationRecord& answering,
                                  int band, int modeRow);

// What logging an SWL exchange writes: one row for the calling station and, when the answering
// station may still count as a caller and its province is known, one for it; and both stations'
// records as they become.
struct SwlExchangePlan {
    bool blocked = false;
    std::vector<std::vector<std::string>> rows;
    StationRecord calling;
    StationRecord answering;
};

SwlExchangePlan PlanSwlExchange(const EntryValues& values, StationRecord calling,
                                StationRecord answering, int band, int modeRow);

}  // namespace zelkor
