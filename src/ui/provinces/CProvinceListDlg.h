#pragma once
// The window "Elenco province italiane": shows the province table as a list for editing,
// adding, deleting and sorting, optionally with the bands and modes each province was worked
// on, and rebuilds the table with "Salva". The decisions are ProvinceList's; this class owns the
// widgets and shows the rows.

#include "core/presenters/ProvinceList.h"

#include <QDialog>

class QCheckBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace zelkor {

class Prompter;
class ProvinceTable;
class ProvinceWorkedTable;

class CProvinceListDlg : public QDialog {
    Q_OBJECT

public:
    // Opening capitalises the names in the table itself (see ProvinceList). The worked table is
    // only read, and must outlive the window.
    CProvinceListDlg(ProvinceTable& table, const ProvinceWorkedTable& worked, Prompter& prompter,
                     QWidget* parent = nullptr);
    CProvinceListDlg(ProvinceTable& table, ProvinceWorkedTable&& worked, Prompter& prompter,
                     QWidget* parent = nullptr) = delete;

    [[nodiscard]] const ProvinceList& List() const { return m_list; }

    // Menu "Annulla", Esc and the close box all come here: the table goes back to what it held
    // once the window had opened.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CreateMenus(QVBoxLayout* layout);
    void CreateList(QVBoxLayout* layout);
    void CreateButtons(QVBoxLayout* layout);
    void ShowColumns();
    void FitColumnWidths();
    void ShowRows();
    void ShowContextMenu(const QPoint& globalPosition);
    void TakeSelection();

    void OnModify();
    void OnAdd();
    void OnDelete();
    void OnSortByCode();
    void OnSortByName();
    void OnWorkedToggled(bool shown);
    void OnSave();

    ProvinceList m_list;
    Prompter& m_prompter;
    QTreeWidget* m_rows = nullptr;
    QCheckBox* m_workedCheck = nullptr;
    QPushButton* m_cancel = nullptr;
    QMenu* m_contextMenu = nullptr;
};

// The command "Elenco province": runs the window modally and, after "Salva", writes the table
// to provinceFilePath. Saved and FileNotWritten both mean that the table now holds the edited
// list, so the names shown elsewhere must be looked up again.
ProvinceListOutcome RunProvinceListDialog(QWidget* parent, ProvinceTable& table,
                                          const ProvinceWorkedTable& worked,
                                          const QString& provinceFilePath, Prompter& prompter);

}  // namespace zelkor
