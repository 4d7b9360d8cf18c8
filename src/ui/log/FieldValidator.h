#pragma once
// Keeps an entry field to what the core's input restrictions let through, as the text is typed or
// pasted: refused characters never appear, letters of callsigns and province codes appear as
// capitals, and no text grows past the field's length.

#include "entry/InputRestrictions.h"

#include <QValidator>

namespace zelkor {

class FieldValidator : public QValidator {
public:
    FieldValidator(FieldKind kind, FieldPlace place, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    FieldKind m_kind;
    FieldPlace m_place;
};

}  // namespace zelkor
