#pragma once
// "Modifica di un HRD": one heard contact of an SWL log, field by field. "Salva" runs the checks
// of the edit dialogs through the prompter; the accepted values are handed back, the log is not
// touched.

#include "core/commands/LogEditing.h"
#include "ui/log/EditRowDialog.h"

class QComboBox;
class QLineEdit;

namespace zelkor {

class ProvinceTable;
class Prompter;

class CHrdEditDlg : public EditRowDialog {
    Q_OBJECT

public:
    CHrdEditDlg(const ProvinceTable& provinces, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the fields from a row; the lists open on the row's band and mode.
    void SetRow(const HrdRowEdit& row);
    // The values of the last "Salva" that closed the dialog.
    const HrdRowEdit& AcceptedRow() const { return m_accepted; }

protected:
    bool Save() override;

private:
    const ProvinceTable& m_provinces;
    Prompter& m_prompter;
    HrdRowEdit m_accepted;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    QComboBox* m_band = nullptr;
    QComboBox* m_mode = nullptr;
    QLineEdit* m_callingCallsign = nullptr;
    QLineEdit* m_report = nullptr;
    QLineEdit* m_provinceCode = nullptr;
    QLineEdit* m_answeringCallsign = nullptr;
};

}  // namespace zelkor
