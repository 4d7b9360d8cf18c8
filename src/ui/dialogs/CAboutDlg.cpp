#include "ui/dialogs/CAboutDlg.h"

#include "core/text/Cp1252.h"
#include "ui/ControlIds.h"
#include "ui/app/DialogColours.h"
#include "ui/dialogs/CInstructionsDlg.h"
#include "ui/mainwindow/MainMenu.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The pictures live in the widget library, which the linker would otherwise leave out.
static void InitAboutResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace zelkor {
namespace {

const QSize kPictureSize(123, 150);
const QSize kIconSize(32, 32);

}  // namespace

QIcon ProgramIcon()
{
    InitAboutResources();
    return QIcon(QStringLiteral(":/zelkor/artwork/zelkor-icon.svg"));
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    InitAboutResources();
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(ToQString(FetchEncodedString(kAboutTitleEntry)));
    for (int i = 0; i < kAboutFieldCount; ++i) {
        m_fields[static_cast<std::size_t>(i)] =
            ToQString(FetchEncodedString(kFirstAboutFieldEntry + i));
    }
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(14);
    CreatePictures(layout);
    CreateFields(layout);
    CreateButtons(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    DialogColours::Apply(this);
}

void CAboutDlg::CreatePictures(QGridLayout* layout)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setAccessibleName(QStringLiteral("Immagine di Zelkor"));
    picture->setPixmap(QIcon(QStringLiteral(":/zelkor/artwork/about.svg"))
                           .pixmap(kPictureSize, devicePixelRatioF()));
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setAccessibleName(QStringLiteral("Icona di Zelkor"));
    icon->setPixmap(ProgramIcon().pixmap(kIconSize, devicePixelRatioF()));
    layout->addWidget(icon, 0, 2, Qt::AlignTop | Qt::AlignRight);
}

void CAboutDlg::CreateFields(QGridLayout* layout)
{
    auto* fields = new QVBoxLayout;
    fields->setSpacing(4);
    for (int i = 0; i < kAboutFieldCount; ++i) {
        auto* field = new QLabel(m_fields[static_cast<std::size_t>(i)], this);
        field->setObjectName(ControlName(AboutField(i)));
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fields->addWidget(field);
    }
    fields->addStretch();
    layout->addLayout(fields, 0, 1, 2, 1);
}

void CAboutDlg::CreateButtons(QGridLayout* layout)
{
    auto* instructions = new QPushButton(QStringLiteral("Istruzioni"), this);
    // The id of the main window's "Istruzioni" command.
    instructions->setObjectName(ControlName(Command::Instructions));
    instructions->setAccessibleName(instructions->text());
    instructions->setAutoDefault(false);
    connect(instructions, &QPushButton::clicked, this, [this] { ShowInstructions(this); });

    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(ControlName(ControlId::OkButton));
    close->setAccessibleName(close->text());
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(instructions);
    buttons->addWidget(close);
    layout->addLayout(buttons, 1, 2, Qt::AlignBottom);
}

void ShowAbout(QWidget* parent)
{
    CAboutDlg dialog(parent);
    dialog.exec();
}

}  // namespace zelkor
