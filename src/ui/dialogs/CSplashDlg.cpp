#include "ui/dialogs/CSplashDlg.h"

#include "core/app/ProgramTitle.h"

#include <QIcon>
#include <QLabel>
#include <QTimer>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <utility>

// The pictures live in the widget library, which the linker would otherwise leave out; the
// splash runs before any other window has asked for them.
static void InitSplashResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace zelkor {
namespace {

const QSize kPictureSize(360, 300);

}  // namespace

CSplashDlg::CSplashDlg(std::chrono::milliseconds delay, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_delay(delay)
{
    InitSplashResources();
    setObjectName(QStringLiteral("CSplashDlg"));
    setWindowTitle(ProgramTitleText());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("splashPicture"));
    picture->setAccessibleName(ProgramTitleText());
    picture->setAlignment(Qt::AlignCenter);
    // Drawn from the vector picture at the screen's own scale, so that it stays sharp at 2x.
    picture->setPixmap(QIcon(QStringLiteral(":/zelkor/artwork/splash.svg"))
                           .pixmap(kPictureSize, devicePixelRatioF()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(kPictureSize);
    m_picture = picture;
    picture->installEventFilter(this);
}

bool CSplashDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The work waits until the picture has been painted, so that the operator sees it at once
    // however long the work takes.
    if (watched == m_picture && event->type() == QEvent::Paint && m_work) {
        QTimer::singleShot(0, this, [this] {
            if (std::function<void()> work = std::exchange(m_work, {})) {
                work();
            }
        });
    }
    return QDialog::eventFilter(watched, event);
}

void CSplashDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_timer.isActive()) {
        m_timer.start(static_cast<int>(m_delay.count()), this);
    }
}

void CSplashDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    m_timer.stop();
    accept();
}

void ShowSplash(std::function<void()> whileShown, std::chrono::milliseconds delay)
{
    CSplashDlg splash(delay);
    splash.RunWhileShown(std::move(whileShown));
    splash.exec();
}

}  // namespace zelkor
