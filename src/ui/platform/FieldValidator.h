#pragma once
// Keeps an entry field to what the field may hold: refuses characters that no rule accepts
// and turns callsign and province letters into capitals as they are typed or pasted.

#include "entry/InputRestrictions.h"

#include <QValidator>

namespace zelkor {

class FieldValidator : public QValidator {
    Q_OBJECT

public:
    FieldValidator(FieldKind kind, FieldPlace place, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    FieldKind m_kind;
    FieldPlace m_place;
};

}  // namespace zelkor
