#include "core/presenters/SummaryDataForm.h"

#include "core/contest/FieldRules.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"

namespace zelkor {
namespace {

constexpr std::string_view kSwlCode = "SWL";
constexpr std::size_t kProvinceCodeLength = 2;
constexpr std::size_t kCategoryCodeLength = 3;
constexpr std::size_t kShortestName = 3;

std::size_t Slot(SummaryTextField field)
{
    return static_cast<std::size_t>(field);
}

bool TypesCapitals(SummaryTextField field)
{
    return field == SummaryTextField::Callsign || field == SummaryTextField::Operators;
}

// The fields type capitals the way the keyboard layout's letters have them, so accented
// Windows-1252 letters are raised too (ß and ÷ have no capital).
char ToCapital(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
        return static_cast<char>(byte - 0x20);
    }
    switch (byte) {
        case 0x9A:  // š
        case 0x9C:  // œ
        case 0x9E:  // ž
            return static_cast<char>(byte - 0x10);
        case 0xFF:  // ÿ
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

}  // namespace

SummaryDataForm::SummaryDataForm(const SummaryData& data, const ProvinceTable& provinces,
                                 SummaryLogState logState)
    : m_provinceEntries(ProvinceEntries(provinces)),
      // Every entry begins with an empty code, so a missing category shows the first one, which
      // is what "Salva" then delivers.
      m_categoryIndex(FindEntry(CategoryEntries(), data.category)),
      m_logState(logState)
{
    SetText(SummaryTextField::Callsign, data.callsign);
    SetText(SummaryTextField::Section, data.section);
    SetText(SummaryTextField::Name, data.name);
    SetText(SummaryTextField::Operators, data.operators);
    SetText(SummaryTextField::Address1, data.address1);
    SetText(SummaryTextField::Address2, data.address2);
    SetText(SummaryTextField::Address3, data.address3);
    SetText(SummaryTextField::Comment1, data.comment1);
    SetText(SummaryTextField::Comment2, data.comment2);
    // A missing own province stays unselected, unlike a missing category, so that the entry
    // row still asks for it before the first contact.
    if (!data.province.empty()) {
        m_provinceIndex = FindEntry(m_provinceEntries, data.province);
    }
}

const std::vector<std::string>& SummaryDataForm::CategoryEntries()
{
    static const std::vector<std::string> entries = {
        "SOP - Singolo op. misto 40/80m",
        "S40 - Singolo op. misto 40m",
        "S80 - SIngolo op. misto 80m",
        "SCW - Singolo op. CW 40/80m",
        "SPH - Singolo op. SSB 40/80m",
        "SDG - Singolo op. RTTY/Psk31 40/80m",
        "MOP - Multi operatore misto 40/80m",
        "SEZ - Stazioni IQ misto 40/80m",
        "QRP - Bassa potenza misto 40/80m",
        "STM - Stazioni marconiane misto 40/80m",
        "SWL - Stazioni di ascolto, misto 40/80m",
    };
    return entries;
}

std::vector<std::string> SummaryDataForm::ProvinceEntries(const ProvinceTable& provinces)
{
    std::vector<std::string> entries;
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        const std::string& name = provinces.Name(index);
        if (!name.empty()) {
            entries.push_back(ProvinceCodeAt(index) + " - " + name);
        }
    }
    return entries;
}

int SummaryDataForm::FindEntry(const std::vector<std::string>& entries, std::string_view prefix)
{
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].starts_with(prefix)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

std::optional<int> SummaryDataForm::MaxLength(SummaryTextField field)
{
    switch (field) {
        case SummaryTextField::Callsign:
            return 14;
        case SummaryTextField::Section:
        case SummaryTextField::Name:
            return std::nullopt;
        case SummaryTextField::Operators:
        case SummaryTextField::Address1:
        case SummaryTextField::Address2:
        case SummaryTextField::Address3:
        case SummaryTextField::Comment1:
        case SummaryTextField::Comment2:
            return 60;
    }
    return std::nullopt;
}

std::string SummaryDataForm::FitText(SummaryTextField field, std::string_view text)
{
    std::string fitted(text);
    if (const std::optional<int> limit = MaxLength(field);
        limit && fitted.size() > static_cast<std::size_t>(*limit)) {
        fitted.resize(static_cast<std::size_t>(*limit));
    }
    for (char& c : fitted) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        } else if (TypesCapitals(field)) {
            c = ToCapital(c);
        }
    }
    return fitted;
}

const std::string& SummaryDataForm::Text(SummaryTextField field) const
{
    return m_texts[Slot(field)];
}

void SummaryDataForm::SetText(SummaryTextField field, std::string_view text)
{
    m_texts[Slot(field)] = FitText(field, text);
}

void SummaryDataForm::SelectProvince(int index)
{
    const bool inList = index >= 0 && index < static_cast<int>(m_provinceEntries.size());
    m_provinceIndex = inList ? index : -1;
}

void SummaryDataForm::PickCategory(int index, Prompter& prompter)
{
    const bool inList = index >= 0 && index < static_cast<int>(CategoryEntries().size());
    m_categoryIndex = inList ? index : -1;
    const bool toSwl = CategoryCode() == kSwlCode;
    const QString title = QStringLiteral("Richiesta conferma");

    if (m_logState.layout == LogLayout::Qso) {
        // A log without a file of its own has its rows only in the working file, which the
        // switch empties, so that case asks even when nothing is marked modified.
        if (toSwl && (m_logState.noOpenLogFile || m_logState.logModified)) {
            m_switchConfirmed = prompter.AskYesNo(title, ToSwlQuestionText());
            if (!m_switchConfirmed) {
                m_categoryIndex = 0;
            }
        }
    } else if (!toSwl && m_logState.logModified) {
        m_switchConfirmed = prompter.AskYesNo(title, ToQsoQuestionText());
        if (!m_switchConfirmed) {
            m_categoryIndex = FindEntry(CategoryEntries(), kSwlCode);
        }
    }
}

std::optional<SummaryData> SummaryDataForm::Save(Prompter& prompter)
{
    const bool callsignValid = IsValidCallsign(m_texts[Slot(SummaryTextField::Callsign)]);
    if (!callsignValid || Text(SummaryTextField::Name).size() < kShortestName) {
        prompter.Error(WrongDataText());
        return std::nullopt;
    }
    SummaryData data;
    data.callsign = Text(SummaryTextField::Callsign);
    data.province = EntryPrefix(m_provinceEntries, m_provinceIndex, kProvinceCodeLength);
    data.section = Text(SummaryTextField::Section);
    data.name = Text(SummaryTextField::Name);
    data.operators = Text(SummaryTextField::Operators);
    data.category = CategoryCode();
    data.address1 = Text(SummaryTextField::Address1);
    data.address2 = Text(SummaryTextField::Address2);
    data.address3 = Text(SummaryTextField::Address3);
    data.comment1 = Text(SummaryTextField::Comment1);
    data.comment2 = Text(SummaryTextField::Comment2);
    return data;
}

bool SummaryDataForm::ModeSwitchConfirmed() const
{
    const bool switches = (CategoryCode() == kSwlCode) != (m_logState.layout == LogLayout::Swl);
    return m_switchConfirmed && switches;
}

QString SummaryDataForm::ToSwlQuestionText()
{
    return QStringLiteral(
        "Attenzione!\nStai passando dal modo QSO al modo SWL\ne ci sono QSO non salvati.\n"
        "Prima di passare al modo SWL conviene salvare\ni QSO con i comandi Salva o Salva "
        "come...\n\nVuoi continuare comunque?");
}

QString SummaryDataForm::ToQsoQuestionText()
{
    return QStringLiteral(
        "Attenzione!\nStai passando dal modo SWL al modo QSO\ne ci sono ascolti non salvati.\n"
        "Prima di passare al modo QSO conviene salvare\ngli ascolti con i comandi Salva o Salva "
        "come...\n\nVuoi continuare comunque?");
}

QString SummaryDataForm::WrongDataText()
{
    return QStringLiteral(
        "Correggi i dati!\n\nDevi inserire almeno\nnominativo, nome, provincia e categoria.");
}

std::string SummaryDataForm::EntryPrefix(const std::vector<std::string>& entries, int index,
                                         std::size_t length)
{
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return {};
    }
    return entries[static_cast<std::size_t>(index)].substr(0, length);
}

std::string SummaryDataForm::CategoryCode() const
{
    return EntryPrefix(CategoryEntries(), m_categoryIndex, kCategoryCodeLength);
}

}  // namespace zelkor
