#include "platform/FieldValidator.h"

#include "text/Cp1252.h"

namespace zelkor {

FieldValidator::FieldValidator(FieldKind kind, FieldPlace place, QObject* parent)
    : QValidator(parent), m_kind(kind), m_place(place)
{
}

QValidator::State FieldValidator::validate(QString& input, int& /*position*/) const
{
    // A character outside Windows-1252 would come back as '?', which no field takes.
    const std::optional<std::string> held = FilterTypedText(m_kind, m_place, FromQString(input));
    if (!held) {
        return Invalid;
    }
    // Only the case of letters changes, so the cursor stays where it was.
    input = ToQString(*held);
    return Acceptable;
}

}  // namespace zelkor
