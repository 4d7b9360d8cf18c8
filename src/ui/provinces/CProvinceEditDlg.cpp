#include "ui/provinces/CProvinceEditDlg.h"

#include "core/platform/Prompter.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"
#include "ui/platform/QtPrompter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>

namespace zelkor {
namespace {

using FitText = std::function<std::string(std::string_view)>;

// Puts every typed or pasted text through the field's rule, so that the field shows what
// "Salva" will check: capitals in the code, no line breaks in the name, and characters outside
// Windows-1252 already as '?'.
class ProvinceFieldValidator : public QValidator {
public:
    ProvinceFieldValidator(FitText fit, QObject* parent) : QValidator(parent), m_fit(std::move(fit))
    {
    }

    State validate(QString& input, int& position) const override
    {
        const QString fitted = ToQString(m_fit(FromQString(input)));
        if (fitted != input) {
            input = fitted;
            position = std::min(position, static_cast<int>(input.size()));
        }
        return Acceptable;
    }

private:
    FitText m_fit;
};

}  // namespace

CProvinceEditDlg::CProvinceEditDlg(ProvinceEditPurpose purpose, const ProvinceEntry& entry,
                                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_result(entry)
{
    setObjectName(QStringLiteral("CProvinceEditDlg"));
    setWindowTitle(TitleText(purpose));
    // The fields alone make a box narrower than its title, which the frame would then cut.
    setMinimumWidth(QtPrompter::MinimumBoxWidth(windowTitle()));
    CreateFields();
    m_code->setText(ToQString(entry.code));
    m_name->setText(ToQString(entry.name));
    DialogColours::Apply(this);
}

QString CProvinceEditDlg::TitleText(ProvinceEditPurpose purpose)
{
    return purpose == ProvinceEditPurpose::Add ? QStringLiteral("Aggiunta di una nuova provincia")
                                               : QStringLiteral("Modifica dati di una provincia");
}

void CProvinceEditDlg::CreateFields()
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("codeEdit"));
    m_code->setAccessibleName(QStringLiteral("Sigla"));
    m_code->setMaxLength(ProvinceEdit::kCodeMaxLength);
    m_code->setValidator(new ProvinceFieldValidator(&ProvinceEdit::FitCode, m_code));
    fields->addRow(QStringLiteral("Sigla"), m_code);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setAccessibleName(QStringLiteral("Nome"));
    m_name->setMaxLength(ProvinceEdit::kNameMaxLength);
    m_name->setValidator(new ProvinceFieldValidator(&ProvinceEdit::FitName, m_name));
    // Room for the longest name the field takes.
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('M')) *
                            ProvinceEdit::kNameMaxLength * 3 / 4);
    fields->addRow(QStringLiteral("Nome"), m_name);

    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setAccessibleName(save->text());
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CProvinceEditDlg::OnSave);

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(cancel->text());
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void CProvinceEditDlg::OnSave()
{
    const ProvinceEntry typed{FromQString(m_code->text()), FromQString(m_name->text())};
    std::optional<ProvinceEntry> saved = ProvinceEdit::Save(typed, m_prompter);
    if (!saved) {
        return;
    }
    m_name->setText(ToQString(saved->name));
    m_result = std::move(*saved);
    accept();
}

}  // namespace zelkor
