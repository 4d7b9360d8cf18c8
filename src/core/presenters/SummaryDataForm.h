#pragma once
// What the summary data window decides: the entries of its province and category lists, which
// entries the stored codes select, the questions a change of category asks, the check behind
// "Salva" and the values it delivers. The window only copies texts and selections in and out.

#include "core/log/LogColumns.h"
#include "core/settings/SummaryData.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

class Prompter;
class ProvinceTable;

// The free-text fields of the window, top to bottom.
enum class SummaryTextField {
    Callsign,
    Section,
    Name,
    Operators,
    Address1,
    Address2,
    Address3,
    Comment1,
    Comment2,
};
inline constexpr int kSummaryTextFieldCount = 9;

// What the category questions depend on: the layout of the log now, and whether its rows are
// kept anywhere but in the working file.
struct SummaryLogState {
    LogLayout layout = LogLayout::Qso;
    bool noOpenLogFile = true;
    bool logModified = false;
};

class SummaryDataForm {
public:
    SummaryDataForm(const SummaryData& data, const ProvinceTable& provinces,
                    SummaryLogState logState);

    // The eleven category entries; each one's code is its first three characters.
    static const std::vector<std::string>& CategoryEntries();
    // "MI - MILANO": one entry per named slot, in code order, the name as the table holds it.
    static std::vector<std::string> ProvinceEntries(const ProvinceTable& provinces);
    // The first entry that begins with prefix, or -1; an empty prefix selects the first entry.
    static int FindEntry(const std::vector<std::string>& entries, std::string_view prefix);

    // The most characters the field takes; nothing for no limit.
    static std::optional<int> MaxLength(SummaryTextField field);
    // What the field holds when text is typed or pasted into it: capitals where the field types
    // capitals, every CR and LF a blank (a line break would split the log file header), cut at
    // the field's limit.
    static std::string FitText(SummaryTextField field, std::string_view text);

    [[nodiscard]] const std::vector<std::string>& ProvinceList() const { return m_provinceEntries; }

    [[nodiscard]] const std::string& Text(SummaryTextField field) const;
    // Stores the text as the field would hold it (FitText).
    void SetText(SummaryTextField field, std::string_view text);

    // -1 for no selection.
    [[nodiscard]] int ProvinceIndex() const { return m_provinceIndex; }
    void SelectProvince(int index);
    [[nodiscard]] int CategoryIndex() const { return m_categoryIndex; }

    // The user picked a category entry. A pick that would switch the log between QSO and SWL
    // with rows that may be lost asks first; No puts back the entry of the present layout.
    void PickCategory(int index, Prompter& prompter);

    // "Salva": the values to deliver, or nothing after the error box when the callsign or the
    // name fails, the window staying open. The callsign is upper-cased either way.
    std::optional<SummaryData> Save(Prompter& prompter);

    // The user already agreed in this window to the switch of layout that the chosen category
    // makes, so the command that applies the values need not ask again.
    [[nodiscard]] bool ModeSwitchConfirmed() const;

    static QString ToSwlQuestionText();
    static QString ToQsoQuestionText();
    static QString WrongDataText();

private:
    static std::string EntryPrefix(const std::vector<std::string>& entries, int index,
                                   std::size_t length);
    [[nodiscard]] std::string CategoryCode() const;

    std::array<std::string, kSummaryTextFieldCount> m_texts;
    std::vector<std::string> m_provinceEntries;
    int m_provinceIndex = -1;
    int m_categoryIndex = -1;
    SummaryLogState m_logState;
    bool m_switchConfirmed = false;
};

}  // namespace zelkor
