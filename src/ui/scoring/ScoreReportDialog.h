#pragma once
// The "Punteggio" window: the score report in a fixed-pitch text box and an "OK" button. It only
// shows a snapshot of the table it was given; every "Mostra punteggio" opens a new one.

#include "core/log/LogColumns.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace zelkor {

class ScoreTable;

class ScoreReportDialog : public QDialog {
    Q_OBJECT

public:
    ScoreReportDialog(const ScoreTable& table, LogLayout layout, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateReportBox(const QString& report);
    void CreateOkButton();
    // The box is made as large as the report, so that no line needs scrolling to be read.
    void FitReportBox(const QString& report);

    QPlainTextEdit* m_report = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace zelkor
