#include "app/DialogColours.h"

#include "app/SettingKeys.h"

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
    const QString background = ToQColor(s_background).name();
    const QString text = ToQColor(s_text).name();
    // Only the dialog itself and its static texts: edit fields, lists and buttons keep their own.
    dialog->setStyleSheet(QStringLiteral("QDialog { background-color: %1; }"
                                         "QLabel, QCheckBox, QRadioButton, QGroupBox { color: %2; }")
                              .arg(background, text));
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
