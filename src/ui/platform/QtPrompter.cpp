#include "ui/platform/QtPrompter.h"

#include "ui/app/DialogColours.h"

#include "core/platform/ProgramFolder.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace zelkor {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Room the frame takes beside the title: the window's icon and its buttons.
constexpr int kTitleFrameRoom = 120;
constexpr int kMinimumBoxWidth = 260;

// Asks before a save replaces an existing file, in Qt's own words, in a box that shows its title.
bool ConfirmOverwrite(QFileDialog& dialog, const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        return true;
    }
    QMessageBox box(
        QMessageBox::Warning, dialog.windowTitle(),
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(file.fileName()),
        QMessageBox::Yes | QMessageBox::No, &dialog);
    box.setDefaultButton(QMessageBox::No);
    QtPrompter::KeepTitleWhole(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

int QtPrompter::MinimumBoxWidth(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return std::max(kMinimumBoxWidth,
                    QFontMetrics(font).horizontalAdvance(title) + kTitleFrameRoom);
}

void QtPrompter::KeepTitleWhole(QMessageBox& box)
{
    // The box fixes its own size from its layout when shown, so the width goes into the layout.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    int width = MinimumBoxWidth(box.windowTitle());
    if (const QScreen* screen = box.screen()) {
        width = std::min(width, screen->availableGeometry().width() * 3 / 4);
    }
    const QMargins margins = grid->contentsMargins();
    grid->addItem(new QSpacerItem(width - margins.left() - margins.right(), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

Answer QtPrompter::Show(const MessageBox& box)
{
    QMessageBox dialog(ToQtIcon(box.icon), box.title, box.text, QMessageBox::NoButton, m_parent);
    if (box.buttons == MessageButtons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        dialog.setDefaultButton(box.noIsDefault ? QMessageBox::No : QMessageBox::Yes);
        dialog.setEscapeButton(QMessageBox::No);
    } else {
        dialog.setStandardButtons(QMessageBox::Ok);
    }
    DialogColours::Apply(&dialog);
    KeepTitleWhole(dialog);
    const int result = dialog.exec();
    if (box.buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> QtPrompter::ChooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title);
    // Qt's own dialog, so that it speaks Italian through the loaded translations everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(request.filter);
    if (!request.defaultSuffix.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultSuffix);
    }
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The question comes from ConfirmOverwrite, whose box is wide enough for its title.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    const bool confirm = request.kind == FileDialogKind::Save && request.mustExist;
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        const bool refusedByCommand =
            !m_programFolder.isEmpty() && IsProgramFile(m_programFolder, path);
        if (!confirm || refusedByCommand || ConfirmOverwrite(dialog, path)) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<QStringList> QtPrompter::ChooseFiles(const FileDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles();
}

std::optional<int> QtPrompter::ChooseItem(const ItemChoiceRequest& request)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.label);
    dialog.setComboBoxItems(request.items);
    dialog.setComboBoxEditable(false);
    if (request.current >= 0 && request.current < request.items.size()) {
        dialog.setTextValue(request.items.at(request.current));
    }
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    DialogColours::Apply(&dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const int chosen = static_cast<int>(request.items.indexOf(dialog.textValue()));
    return chosen < 0 ? std::nullopt : std::optional<int>(chosen);
}

std::optional<int> QtPrompter::ChooseColour(int initialColour)
{
    const QColor chosen = QColorDialog::getColor(DialogColours::ToQColor(initialColour), m_parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return DialogColours::FromQColor(chosen);
}

}  // namespace zelkor
