#include "ui/provinces/CProvinceListDlg.h"

#include "core/platform/Prompter.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"
#include "ui/provinces/CProvinceEditDlg.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkor {
namespace {

const QString kWorkedHeader = QStringLiteral("Bande lavorate ssb/cw/rtty");

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QAction* AddAction(QMenu* menu, const QString& text, const QString& objectName)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(objectName);
    return action;
}

}  // namespace

CProvinceListDlg::CProvinceListDlg(ProvinceTable& table, const ProvinceWorkedTable& worked,
                                   Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_list(table, worked), m_prompter(prompter)
{
    setObjectName(QStringLiteral("CProvinceListDlg"));
    setWindowTitle(QStringLiteral("Elenco province italiane"));
    auto* layout = new QVBoxLayout(this);
    CreateMenus(layout);
    CreateList(layout);
    CreateButtons(layout);
    ShowColumns();
    ShowRows();
    resize(460, 520);
    DialogColours::Apply(this);
}

void CProvinceListDlg::CreateMenus(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* menu = bar->addMenu(QStringLiteral("Provincia"));
    menu->setObjectName(QStringLiteral("provinceMenu"));
    connect(AddAction(menu, QStringLiteral("Modifica"), QStringLiteral("modifyAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnModify);
    connect(AddAction(menu, QStringLiteral("Aggiungi"), QStringLiteral("addAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnAdd);
    connect(AddAction(menu, QStringLiteral("Elimina"), QStringLiteral("deleteAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnDelete);
    connect(AddAction(menu, QStringLiteral("Ordina per sigla"), QStringLiteral("sortByCodeAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnSortByCode);
    connect(AddAction(menu, QStringLiteral("Ordina per nome"), QStringLiteral("sortByNameAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnSortByName);
    connect(AddAction(menu, QStringLiteral("Salva"), QStringLiteral("saveAction")),
            &QAction::triggered, this, &CProvinceListDlg::OnSave);
    // Stays enabled after a code conflict, unlike the button: leaving restores the table.
    connect(AddAction(menu, QStringLiteral("Annulla"), QStringLiteral("cancelAction")),
            &QAction::triggered, this, &CProvinceListDlg::reject);
    layout->setMenuBar(bar);

    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("contextMenu"));
    connect(AddAction(m_contextMenu, QStringLiteral("Modifica "), QStringLiteral("modifyItem")),
            &QAction::triggered, this, &CProvinceListDlg::OnModify);
    connect(AddAction(m_contextMenu, QStringLiteral("Aggiungi"), QStringLiteral("addItem")),
            &QAction::triggered, this, &CProvinceListDlg::OnAdd);
    connect(AddAction(m_contextMenu, QStringLiteral("Elimina"), QStringLiteral("deleteItem")),
            &QAction::triggered, this, &CProvinceListDlg::OnDelete);
    connect(AddAction(m_contextMenu, QStringLiteral("Ordina per sigla"),
                      QStringLiteral("sortByCodeItem")),
            &QAction::triggered, this, &CProvinceListDlg::OnSortByCode);
    connect(AddAction(m_contextMenu, QStringLiteral("Ordina per nome"),
                      QStringLiteral("sortByNameItem")),
            &QAction::triggered, this, &CProvinceListDlg::OnSortByName);
}

void CProvinceListDlg::CreateList(QVBoxLayout* layout)
{
    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("provinceList"));
    m_rows->setAccessibleName(QStringLiteral("Elenco province"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The selection stays visible while the focus is on a button or the check.
    QPalette palette = m_rows->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_rows->setPalette(palette);

    QHeaderView* header = m_rows->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        if (column == ProvinceList::kCodeColumn) {
            OnSortByCode();
        } else {
            OnSortByName();
        }
    });

    m_rows->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_rows, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        ShowContextMenu(m_rows->viewport()->mapToGlobal(position));
    });
    connect(m_rows, &QTreeWidget::itemSelectionChanged, this, &CProvinceListDlg::TakeSelection);
    connect(m_rows, &QTreeWidget::itemDoubleClicked, this, &CProvinceListDlg::OnModify);
    m_rows->installEventFilter(this);
    layout->addWidget(m_rows);

    m_workedCheck = new QCheckBox(QStringLiteral("Mostra bande/modi lavorati"), this);
    m_workedCheck->setObjectName(QStringLiteral("workedCheck"));
    m_workedCheck->setAccessibleName(m_workedCheck->text());
    connect(m_workedCheck, &QCheckBox::toggled, this, &CProvinceListDlg::OnWorkedToggled);
    layout->addWidget(m_workedCheck);
}

void CProvinceListDlg::CreateButtons(QVBoxLayout* layout)
{
    auto* save = new QPushButton(QStringLiteral("Salva"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setAccessibleName(save->text());
    // Enter in the list must not end the window by accident.
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CProvinceListDlg::OnSave);

    m_cancel = new QPushButton(QStringLiteral("Annulla"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAccessibleName(m_cancel->text());
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &CProvinceListDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

void CProvinceListDlg::ShowColumns()
{
    // Removing a column touches the widget's selection, which must not overwrite the list's.
    const QSignalBlocker blocker(m_rows);
    const bool workedShown = m_list.WorkedShown();
    QStringList headers{QStringLiteral("Sigla"), QStringLiteral("Nome Provincia")};
    if (workedShown) {
        headers << kWorkedHeader;
    }
    m_rows->setColumnCount(static_cast<int>(headers.size()));
    m_rows->setHeaderLabels(headers);
    FitColumnWidths();
}

void CProvinceListDlg::FitColumnWidths()
{
    std::array<int, 3> widths =
        ProvinceList::ColumnWidths(m_rows->contentsRect().width(), m_list.WorkedShown());
    // The worked bands' heading is wider than its share in most fonts: it borrows what the columns
    // before it can spare beyond their own heading and contents.
    if (m_rows->columnCount() == 3) {
        const QHeaderView* header = m_rows->header();
        const QAbstractItemView* view = m_rows;  // where the contents' width is public
        int lack = header->sectionSizeHint(2) - widths[2];
        for (int donor = 0; donor < 2 && lack > 0; ++donor) {
            const int needed =
                std::max(header->sectionSizeHint(donor), view->sizeHintForColumn(donor));
            const int moved = std::clamp(widths[donor] - needed, 0, lack);
            widths[donor] -= moved;
            widths[2] += moved;
            lack -= moved;
        }
    }
    for (int column = 0; column < m_rows->columnCount(); ++column) {
        m_rows->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
}

void CProvinceListDlg::ShowRows()
{
    // The list's selection is the one that counts; the widget's signals would overwrite it.
    const QSignalBlocker blocker(m_rows);
    m_rows->clear();
    const bool workedShown = m_list.WorkedShown();
    QList<QTreeWidgetItem*> items;
    items.reserve(m_list.RowCount());
    for (const ProvinceListRow& row : m_list.Rows()) {
        QStringList texts{ToQString(row.code), ToQString(row.name)};
        if (workedShown) {
            texts << ToQString(row.worked);
        }
        items << new QTreeWidgetItem(texts);
    }
    m_rows->addTopLevelItems(items);
    for (const int row : m_list.SelectedRows()) {
        m_rows->topLevelItem(row)->setSelected(true);
    }
}

void CProvinceListDlg::TakeSelection()
{
    std::vector<int> selected;
    for (QTreeWidgetItem* item : m_rows->selectedItems()) {
        selected.push_back(m_rows->indexOfTopLevelItem(item));
    }
    m_list.SetSelectedRows(std::move(selected));
}

void CProvinceListDlg::ShowContextMenu(const QPoint& globalPosition)
{
    if (m_list.SelectedRows().empty()) {
        return;
    }
    m_contextMenu->exec(globalPosition);
}

void CProvinceListDlg::OnModify()
{
    m_list.EditSelectedRows([this](const ProvinceEntry& current) -> std::optional<ProvinceEntry> {
        CProvinceEditDlg edit(ProvinceEditPurpose::Modify, current, m_prompter, this);
        if (edit.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return edit.Result();
    });
    ShowRows();
}

void CProvinceListDlg::OnAdd()
{
    CProvinceEditDlg edit(ProvinceEditPurpose::Add, {}, m_prompter, this);
    if (edit.exec() != QDialog::Accepted) {
        return;
    }
    const int row = m_list.AppendRow(edit.Result());
    ShowRows();
    m_rows->scrollToItem(m_rows->topLevelItem(row));
}

void CProvinceListDlg::OnDelete()
{
    m_list.DeleteSelectedRows();
    ShowRows();
}

void CProvinceListDlg::OnSortByCode()
{
    {
        const WaitCursor waiting;
        m_list.SortByCode();
    }
    OnWorkedToggled(m_list.WorkedShown());
}

void CProvinceListDlg::OnSortByName()
{
    {
        const WaitCursor waiting;
        m_list.SortByName();
    }
    OnWorkedToggled(m_list.WorkedShown());
}

void CProvinceListDlg::OnWorkedToggled(bool shown)
{
    if (shown != m_list.WorkedShown()) {
        m_list.ShowWorked(shown);
    }
    // A sort unticks the check itself; the toggled signal must not bring the column back.
    {
        const QSignalBlocker blocker(m_workedCheck);
        m_workedCheck->setChecked(m_list.WorkedShown());
    }
    ShowColumns();
    ShowRows();
}

void CProvinceListDlg::OnSave()
{
    if (m_list.Save(m_prompter)) {
        accept();
        return;
    }
    m_cancel->setEnabled(m_list.CancelEnabled());
}

void CProvinceListDlg::reject()
{
    m_list.Restore();
    QDialog::reject();
}

bool CProvinceListDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The list's width is known only once the window is laid out, and follows the window's size.
    if (watched == m_rows && event->type() == QEvent::Resize) {
        FitColumnWidths();
    }
    return QDialog::eventFilter(watched, event);
}

void CProvinceListDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        ShowContextMenu(event->globalPosition().toPoint());
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

ProvinceListOutcome RunProvinceListDialog(QWidget* parent, ProvinceTable& table,
                                          const ProvinceWorkedTable& worked,
                                          const QString& provinceFilePath, Prompter& prompter)
{
    CProvinceListDlg dialog(table, worked, prompter, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return ProvinceListOutcome::Cancelled;
    }
    return dialog.List().WriteProvinceFile(provinceFilePath, prompter);
}

}  // namespace zelkor
