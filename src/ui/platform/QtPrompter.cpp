#include "ui/platform/QtPrompter.h"

#include "ui/app/DialogColours.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

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

}  // namespace

Answer QtPrompter::Show(const MessageBox& box)
{
    QMessageBox dialog(ToQtIcon(box.icon), box.title, box.text, QMessageBox::NoButton, m_parent);
    if (box.buttons == MessageButtons::YesNo) {
        dialog.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        dialog.setDefaultButton(QMessageBox::Yes);
        dialog.setEscapeButton(QMessageBox::No);
    } else {
        dialog.setStandardButtons(QMessageBox::Ok);
    }
    DialogColours::Apply(&dialog);
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
        if (!request.mustExist) {
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        }
    }
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
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
