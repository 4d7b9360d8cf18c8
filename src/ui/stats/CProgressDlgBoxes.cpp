// The boxes, pages and buttons of the "Andamento" window, built once when it opens.

#include "ui/stats/CProgressDlg.h"

#include "core/scoring/ScoreTable.h"
#include "core/stats/ProgressTexts.h"
#include "ui/stats/ProgressChartView.h"
#include "ui/stats/ProvinceMapView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelkor {
namespace {

// Room for every rate line, the one about unreadable rows included.
constexpr int kRateLineCount = 10;
constexpr int kLeftColumnWidth = 380;

QLabel* RightAligned(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

QWidget* CProgressDlg::CreateRateBox()
{
    auto* box = new QGroupBox(QStringLiteral(" Ritmo "), this);
    box->setFixedWidth(kLeftColumnWidth);
    m_rateGrid = new QGridLayout(box);
    for (int line = 0; line < kRateLineCount; ++line) {
        auto* label = new QLabel(box);
        // "Migliori 60 minuti (dalle ...)" is longer than the column.
        label->setWordWrap(true);
        auto* value = RightAligned(box);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_rateGrid->addWidget(label, line, 0);
        m_rateGrid->addWidget(value, line, 1);
        m_rateLabels.push_back(label);
        m_rateValues.push_back(value);
    }
    return box;
}

QWidget* CProgressDlg::CreateScoreBox()
{
    auto* box = new QGroupBox(QStringLiteral(" Punteggio "), this);
    box->setFixedWidth(kLeftColumnWidth);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Banda e modo"), box), 0, 0);
    m_scoreHeading = RightAligned(box);
    grid->addWidget(m_scoreHeading, 0, 1);
    const QString headings[] = {QStringLiteral("Punti"), QStringLiteral("Molt."),
                                QStringLiteral("Tot. banda")};
    for (int column = 0; column < 3; ++column) {
        QLabel* heading = RightAligned(box);
        heading->setText(headings[column]);
        grid->addWidget(heading, 0, column + 2);
    }
    const QString columnNames[] = {QStringLiteral("numero"), headings[0], headings[1], headings[2]};
    for (int row = 0; row < ScoreTable::kRowCount; ++row) {
        const bool total = row == ScoreTable::kTotalRow;
        const QString rowName = total ? QStringLiteral("TOT.") : GroupLabel(row);
        grid->addWidget(new QLabel(rowName, box), row + 1, 0);
        std::vector<QLabel*> cells;
        for (int column = 0; column < (total ? 3 : 4); ++column) {
            QLabel* cell = RightAligned(box);
            cell->setObjectName(QStringLiteral("score%1_%2").arg(row).arg(column));
            cell->setAccessibleName(rowName + QLatin1Char(' ') + columnNames[column]);
            grid->addWidget(cell, row + 1, column + 1);
            cells.push_back(cell);
        }
        m_scoreCells.push_back(cells);
    }
    m_scoreTotal = new QLabel(box);
    m_scoreTotal->setObjectName(QStringLiteral("scoreTotal"));
    QFont bold = m_scoreTotal->font();
    bold.setBold(true);
    m_scoreTotal->setFont(bold);
    grid->addWidget(m_scoreTotal, ScoreTable::kRowCount + 1, 0, 1, 5);
    m_ignoredRows = new QLabel(box);
    m_ignoredRows->setObjectName(QStringLiteral("ignoredRows"));
    m_ignoredRows->setWordWrap(true);
    grid->addWidget(m_ignoredRows, ScoreTable::kRowCount + 2, 0, 1, 5);
    return box;
}

QWidget* CProgressDlg::CreateRaceBox()
{
    auto* box = new QGroupBox(QStringLiteral(" Confronto "), this);
    box->setFixedWidth(kLeftColumnWidth);
    auto* layout = new QVBoxLayout(box);
    m_raceText = new QLabel(QStringLiteral("Nessun log da confrontare."), box);
    m_raceText->setObjectName(QStringLiteral("raceText"));
    m_raceText->setWordWrap(true);
    layout->addWidget(m_raceText);
    auto* buttons = new QHBoxLayout;
    auto* choose = new QPushButton(QStringLiteral("&Confronta con..."), box);
    choose->setObjectName(QStringLiteral("compareWith"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &CProgressDlg::ChooseRaceTarget);
    m_clearRace = new QPushButton(QStringLiteral("&Togli confronto"), box);
    m_clearRace->setObjectName(QStringLiteral("clearComparison"));
    m_clearRace->setAutoDefault(false);
    m_clearRace->setEnabled(false);
    connect(m_clearRace, &QPushButton::clicked, this, &CProgressDlg::ClearRaceTarget);
    buttons->addWidget(choose);
    buttons->addWidget(m_clearRace);
    layout->addLayout(buttons);
    return box;
}

QWidget* CProgressDlg::CreateMapPage()
{
    auto* page = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(page);
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Mostra:"), page);
    // On the light page, not in the dialog's text colour.
    label->setStyleSheet(QStringLiteral("QLabel { color: black; }"));
    m_mapGroup = new QComboBox(page);
    m_mapGroup->setObjectName(QStringLiteral("mapGroup"));
    m_mapGroup->addItem(QStringLiteral("Tutte le bande e i modi"));
    for (int group = 0; group < kBandModeGroupCount; ++group) {
        m_mapGroup->addItem(GroupLabel(group));
    }
    label->setBuddy(m_mapGroup);
    choice->addWidget(label);
    choice->addWidget(m_mapGroup);
    choice->addStretch();
    m_map = new ProvinceMapView(page);
    m_map->SetMessage(m_positions.error);
    connect(m_mapGroup, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_map->SetGroup(index - 1); });
    layout->addLayout(choice);
    layout->addWidget(m_map, 1);
    return page;
}

QLayout* CProgressDlg::CreateButtons()
{
    auto* buttons = new QHBoxLayout;
    const auto add = [this, buttons](const QString& text, const char* id, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(id));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    };
    add(QStringLiteral("Salva &immagine..."), "saveImage", &CProgressDlg::SaveImage);
    add(QStringLiteral("&Stampa..."), "printImage", &CProgressDlg::PrintImage);
    buttons->addStretch();
    add(QStringLiteral("Chiudi"), "close", &QDialog::reject);
    return buttons;
}

}  // namespace zelkor
