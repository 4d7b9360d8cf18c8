#pragma once
// The widgets of the entry row in the " Inserimento nuovo QSO " box: headings, fields, the band
// and mode lists, the two check boxes and the "C" button. They show what the EntryRow holds;
// the binding forwards what the operator does with them.

#include "core/contest/InputRestrictions.h"
#include "core/presenters/EntryRow.h"
#include "ui/ControlIds.h"

#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zelkor {

class EntryRowWidgets {
public:
    explicit EntryRowWidgets(QWidget* window);

    QGroupBox* Box() const { return m_box; }
    // The line edit of a text field; nullptr for the lists and Other.
    QLineEdit* LineEdit(EntryField field) const;
    QComboBox* BandList() const { return m_bandList; }
    QComboBox* ModeList() const { return m_modeList; }
    QCheckBox* AutoDateTime() const { return m_autoDateTime; }
    QCheckBox* PcShowsUtc() const { return m_pcShowsUtc; }
    QPushButton* ClearButton() const { return m_clearButton; }
    QLabel* CallsignHeading() const { return m_callsignHeading; }
    QLabel* ProvinceNameHeading() const { return m_provinceNameHeading; }

    // The entry field a widget stands for; Other for every other control.
    EntryField FieldOf(const QWidget* widget) const;
    // The widget that takes the focus for a field; nullptr for Other.
    QWidget* WidgetOf(EntryField field) const;

    // Copies every value, list position and check box state of the entry row into the widgets,
    // touching only what differs so that the cursor stays where the operator left it.
    void ShowValues(const EntryRow& entry);
    // The entry-row half of the layout switch: second-station fields, the received report's
    // place, the "RST rx" heading.
    void SetSwlLayout(bool swl);
    bool IsSwlLayout() const { return m_swlLayout; }

private:
    void CreateHeadings();
    void CreateFields();
    void CreateLists();
    void CreateSwitches();
    void SetTabOrder();
    QLineEdit* CreateField(EntryField field, ControlId id, const QString& name, FieldKind kind,
                           FieldPlace place);
    QLineEdit* CreateNameField(EntryField field, ControlId id, const QString& name);
    QLabel* CreateHeading(const char* text, int left, QWidget* buddy);

    QGroupBox* m_box = nullptr;
    // Indexed by EntryField; the lists and Other stay nullptr.
    std::array<QLineEdit*, static_cast<int>(EntryField::Other) + 1> m_fields{};
    QComboBox* m_bandList = nullptr;
    QComboBox* m_modeList = nullptr;
    QCheckBox* m_autoDateTime = nullptr;
    QCheckBox* m_pcShowsUtc = nullptr;
    QPushButton* m_clearButton = nullptr;
    QLabel* m_callsignHeading = nullptr;
    QLabel* m_provinceNameHeading = nullptr;
    QLabel* m_receivedHeading = nullptr;
    bool m_swlLayout = false;
};

}  // namespace zelkor
