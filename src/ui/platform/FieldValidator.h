#pragma once
// Keeps an entry field to what the field may hold: refuses characters that no rule accepts
// and turns callsign and province letters into capitals as they are typed or pasted. The
// limits are for typing only: a text the program puts into the field is shown whole.

#include "core/contest/InputRestrictions.h"

#include <QValidator>

class QLineEdit;

namespace zelkor {

class FieldValidator : public QValidator {
    Q_OBJECT

public:
    // Sets itself as the field's validator.
    FieldValidator(FieldKind kind, FieldPlace place, QLineEdit* field);

    State validate(QString& input, int& position) const override;

    // How a text the program holds is shown: exactly as it is, or as the field would hold it
    // had it been typed (callsigns in capitals) when typing could make it at all.
    enum class Shown { AsHeld, AsTyped };

    // Shows a text the program holds in a field, whole even when typing could not make it (a
    // longer province code from a log row, a callsign of 14 characters in field 1004 after an
    // exchange of roles): QLineEdit's maxLength would cut it, and a text the validator refused
    // would leave the field taking any later keystroke. A field without a FieldValidator just
    // shows the text; a field whose text does not change keeps its cursor.
    static void ShowText(QLineEdit* field, const QString& text, Shown how = Shown::AsHeld);

private:
    FieldKind m_kind;
    FieldPlace m_place;
    // The text the program put in last; the field may hold it whatever the typing limits say.
    QString m_programText;
};

}  // namespace zelkor
