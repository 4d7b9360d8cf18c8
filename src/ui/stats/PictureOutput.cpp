#include "ui/stats/PictureOutput.h"

#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "ui/export/LogPrinter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace zelkor {
namespace {

constexpr qreal kPngScale = 2.0;

// Paints the picture into the target, scaled to fit with its shape kept, centred across.
void PaintFitted(QPainter& painter, const Picture& picture, const QRectF& target)
{
    const qreal scale =
        std::min(target.width() / picture.size.width(), target.height() / picture.size.height());
    painter.save();
    painter.translate(target.left() + (target.width() - picture.size.width() * scale) / 2,
                      target.top());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(picture.size)));
    picture.paint(painter);
    painter.restore();
}

bool IsPdfName(const QString& path)
{
    return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

}  // namespace

QByteArray PictureToPng(const Picture& picture)
{
    QImage image(picture.size * kPngScale, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(picture.dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kPngScale, kPngScale);
        picture.paint(painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        return QByteArray();
    }
    return bytes;
}

QByteArray PictureToPdf(const Picture& picture, const QPageLayout& layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(picture.dpi);
        writer.setCreator(QStringLiteral("Zelkor"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return QByteArray();
        }
        painter.setRenderHint(QPainter::Antialiasing);
        PaintFitted(painter, picture, QRectF(0, 0, writer.width(), writer.height()));
        if (!painter.end()) {
            return QByteArray();
        }
    }
    // A document Qt could not finish has no end marker.
    if (!bytes.trimmed().endsWith("%%EOF")) {
        return QByteArray();
    }
    return bytes;
}

QString PictureProgramFileText(const QString& path)
{
    return QStringLiteral("Non si può salvare l'immagine su un file del programma:\n") + path +
           QStringLiteral("\n\nScegliere un altro nome.");
}

QString PictureWriteFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Impossibile scrivere il file:\n") + path + QStringLiteral("\n\n") +
           reason + QStringLiteral("\n\nUn file già esistente con questo nome è rimasto com'era.");
}

Result SavePicture(const Picture& picture, const QString& path, const QString& programFolder)
{
    if (IsProgramFile(programFolder, path)) {
        return Result::Failure(PictureProgramFileText(path));
    }
    const QByteArray bytes =
        IsPdfName(path)
            ? PictureToPdf(picture, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                QMarginsF(15, 15, 15, 15)))
            : PictureToPng(picture);
    if (bytes.isEmpty()) {
        return Result::Failure(PictureWriteFailureText(
            path, QStringLiteral("Non è stato possibile preparare l'immagine.")));
    }
    QString reason;
    if (!WriteFileAtomically(path, bytes, &reason)) {
        return Result::Failure(PictureWriteFailureText(path, reason));
    }
    return Result::Ok();
}

Result PrintPicture(const Picture& picture, QPrinter& printer, const QString& programFolder)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        if (path.isEmpty()) {
            return Result::Failure(LogPrinter::PrinterUnavailableText(QString()));
        }
        if (IsProgramFile(programFolder, path)) {
            return Result::Failure(PictureProgramFileText(path));
        }
        // The PDF is made in memory and replaces the file only when whole, unlike QPainter on
        // the printer, which empties the file first.
        const QByteArray bytes = PictureToPdf(picture, printer.pageLayout());
        QString reason = QStringLiteral("Il documento PDF preparato è incompleto.");
        if (bytes.isEmpty() || !WriteFileAtomically(path, bytes, &reason)) {
            return Result::Failure(LogPrinter::PdfWriteFailureText(path, reason));
        }
        return Result::Ok();
    }
    if (!printer.isValid()) {
        return Result::Failure(LogPrinter::PrinterUnavailableText(printer.printerName()));
    }
    printer.setResolution(picture.dpi);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Result::Failure(LogPrinter::PrinterStartFailureText(printer.printerName()));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    PaintFitted(painter, picture, QRectF(QPointF(0, 0), QSizeF(printer.width(), printer.height())));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return Result::Failure(LogPrinter::PrintingFailureText());
    }
    return Result::Ok();
}

void SavePictureCommand(Prompter& prompter, const QString& programFolder, const Picture& picture,
                        const QString& proposedName)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = QStringLiteral("Salva immagine");
    request.filter = QStringLiteral("Immagine PNG (*.png);;Documento PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("png");
    request.proposedName = proposedName;
    request.mustExist = true;  // ask before replacing a file
    const std::optional<QString> path = prompter.ChooseFile(request);
    if (!path) {
        return;
    }
    const Result saved = SavePicture(picture, *path, programFolder);
    if (!saved) {
        prompter.Error(saved.message());
    }
}

void PrintPictureCommand(QWidget* parent, Prompter& prompter, const QString& programFolder,
                         const Picture& picture)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Andamento"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const Result printed = PrintPicture(picture, printer, programFolder);
    if (!printed) {
        prompter.Error(printed.message());
    }
}

}  // namespace zelkor
