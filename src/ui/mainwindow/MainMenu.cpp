#include "ui/mainwindow/MainMenu.h"

#include "ui/ControlIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zelkor {

static_assert(static_cast<int>(Command::ClearEntryRow) == static_cast<int>(ControlId::ClearButton),
              "the \"C\" button carries the id of the command it runs");

const std::vector<MenuItem>& MainMenu::Items()
{
    static const std::vector<MenuItem> kItems = {
        {"File", "Nuovo log", Command::NewLog, {}},
        {"File", "Apri\tF2", Command::Open, QKeySequence(Qt::Key_F2)},
        {"File", "Salva\tF4", Command::Save, QKeySequence(Qt::Key_F4)},
        {"File", "Salva come...", Command::SaveAs, {}},
        {"File", "Stampa", Command::Print, {}},
        {"File", "Esci\tEsc", Command::Exit, QKeySequence(Qt::Key_Escape)},
        {"Log", "Dati riassuntivi\tF5", Command::SummaryData, QKeySequence(Qt::Key_F5)},
        {"Log", "Mostra punteggio\tF6", Command::ShowScore, QKeySequence(Qt::Key_F6)},
        {"Log", "Andamento\tF11", Command::Progress, QKeySequence(Qt::Key_F11)},
        {"Log", "Riordina per data ed ora", Command::SortByDateTime, {}},
        {"Log", "Cancella campi input\tF9", Command::ClearEntryRow, QKeySequence(Qt::Key_F9), true},
        {"Log", "Esporta -> Cabrillo", Command::ExportCabrillo, {}},
        {"Log", "Esporta -> Testo per Vantlog", Command::ExportVantlog, {}},
        {"Log", "Esporta -> ADIF", Command::ExportAdif, {}},
        {"Qso", "Modifica", Command::Modify, {}},
        {"Qso", "Elimina", Command::Delete, {}},
        {"Strumenti", "Opzioni\tF7", Command::Options, QKeySequence(Qt::Key_F7)},
        {"Strumenti", "Elenco province\tF8", Command::ProvinceList, QKeySequence(Qt::Key_F8)},
        {"Strumenti", "Importa elenco province", Command::ImportProvinceList, {}},
        {"Strumenti", "Radio...", Command::Radio, {}},
        {"Strumenti", "Importa storico nominativi...", Command::ImportHistory, {}},
        {"Strumenti", "Esporta storico nominativi...", Command::ExportHistory, {}},
        {"Strumenti", "Svuota storico", Command::ClearHistory, {}},
        {"Strumenti", "Controllo parziale\tF10", Command::PartialCheck, QKeySequence(Qt::Key_F10)},
        {"Aiuto", "Info", Command::About, {}},
        {"Aiuto", "Istruzioni\tF1", Command::Instructions, QKeySequence(Qt::Key_F1)},
    };
    return kItems;
}

QMenuBar* MainMenu::Create(QWidget* window, const std::function<void(Command)>& onCommand)
{
    auto* menuBar = new QMenuBar(window);
    QMenu* menu = nullptr;
    QString menuTitle;
    for (const MenuItem& item : Items()) {
        const QString title = QString::fromLatin1(item.menu);
        if (menu == nullptr || title != menuTitle) {
            menu = menuBar->addMenu(title);
            menu->setObjectName(title);
            menuTitle = title;
        }
        QAction* action = menu->addAction(QString::fromLatin1(item.text));
        action->setObjectName(ControlName(item.command));
        if (!item.key.isEmpty()) {
            // The key name is already in the text. As a window shortcut on the window itself
            // the key is taken before the focused control's own handling, wherever the focus is.
            action->setShortcut(item.key);
            action->setShortcutContext(Qt::WindowShortcut);
            window->addAction(action);
        }
        const Command command = item.command;
        QObject::connect(action, &QAction::triggered, window,
                         [onCommand, command] { onCommand(command); });
        if (item.separatorAfter) {
            menu->addSeparator();
        }
    }
    return menuBar;
}

}  // namespace zelkor
