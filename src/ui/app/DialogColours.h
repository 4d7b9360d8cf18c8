#pragma once
// The program's dialog colours: every dialog and message box of the program shows its background
// and static texts in the colours chosen in the options, read once at start. Qt's standard
// dialogs are not the program's and keep the desktop's colours.

#include <QColor>

class QWidget;

namespace zelkor {

class DialogColours {
public:
    // Colours as stored: 0x00BBGGRR.
    static void SetColours(int background, int text);
    // Call once the dialog's controls exist.
    static void Apply(QWidget* dialog);

    static QColor ToQColor(int bgr);
    static int FromQColor(const QColor& colour);

private:
    static void KeepDesktopColours(QWidget* widget);

    static int s_background;
    static int s_text;
};

}  // namespace zelkor
