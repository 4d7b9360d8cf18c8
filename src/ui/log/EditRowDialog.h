#pragma once
// What the two row edit dialogs share: one line of labelled fields in screen order, the "Salva"
// and "Annulla" buttons and the program's colours. "Salva" closes the dialog only when the
// derived dialog's checks pass; "Annulla" and Esc always close it without a change.

#include "core/contest/InputRestrictions.h"
#include "ui/ControlIds.h"

#include <QDialog>

#include <span>
#include <string>
#include <string_view>

class QComboBox;
class QGridLayout;
class QLineEdit;

namespace zelkor {

class EditRowDialog : public QDialog {
    Q_OBJECT

public:
    EditRowDialog(const QString& title, QWidget* parent);

protected:
    // Each adds a column: the label above, the field below, named by its id and its label.
    QLineEdit* AddTextField(const QString& label, ControlId id, FieldKind kind,
                            int widthInCharacters);
    QComboBox* AddListField(const QString& label, ControlId id,
                            std::span<const std::string_view> entries, int widthInCharacters);

    // A text the field would refuse (a row read from a file) is shown as it is; any other as
    // the field holds it, callsigns in capitals.
    static void SetFieldText(QLineEdit* field, const std::string& text);
    static std::string FieldText(const QLineEdit* field);
    // The first entry that begins with the text, or no selection.
    static void SelectEntry(QComboBox* list, std::span<const std::string_view> entries,
                            const std::string& text);
    // Empty when no entry is selected.
    static std::string SelectedEntry(const QComboBox* list);

    // Runs the checks on the fields; true closes the dialog with "Salva".
    virtual bool Save() = 0;

private:
    void AddColumn(const QString& label, QWidget* field, ControlId id, int widthInCharacters);

    QGridLayout* m_fields = nullptr;
    int m_columnCount = 0;
};

}  // namespace zelkor
