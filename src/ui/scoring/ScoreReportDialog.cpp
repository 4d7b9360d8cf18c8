#include "ui/scoring/ScoreReportDialog.h"

#include "core/scoring/ScoreReport.h"
#include "core/scoring/ScoreTable.h"
#include "core/text/Cp1252.h"
#include "ui/app/DialogColours.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zelkor {

ScoreReportDialog::ScoreReportDialog(const ScoreTable& table, LogLayout layout, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScoreReportDialog"));
    setWindowTitle(QStringLiteral("Punteggio"));
    setModal(true);
    DialogColours::Apply(this);

    // The box shows lines, not line ends: the report's CR LF become plain line breaks.
    QString report = ToQString(ScoreReportText(table, layout));
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    auto* box = new QVBoxLayout(this);
    CreateReportBox(report);
    CreateOkButton();
    box->addWidget(m_report);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_ok);
    buttonRow->addStretch();
    box->addLayout(buttonRow);
    m_ok->setFocus(Qt::OtherFocusReason);
}

bool ScoreReportDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The report is for reading only: focus that reaches it by Tab or by a click goes to "OK",
    // so that Enter or Space always closes the window.
    if (watched == m_report && event->type() == QEvent::FocusIn) {
        m_ok->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ScoreReportDialog::CreateReportBox(const QString& report)
{
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("Punteggio"));
    m_report->setAccessibleName(QStringLiteral("Punteggio"));
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_report->setPlainText(report);
    m_report->installEventFilter(this);
    FitReportBox(report);
}

void ScoreReportDialog::CreateOkButton()
{
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setAccessibleName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ScoreReportDialog::FitReportBox(const QString& report)
{
    const QFontMetrics metrics(m_report->font());
    const QStringList lines = report.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int documentMargin = static_cast<int>(std::ceil(m_report->document()->documentMargin()));
    // Room for the scroll bars as well: a box that shows them while it is still small keeps
    // both if only the text fits exactly, since each takes the space the other would need.
    const int border = 2 * (documentMargin + m_report->frameWidth()) +
                       m_report->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = widest + border;
    const int height = static_cast<int>(lines.size()) * metrics.lineSpacing() + border;
    m_report->setMinimumSize(width, height);
}

}  // namespace zelkor
