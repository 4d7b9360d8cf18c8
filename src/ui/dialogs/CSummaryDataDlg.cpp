#include "ui/dialogs/CSummaryDataDlg.h"

#include "core/platform/Prompter.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace zelkor {
namespace {

// Puts every typed or pasted text through the form's rules, so that the field shows what will
// be saved: capitals, no line breaks, and characters outside Windows-1252 already as '?'.
class SummaryTextValidator : public QValidator {
public:
    SummaryTextValidator(SummaryTextField field, QObject* parent)
        : QValidator(parent), m_field(field)
    {
    }

    State validate(QString& input, int& position) const override
    {
        const QString fitted = ToQString(SummaryDataForm::FitText(m_field, FromQString(input)));
        if (fitted != input) {
            input = fitted;
            position = std::min(position, static_cast<int>(input.size()));
        }
        return Acceptable;
    }

private:
    SummaryTextField m_field;
};

}  // namespace

CSummaryDataDlg::CSummaryDataDlg(const SummaryData& summary, const ProvinceTable& provinces,
                                 SummaryLogState logState, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_form(summary, provinces, logState), m_prompter(prompter), m_result(summary)
{
    setObjectName(QStringLiteral("CSummaryDataDlg"));
    setWindowTitle(QStringLiteral("ZELKOR - Dati riassuntivi"));
    auto* layout = new QVBoxLayout(this);
    CreateFields(layout);
    CreateButtons(layout);
    ShowValues();
    DialogColours::Apply(this);
}

void CSummaryDataDlg::CreateFields(QVBoxLayout* layout)
{
    auto labelled = [&](const QString& label, SummaryTextField field, const QString& objectName) {
        QLabel* shown = AddLabel(layout, label);
        shown->setBuddy(AddLineEdit(layout, field, objectName, label));
    };
    labelled(QStringLiteral("Nominativo utilizzato durante il contest"), SummaryTextField::Callsign,
             QStringLiteral("callsignEdit"));

    const QString provinceLabel = QStringLiteral("Propria provincia");
    QLabel* provinceShown = AddLabel(layout, provinceLabel);
    m_province =
        AddComboBox(layout, m_form.ProvinceList(), QStringLiteral("provinceCombo"), provinceLabel);
    provinceShown->setBuddy(m_province);
    connect(m_province, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SelectProvince(index); });

    labelled(QStringLiteral("Propria sezione Ari (codice e nome)"), SummaryTextField::Section,
             QStringLiteral("sectionEdit"));
    labelled(QStringLiteral("Nome"), SummaryTextField::Name, QStringLiteral("nameEdit"));
    labelled(QStringLiteral("Eventuali altri operatori"), SummaryTextField::Operators,
             QStringLiteral("operatorsEdit"));

    const QString categoryLabel = QStringLiteral("Categoria");
    QLabel* categoryShown = AddLabel(layout, categoryLabel);
    m_category = AddComboBox(layout, SummaryDataForm::CategoryEntries(),
                             QStringLiteral("categoryCombo"), categoryLabel);
    categoryShown->setBuddy(m_category);
    // Only the user's picks ask; selections made by the program (opening, a No) must not.
    connect(m_category, &QComboBox::activated, this, [this](int index) {
        m_form.PickCategory(index, m_prompter);
        m_category->setCurrentIndex(m_form.CategoryIndex());
    });

    // Each line gets a name of its own, so that a screen reader tells the three apart.
    QLabel* address = AddLabel(layout, QStringLiteral("Indirizzo"));
    address->setBuddy(AddLineEdit(layout, SummaryTextField::Address1,
                                  QStringLiteral("address1Edit"),
                                  QStringLiteral("Indirizzo riga 1")));
    AddLineEdit(layout, SummaryTextField::Address2, QStringLiteral("address2Edit"),
                QStringLiteral("Indirizzo riga 2"));
    AddLineEdit(layout, SummaryTextField::Address3, QStringLiteral("address3Edit"),
                QStringLiteral("Indirizzo riga 3"));
    QLabel* comments = AddLabel(layout, QStringLiteral("Commenti"));
    comments->setBuddy(AddLineEdit(layout, SummaryTextField::Comment1,
                                   QStringLiteral("comment1Edit"),
                                   QStringLiteral("Commenti riga 1")));
    AddLineEdit(layout, SummaryTextField::Comment2, QStringLiteral("comment2Edit"),
                QStringLiteral("Commenti riga 2"));
}

void CSummaryDataDlg::CreateButtons(QVBoxLayout* layout)
{
    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setAccessibleName(save->text());
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CSummaryDataDlg::OnSave);

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(cancel->text());
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

QLineEdit* CSummaryDataDlg::AddLineEdit(QVBoxLayout* layout, SummaryTextField field,
                                        const QString& objectName, const QString& accessibleName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setAccessibleName(accessibleName);
    if (const std::optional<int> limit = SummaryDataForm::MaxLength(field)) {
        edit->setMaxLength(*limit);
    }
    edit->setValidator(new SummaryTextValidator(field, edit));
    connect(edit, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { m_form.SetText(field, FromQString(text)); });
    layout->addWidget(edit);
    m_edits[static_cast<std::size_t>(field)] = edit;
    return edit;
}

QComboBox* CSummaryDataDlg::AddComboBox(QVBoxLayout* layout,
                                        const std::vector<std::string>& entries,
                                        const QString& objectName, const QString& accessibleName)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(objectName);
    combo->setAccessibleName(accessibleName);
    for (const std::string& entry : entries) {
        combo->addItem(ToQString(entry));
    }
    layout->addWidget(combo);
    return combo;
}

QLabel* CSummaryDataDlg::AddLabel(QVBoxLayout* layout, const QString& text)
{
    auto* label = new QLabel(text, this);
    layout->addWidget(label);
    return label;
}

void CSummaryDataDlg::ShowValues()
{
    for (int slot = 0; slot < kSummaryTextFieldCount; ++slot) {
        const auto field = static_cast<SummaryTextField>(slot);
        m_edits[static_cast<std::size_t>(slot)]->setText(ToQString(m_form.Text(field)));
    }
    m_province->setCurrentIndex(m_form.ProvinceIndex());
    m_category->setCurrentIndex(m_form.CategoryIndex());
}

void CSummaryDataDlg::OnSave()
{
    std::optional<SummaryData> saved = m_form.Save(m_prompter);
    // A refused save leaves the fields as the user typed them (the callsign field already
    // types capitals, so the check's upper-casing changes nothing that is shown).
    if (!saved) {
        return;
    }
    m_result = std::move(*saved);
    accept();
}

}  // namespace zelkor
