#include "ui/app/DialogColours.h"

#include "core/settings/SettingKeys.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <QTabBar>
#include <QWidget>

namespace zelkor {

int DialogColours::s_background = keys::kDefaultBackgroundColour;
int DialogColours::s_text = keys::kDefaultTextColour;

void DialogColours::SetColours(int background, int text)
{
    s_background = background;
    s_text = text;
}

void DialogColours::Apply(QWidget* dialog)
{
    // Only the dialog itself and its static texts: edit fields, lists and buttons draw with other
    // roles and keep their own. A palette rather than a style sheet, because a palette stops at
    // the next window: Qt's print, page setup, file and colour dialogs opened over the program's
    // windows keep the desktop's looks, where a style sheet would reach into them.
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, ToQColor(s_background));
    palette.setColor(QPalette::WindowText, ToQColor(s_text));
    dialog->setPalette(palette);
    // Menu bars and tab bars are no static text: they keep the desktop's colours, as menus
    // and the tabs' own light backgrounds do, so that their words stay readable.
    for (QMenuBar* bar : dialog->findChildren<QMenuBar*>()) {
        KeepDesktopColours(bar);
    }
    for (QTabBar* bar : dialog->findChildren<QTabBar*>()) {
        KeepDesktopColours(bar);
    }
}

void DialogColours::KeepDesktopColours(QWidget* widget)
{
    // Set role by role: a role left unset in a widget's palette is taken from its parent's.
    const QPalette desktop = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText}) {
            palette.setColor(group, role, desktop.color(group, role));
        }
    }
    widget->setPalette(palette);
}

QColor DialogColours::ToQColor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int DialogColours::FromQColor(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace zelkor
