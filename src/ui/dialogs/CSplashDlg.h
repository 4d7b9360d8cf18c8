#pragma once
// The start-up picture: shown modally before the main window opens, it closes by itself after a
// fixed delay and nothing else ends it, so that start-up always goes on the same way. Work given
// to it runs once the picture is on screen; work longer than the delay keeps the picture up until
// it ends.

#include <QBasicTimer>
#include <QDialog>

#include <chrono>
#include <functional>

namespace zelkor {

inline constexpr std::chrono::milliseconds kSplashDelay{2000};

class CSplashDlg : public QDialog {
    Q_OBJECT

public:
    // Tests pass a shorter delay.
    explicit CSplashDlg(std::chrono::milliseconds delay = kSplashDelay, QWidget* parent = nullptr);

    // Esc and the window's close request both arrive here; the picture stays until its time.
    void reject() override {}

    // Runs the work at the turn of the event loop after the picture was first painted.
    void RunWhileShown(std::function<void()> work) { m_work = std::move(work); }

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds m_delay;
    QBasicTimer m_timer;
    QWidget* m_picture = nullptr;
    std::function<void()> m_work;
};

// Runs the start-up picture, and the work while it is up; returns once the picture has closed
// itself.
void ShowSplash(std::function<void()> whileShown = {},
                std::chrono::milliseconds delay = kSplashDelay);

}  // namespace zelkor
