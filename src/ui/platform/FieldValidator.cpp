#include "ui/platform/FieldValidator.h"

#include "core/text/Cp1252.h"

#include <QLineEdit>

namespace zelkor {

FieldValidator::FieldValidator(FieldKind kind, FieldPlace place, QLineEdit* field)
    : QValidator(field), m_kind(kind), m_place(place)
{
    field->setValidator(this);
}

QValidator::State FieldValidator::validate(QString& input, int& /*position*/) const
{
    // What the program put in stays as it is, also when an undo brings it back.
    if (input == m_programText) {
        return Acceptable;
    }
    // A character outside Windows-1252 would come back as '?', which no field takes.
    const std::optional<std::string> held = FilterTypedText(m_kind, m_place, FromQString(input));
    if (!held) {
        return Invalid;
    }
    // Only the case of letters changes, so the cursor stays where it was.
    input = ToQString(*held);
    return Acceptable;
}

void FieldValidator::ShowText(QLineEdit* field, const QString& text, Shown how)
{
    auto* validator = field->findChild<FieldValidator*>(QString(), Qt::FindDirectChildrenOnly);
    QString shown = text;
    if (validator != nullptr) {
        if (how == Shown::AsTyped) {
            const std::optional<std::string> typed =
                FilterTypedText(validator->m_kind, validator->m_place, FromQString(text));
            if (typed) {
                shown = ToQString(*typed);
            }
        }
        validator->m_programText = shown;
    }
    if (field->text() != shown) {
        field->setText(shown);
    }
}

}  // namespace zelkor
