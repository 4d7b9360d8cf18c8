#pragma once
// The small window that edits one province of the list, or takes a new one. The checks behind
// its "Salva" are ProvinceEdit's; this class owns the two fields and the buttons.

#include "core/presenters/ProvinceEdit.h"

#include <QDialog>

class QLineEdit;

namespace zelkor {

class Prompter;

enum class ProvinceEditPurpose { Modify, Add };

class CProvinceEditDlg : public QDialog {
    Q_OBJECT

public:
    CProvinceEditDlg(ProvinceEditPurpose purpose, const ProvinceEntry& entry, Prompter& prompter,
                     QWidget* parent = nullptr);

    static QString TitleText(ProvinceEditPurpose purpose);

    // The entry saved with "Salva" (its name capitalised); before that, the one it opened with.
    [[nodiscard]] const ProvinceEntry& Result() const { return m_result; }

private:
    void CreateFields();
    void OnSave();

    Prompter& m_prompter;
    ProvinceEntry m_result;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_name = nullptr;
};

}  // namespace zelkor
