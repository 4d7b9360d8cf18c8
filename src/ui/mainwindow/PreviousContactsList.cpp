#include "ui/mainwindow/PreviousContactsList.h"

#include "core/text/Cp1252.h"
#include "ui/ControlIds.h"

#include <QHeaderView>

#include <algorithm>

namespace zelkor {
namespace {

struct ListColumn {
    const char* heading;
    int percent;
};

constexpr ListColumn kColumns[] = {
    {"Giorno", 16}, {"Utc", 18}, {"MHz", 16}, {"Modo", 18}, {"RstT", 16}, {"RstR", 16},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
// Pixels of the client width that no column gets (room for the scroll bar).
constexpr int kWidthMargin = 22;

}  // namespace

PreviousContactsList::PreviousContactsList(QWidget* parent) : QTableWidget(0, kColumnCount, parent)
{
    setObjectName(ControlName(ControlId::PreviousContacts));
    setAccessibleName(QStringLiteral("Collegamenti precedenti"));
    QStringList headings;
    for (const ListColumn& column : kColumns) {
        headings << QString::fromLatin1(column.heading);
    }
    setHorizontalHeaderLabels(headings);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PreviousContactsList::BuildColumns()
{
    const int available = width() - 2 * frameWidth() - kWidthMargin;
    for (int column = 0; column < kColumnCount; ++column) {
        setColumnWidth(column, std::max(0, available * kColumns[column].percent / 100));
    }
}

void PreviousContactsList::ShowContacts(const std::vector<PreviousContact>& contacts)
{
    if (contacts == m_shown) {
        return;
    }
    m_shown = contacts;
    clearContents();
    setRowCount(static_cast<int>(contacts.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const PreviousContact& contact = contacts[row];
        const std::string* cells[kColumnCount] = {&contact.day,        &contact.time,
                                                  &contact.band,       &contact.mode,
                                                  &contact.reportSent, &contact.reportReceived};
        for (int column = 0; column < kColumnCount; ++column) {
            setItem(row, column, new QTableWidgetItem(ToQString(*cells[column])));
        }
    }
    if (rowCount() > 0) {
        scrollToItem(item(rowCount() - 1, 0));
    }
}

}  // namespace zelkor
