#include "ui/mainwindow/SignImages.h"

#include <QFont>
#include <QPainter>

namespace zelkor {
namespace {

const QColor kRed(220, 0, 0);
const QColor kGreen(0, 150, 0);
const QColor kBlue(0, 0, 200);

// A coloured label with a white word centred on it, like a rubber stamp.
QPixmap Label(const QString& word, const QColor& background, int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, width, height, background);
    painter.setPen(background.darker(160));
    painter.drawRect(0, 0, width - 1, height - 1);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(height - 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, word);
    return pixmap;
}

QPixmap Square(bool filled)
{
    const int size = SignImages::kMatrixButtonSize;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(1, 1, size - 2, size - 2, filled ? kBlue : QColor(Qt::white));
    painter.setPen(filled ? kBlue.darker(150) : QColor(96, 96, 96));
    painter.drawRect(1, 1, size - 3, size - 3);
    return pixmap;
}

QIcon TwoStateIcon(const QPixmap& enabled, const QPixmap& disabled)
{
    QIcon icon;
    icon.addPixmap(enabled, QIcon::Normal);
    icon.addPixmap(enabled, QIcon::Active);
    icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}

QPixmap Letter(const QString& letter, const QColor& background)
{
    return Label(letter, background, SignImages::kLetterWidth, SignImages::kSignHeight);
}

}  // namespace

QPixmap SignImages::Btu()
{
    return Square(true);
}

QPixmap SignImages::Btx()
{
    return Square(false);
}

QIcon SignImages::MatrixButtonIcon()
{
    return TwoStateIcon(Btu(), Btx());
}

QPixmap SignImages::Dup()
{
    return Label(QStringLiteral("DUP"), kRed, 32, kSignHeight);
}

QPixmap SignImages::Molt()
{
    return Label(QStringLiteral("MOLT"), kGreen, 40, kSignHeight);
}

QIcon SignImages::CallerIcon()
{
    return TwoStateIcon(Letter(QStringLiteral("C"), kRed), Letter(QStringLiteral("C"), kGreen));
}

QIcon SignImages::AnswerIcon()
{
    return TwoStateIcon(Letter(QStringLiteral("R"), kRed), Letter(QStringLiteral("R"), kGreen));
}

QIcon SignImages::MultiplierIcon()
{
    const QPixmap mou = Letter(QStringLiteral("M"), kGreen);
    return TwoStateIcon(mou, mou);
}

QIcon SignImages::ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(224, 96, 32));
        painter.setPen(QPen(QColor(120, 40, 0), size / 16.0));
        painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace zelkor
