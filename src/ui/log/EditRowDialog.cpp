#include "ui/log/EditRowDialog.h"

#include "core/commands/LogEditing.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"
#include "ui/platform/FieldValidator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelkor {

EditRowDialog::EditRowDialog(const QString& title, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(title);
    setModal(true);
    m_fields = new QGridLayout;
    m_fields->setHorizontalSpacing(6);

    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(ControlName(ControlId::OkButton));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(ControlName(ControlId::CancelButton));
    connect(save, &QPushButton::clicked, this, [this] {
        if (Save()) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    DialogColours::Apply(this);
}

QLineEdit* EditRowDialog::AddTextField(const QString& label, ControlId id, FieldKind kind,
                                       int widthInCharacters)
{
    auto* field = new QLineEdit(this);
    // The validator, not maxLength, keeps the length, so that a longer text from a row is shown
    // whole rather than cut.
    new FieldValidator(kind, FieldPlace::EditDialog, field);
    AddColumn(label, field, id, widthInCharacters);
    return field;
}

QComboBox* EditRowDialog::AddListField(const QString& label, ControlId id,
                                       std::span<const std::string_view> entries,
                                       int widthInCharacters)
{
    auto* list = new QComboBox(this);
    for (const std::string_view entry : entries) {
        list->addItem(ToQString(entry));
    }
    AddColumn(label, list, id, widthInCharacters);
    return list;
}

void EditRowDialog::AddColumn(const QString& label, QWidget* field, ControlId id,
                              int widthInCharacters)
{
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    field->setObjectName(ControlName(id));
    field->setAccessibleName(label);
    // Room for the characters plus the frame, and for a list's arrow.
    field->setFixedWidth(fontMetrics().averageCharWidth() * (widthInCharacters + 2) + 16);
    m_fields->addWidget(caption, 0, m_columnCount);
    m_fields->addWidget(field, 1, m_columnCount);
    ++m_columnCount;
}

void EditRowDialog::SetFieldText(QLineEdit* field, const std::string& text)
{
    FieldValidator::ShowText(field, ToQString(text), FieldValidator::Shown::AsTyped);
}

std::string EditRowDialog::FieldText(const QLineEdit* field)
{
    return FromQString(field->text());
}

void EditRowDialog::SelectEntry(QComboBox* list, std::span<const std::string_view> entries,
                                const std::string& text)
{
    list->setCurrentIndex(FindListEntry(entries, text));
}

std::string EditRowDialog::SelectedEntry(const QComboBox* list)
{
    return list->currentIndex() < 0 ? std::string() : FromQString(list->currentText());
}

}  // namespace zelkor
