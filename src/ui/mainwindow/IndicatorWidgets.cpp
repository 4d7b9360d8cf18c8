#include "ui/mainwindow/IndicatorWidgets.h"

#include "core/presenters/EntryRow.h"
#include "ui/mainwindow/EntryRowWidgets.h"
#include "ui/mainwindow/SignImages.h"
#include "ui/mainwindow/WindowGeometry.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

namespace zelkor {
namespace {

constexpr int kHeadingTop = 14;
constexpr int kColumnHeadTop = 31;
constexpr int kFirstRowTop = 50;
constexpr int kRowStep = 20;
// Room for the row labels left of the buttons.
constexpr int kRowLabelWidth = 30;
constexpr int kMatrixLefts[2] = {16, 130};

const char* const kColumnHeads = "3,5    7 ";
const char* const kRowLabels[kModeRowCount] = {"ssb", "cw", "rtty"};
const char* const kBandNames[kBandCount] = {"3,5", "7"};

// The matrix's name as read out with each button, and whether it is a feminine noun.
struct MatrixName {
    QString name;
    bool feminine;
};

MatrixName NameOf(IndicatorMatrix matrix, bool swl)
{
    if (swl) {
        return {matrix == IndicatorMatrix::Province ? QStringLiteral("Provincia 1")
                                                    : QStringLiteral("Provincia 2"),
                true};
    }
    return matrix == IndicatorMatrix::Province ? MatrixName{QStringLiteral("Provincia"), true}
                                               : MatrixName{QStringLiteral("Nominativo"), false};
}

QString ButtonName(IndicatorMatrix matrix, bool swl, int bandIndex, int modeRow, bool worked)
{
    const MatrixName name = NameOf(matrix, swl);
    QString state = name.feminine ? QStringLiteral("lavorata") : QStringLiteral("lavorato");
    if (!worked) {
        state.prepend(QStringLiteral("non "));
    }
    return QStringLiteral("%1 %2 MHz %3 %4")
        .arg(name.name, QString::fromLatin1(kBandNames[bandIndex]),
             QString::fromLatin1(kRowLabels[modeRow]), state);
}

void SetVisible(QWidget* widget, bool visible)
{
    if (widget->isVisibleTo(widget->parentWidget()) != visible) {
        widget->setVisible(visible);
    }
}

void SetAccessibleName(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

QLabel* CreateSign(const QPixmap& pixmap, ControlId id, const QString& name, QWidget* parent)
{
    auto* sign = new QLabel(parent);
    sign->setObjectName(ControlName(id));
    sign->setAccessibleName(name);
    sign->setPixmap(pixmap);
    sign->resize(pixmap.size());
    sign->hide();
    return sign;
}

}  // namespace

IndicatorWidgets::IndicatorWidgets(QWidget* window, const EntryRowWidgets& entryWidgets)
{
    m_matrixBox = new QGroupBox(window);
    m_matrixBox->setAccessibleName(QStringLiteral("Indicatori lavorati"));
    m_matrixBox->setGeometry(geometry::kMatrixBox);
    CreateMatrix(IndicatorMatrix::Province, kMatrixLefts[0]);
    CreateMatrix(IndicatorMatrix::Second, kMatrixLefts[1]);
    CreateSigns(entryWidgets);
    SetSwlLayout(false);
}

void IndicatorWidgets::CreateMatrix(IndicatorMatrix matrix, int left)
{
    const int m = static_cast<int>(matrix);
    const int buttonsLeft = left + kRowLabelWidth;

    auto* heading = new QLabel(m_matrixBox);
    heading->setObjectName(
        ControlName(m == 0 ? ControlId::ProvinceMatrixHeading : ControlId::SecondMatrixHeading));
    heading->setGeometry(buttonsLeft - 4, kHeadingTop, 80, 15);
    m_headings[m] = heading;

    const QString heads = QString::fromLatin1(kColumnHeads);
    auto* columnHeads = new QLabel(heads, m_matrixBox);
    columnHeads->adjustSize();
    columnHeads->move(buttonsLeft, kColumnHeadTop);

    // Each column of buttons stands centred under its band in the heads' text.
    const QFontMetrics metrics(columnHeads->font());
    const int bandCentres[kBandCount] = {
        metrics.horizontalAdvance(QStringLiteral("3,5")) / 2,
        metrics.horizontalAdvance(QStringLiteral("3,5    ")) +
            metrics.horizontalAdvance(QStringLiteral("7")) / 2,
    };

    const int size = SignImages::kMatrixButtonSize;
    for (int modeRow = 0; modeRow < kModeRowCount; ++modeRow) {
        const int top = kFirstRowTop + modeRow * kRowStep;
        auto* rowLabel = new QLabel(QString::fromLatin1(kRowLabels[modeRow]), m_matrixBox);
        rowLabel->setGeometry(left, top - 1, kRowLabelWidth - 2, size + 2);
        for (int band = 0; band < kBandCount; ++band) {
            const int index = IndicatorMatrices::ButtonIndex(matrix, band, modeRow);
            QToolButton* button =
                CreateIndicator(m_matrixBox, MatrixButton(index),
                                buttonsLeft + bandCentres[band] - size / 2, top + 1, size, size);
            button->setIcon(SignImages::MatrixButtonIcon());
            button->setEnabled(false);
            m_buttons[index] = button;
        }
    }
}

QToolButton* IndicatorWidgets::CreateIndicator(QWidget* parent, ControlId id, int left, int top,
                                               int width, int height)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(ControlName(id));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    // Indicators show; a click must neither act nor raise the button.
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
    button->setGeometry(left, top, width, height);
    button->setIconSize(QSize(width, height));
    return button;
}

void IndicatorWidgets::CreateSigns(const EntryRowWidgets& entryWidgets)
{
    using namespace geometry;
    QWidget* box = entryWidgets.Box();
    const QRect callsignHeading = entryWidgets.CallsignHeading()->geometry();
    m_dup = CreateSign(SignImages::Dup(), ControlId::DupSign, QStringLiteral("Doppio"), box);
    m_dup->move(callsignHeading.right() + 6, kLabelTop);
    const QRect nameHeading = entryWidgets.ProvinceNameHeading()->geometry();
    m_molt = CreateSign(SignImages::Molt(), ControlId::NewMultiplierSign,
                        QStringLiteral("Nuovo moltiplicatore"), box);
    m_molt->move(nameHeading.right() + 6, kLabelTop);

    const int letterOffset = (kLineHeight - SignImages::kSignHeight) / 2;
    const int width = SignImages::kLetterWidth;
    const auto letter = [&](ControlId id, int left, int lineTop, const QIcon& icon) {
        QToolButton* button =
            CreateIndicator(box, id, left, lineTop + letterOffset, width, SignImages::kSignHeight);
        button->setIcon(icon);
        button->hide();
        return button;
    };
    m_caller = letter(ControlId::CallerLetter, kReceivedOrCaller.left, kFirstLineTop,
                      SignImages::CallerIcon());
    const ControlId answerIds[3] = {ControlId::FirstAnswerLetter, ControlId::SecondAnswerLetter,
                                    ControlId::ThirdAnswerLetter};
    for (int i = 0; i < 3; ++i) {
        m_answers[i] = letter(answerIds[i], kReceivedOrCaller.left + i * width, kSecondLineTop,
                              SignImages::AnswerIcon());
    }
    m_multipliers[0] = letter(ControlId::FirstMultiplierLetter, kMultiplierLetter.left,
                              kFirstLineTop, SignImages::MultiplierIcon());
    m_multipliers[1] = letter(ControlId::SecondMultiplierLetter, kMultiplierLetter.left,
                              kSecondLineTop, SignImages::MultiplierIcon());
    m_multipliers[0]->setAccessibleName(QStringLiteral("Nuovo moltiplicatore provincia 1"));
    m_multipliers[1]->setAccessibleName(QStringLiteral("Nuovo moltiplicatore provincia 2"));
}

void IndicatorWidgets::SetSwlLayout(bool swl)
{
    m_swlLayout = swl;
    m_headings[0]->setText(swl ? QStringLiteral("Prov1") : QStringLiteral("Provincia"));
    m_headings[1]->setText(swl ? QStringLiteral("Prov2") : QStringLiteral("Nominativo"));
    for (QLabel* heading : m_headings) {
        heading->setAccessibleName(heading->text());
    }
    m_caller->hide();
    for (QToolButton* answer : m_answers) {
        answer->hide();
    }
    for (QToolButton* multiplier : m_multipliers) {
        multiplier->hide();
    }
    UpdateMatrixNames();
}

void IndicatorWidgets::UpdateMatrixNames()
{
    for (const IndicatorMatrix matrix : {IndicatorMatrix::Province, IndicatorMatrix::Second}) {
        for (int modeRow = 0; modeRow < kModeRowCount; ++modeRow) {
            for (int band = 0; band < kBandCount; ++band) {
                QToolButton* button =
                    m_buttons[IndicatorMatrices::ButtonIndex(matrix, band, modeRow)];
                SetAccessibleName(
                    button, ButtonName(matrix, m_swlLayout, band, modeRow, button->isEnabled()));
            }
        }
    }
}

void IndicatorWidgets::ShowValues(const EntryRow& entry)
{
    if (entry.SwlFieldsShown() != m_swlLayout) {
        SetSwlLayout(entry.SwlFieldsShown());
    }
    const IndicatorMatrices& matrices = entry.Matrices();
    for (int i = 0; i < IndicatorMatrices::kButtonCount; ++i) {
        m_buttons[i]->setEnabled(matrices.enabled[i]);
    }
    UpdateMatrixNames();

    // DUP serves both layouts: a blocked heard exchange is discarded by Enter just as a
    // duplicate contact is.
    SetVisible(m_dup, entry.DupShown());
    SetVisible(m_molt, entry.MultiplierShown() && !m_swlLayout);

    const SwlIndicators& signs = entry.SwlSigns();
    SetVisible(m_caller, m_swlLayout && signs.callerShown);
    m_caller->setEnabled(signs.callerEnabled);
    SetAccessibleName(m_caller, signs.callerEnabled
                                    ? QStringLiteral("Chiamante già registrato")
                                    : QStringLiteral("Chiamante non ancora registrato"));
    for (int i = 0; i < 3; ++i) {
        SetVisible(m_answers[i], m_swlLayout && signs.answerShown[i]);
        m_answers[i]->setEnabled(signs.answerEnabled[i]);
        SetAccessibleName(
            m_answers[i],
            QStringLiteral("Risposta %1%2")
                .arg(i + 1)
                .arg(signs.answerEnabled[i] ? QStringLiteral(", limite raggiunto") : QString()));
    }
    for (int i = 0; i < 2; ++i) {
        SetVisible(m_multipliers[i], m_swlLayout && signs.multiplierShown[i]);
    }
}

}  // namespace zelkor
