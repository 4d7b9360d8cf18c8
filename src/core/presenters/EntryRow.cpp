#include "core/presenters/EntryRow.h"

#include "core/commands/AppContext.h"
#include "core/contest/BandMode.h"
#include "core/contest/ContestFacts.h"
#include "core/contest/FieldRules.h"
#include "core/document/LogDocument.h"
#include "core/log/LogList.h"
#include "core/platform/Prompter.h"
#include "core/presenters/EntryRules.h"

namespace zelkor {
namespace {

// Long enough for the window to show the choice first and for a run of choices (arrow keys in
// the list, a radio being tuned) to make one write.
constexpr int kChoiceWriteDelayMs = 200;

}  // namespace

const std::vector<std::string>& EntryRow::BandList()
{
    static const std::vector<std::string> kBands = [] {
        std::vector<std::string> bands;
        bands.reserve(std::size(kContestBands));
        for (const ContestBand& band : kContestBands) {
            bands.emplace_back(band.text);
        }
        return bands;
    }();
    return kBands;
}

const std::vector<std::string>& EntryRow::ModeList()
{
    static const std::vector<std::string> kModes = [] {
        std::vector<std::string> modes;
        modes.reserve(std::size(kContestModes));
        for (const ContestMode& mode : kContestModes) {
            modes.emplace_back(mode.text);
        }
        return modes;
    }();
    return kModes;
}

EntryRow::EntryRow(AppContext& context, LogDocument& document, Prompter& prompter,
                   const Clock& clock, QObject* parent)
    : QObject(parent),
      m_context(context),
      m_document(document),
      m_log(document.Log()),
      m_tables(document.Tables()),
      m_prompter(prompter),
      m_clock(clock)
{
    m_choiceWrite.setSingleShot(true);
    m_choiceWrite.setInterval(kChoiceWriteDelayMs);
    connect(&m_choiceWrite, &QTimer::timeout, this, &EntryRow::WriteChoices);
}

EntryRow::Event::Event(EntryRow& row) : m_row(row)
{
    ++m_row.m_eventDepth;
}

EntryRow::Event::~Event()
{
    if (--m_row.m_eventDepth == 0) {
        m_row.ShowValuesNow();
    }
}

void EntryRow::ShowValuesNow()
{
    if (m_valuesChanged) {
        m_valuesChanged = false;
        emit changed();
    }
}

int EntryRow::BandPosition() const
{
    return ListPositionOf(BandList(), m_values.band.empty() ? std::string("\x01") : m_values.band);
}

int EntryRow::ModePosition() const
{
    return ListPositionOf(ModeList(), m_values.mode.empty() ? std::string("\x01") : m_values.mode);
}

bool EntryRow::SwlFieldsShown() const
{
    return m_log.IsSwl();
}

// --- Window start and commands ---------------------------------------------------------------

void EntryRow::Start()
{
    const Event event(*this);
    m_autoDateTime = true;
    AutoDateTimeTick();

    // The stored band and mode, unless the category presets of the loaded log chose them.
    const CategoryPreset* preset = PresetOf(m_context.summary.category);
    if (preset == nullptr || preset->band.empty()) {
        const int band = ListPositionOf(BandList(), m_context.settings.currentBand);
        m_values.band = BandList()[band < 0 ? 1 : band];
    }
    if (preset == nullptr || preset->mode.empty()) {
        const int mode = ListPositionOf(ModeList(), m_context.settings.currentMode);
        m_values.mode = ModeList()[mode < 0 ? 0 : mode];
    }
    // The reports follow the mode that is shown, which a preset may have chosen.
    m_values.reportSent = DefaultReport();
    m_values.reportReceived = DefaultReport();

    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
    ShowValues();
}

void EntryRow::ApplyCategoryPresets()
{
    const CategoryPreset* preset = PresetOf(m_context.summary.category);
    m_bandListEnabled = preset == nullptr || !preset->bandLocked;
    m_modeListEnabled = preset == nullptr || !preset->modeLocked;
    if (preset == nullptr) {
        return;
    }
    if (!preset->band.empty()) {
        m_values.band = preset->band;
    }
    if (!preset->mode.empty()) {
        m_values.mode = preset->mode;
        m_values.reportSent = DefaultReport();
        m_values.reportReceived = DefaultReport();
    }
}

void EntryRow::ClearStationFields()
{
    m_values.callsign.clear();
    m_values.answeringCallsign.clear();
    SetProvinceCode({});
    SetAnsweringProvinceCode({});
    m_values.provinceName.clear();
    m_values.answeringProvinceName.clear();
    if (m_log.IsSwl()) {
        m_swlIndicators = SwlIndicators{};
    }
    ShowValues();
}

void EntryRow::ClearEntryRow()
{
    const Event event(*this);
    ClearStationFields();
    // The mode list's choice decides; a mode it doesn't hold gets the three-figure report.
    const int position = ModePosition();
    const std::string report(DefaultReportOf(
        position >= 0 ? kContestModes[static_cast<std::size_t>(position)].text : ""));
    m_values.reportSent = report;
    m_values.reportReceived = report;
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
}

void EntryRow::OnLayoutSwitched()
{
    const Event event(*this);
    // A block belongs to the log it was found in.
    m_entryBlocked = false;
    m_dupShown = false;
    m_previousContacts.clear();
    m_swlIndicators = SwlIndicators{};
    if (!m_log.IsSwl()) {
        m_values.answeringCallsign.clear();
        SetAnsweringProvinceCode({});
        m_values.answeringProvinceName.clear();
    }
    ShowValues();
}

void EntryRow::RefreshProvinceNames()
{
    const Event event(*this);
    OnProvinceCodeChange();
    if (m_log.IsSwl()) {
        OnAnsweringProvinceCodeChange();
    }
}

void EntryRow::OnLogReplaced()
{
    const Event event(*this);
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
    const Event event(*this);
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
            SetProvinceCode(text);
            break;
        case EntryField::AnsweringCallsign:
            m_values.answeringCallsign = text;
            break;
        case EntryField::AnsweringProvinceCode:
            SetAnsweringProvinceCode(text);
            break;
        case EntryField::Band:
        case EntryField::Mode:
        case EntryField::ProvinceName:
        case EntryField::AnsweringProvinceName:
        case EntryField::Other:
            break;  // not typed into
    }
}

void EntryRow::SetProvinceCode(std::string code)
{
    m_values.provinceCode = std::move(code);
    if (m_values.provinceCode != m_shownProvinceCode) {
        m_shownProvinceCode = m_values.provinceCode;
        OnProvinceCodeChange();
    }
}

void EntryRow::SetAnsweringProvinceCode(std::string code)
{
    m_values.answeringProvinceCode = std::move(code);
    if (m_values.answeringProvinceCode != m_shownAnsweringProvinceCode) {
        m_shownAnsweringProvinceCode = m_values.answeringProvinceCode;
        OnAnsweringProvinceCodeChange();
    }
}

void EntryRow::OnFocusMoved(EntryField to)
{
    const Event event(*this);
    MoveFocus(to);
    ShowValues();
}

EnterOutcome EntryRow::OnEntryEnter()
{
    const Event event(*this);
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
            return EnterOutcome::FocusMoved;
        case EntryField::Time:
            MoveFocus(EntryField::Callsign);
            return EnterOutcome::FocusMoved;
        case EntryField::Date:
            MoveFocus(EntryField::Time);
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
    ClearStationFields();
    m_multiplierShown = false;
    m_previousContacts.clear();
    ClearMatrixButtons(MatrixChoice::Both, m_matrices);
    MoveFocus(EntryField::Callsign);
    m_entryBlocked = false;
    return EnterOutcome::EntryDiscarded;
}

EnterOutcome EntryRow::RefuseEntry(EntryField focus)
{
    MoveFocus(focus);
    ShowValues();
    return EnterOutcome::Refused;
}

void EntryRow::LogRows(const std::vector<std::vector<std::string>>& rows)
{
    const bool lackedRows = m_document.File().LacksRows();
    const Result appended = m_document.AppendRows(rows, m_context.summary);
    if (!appended || lackedRows) {
        ShowValuesNow();
        ReportWorkingFileWrite(appended, lackedRows, m_document.File(), m_prompter);
    }
    m_context.ReportSettingsWrite(m_document.MarkModified(), m_prompter);
}

}  // namespace zelkor
