// The entry row's SWL handlers: the two heard stations, the block of an exchange that can't
// count, the exchange of roles and the rows an exchange logs.

#include "core/commands/AppContext.h"
#include "core/contest/BandMode.h"
#include "core/contest/FieldRules.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/EntryRules.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

namespace zelkor {

int EntryRow::EntryBandIndex() const
{
    return BandIndexFromPosition(BandPosition());
}

int EntryRow::EntryModeRow() const
{
    return ModeRowFromPosition(ModePosition());
}

StationRecord EntryRow::CurrentRecord(const std::string& callsign, bool* found) const
{
    const StationLookup lookup = m_tables.Stations().FindStation(callsign);
    if (found != nullptr) {
        *found = lookup.found;
    }
    if (lookup.found) {
        return m_tables.Stations().At(lookup.position);
    }
    StationRecord record;
    record.callsign = callsign;
    return record;
}

void EntryRow::OnCallingStationLeave()
{
    m_swlIndicators.callerShown = false;
    m_swlIndicators.callerEnabled = false;
    bool found = false;
    m_callingCopy = CurrentRecord(m_values.callsign, &found);
    // A station heard before goes on to its province code, whether or not its record has one.
    if (found) {
        if (!m_callingCopy.province.empty()) {
            SetProvinceCode(m_callingCopy.province);
        }
        MoveFocus(EntryField::ProvinceCode);
    }
    if (!found || m_callingCopy.province.empty()) {
        SetProvinceCode(m_historyFill.ProvinceFor(m_context.history, HistorySlot::Calling,
                                                  m_values.callsign, m_values.provinceCode));
    }
    m_swlIndicators.callerShown = true;
    m_swlIndicators.callerEnabled = m_callingCopy.IsCaller(EntryBandIndex(), EntryModeRow());
    ShowValues();
}

void EntryRow::ShowAnswerIndicators(int answerCount)
{
    m_swlIndicators.answerShown = {true, answerCount >= 1, answerCount >= 2};
    m_swlIndicators.answerEnabled = {};
}

void EntryRow::OnAnsweringCallsignLeave()
{
    ShowValues();
    m_values.answeringCallsign = TrimWhiteSpace(m_values.answeringCallsign);
    m_swlIndicators.answerShown = {};
    m_swlIndicators.answerEnabled = {};
    // An empty field tells nothing about a station; a station can't answer itself.
    if (m_values.answeringCallsign == m_values.callsign) {
        m_values.answeringCallsign.clear();
    }
    if (m_values.answeringCallsign.empty()) {
        return;
    }
    bool found = false;
    m_answeringCopy = CurrentRecord(m_values.answeringCallsign, &found);
    if (found) {
        if (!m_answeringCopy.province.empty()) {
            SetAnsweringProvinceCode(m_answeringCopy.province);
        }
        MoveFocus(EntryField::AnsweringProvinceCode);
    }
    if (!found || m_answeringCopy.province.empty()) {
        SetAnsweringProvinceCode(
            m_historyFill.ProvinceFor(m_context.history, HistorySlot::Answering,
                                      m_values.answeringCallsign, m_values.answeringProvinceCode));
    }
    // The block is decided from what the tables say now about the two stations typed, never
    // from what an earlier entry left behind.
    m_callingCopy = CurrentRecord(m_values.callsign);
    const SwlAnswerDecision decision =
        DecideSwlAnswer(m_callingCopy, m_answeringCopy, EntryBandIndex(), EntryModeRow());
    ShowAnswerIndicators(decision.answerCount);
    if (decision.answersExhausted) {
        m_swlIndicators.answerEnabled = {true, true, true};
    }
    if (decision.exchangeRoles) {
        ExchangeRoles();
    }
    m_entryBlocked = decision.blocked;
    m_dupShown = decision.blocked;
    m_blockedPair = {m_values.callsign, m_values.answeringCallsign};
}

void EntryRow::ExchangeRoles()
{
    EntryValues& v = m_values;
    std::swap(v.callsign, v.answeringCallsign);
    std::swap(v.reportSent, v.reportReceived);
    const std::string code = v.provinceCode;
    v.answeringProvinceName =
        code.size() == 2 ? m_context.provinces.ProvinceNameOf(code) : std::string();
    SetAnsweringProvinceCode(code);
    SetProvinceCode({});
    v.provinceName.clear();
    std::swap(m_callingCopy, m_answeringCopy);
    m_swlIndicators.callerEnabled = false;
    ShowAnswerIndicators(m_answeringCopy.AnswerCount(EntryBandIndex(), EntryModeRow()));
    m_entryBlocked = false;
    MoveFocus(EntryField::ProvinceCode);
}

void EntryRow::OnAnsweringProvinceCodeChange()
{
    ShowProvinceCode(m_values.answeringProvinceCode, m_values.answeringProvinceName,
                     IndicatorMatrix::Second);
}

EnterOutcome EntryRow::InsertSwlEntry()
{
    EntryValues& v = m_values;
    switch (m_focus) {
        case EntryField::ProvinceCode:
            if (v.provinceCode.size() != 2) {
                return EnterOutcome::Nothing;
            }
            MoveFocus(EntryField::AnsweringCallsign);
            return EnterOutcome::FocusMoved;
        case EntryField::AnsweringCallsign:
            if (IsValidCallsign(v.answeringCallsign) && v.answeringCallsign != v.callsign) {
                MoveFocus(EntryField::AnsweringProvinceCode);
            } else {
                v.answeringCallsign.clear();
                m_swlIndicators.answerShown = {};
                m_swlIndicators.answerEnabled = {};
            }
            ShowValues();
            return EnterOutcome::FocusMoved;
        case EntryField::AnsweringProvinceCode:
            return LogSwlEntry();
        default:
            return EnterOutcome::Nothing;
    }
}

EnterOutcome EntryRow::LogSwlEntry()
{
    EntryValues& v = m_values;
    if (v.provinceName.empty()) {
        return RefuseEntry(EntryField::ProvinceCode);
    }
    if (!IsValidCallsign(v.callsign)) {
        v.callsign.clear();
        return RefuseEntry(EntryField::Callsign);
    }
    if (!IsValidCallsign(v.answeringCallsign) || v.answeringCallsign == v.callsign) {
        v.answeringCallsign.clear();
        return RefuseEntry(EntryField::AnsweringCallsign);
    }
    if (!m_autoDateTime && !IsValidDate(v.date, kEntryLowestYear, std::nullopt)) {
        return RefuseEntry(EntryField::Date);
    }
    if (!IsValidReport(v.mode, v.reportSent)) {
        return RefuseEntry(EntryField::ReportSent);
    }
    if (!IsValidReport(v.mode, v.reportReceived)) {
        return RefuseEntry(EntryField::ReportReceived);
    }

    const int band = EntryBandIndex();
    const int mode = EntryModeRow();
    SwlExchangePlan plan = PlanSwlExchange(v, CurrentRecord(v.callsign),
                                           CurrentRecord(v.answeringCallsign), band, mode);
    if (plan.blocked) {
        m_entryBlocked = true;
        m_dupShown = true;
        m_blockedPair = {v.callsign, v.answeringCallsign};
        ShowValues();
        return EnterOutcome::Refused;
    }
    // Both rows of one exchange reach the file in one write.
    LogRows(plan.rows);
    for (const std::vector<std::string>& row : plan.rows) {
        m_tables.Provinces().MarkProvinceWorked(ProvinceIndexOf(row[SwlColumn::ProvinceCode - 1]),
                                                mode, BandBit(band));
    }
    m_tables.Stations().StoreStation(plan.calling);
    m_tables.Stations().StoreStation(plan.answering);

    ClearStationFields();
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
    return EnterOutcome::Logged;
}

}  // namespace zelkor
