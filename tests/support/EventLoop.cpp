#include "support/EventLoop.h"

#include <QElapsedTimer>
#include <QThread>

namespace zelkor::test {

std::unique_ptr<QCoreApplication> MakeCoreApplication()
{
    static int argc = 1;
    static char name[] = "zelkor_core_tests";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

bool RunUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limit.count()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void RunFor(std::chrono::milliseconds interval)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < interval.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

}  // namespace zelkor::test
