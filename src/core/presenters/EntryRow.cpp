#include "core/presenters/EntryRow.h"

#include "core/commands/AppContext.h"
#include "core/contest/BandMode.h"
#include "core/contest/FieldRules.h"
#include "core/log/LogColumns.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/settings/SettingKeys.h"
#include "core/text/Cp1252.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QLocale>

namespace zelkor {
namespace {

// First entry of a list that starts with the text, ignoring case, as a drop-down list selects
// by text; -1 when none does.
int FindListEntry(const std::vector<std::string>& list, const std::string& text)
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

bool IsDigitalMode(const std::string& mode)
{
    return mode == "RTTY" || mode == "PSK31";
}

}  // namespace

const std::vector<std::string>& EntryRow::BandList()
{
    static const std::vector<std::string> kBands = {"3,5", "7"};
    return kBands;
}

const std::vector<std::string>& EntryRow::ModeList()
{
    static const std::vector<std::string> kModes = {"SSB", "CW", "RTTY", "PSK31"};
    return kModes;
}

EntryRow::EntryRow(AppContext& context, LogList& log, WorkedTables& tables,
                   WorkingFile& workingFile, Prompter& prompter, const Clock& clock,
                   QObject* parent)
    : QObject(parent),
      m_context(context),
      m_log(log),
      m_tables(tables),
      m_workingFile(workingFile),
      m_prompter(prompter),
      m_clock(clock)
{
}

int EntryRow::BandPosition() const
{
    return FindListEntry(BandList(), m_values.band.empty() ? std::string("\x01") : m_values.band);
}

int EntryRow::ModePosition() const
{
    return FindListEntry(ModeList(), m_values.mode.empty() ? std::string("\x01") : m_values.mode);
}

bool EntryRow::SwlFieldsShown() const
{
    return m_log.IsSwl();
}

// --- Window start and commands ---------------------------------------------------------------

void EntryRow::Start()
{
    m_autoDateTime = true;
    AutoDateTimeTick(true);

    // The stored band and mode, unless the category presets of the loaded log chose them.
    const std::string& category = m_context.summary.category;
    if (category != "S40" && category != "S80") {
        const int band = FindListEntry(BandList(), m_context.settings.currentBand);
        m_values.band = BandList()[band < 0 ? 1 : band];
    }
    if (category != "SPH" && category != "SCW" && category != "SDG") {
        const int mode = FindListEntry(ModeList(), m_context.settings.currentMode);
        m_values.mode = ModeList()[mode < 0 ? 0 : mode];
    }
    // The reports follow the mode that is shown, which a preset may have chosen.
    m_values.reportSent = DefaultReport();
    m_values.reportReceived = DefaultReport();

    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    ShowValues();
    MoveFocus(EntryField::Callsign);
    ShowValues();
}

void EntryRow::ApplyCategoryPresets()
{
    m_bandListEnabled = true;
    m_modeListEnabled = true;
    const std::string& category = m_context.summary.category;
    if (category == "S40" || category == "S80") {
        m_values.band = category == "S40" ? "7" : "3,5";
        m_bandListEnabled = false;
    } else if (category == "SPH" || category == "SCW") {
        m_values.mode = category == "SPH" ? "SSB" : "CW";
        m_values.reportSent = DefaultReport();
        m_values.reportReceived = DefaultReport();
        m_modeListEnabled = false;
    } else if (category == "SDG") {
        m_values.mode = "RTTY";
        m_values.reportSent = "599";
        m_values.reportReceived = "599";
    }
}

void EntryRow::ClearEntryRow()
{
    m_values.callsign.clear();
    m_values.provinceCode.clear();
    m_values.provinceName.clear();
    if (m_log.IsSwl()) {
        m_values.answeringCallsign.clear();
        m_values.answeringProvinceCode.clear();
        m_values.answeringProvinceName.clear();
        m_swlIndicators = SwlIndicators{};
    }
    const std::string report = ModePosition() == 0 ? "59" : "599";
    m_values.reportSent = report;
    m_values.reportReceived = report;
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    ShowValues();
    MoveFocus(EntryField::Callsign);
    ShowValues();
}

void EntryRow::OnLayoutSwitched()
{
    // A block belongs to the log it was found in.
    m_entryBlocked = false;
    m_dupShown = false;
    m_previousContacts.clear();
    m_swlIndicators = SwlIndicators{};
    if (!m_log.IsSwl()) {
        m_values.answeringCallsign.clear();
        m_values.answeringProvinceCode.clear();
        m_values.answeringProvinceName.clear();
    }
    ShowValues();
}

void EntryRow::RefreshProvinceNames()
{
    OnProvinceCodeChange();
    if (m_log.IsSwl()) {
        OnAnsweringProvinceCodeChange();
    }
}

void EntryRow::OnLogReplaced()
{
    m_entryBlocked = false;
    m_dupShown = false;
    m_multiplierShown = false;
    m_previousContacts.clear();
    m_swlIndicators = SwlIndicators{};
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    ShowValues();
}

// --- Events from the window ------------------------------------------------------------------

void EntryRow::SetFieldText(EntryField field, const std::string& text)
{
    switch (field) {
        case EntryField::Date:
            m_values.date = text;
            break;
        case EntryField::Time:
            m_values.time = text;
            break;
        case EntryField::Callsign:
            m_values.callsign = text;
            break;
        case EntryField::ReportSent:
            m_values.reportSent = text;
            break;
        case EntryField::ReportReceived:
            m_values.reportReceived = text;
            break;
        case EntryField::ProvinceCode:
            if (m_values.provinceCode != text) {
                m_values.provinceCode = text;
                m_shownProvinceCode = text;
                OnProvinceCodeChange();
            }
            return;
        case EntryField::AnsweringCallsign:
            m_values.answeringCallsign = text;
            break;
        case EntryField::AnsweringProvinceCode:
            if (m_values.answeringProvinceCode != text) {
                m_values.answeringProvinceCode = text;
                m_shownAnsweringProvinceCode = text;
                OnAnsweringProvinceCodeChange();
            }
            return;
        case EntryField::Band:
        case EntryField::Mode:
        case EntryField::ProvinceName:
        case EntryField::AnsweringProvinceName:
        case EntryField::Other:
            return;  // not typed into
    }
}

void EntryRow::OnFocusMoved(EntryField to)
{
    MoveFocus(to);
    ShowValues();
}

EnterOutcome EntryRow::OnEntryEnter()
{
    // In an SWL log a block belongs to the two stations it was found for; once either field
    // holds another station (after F9, say) it no longer applies.
    if (m_entryBlocked && m_log.IsSwl() &&
        m_blockedPair != std::pair(m_values.callsign, m_values.answeringCallsign)) {
        m_entryBlocked = false;
        m_dupShown = false;
    }
    if (m_entryBlocked) {
        return DiscardBlockedEntry();
    }
    switch (m_focus) {
        case EntryField::Callsign:
            if (IsValidCallsign(m_values.callsign)) {
                MoveFocus(EntryField::ProvinceCode);
            } else {
                m_values.callsign.clear();
                m_swlIndicators.callerShown = false;
                MoveFocus(EntryField::Callsign);
            }
            ShowValues();
            return EnterOutcome::FocusMoved;
        case EntryField::Time:
            MoveFocus(EntryField::Callsign);
            ShowValues();
            return EnterOutcome::FocusMoved;
        case EntryField::Date:
            MoveFocus(EntryField::Time);
            ShowValues();
            return EnterOutcome::FocusMoved;
        default:
            break;
    }
    if (m_log.IsSwl()) {
        return InsertSwlEntry();
    }
    if (m_focus != EntryField::ProvinceCode) {
        return EnterOutcome::Nothing;
    }
    return LogQsoEntry();
}

EnterOutcome EntryRow::DiscardBlockedEntry()
{
    m_dupShown = false;
    m_values.callsign.clear();
    m_values.provinceCode.clear();
    m_values.provinceName.clear();
    if (m_log.IsSwl()) {
        m_values.answeringCallsign.clear();
        m_values.answeringProvinceCode.clear();
        m_values.answeringProvinceName.clear();
        m_swlIndicators = SwlIndicators{};
    }
    m_multiplierShown = false;
    m_previousContacts.clear();
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
    m_entryBlocked = false;
    ShowValues();
    return EnterOutcome::EntryDiscarded;
}

EnterOutcome EntryRow::LogQsoEntry()
{
    EntryValues& v = m_values;
    if (!IsValidCallsign(v.callsign)) {
        v.callsign.clear();
        MoveFocus(EntryField::Callsign);
        ShowValues();
        return EnterOutcome::Refused;
    }
    const auto refuse = [this](EntryField field) {
        MoveFocus(field);
        ShowValues();
        return EnterOutcome::Refused;
    };
    if (!m_autoDateTime && !IsValidDate(v.date, kEntryLowestYear, std::nullopt)) {
        return refuse(EntryField::Date);
    }
    if (!IsValidReport(v.mode, v.reportReceived)) {
        return refuse(EntryField::ReportReceived);
    }
    if (!IsValidReport(v.mode, v.reportSent)) {
        return refuse(EntryField::ReportSent);
    }
    if (v.provinceName.empty() || v.provinceCode.size() != 2) {
        return refuse(EntryField::ProvinceCode);
    }
    if (m_context.summary.province.empty()) {
        m_prompter.Warning(MissingOwnProvinceText());
        return EnterOutcome::NeedSummaryData;
    }

    m_log.AppendLogRow({v.date, v.time, v.band, v.mode, v.callsign, v.reportSent, v.reportReceived,
                        v.provinceCode, v.provinceName});
    AppendRows(RowLine(m_log, m_log.RowCount() - 1, m_context.summary));
    MarkModified();
    m_tables.Provinces().MarkProvinceWorked(ProvinceIndexOf(v.provinceCode),
                                            ModeRowFromPosition(ModePosition()),
                                            BandBit(BandIndexFromPosition(BandPosition())));

    v.callsign.clear();
    v.provinceCode.clear();
    v.provinceName.clear();
    m_previousContacts.clear();
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    m_multiplierShown = false;
    MoveFocus(EntryField::Callsign);
    ShowValues();
    return EnterOutcome::Logged;
}

void EntryRow::AppendRows(const std::string& lines)
{
    const Result appended = m_workingFile.AppendToWorkingFile(lines);
    // When the lines can't be appended, a whole rewrite may still get them to disk; only if
    // that fails too must the operator know that the working file lacks them.
    if (!appended && !m_workingFile.WriteWorkingFile(m_log, m_context.summary)) {
        m_prompter.Error(appended.message());
    }
}

void EntryRow::MarkModified()
{
    if (!m_context.settings.logModified) {
        m_context.settings.logModified = true;
        (void)m_context.store->WriteSetting(keys::kModified, 1);
    }
}

void EntryRow::OnBandChosen(int position)
{
    if (position < 0 || position >= static_cast<int>(BandList().size())) {
        return;
    }
    m_values.band = BandList()[position];
    m_context.settings.currentBand = m_values.band;
    (void)m_context.store->WriteSetting(keys::kBand, ToQString(m_values.band));
    ShowValues();
    AfterBandOrModeChange();
}

void EntryRow::OnModeChosen(int position)
{
    if (position < 0 || position >= static_cast<int>(ModeList().size())) {
        return;
    }
    m_values.mode = ModeList()[position];
    if (m_context.summary.category == "SDG" && !IsDigitalMode(m_values.mode)) {
        m_values.mode = "RTTY";
    }
    m_context.settings.currentMode = m_values.mode;
    (void)m_context.store->WriteSetting(keys::kMode, ToQString(m_values.mode));
    ResetReportsForMode();
    ShowValues();
    AfterBandOrModeChange();
}

void EntryRow::AfterBandOrModeChange()
{
    OnCallsignLeave();
    if (m_values.provinceCode.size() == 2) {
        ShowProvince(m_values.provinceCode, IndicatorMatrix::Province);
    }
    if (m_log.IsSwl() && m_values.answeringProvinceCode.size() == 2) {
        ShowProvince(m_values.answeringProvinceCode, IndicatorMatrix::Second);
    }
    ShowValues();
}

void EntryRow::ResetReportsForMode()
{
    const std::size_t length = m_values.mode == "SSB" ? 2 : 3;
    for (std::string* report : {&m_values.reportSent, &m_values.reportReceived}) {
        if (report->size() != length) {
            *report = DefaultReport();
        }
    }
}

std::string EntryRow::DefaultReport() const
{
    return m_values.mode == "SSB" ? "59" : "599";
}

void EntryRow::OnAutoDateTimeClicked(bool on)
{
    m_autoDateTime = on;
    if (on) {
        AutoDateTimeTick(true);
        MoveFocus(EntryField::Callsign);
    } else {
        MoveFocus(EntryField::Date);
    }
    ShowValues();
}

void EntryRow::OnPcShowsUtcClicked(bool on)
{
    m_pcShowsUtc = on;
    AutoDateTimeTick(true);
}

int EntryRow::AutoDateTimeTick(bool /*force*/)
{
    const QDateTime now = m_clock.Now();
    const int seconds = now.time().second();
    const int interval = seconds == 0 ? 60000 : 60000 - 1000 * seconds;
    m_timerInterval = interval;
    // "pc mostra utc": the computer's clock already runs on UTC, so its local time is shown.
    const QDateTime base = m_pcShowsUtc ? now : now.toUTC();
    m_values.time = FromQString(base.toString(QStringLiteral("HHmm")));
    // The date is refreshed at every tick, not only at midnight, so that a computer that slept
    // over midnight does not log the day before.
    m_values.date = FromQString(base.toString(QStringLiteral("dd.MM.yyyy")));
    ShowValues();
    return interval;
}

// --- SWL entry ---------------------------------------------------------------------------------

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
            m_values.provinceCode = m_callingCopy.province;
        }
        MoveFocus(EntryField::ProvinceCode);
    }
    if (!found || m_callingCopy.province.empty()) {
        m_values.provinceCode = m_historyFill.ProvinceFor(m_context.history, HistorySlot::Calling,
                                                          m_values.callsign, m_values.provinceCode);
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
    m_values.answeringCallsign = TrimWhiteSpace(m_values.answeringCallsign);
    m_swlIndicators.answerShown = {};
    m_swlIndicators.answerEnabled = {};
    // An empty field tells nothing about a station; a station can't answer itself.
    if (m_values.answeringCallsign == m_values.callsign) {
        m_values.answeringCallsign.clear();
    }
    if (m_values.answeringCallsign.empty()) {
        ShowValues();
        return;
    }
    bool found = false;
    m_answeringCopy = CurrentRecord(m_values.answeringCallsign, &found);
    if (found) {
        if (!m_answeringCopy.province.empty()) {
            m_values.answeringProvinceCode = m_answeringCopy.province;
        }
        MoveFocus(EntryField::AnsweringProvinceCode);
    }
    if (!found || m_answeringCopy.province.empty()) {
        m_values.answeringProvinceCode =
            m_historyFill.ProvinceFor(m_context.history, HistorySlot::Answering,
                                      m_values.answeringCallsign, m_values.answeringProvinceCode);
    }
    // The block is decided from what the tables say now about the two stations typed, never
    // from what an earlier entry left behind.
    m_callingCopy = CurrentRecord(m_values.callsign);
    const int band = EntryBandIndex();
    const int mode = EntryModeRow();
    const int answers = m_answeringCopy.AnswerCount(band, mode);
    ShowAnswerIndicators(answers);
    m_entryBlocked = answers >= StationRecord::kMaxAnswerCount;
    if (m_entryBlocked) {
        m_swlIndicators.answerEnabled = {true, true, true};
    }
    if (m_callingCopy.IsCaller(band, mode)) {
        m_entryBlocked = true;
    }
    if (m_entryBlocked && !m_answeringCopy.IsCaller(band, mode) &&
        m_callingCopy.AnswerCount(band, mode) < StationRecord::kMaxAnswerCount) {
        ExchangeRoles();
    }
    m_dupShown = m_entryBlocked;
    m_blockedPair = {m_values.callsign, m_values.answeringCallsign};
    ShowValues();
}

void EntryRow::ExchangeRoles()
{
    EntryValues& v = m_values;
    std::swap(v.callsign, v.answeringCallsign);
    std::swap(v.reportSent, v.reportReceived);
    v.answeringProvinceCode = v.provinceCode;
    v.provinceCode.clear();
    v.provinceName.clear();
    v.answeringProvinceName = v.answeringProvinceCode.size() == 2
                                  ? m_context.provinces.ProvinceNameOf(v.answeringProvinceCode)
                                  : std::string();
    std::swap(m_callingCopy, m_answeringCopy);
    m_swlIndicators.callerEnabled = false;
    ShowAnswerIndicators(m_answeringCopy.AnswerCount(EntryBandIndex(), EntryModeRow()));
    m_entryBlocked = false;
    MoveFocus(EntryField::ProvinceCode);
    ShowValues();
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
            ShowValues();
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
    const auto refuse = [this](EntryField field) {
        MoveFocus(field);
        ShowValues();
        return EnterOutcome::Refused;
    };
    if (v.provinceName.empty()) {
        return refuse(EntryField::ProvinceCode);
    }
    if (!IsValidCallsign(v.callsign)) {
        v.callsign.clear();
        return refuse(EntryField::Callsign);
    }
    if (!IsValidCallsign(v.answeringCallsign) || v.answeringCallsign == v.callsign) {
        v.answeringCallsign.clear();
        return refuse(EntryField::AnsweringCallsign);
    }
    if (!m_autoDateTime && !IsValidDate(v.date, kEntryLowestYear, std::nullopt)) {
        return refuse(EntryField::Date);
    }
    if (!IsValidReport(v.mode, v.reportSent)) {
        return refuse(EntryField::ReportSent);
    }
    if (!IsValidReport(v.mode, v.reportReceived)) {
        return refuse(EntryField::ReportReceived);
    }

    const int band = EntryBandIndex();
    const int mode = EntryModeRow();
    StationRecord calling = CurrentRecord(v.callsign);
    StationRecord answering = CurrentRecord(v.answeringCallsign);
    // The band or mode may have changed since the callsigns were left.
    if (calling.IsCaller(band, mode) ||
        answering.AnswerCount(band, mode) >= StationRecord::kMaxAnswerCount) {
        m_entryBlocked = true;
        m_dupShown = true;
        m_blockedPair = {v.callsign, v.answeringCallsign};
        ShowValues();
        return EnterOutcome::Refused;
    }

    m_log.AppendLogRow({v.date, v.time, v.band, v.mode, v.callsign, v.reportSent, v.provinceCode,
                        v.answeringCallsign});
    std::string lines = RowLine(m_log, m_log.RowCount() - 1, m_context.summary);
    m_tables.Provinces().MarkProvinceWorked(ProvinceIndexOf(v.provinceCode), mode, BandBit(band));
    calling.MarkCaller(band, mode);
    answering.RaiseAnswerCount(band, mode);
    calling.province = v.provinceCode;
    answering.province = v.answeringProvinceName.empty() ? std::string() : v.answeringProvinceCode;
    if (!answering.IsCaller(band, mode) &&
        calling.AnswerCount(band, mode) < StationRecord::kMaxAnswerCount &&
        !v.answeringProvinceName.empty()) {
        m_log.AppendLogRow({v.date, v.time, v.band, v.mode, v.answeringCallsign, v.reportReceived,
                            v.answeringProvinceCode, v.callsign});
        lines += RowLine(m_log, m_log.RowCount() - 1, m_context.summary);
        m_tables.Provinces().MarkProvinceWorked(ProvinceIndexOf(v.answeringProvinceCode), mode,
                                                BandBit(band));
        answering.MarkCaller(band, mode);
        calling.RaiseAnswerCount(band, mode);
    }
    m_tables.Stations().StoreStation(calling);
    m_tables.Stations().StoreStation(answering);
    // Both rows of one exchange reach the file in one write.
    AppendRows(lines);
    MarkModified();

    v.callsign.clear();
    v.answeringCallsign.clear();
    v.provinceCode.clear();
    v.provinceName.clear();
    v.answeringProvinceCode.clear();
    v.answeringProvinceName.clear();
    m_swlIndicators = SwlIndicators{};
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
    ShowValues();
    return EnterOutcome::Logged;
}

// --- Focus -------------------------------------------------------------------------------------

void EntryRow::MoveFocus(EntryField to)
{
    if (to == m_focus) {
        // Also cancels a move in progress whose leave handler sent the focus back here.
        ++m_focusGeneration;
        return;
    }
    const EntryField from = m_focus;
    const int generation = ++m_focusGeneration;
    // A leave handler that moves the focus on does not leave its own field a second time.
    if (from != m_leavingField) {
        const EntryField outer = m_leavingField;
        m_leavingField = from;
        RunLeaveHandler(from);
        m_leavingField = outer;
        if (generation != m_focusGeneration) {
            return;  // the leave handler put the focus elsewhere
        }
    }
    m_focus = to;
    RunGainHandler(to);
}

void EntryRow::RunLeaveHandler(EntryField field)
{
    if (field == EntryField::Callsign) {
        OnCallsignLeave();
    } else if (field == EntryField::Time) {
        OnTimeLeave();
    } else if (field == EntryField::AnsweringCallsign && m_log.IsSwl()) {
        OnAnsweringCallsignLeave();
    }
}

void EntryRow::RunGainHandler(EntryField field)
{
    switch (field) {
        case EntryField::Callsign:
            OnCallsignGain();
            break;
        case EntryField::Date:
            if (m_autoDateTime) {
                MoveFocus(EntryField::Time);
            }
            break;
        case EntryField::Time:
            // On to the band list, or past it when a category preset locked it.
            if (m_autoDateTime) {
                MoveFocus(m_bandListEnabled   ? EntryField::Band
                          : m_modeListEnabled ? EntryField::Mode
                                              : EntryField::Callsign);
            }
            break;
        case EntryField::ProvinceName:
            MoveFocus(EntryField::Date);
            break;
        default:
            break;
    }
}

void EntryRow::OnTimeLeave()
{
    if (m_autoDateTime) {
        return;
    }
    if (!CheckEntryTime(m_values.time)) {
        ShowValues();
        m_prompter.Error(WrongTimeText());
        MoveFocus(EntryField::Time);
    }
    ShowValues();
}

void EntryRow::OnCallsignGain()
{
    m_values.provinceCode.clear();
    m_values.provinceName.clear();
    m_multiplierShown = false;
    ShowValues();
}

void EntryRow::OnCallsignLeave()
{
    std::string callsign = TrimWhiteSpace(m_values.callsign);
    const bool valid = IsValidCallsign(callsign);
    m_values.callsign = valid ? callsign : std::string();
    if (!valid) {
        if (m_entryBlocked) {
            m_entryBlocked = false;
            m_dupShown = false;
            if (m_log.IsSwl()) {
                m_swlIndicators.callerShown = false;
            }
        }
        ShowValues();
        return;
    }
    if (m_log.IsSwl()) {
        OnCallingStationLeave();
        return;
    }

    m_previousContacts.clear();
    m_entryBlocked = false;
    m_dupShown = false;
    ClearMatrixButtons(MatrixChoice::Second, m_matrices);
    const std::optional<int> entryModeRow = ModeRowFromText(m_values.mode);
    for (int row = 0; row < m_log.RowCount(); ++row) {
        if (m_log.Cell(row, QsoColumn::Callsign) != m_values.callsign) {
            continue;
        }
        const std::string_view band = m_log.Cell(row, QsoColumn::Band);
        const std::string_view mode = m_log.Cell(row, QsoColumn::Mode);
        if (m_values.provinceCode.empty() && !m_entryBlocked) {
            m_values.provinceCode = m_log.Cell(row, QsoColumn::ProvinceCode);
            m_values.provinceName = m_context.provinces.ProvinceNameOf(m_values.provinceCode);
            ShowProvince(m_values.provinceCode, IndicatorMatrix::Province);
        }
        if (band == m_values.band && ModeRowFromText(mode) == entryModeRow) {
            m_dupShown = true;
            m_values.provinceCode.clear();
            m_values.provinceName.clear();
            m_entryBlocked = true;
            m_multiplierShown = false;
        }
        const std::string_view date = m_log.Cell(row, QsoColumn::Date);
        m_previousContacts.push_back({std::string(date.substr(0, 2)),
                                      std::string(m_log.Cell(row, QsoColumn::Time)),
                                      std::string(band), std::string(mode),
                                      std::string(m_log.Cell(row, QsoColumn::ReportSent)),
                                      std::string(m_log.Cell(row, QsoColumn::ReportReceived))});
        if (const std::optional<int> modeRow = ModeRowFromText(mode)) {
            m_matrices.enabled[IndicatorMatrices::ButtonIndex(
                IndicatorMatrix::Second, BandIndexFromText(band), *modeRow)] = true;
        }
    }
    if (m_values.provinceCode.empty() && !m_entryBlocked) {
        m_values.provinceCode = m_historyFill.ProvinceFor(m_context.history, HistorySlot::Calling,
                                                          m_values.callsign, m_values.provinceCode);
    }
    ShowValues();
}

void EntryRow::OnProvinceCodeChange()
{
    ShowProvinceCode(m_values.provinceCode, m_values.provinceName, IndicatorMatrix::Province);
}

void EntryRow::ShowProvinceCode(const std::string& code, std::string& name, IndicatorMatrix matrix)
{
    // An unknown code of two letters empties the name and leaves the matrix as it was.
    if (code.size() == 2) {
        name = m_context.provinces.ProvinceNameOf(code);
        CapitaliseProvinceName(name);
        if (!name.empty()) {
            ShowProvince(code, matrix);
        }
    } else {
        name.clear();
        ClearMatrixButtons(
            matrix == IndicatorMatrix::Province ? MatrixChoice::Province : MatrixChoice::Second,
            m_matrices);
        SetMultiplierSign(matrix, false);
    }
    ShowValues();
}

void EntryRow::ShowProvince(const std::string& code, IndicatorMatrix matrix)
{
    SetMultiplierSign(matrix,
                      ShowProvinceIndicators(m_tables.Provinces(), ProvinceIndexOf(code), matrix,
                                             ModePosition(), BandPosition(), m_matrices));
}

void EntryRow::SetMultiplierSign(IndicatorMatrix matrix, bool shown)
{
    // A QSO entry has one sign, MOLT; an SWL entry has one MO sign per line.
    if (m_log.IsSwl()) {
        m_swlIndicators.multiplierShown[static_cast<int>(matrix)] = shown;
    } else if (matrix == IndicatorMatrix::Province) {
        m_multiplierShown = shown;
    }
}

void EntryRow::ShowValues()
{
    // Setting the province code's text runs its change handler, as typing into it does.
    if (m_values.provinceCode != m_shownProvinceCode) {
        m_shownProvinceCode = m_values.provinceCode;
        OnProvinceCodeChange();
        return;
    }
    if (m_values.answeringProvinceCode != m_shownAnsweringProvinceCode) {
        m_shownAnsweringProvinceCode = m_values.answeringProvinceCode;
        OnAnsweringProvinceCodeChange();
        return;
    }
    emit changed();
}

}  // namespace zelkor
