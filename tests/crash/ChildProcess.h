#pragma once
// The crash child as the tests drive it: started with its arguments, read line by line, and
// killed without warning. Only the core test program knows where the child was built.

#include <QProcess>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include <csignal>

namespace zelkor::crash {

class ChildProcess {
public:
    explicit ChildProcess(const QStringList& arguments)
    {
        m_process.start(QStringLiteral(ZELKOR_CRASH_CHILD), arguments);
    }
    ~ChildProcess() { Kill(); }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Generous bounds that only stop a broken child from hanging the test; nothing is timed.
    bool Started() { return m_process.waitForStarted(kPatienceMs); }

    // The next complete line of its output, without the line end; nothing once it has ended.
    std::optional<std::string> NextLine()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(kPatienceMs) && !m_process.canReadLine()) {
                return std::nullopt;
            }
        }
        return m_process.readLine().chopped(1).toStdString();
    }

    // SIGKILL: no handler, no flush, no unlock. Waits until the process is gone for good, as the
    // shell that started a crashed program would.
    void Kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
            m_process.waitForFinished(kPatienceMs);
        }
    }

    // The complete lines printed so far and not yet read.
    std::vector<std::string> RemainingLines()
    {
        std::vector<std::string> lines;
        while (m_process.canReadLine()) {
            lines.push_back(m_process.readLine().chopped(1).toStdString());
        }
        return lines;
    }

    bool WasKilled() const
    {
        return m_process.state() == QProcess::NotRunning &&
               m_process.exitStatus() == QProcess::CrashExit;
    }
    std::string ErrorOutput() { return m_process.readAllStandardError().toStdString(); }

private:
    static constexpr int kPatienceMs = 30000;
    QProcess m_process;
};

}  // namespace zelkor::crash
