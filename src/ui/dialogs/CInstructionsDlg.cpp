#include "ui/dialogs/CInstructionsDlg.h"

#include "core/text/Cp1252.h"
#include "core/text/EncodedText.h"
#include "ui/ControlIds.h"
#include "ui/app/DialogColours.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zelkor {
namespace {

// The manual is written for this many columns; a few more leave room for the scroll bar.
constexpr int kShownColumns = 76;
constexpr int kShownLines = 32;

bool HasEvenColumns(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("iiii")) ==
           metrics.horizontalAdvance(QStringLiteral("MMMM"));
}

// Platforms without a theme answer the fixed-pitch request with the proportional default font;
// the manual's tables need real columns. (Font flags aren't asked: some monospaced fonts don't
// declare themselves as such.)
QFont FixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!HasEvenColumns(font)) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

// A read-only box has no keyboard cursor: Qt scrolls it with the arrows and the page keys but lets
// Ctrl+Home and Ctrl+End go by, so they are taken here to the start and the end of the manual.
class ManualBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::MoveToStartOfDocument)) {
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
            event->accept();
        } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
            event->accept();
        } else {
            QPlainTextEdit::keyPressEvent(event);
        }
    }
};

}  // namespace

CInstructionsDlg::CInstructionsDlg(const std::string& manual, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CInstructionsDlg"));
    setWindowTitle(QStringLiteral("Istruzioni"));

    auto* box = new ManualBox(this);
    box->setObjectName(ControlName(ControlId::InstructionsText));
    box->setAccessibleName(QStringLiteral("Istruzioni"));
    box->setReadOnly(true);
    box->setFont(FixedPitchFont());
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The box's own style sheet keeps it black on white under the dialog colours.
    box->setStyleSheet(QStringLiteral("QPlainTextEdit { background-color: white; color: black; }"));
    box->setPlainText(ToQString(WithCrLfLineBreaks(manual)));

    const QFontMetrics metrics(box->font());
    box->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('M')) * kShownColumns +
                            box->verticalScrollBar()->sizeHint().width(),
                        metrics.lineSpacing() * kShownLines);

    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(ControlName(ControlId::OkButton));
    close->setAccessibleName(close->text());
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addLayout(buttons);
    // The box takes the keys, so that the arrows and page keys scroll at once.
    box->setFocus();
    DialogColours::Apply(this);
}

void ShowInstructions(QWidget* parent)
{
    const std::string manual = LoadInstructionsText();
    CInstructionsDlg dialog(manual, parent);
    dialog.exec();
}

}  // namespace zelkor
