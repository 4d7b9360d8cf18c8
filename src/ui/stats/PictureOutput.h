#pragma once
// "Salva immagine..." and "Stampa..." of the progress window: a picture (the chart or the map, as
// its widget paints it) written as PNG or PDF through the program's checked write path, or sent
// to a printer. Never onto the program's own files; every failure told in Italian.

#include "core/platform/Result.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>

class QPageLayout;
class QPainter;
class QPrinter;
class QWidget;

namespace zelkor {

class Prompter;

struct Picture {
    // The size the painting is made for; outputs scale it, keeping its shape.
    QSize size;
    // The resolution the painting's fonts are measured in (the widget's logical DPI). Outputs
    // take it as theirs, so that texts keep their size relative to everything else when scaled.
    int dpi = 96;
    std::function<void(QPainter&)> paint;
};

// Twice the size, so that the file stays sharp when enlarged.
QByteArray PictureToPng(const Picture& picture);
// One page, the picture as large as the page's printable area allows, at its top.
QByteArray PictureToPdf(const Picture& picture, const QPageLayout& layout);

// PDF when the name ends in ".pdf" (any case), PNG otherwise. The file is replaced only once the
// new one is whole.
Result SavePicture(const Picture& picture, const QString& path, const QString& programFolder);
// After the print dialog: to the chosen printer, or to the chosen PDF file through the checked
// write path.
Result PrintPicture(const Picture& picture, QPrinter& printer, const QString& programFolder);

// The two commands with their dialogs; failures go to the prompter.
void SavePictureCommand(Prompter& prompter, const QString& programFolder, const Picture& picture,
                        const QString& proposedName);
void PrintPictureCommand(QWidget* parent, Prompter& prompter, const QString& programFolder,
                         const Picture& picture);

QString PictureProgramFileText(const QString& path);
QString PictureWriteFailureText(const QString& path, const QString& reason);

}  // namespace zelkor
