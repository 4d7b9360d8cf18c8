#pragma once
// The main window as the program opens it, in temporary folders, with a scripted prompter and a
// clock that stands still; plus the few steps the window tests share.

#include "core/commands/AppContext.h"
#include "core/settings/SettingKeys.h"
#include "support/FixedClock.h"
#include "support/ProgramFolders.h"
#include "support/ScriptedPrompter.h"
#include "ui/ControlIds.h"
#include "ui/mainwindow/CVelsadDlg.h"
#include "ui/mainwindow/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace zelkor::test {

class MainWindowHarness {
public:
    MainWindowHarness() { clock.now = QDateTime(QDate(2024, 3, 9), QTime(14, 32, 20), Qt::UTC); }

    // Starts the program and shows its window, active, as the operator finds it.
    [[nodiscard]] bool Open(const QStringList& arguments = {}, const QString& startFolder = {})
    {
        folders.Start(context, prompter, arguments, startFolder);
        window = std::make_unique<CVelsadDlg>(context, prompter, clock);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // The entrant's own callsign and province, which must be known before a contact is logged;
    // stored before Open().
    void StoreOwnProvince() const
    {
        folders.WriteSetting(keys::kCallsign, QStringLiteral("IK0XYZ"));
        folders.WriteSetting(keys::kProvince, QStringLiteral("MI"));
    }

    template <typename T = QWidget>
    T* Find(ControlId id) const
    {
        return window->findChild<T*>(ControlName(id));
    }

    // The menu item's action, which also holds the item's key.
    QAction* Action(Command command) const
    {
        return window->findChild<QAction*>(ControlName(command));
    }

    QString Text(ControlId id) const { return Find<QLineEdit>(id)->text(); }
    QString FocusedId() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Keys go where the operator's keys go: to the control with the focus.
    static void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // A callsign, Enter, a province code, Enter: the normal walk of one contact.
    static void EnterContact(const QString& callsign, const QString& province)
    {
        Type(callsign);
        Press(Qt::Key_Return);
        Type(province);
        Press(Qt::Key_Return);
    }

    ProgramFolders folders;
    AppContext context;
    ScriptedPrompter prompter;
    FixedClock clock;
    std::unique_ptr<CVelsadDlg> window;
};

}  // namespace zelkor::test

Q_DECLARE_METATYPE(zelkor::ControlId)
Q_DECLARE_METATYPE(zelkor::Command)
