#pragma once
// The seam through which core commands talk to the user: message boxes, file choosers and the
// colour chooser. The widgets implement it with Qt's dialogs; tests script the answers and
// record every box.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zelkor {

enum class MessageIcon { None, Stop, Question, Information, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct MessageBox {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // Yes and No: Enter answers No, where a reflex Yes would lose something.
    bool noIsDefault = false;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    // Qt filter text, for example "File log Zelkor (*.zelk)"; several filters separated by ";;".
    QString filter;
    // Extension added by the dialog when the typed name has none ("zelk"); empty for none.
    QString defaultSuffix;
    // Name or path proposed in the name field.
    QString proposedName;
    // Open dialogs: the chosen file must exist. Save dialogs: ask before overwriting.
    bool mustExist = true;
};

// A choice of one entry from a list, such as a column of a file.
struct ItemChoiceRequest {
    QString title;
    QString label;
    QStringList items;
    // The entry chosen when the dialog opens.
    int current = 0;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer Show(const MessageBox& box) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> ChooseFile(const FileDialogRequest& request) = 0;
    // Colours as 0x00BBGGRR; nothing when the user cancels.
    virtual std::optional<int> ChooseColour(int initialColour) = 0;
    // Several existing files chosen together in one open dialog; nothing when the user
    // cancels. Prompters that can't offer that let the user choose one.
    virtual std::optional<QStringList> ChooseFiles(const FileDialogRequest& request)
    {
        const std::optional<QString> path = ChooseFile(request);
        return path ? std::optional<QStringList>(QStringList{*path}) : std::nullopt;
    }
    // The position of the entry chosen; nothing when the user cancels. Prompters that can't
    // ask take the entry proposed.
    virtual std::optional<int> ChooseItem(const ItemChoiceRequest& request)
    {
        return request.current;
    }

    // Shorthands for the fixed title and icon pairs.
    void Error(const QString& text) { Show({QStringLiteral("Errore"), text, MessageIcon::Stop}); }
    void Information(const QString& text)
    {
        Show({QStringLiteral("Informazione"), text, MessageIcon::Information});
    }
    void Warning(const QString& text)
    {
        Show({QStringLiteral("Avviso"), text, MessageIcon::Exclamation});
    }
    void ShowAll(const std::vector<MessageBox>& boxes)
    {
        for (const MessageBox& box : boxes) {
            Show(box);
        }
    }
    bool AskYesNo(const QString& title, const QString& text,
                  MessageIcon icon = MessageIcon::Question)
    {
        return Show({title, text, icon, MessageButtons::YesNo}) == Answer::Yes;
    }
};

}  // namespace zelkor
