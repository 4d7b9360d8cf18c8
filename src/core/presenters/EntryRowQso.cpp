// The entry row's QSO handlers, and what both layouts share: the callsign and province code
// handlers, band and mode changes, and the province indicators.

#include "core/commands/AppContext.h"
#include "core/contest/BandMode.h"
#include "core/contest/ContestFacts.h"
#include "core/contest/FieldRules.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/EntryRules.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QCoreApplication>

namespace zelkor {

EnterOutcome EntryRow::LogQsoEntry()
{
    const EntryValues& v = m_values;
    if (!IsValidCallsign(m_values.callsign)) {
        m_values.callsign.clear();
        return RefuseEntry(EntryField::Callsign);
    }
    if (!m_autoDateTime && !IsValidDate(v.date, kEntryLowestYear, std::nullopt)) {
        return RefuseEntry(EntryField::Date);
    }
    if (!IsValidReport(v.mode, v.reportReceived)) {
        return RefuseEntry(EntryField::ReportReceived);
    }
    if (!IsValidReport(v.mode, v.reportSent)) {
        return RefuseEntry(EntryField::ReportSent);
    }
    if (v.provinceName.empty() || v.provinceCode.size() != 2) {
        return RefuseEntry(EntryField::ProvinceCode);
    }
    if (m_context.summary.province.empty()) {
        m_prompter.Warning(MissingOwnProvinceText());
        return EnterOutcome::NeedSummaryData;
    }

    LogRows({{v.date, v.time, v.band, v.mode, v.callsign, v.reportSent, v.reportReceived,
              v.provinceCode, v.provinceName}});
    m_tables.Provinces().MarkProvinceWorked(ProvinceIndexOf(v.provinceCode),
                                            ModeRowFromPosition(ModePosition()),
                                            BandBit(BandIndexFromPosition(BandPosition())));

    ClearStationFields();
    m_previousContacts.clear();
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    m_multiplierShown = false;
    MoveFocus(EntryField::Callsign);
    return EnterOutcome::Logged;
}

// --- Band and mode ---------------------------------------------------------------------------

void EntryRow::OnBandChosen(int position)
{
    if (position < 0 || position >= static_cast<int>(BandList().size())) {
        return;
    }
    const Event event(*this);
    m_values.band = BandList()[position];
    m_context.settings.SetCurrentBand(m_context.store.get(), m_values.band);
    WriteChoicesSoon();
    AfterBandOrModeChange();
}

void EntryRow::OnModeChosen(int position)
{
    if (position < 0 || position >= static_cast<int>(ModeList().size())) {
        return;
    }
    const Event event(*this);
    m_values.mode = ModeList()[position];
    const CategoryPreset* preset = PresetOf(m_context.summary.category);
    if (preset != nullptr && preset->digitalOnly && !IsDigitalMode(m_values.mode)) {
        m_values.mode = "RTTY";
    }
    m_context.settings.SetCurrentMode(m_context.store.get(), m_values.mode);
    WriteChoicesSoon();
    ResetReportsForMode();
    AfterBandOrModeChange();
}

void EntryRow::WriteChoicesSoon()
{
    // Without an event loop (a test, a benchmark) nothing would run the timer.
    if (QCoreApplication::instance() == nullptr) {
        WriteChoices();
    } else if (!m_choiceWrite.isActive()) {
        m_choiceWrite.start();
    }
}

void EntryRow::WriteChoices()
{
    if (m_context.store != nullptr && m_context.store->HasUnwrittenChanges()) {
        m_context.ReportSettingsWrite(m_context.store->Flush(), m_prompter);
    }
}

void EntryRow::AfterBandOrModeChange()
{
    ShowValues();
    OnCallsignLeave();
    if (m_values.provinceCode.size() == 2) {
        ShowProvince(m_values.provinceCode, IndicatorMatrix::Province);
    }
    if (m_log.IsSwl() && m_values.answeringProvinceCode.size() == 2) {
        ShowProvince(m_values.answeringProvinceCode, IndicatorMatrix::Second);
    }
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
    return std::string(DefaultReportOf(m_values.mode));
}

// --- Callsign and province code ----------------------------------------------------------------

void EntryRow::OnCallsignGain()
{
    SetProvinceCode({});
    m_values.provinceName.clear();
    m_multiplierShown = false;
    ShowValues();
}

void EntryRow::OnCallsignLeave()
{
    ShowValues();
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
        return;
    }
    if (m_log.IsSwl()) {
        OnCallingStationLeave();
        return;
    }

    ClearMatrixButtons(MatrixChoice::Second, m_matrices);
    QsoCallsignFindings found = FindEarlierContacts(m_log, m_values.callsign, m_values.band,
                                                    m_values.mode, m_values.provinceCode);
    if (found.provinceFromLog) {
        m_values.provinceName = m_context.provinces.ProvinceNameOf(found.provinceCode);
        ShowProvince(*found.provinceFromLog, IndicatorMatrix::Province);
    }
    m_entryBlocked = found.duplicate;
    m_dupShown = found.duplicate;
    if (found.duplicate) {
        m_values.provinceName.clear();
        m_multiplierShown = false;
    }
    for (const PreviousContact& contact : found.previousContacts) {
        if (const std::optional<int> modeRow = ModeRowFromText(contact.mode)) {
            m_matrices.enabled[IndicatorMatrices::ButtonIndex(
                IndicatorMatrix::Second, BandIndexFromText(contact.band), *modeRow)] = true;
        }
    }
    m_previousContacts = std::move(found.previousContacts);
    if (found.provinceCode.empty() && !found.duplicate) {
        found.provinceCode = m_historyFill.ProvinceFor(m_context.history, HistorySlot::Calling,
                                                       m_values.callsign, found.provinceCode);
    }
    SetProvinceCode(std::move(found.provinceCode));
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

}  // namespace zelkor
