#pragma once
// The program's dialog colours: every dialog and message box shows its background and static
// texts in the colours chosen in the options, read once at start.

#include <QColor>

class QWidget;

namespace zelkor {

class DialogColours {
public:
    // Colours as stored: 0x00BBGGRR.
    static void SetColours(int background, int text);
    static void Apply(QWidget* dialog);

    static QColor ToQColor(int bgr);
    static int FromQColor(const QColor& colour);

private:
    static int s_background;
    static int s_text;
};

}  // namespace zelkor
