#pragma once
// The start-up picture: shown modally before the main window opens, it closes by itself after a
// fixed delay and nothing else ends it, so that start-up always goes on the same way.

#include <QBasicTimer>
#include <QDialog>

#include <chrono>

namespace zelkor {

inline constexpr std::chrono::milliseconds kSplashDelay{2000};

class CSplashDlg : public QDialog {
    Q_OBJECT

public:
    // Tests pass a shorter delay.
    explicit CSplashDlg(std::chrono::milliseconds delay = kSplashDelay, QWidget* parent = nullptr);

    // Esc and the window's close request both arrive here; the picture stays until its time.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    std::chrono::milliseconds m_delay;
    QBasicTimer m_timer;
};

// Runs the start-up picture; returns once it has closed itself.
void ShowSplash();

}  // namespace zelkor
