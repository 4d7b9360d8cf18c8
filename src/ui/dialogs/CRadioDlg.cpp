#include "ui/dialogs/CRadioDlg.h"

#include "core/radio/RadioMapping.h"
#include "ui/ControlIds.h"
#include "ui/app/DialogColours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {

const std::vector<int>& CRadioDlg::Speeds()
{
    static const std::vector<int> kSpeeds = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return kSpeeds;
}

CRadioDlg::CRadioDlg(RadioSettings settings, const std::vector<RadioModel>& models,
                     RadioLinkMaker linkMaker, QWidget* parent)
    : QDialog(parent), m_settings(std::move(settings)), m_linkMaker(std::move(linkMaker))
{
    setObjectName(QStringLiteral("CRadioDlg"));
    setWindowTitle(QStringLiteral("Collegamento radio"));
    auto* layout = new QVBoxLayout(this);
    CreateFollowCheck(layout);
    CreateModelChoice(layout, models);
    CreatePortChoice(layout);
    CreateTest(layout);
    CreateButtons(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    DialogColours::Apply(this);

    connect(&m_test, &RadioMonitor::readingArrived, this,
            [this](const RadioReading& reading) { ShowTestResult(RadioProbeText(reading)); });
    connect(&m_test, &RadioMonitor::linkFailed, this, [this](const QString& reason, bool lost) {
        ShowTestResult(RadioProbeFailureText(reason, lost));
    });
    connect(&m_test, &RadioMonitor::finished, this, [this] { m_testButton->setEnabled(true); });
}

void CRadioDlg::CreateFollowCheck(QVBoxLayout* layout)
{
    m_follow = new QCheckBox(QStringLiteral("Segui la radio"), this);
    m_follow->setObjectName(ControlName(ControlId::RadioFollow));
    m_follow->setAccessibleName(m_follow->text());
    m_follow->setChecked(m_settings.follow);
    layout->addWidget(m_follow);
}

void CRadioDlg::CreateModelChoice(QVBoxLayout* layout, const std::vector<RadioModel>& models)
{
    m_modelList = models;
    auto* form = new QFormLayout;
    m_search = new QLineEdit(this);
    m_search->setObjectName(ControlName(ControlId::RadioSearch));
    m_search->setAccessibleName(QStringLiteral("Cerca modello"));
    m_search->setPlaceholderText(QStringLiteral("marca, modello o numero"));
    form->addRow(QStringLiteral("&Cerca:"), m_search);
    layout->addLayout(form);

    auto* heading = new QLabel(QStringLiteral("&Modello:"), this);
    layout->addWidget(heading);
    m_models = new QListWidget(this);
    m_models->setObjectName(ControlName(ControlId::RadioModelList));
    m_models->setAccessibleName(QStringLiteral("Modello"));
    m_models->setMinimumWidth(360);
    heading->setBuddy(m_models);
    for (const RadioModel& model : models) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(RadioModelText(model)).arg(model.id), m_models);
        item->setData(Qt::UserRole, model.id);
        if (model.id == m_settings.model) {
            m_models->setCurrentItem(item);
        }
    }
    layout->addWidget(m_models);
    connect(m_search, &QLineEdit::textChanged, this, &CRadioDlg::FilterModels);
}

void CRadioDlg::CreatePortChoice(QVBoxLayout* layout)
{
    auto* form = new QFormLayout;
    m_port = new QLineEdit(m_settings.port, this);
    m_port->setObjectName(ControlName(ControlId::RadioPort));
    m_port->setAccessibleName(QStringLiteral("Porta"));
    m_port->setPlaceholderText(QStringLiteral("/dev/ttyUSB0 oppure localhost:4532"));
    m_port->setToolTip(
        QStringLiteral("Il dispositivo seriale della radio, oppure host:porta di "
                       "rigctld con il modello \u201cHamlib NET rigctl\u201d"));
    form->addRow(QStringLiteral("&Porta:"), m_port);

    m_speed = new QComboBox(this);
    m_speed->setObjectName(ControlName(ControlId::RadioSpeed));
    m_speed->setAccessibleName(QStringLiteral("Velocit\u00e0"));
    m_speed->addItem(QStringLiteral("quella del modello"), 0);
    std::vector<int> speeds = Speeds();
    if (m_settings.speed > 0 &&
        std::find(speeds.begin(), speeds.end(), m_settings.speed) == speeds.end()) {
        speeds.push_back(m_settings.speed);
        std::sort(speeds.begin(), speeds.end());
    }
    for (const int speed : speeds) {
        m_speed->addItem(QStringLiteral("%1 baud").arg(speed), speed);
    }
    m_speed->setCurrentIndex(std::max(0, m_speed->findData(m_settings.speed)));
    form->addRow(QStringLiteral("&Velocit\u00e0:"), m_speed);
    layout->addLayout(form);
}

void CRadioDlg::CreateTest(QVBoxLayout* layout)
{
    m_testButton = new QPushButton(QStringLiteral("Prova"), this);
    m_testButton->setObjectName(ControlName(ControlId::RadioTestButton));
    m_testButton->setAccessibleName(m_testButton->text());
    m_testButton->setAutoDefault(false);
    connect(m_testButton, &QPushButton::clicked, this, &CRadioDlg::RunTest);

    m_testResult = new QLabel(this);
    m_testResult->setObjectName(ControlName(ControlId::RadioTestResult));
    m_testResult->setAccessibleName(QStringLiteral("Esito della prova"));
    m_testResult->setWordWrap(true);
    m_testResult->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* row = new QHBoxLayout;
    row->addWidget(m_testButton);
    row->addWidget(m_testResult, 1);
    layout->addLayout(row);
}

void CRadioDlg::CreateButtons(QVBoxLayout* layout)
{
    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(ControlName(ControlId::OkButton));
    save->setAccessibleName(save->text());
    save->setAutoDefault(false);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(ControlName(ControlId::CancelButton));
    cancel->setAccessibleName(cancel->text());
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void CRadioDlg::FilterModels(const QString& search)
{
    // The rows stay in the order of the models; only their visibility follows the search.
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < m_models->count(); ++row) {
        QListWidgetItem* item = m_models->item(row);
        const bool shown = RadioModelMatches(m_modelList[row], search);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr) {
            firstShown = item;
        }
    }
    QListWidgetItem* current = m_models->currentItem();
    if ((current == nullptr || current->isHidden()) && firstShown != nullptr) {
        m_models->setCurrentItem(firstShown);
    }
    if (m_models->currentItem() != nullptr && !m_models->currentItem()->isHidden()) {
        m_models->scrollToItem(m_models->currentItem());
    }
}

void CRadioDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only a list that has its size can put the chosen model in its middle.
    if (m_models->currentItem() != nullptr) {
        m_models->scrollToItem(m_models->currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

RadioSettings CRadioDlg::Chosen() const
{
    RadioSettings chosen = m_settings;
    chosen.follow = m_follow->isChecked();
    if (const QListWidgetItem* item = m_models->currentItem()) {
        chosen.model = item->data(Qt::UserRole).toInt();
    }
    chosen.port = m_port->text().trimmed();
    chosen.speed = m_speed->currentData().toInt();
    return chosen;
}

void CRadioDlg::RunTest()
{
    m_testButton->setEnabled(false);
    ShowTestResult(QStringLiteral("Prova in corso..."));
    m_test.Probe(m_linkMaker(Chosen()));
}

void CRadioDlg::ShowTestResult(const QString& text)
{
    m_testResult->setText(text);
}

}  // namespace zelkor
