#include "core/presenters/EntryRules.h"

#include "core/contest/BandMode.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/text/Text.h"

namespace zelkor {

int ListPositionOf(const std::vector<std::string>& list, const std::string& text)
{
    std::string wanted = text;
    ToUpperAscii(wanted);
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string entry = list[i];
        ToUpperAscii(entry);
        if (entry.compare(0, wanted.size(), wanted) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QsoCallsignFindings FindEarlierContacts(const LogList& log, std::string_view callsign,
                                        std::string_view band, std::string_view mode,
                                        std::string provinceCode)
{
    QsoCallsignFindings found;
    found.provinceCode = std::move(provinceCode);
    const std::optional<int> entryModeRow = ModeRowFromText(mode);
    for (int row = 0; row < log.RowCount(); ++row) {
        if (log.Cell(row, QsoColumn::Callsign) != callsign) {
            continue;
        }
        const std::string_view rowBand = log.Cell(row, QsoColumn::Band);
        const std::string_view rowMode = log.Cell(row, QsoColumn::Mode);
        // An earlier contact with an empty code leaves the field open for a later one.
        if (found.provinceCode.empty() && !found.duplicate) {
            found.provinceCode = log.Cell(row, QsoColumn::ProvinceCode);
            found.provinceFromLog = found.provinceCode;
        }
        if (rowBand == band && ModeRowFromText(rowMode) == entryModeRow) {
            found.duplicate = true;
            found.provinceCode.clear();
        }
        const std::string_view date = log.Cell(row, QsoColumn::Date);
        found.previousContacts.push_back({std::string(date.substr(0, 2)),
                                          std::string(log.Cell(row, QsoColumn::Time)),
                                          std::string(rowBand), std::string(rowMode),
                                          std::string(log.Cell(row, QsoColumn::ReportSent)),
                                          std::string(log.Cell(row, QsoColumn::ReportReceived))});
    }
    return found;
}

SwlAnswerDecision DecideSwlAnswer(const StationRecord& calling, const StationRecord& answering,
                                  int band, int modeRow)
{
    SwlAnswerDecision decision;
    decision.answerCount = answering.AnswerCount(band, modeRow);
    decision.answersExhausted = decision.answerCount >= StationRecord::kMaxAnswerCount;
    decision.blocked = decision.answersExhausted || calling.IsCaller(band, modeRow);
    if (decision.blocked && !answering.IsCaller(band, modeRow) &&
        calling.AnswerCount(band, modeRow) < StationRecord::kMaxAnswerCount) {
        decision.exchangeRoles = true;
        decision.blocked = false;
    }
    return decision;
}

SwlExchangePlan PlanSwlExchange(const EntryValues& v, StationRecord calling,
                                StationRecord answering, int band, int modeRow)
{
    SwlExchangePlan plan;
    // The band or mode may have changed since the callsigns were left.
    if (calling.IsCaller(band, modeRow) ||
        answering.AnswerCount(band, modeRow) >= StationRecord::kMaxAnswerCount) {
        plan.blocked = true;
        return plan;
    }
    plan.rows.push_back({v.date, v.time, v.band, v.mode, v.callsign, v.reportSent, v.provinceCode,
                         v.answeringCallsign});
    calling.MarkCaller(band, modeRow);
    answering.RaiseAnswerCount(band, modeRow);
    calling.province = v.provinceCode;
    answering.province = v.answeringProvinceName.empty() ? std::string() : v.answeringProvinceCode;
    if (!answering.IsCaller(band, modeRow) &&
        calling.AnswerCount(band, modeRow) < StationRecord::kMaxAnswerCount &&
        !v.answeringProvinceName.empty()) {
        plan.rows.push_back({v.date, v.time, v.band, v.mode, v.answeringCallsign, v.reportReceived,
                             v.answeringProvinceCode, v.callsign});
        answering.MarkCaller(band, modeRow);
        calling.RaiseAnswerCount(band, modeRow);
    }
    plan.calling = std::move(calling);
    plan.answering = std::move(answering);
    return plan;
}

}  // namespace zelkor
