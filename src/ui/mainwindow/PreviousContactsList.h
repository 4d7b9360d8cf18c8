#pragma once
// The " Collegamenti precedenti" list (1013): one line per earlier contact with the callsign
// being entered, newest at the bottom and kept in view.

#include "core/presenters/EntryRow.h"

#include <QTableWidget>

#include <vector>

namespace zelkor {

class PreviousContactsList : public QTableWidget {
    Q_OBJECT

public:
    explicit PreviousContactsList(QWidget* parent = nullptr);

    // Rebuilds the lines only when the contacts differ from those shown.
    void ShowContacts(const std::vector<PreviousContact>& contacts);
    // Column widths as shares of the client width less the scroll bar's room; called once the
    // list has its size.
    void BuildColumns();

private:
    std::vector<PreviousContact> m_shown;
};

}  // namespace zelkor
