#pragma once
// The row editor of the real program: "Modifica di un QSO" and "Modifica di un HRD", each built
// once per editor and reused for every row of one "Modifica" command, with their message boxes
// shown over the dialog.

#include "core/commands/LogEditing.h"
#include "ui/platform/QtPrompter.h"

#include <QPointer>

class QWidget;

namespace zelkor {

class CHrdEditDlg;
class CQsoEditDlg;
class ProvinceTable;

class QtRowEditor : public RowEditor {
public:
    QtRowEditor(const ProvinceTable& provinces, QWidget* parent);
    ~QtRowEditor() override;
    QtRowEditor(const QtRowEditor&) = delete;
    QtRowEditor& operator=(const QtRowEditor&) = delete;

    std::optional<QsoRowEdit> EditQsoRow(const QsoRowEdit& row) override;
    std::optional<HrdRowEdit> EditHrdRow(const HrdRowEdit& row) override;

private:
    const ProvinceTable& m_provinces;
    QWidget* m_parent;
    QtPrompter m_qsoPrompter;
    QtPrompter m_hrdPrompter;
    // Guarded: the dialogs are children of the parent window, which may go first.
    QPointer<CQsoEditDlg> m_qsoDialog;
    QPointer<CHrdEditDlg> m_hrdDialog;
};

}  // namespace zelkor
