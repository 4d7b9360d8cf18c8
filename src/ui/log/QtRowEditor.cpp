#include "ui/log/QtRowEditor.h"

#include "ui/log/CHrdEditDlg.h"
#include "ui/log/CQsoEditDlg.h"

namespace zelkor {

QtRowEditor::QtRowEditor(const ProvinceTable& provinces, QWidget* parent)
    : m_provinces(provinces), m_parent(parent)
{
}

QtRowEditor::~QtRowEditor()
{
    delete m_qsoDialog.data();
    delete m_hrdDialog.data();
}

std::optional<QsoRowEdit> QtRowEditor::EditQsoRow(const QsoRowEdit& row)
{
    if (!m_qsoDialog) {
        m_qsoDialog = new CQsoEditDlg(m_provinces, m_qsoPrompter, m_parent);
        m_qsoPrompter.SetParent(m_qsoDialog);
    }
    m_qsoDialog->SetRow(row);
    if (m_qsoDialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_qsoDialog->AcceptedRow();
}

std::optional<HrdRowEdit> QtRowEditor::EditHrdRow(const HrdRowEdit& row)
{
    if (!m_hrdDialog) {
        m_hrdDialog = new CHrdEditDlg(m_provinces, m_hrdPrompter, m_parent);
        m_hrdPrompter.SetParent(m_hrdDialog);
    }
    m_hrdDialog->SetRow(row);
    if (m_hrdDialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_hrdDialog->AcceptedRow();
}

}  // namespace zelkor
