#include "ui/dialogs/COptionsDlg.h"

#include "core/commands/AppContext.h"
#include "ui/app/DialogColours.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelkor {

COptionsDlg::COptionsDlg(AppSettings& settings, SettingsStore& store, Prompter& prompter,
                         QWidget* parent)
    : QDialog(parent), m_logic(settings, store, prompter)
{
    setObjectName(QStringLiteral("COptionsDlg"));
    setWindowTitle(QStringLiteral("Opzioni"));
    auto* layout = new QVBoxLayout(this);
    CreateSwlCheck(layout);
    CreateColourGroup(layout);
    CreateButtons(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowSample();
    DialogColours::Apply(this);
}

void COptionsDlg::CreateSwlCheck(QVBoxLayout* layout)
{
    // Kept in the window, out of sight and out of reach, so that "Salva" stores the value the
    // program already has.
    m_swlByBand = new QCheckBox(QStringLiteral("File Cabrillo/Adif SWL ordinati per banda"), this);
    m_swlByBand->setObjectName(QStringLiteral("swlByBandCheck"));
    m_swlByBand->setAccessibleName(m_swlByBand->text());
    m_swlByBand->setChecked(m_logic.SwlExportByBand());
    m_swlByBand->setEnabled(false);
    m_swlByBand->setVisible(false);
    layout->addWidget(m_swlByBand);
}

void COptionsDlg::CreateColourGroup(QVBoxLayout* layout)
{
    auto* group = new QGroupBox(QStringLiteral("Colore"), this);
    group->setObjectName(QStringLiteral("colourGroup"));
    auto* inside = new QVBoxLayout(group);

    auto* background = new QPushButton(QStringLiteral("Sfondo"), group);
    background->setObjectName(QStringLiteral("backgroundButton"));
    background->setAccessibleName(background->text());
    // The window opens with the focus here; Enter must still press "Salva".
    background->setAutoDefault(false);
    connect(background, &QPushButton::clicked, this, [this] {
        if (m_logic.ChooseBackgroundColour()) {
            ShowSample();
        }
    });
    auto* text = new QPushButton(QStringLiteral("Testo"), group);
    text->setObjectName(QStringLiteral("textButton"));
    text->setAccessibleName(text->text());
    text->setAutoDefault(false);
    connect(text, &QPushButton::clicked, this, [this] {
        if (m_logic.ChooseTextColour()) {
            ShowSample();
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(background);
    buttons->addWidget(text);
    inside->addLayout(buttons);

    m_sample = new QLineEdit(QStringLiteral("     Esempio     "), group);
    m_sample->setObjectName(QStringLiteral("sampleField"));
    m_sample->setAccessibleName(QStringLiteral("Esempio dei colori"));
    m_sample->setReadOnly(true);
    m_sample->setFocusPolicy(Qt::NoFocus);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrame(false);
    inside->addWidget(m_sample);

    auto* note = new QLabel(QStringLiteral("Il nuovo colore sarà attivo solo dopo aver chiuso e\n"
                                           "fatto ripartire il programma."),
                            group);
    note->setObjectName(QStringLiteral("noteLabel"));
    inside->addWidget(note);
    layout->addWidget(group);
}

void COptionsDlg::CreateButtons(QVBoxLayout* layout)
{
    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setAccessibleName(save->text());
    save->setAutoDefault(false);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &COptionsDlg::OnSave);

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(cancel->text());
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void COptionsDlg::ShowSample()
{
    // The sample's own style sheet, so that the colours the window got at start-up don't reach
    // it: it always shows the colours just chosen.
    m_sample->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: %2;"
                                           " border: none; }")
                                .arg(DialogColours::ToQColor(m_logic.BackgroundColour()).name(),
                                     DialogColours::ToQColor(m_logic.TextColour()).name()));
}

void COptionsDlg::OnSave()
{
    m_logic.Save(m_swlByBand->isChecked());
    accept();
}

void ShowOptions(AppContext& context, Prompter& prompter, QWidget* parent)
{
    COptionsDlg dialog(context.settings, *context.store, prompter, parent);
    dialog.exec();
}

}  // namespace zelkor
