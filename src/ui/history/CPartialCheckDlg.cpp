#include "ui/history/CPartialCheckDlg.h"

#include "core/presenters/PartialCheck.h"
#include "core/text/Cp1252.h"
#include "ui/ControlIds.h"
#include "ui/app/DialogColours.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace zelkor {

// The presenter's lines as a table: callsign, province code and name, where logged.
class PartialCheckModel : public QAbstractTableModel {
public:
    explicit PartialCheckModel(const PartialCheck& check, QObject* parent)
        : QAbstractTableModel(parent), m_check(check)
    {
    }

    void Reload()
    {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_check.Lines().size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid()) {
            return {};
        }
        const PartialCheckLine& line = m_check.Lines().at(static_cast<std::size_t>(index.row()));
        if (role == Qt::ToolTipRole) {
            // All the groups of a station worked in more than the four usual ones.
            return index.column() == 3 ? ToQString(line.logged) : QVariant();
        }
        switch (index.column()) {
            case 0:
                return ToQString(line.callsign);
            case 1:
                return ToQString(line.province);
            case 2:
                return ToQString(line.provinceName);
            default:
                return ToQString(line.logged);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        static const char* const kHeadings[] = {"Nominativo", "Prov.", "Nome provincia", "Nel log"};
        return QString::fromLatin1(kHeadings[section]);
    }

private:
    const PartialCheck& m_check;
};

CPartialCheckDlg::CPartialCheckDlg(PartialCheck& check, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowDoesNotAcceptFocus),
      m_check(check)
{
    setObjectName(QStringLiteral("CPartialCheckDlg"));
    setWindowTitle(QStringLiteral("Controllo parziale"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    m_status = new QLabel(this);
    m_status->setObjectName(ControlName(ControlId::PartialCheckStatus));
    m_status->setAccessibleName(QStringLiteral("Ricerca"));
    m_model = new PartialCheckModel(check, this);
    m_list = new QTableView(this);
    m_list->setObjectName(ControlName(ControlId::PartialCheckList));
    m_list->setAccessibleName(QStringLiteral("Nominativi trovati"));
    m_list->setModel(m_model);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setColumnWidth(0, 120);
    m_list->setColumnWidth(1, 44);
    m_list->setColumnWidth(2, 130);
    // Wide enough for a station worked in both modes on both bands.
    const int loggedWidth =
        m_list->fontMetrics().horizontalAdvance(QStringLiteral("3,5 ssb, 3,5 cw, 7 ssb, 7 cw")) +
        2 * m_list->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    m_list->setColumnWidth(3, loggedWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_list);
    DialogColours::Apply(this);
    int listWidth =
        2 * m_list->frameWidth() + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < m_model->columnCount({}); ++column) {
        listWidth += m_list->columnWidth(column);
    }
    const QMargins margins = layout->contentsMargins();
    resize(listWidth + margins.left() + margins.right(), 300);

    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, &m_check, &PartialCheck::Refresh);
    connect(&m_check, &PartialCheck::refreshNeeded, &m_refresh, qOverload<>(&QTimer::start));
    connect(&m_check, &PartialCheck::changed, this, &CPartialCheckDlg::ShowResults);
    connect(m_list, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { m_check.Choose(index.row()); });
    ShowResults();
}

void CPartialCheckDlg::ShowResults()
{
    m_status->setText(m_check.StatusText());
    m_model->Reload();
}

void CPartialCheckDlg::showEvent(QShowEvent* event)
{
    m_check.SetActive(true);
    QWidget::showEvent(event);
}

void CPartialCheckDlg::changeEvent(QEvent* event)
{
    // Where the platform activates it anyway (some window managers on a click, the offscreen
    // platform on every show), the main window gets its keys back at once.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        parentWidget() != nullptr) {
        parentWidget()->activateWindow();
    }
    QWidget::changeEvent(event);
}

void CPartialCheckDlg::hideEvent(QHideEvent* event)
{
    m_check.SetActive(false);
    QWidget::hideEvent(event);
}

}  // namespace zelkor
