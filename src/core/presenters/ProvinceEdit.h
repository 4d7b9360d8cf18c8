#pragma once
// What the window editing one province checks and delivers: the fields' limits and the checks
// behind its "Salva". The window only copies the two texts in and out.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zelkor {

class Prompter;

// One province as the list and the edit window handle it: the code as typed, the name as shown.
struct ProvinceEntry {
    std::string code;
    std::string name;

    bool operator==(const ProvinceEntry& other) const = default;
};

class ProvinceEdit {
public:
    // The fields take no more characters than these; the code field leaves room for a wrong
    // code, which "Salva" then refuses with its message.
    static constexpr int kCodeMaxLength = 4;
    static constexpr int kNameMaxLength = 25;

    // What the code field holds when text is typed or pasted into it: capitals, cut at its limit.
    static std::string FitCode(std::string_view text);
    // What the name field holds: every CR and LF a blank (a line break would split a line of the
    // province file), cut at its limit.
    static std::string FitName(std::string_view text);

    // "Salva": the code must be two letters A-Z, then the name must have at least two
    // characters. The first check that fails shows its error box and nothing is delivered, the
    // window staying open with the user's input; otherwise the entry comes back with its name
    // capitalised (a name of blanks only becomes empty).
    static std::optional<ProvinceEntry> Save(const ProvinceEntry& typed, Prompter& prompter);

    static QString WrongCodeText();
    static QString MissingNameText();
};

}  // namespace zelkor
