#include "core/presenters/ProvinceEdit.h"

#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"

#include <algorithm>

namespace zelkor {

namespace {

bool IsProvinceCode(std::string_view code)
{
    return code.size() == 2 && IsUpperAsciiLetter(code[0]) && IsUpperAsciiLetter(code[1]);
}

}  // namespace

std::string ProvinceEdit::FitCode(std::string_view text)
{
    std::string code(text.substr(0, kCodeMaxLength));
    ToUpperAscii(code);
    return code;
}

std::string ProvinceEdit::FitName(std::string_view text)
{
    std::string name(text.substr(0, kNameMaxLength));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return name;
}

std::optional<ProvinceEntry> ProvinceEdit::Save(const ProvinceEntry& typed, Prompter& prompter)
{
    if (!IsProvinceCode(typed.code)) {
        prompter.Error(WrongCodeText());
        return std::nullopt;
    }
    if (typed.name.size() < 2) {
        prompter.Error(MissingNameText());
        return std::nullopt;
    }
    ProvinceEntry saved = typed;
    CapitaliseProvinceName(saved.name);
    return saved;
}

QString ProvinceEdit::WrongCodeText()
{
    return QStringLiteral("La sigla deve essere di 2 lettere!\n\n");
}

QString ProvinceEdit::MissingNameText()
{
    return QStringLiteral("Devi specificare il nome della provincia!\n");
}

}  // namespace zelkor
