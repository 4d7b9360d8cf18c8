#pragma once
// "Controllo parziale": a small window beside the main window that lists, while the operator
// types a callsign, the stations of the call history and of the log that contain it. It never
// takes the focus from the entry row: it is shown without activation and can't be focused, so
// typing goes on in the callsign field; a double click puts a callsign there.

#include <QTimer>
#include <QWidget>

class QLabel;
class QTableView;

namespace zelkor {

class PartialCheck;
class PartialCheckModel;

class CPartialCheckDlg : public QWidget {
    Q_OBJECT

public:
    CPartialCheckDlg(PartialCheck& check, QWidget* parent);

    QTableView* List() const { return m_list; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowResults();

    PartialCheck& m_check;
    QLabel* m_status = nullptr;
    QTableView* m_list = nullptr;
    PartialCheckModel* m_model = nullptr;
    // All changes up to the next turn of the event loop at once: a keystroke's texts, rows and
    // history arrive in one refresh, after the entry field has shown the key.
    QTimer m_refresh;
};

}  // namespace zelkor
