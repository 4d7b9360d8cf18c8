#pragma once
// "Modifica di un QSO": one contact of a QSO log, field by field. "Salva" runs the checks of the
// edit dialogs through the prompter; the accepted values are handed back, the log is not touched.

#include "core/commands/LogEditing.h"
#include "ui/log/EditRowDialog.h"

class QComboBox;
class QLineEdit;

namespace zelkor {

class ProvinceTable;
class Prompter;

class CQsoEditDlg : public EditRowDialog {
    Q_OBJECT

public:
    CQsoEditDlg(const ProvinceTable& provinces, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the fields from a row; the lists open on the row's band and mode.
    void SetRow(const QsoRowEdit& row);
    // The values of the last "Salva" that closed the dialog.
    const QsoRowEdit& AcceptedRow() const { return m_accepted; }

protected:
    bool Save() override;

private:
    const ProvinceTable& m_provinces;
    Prompter& m_prompter;
    QsoRowEdit m_accepted;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_time = nullptr;
    QComboBox* m_band = nullptr;
    QComboBox* m_mode = nullptr;
    QLineEdit* m_callsign = nullptr;
    QLineEdit* m_reportSent = nullptr;
    QLineEdit* m_reportReceived = nullptr;
    QLineEdit* m_provinceCode = nullptr;
};

}  // namespace zelkor
