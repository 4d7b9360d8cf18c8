#include "support/RadioServers.h"

#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zelkor::test {
namespace {

sockaddr_in LocalAddress(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A socket listening on a port the system chose; -1 on failure.
int ListenOnFreePort(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in address = LocalAddress(0);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

int FreeLocalPort()
{
    int port = 0;
    const int fd = ListenOnFreePort(port);
    if (fd < 0) {
        return 0;
    }
    ::close(fd);
    return port;
}

bool Accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const sockaddr_in address = LocalAddress(port);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

bool Rigctld::Available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("rigctl")).isEmpty();
}

Rigctld::~Rigctld()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool Rigctld::Start()
{
    // The port may be taken between the look-up and rigctld's bind; another one then.
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = FreeLocalPort();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(
            QStringLiteral("rigctld"),
            {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
             QStringLiteral("127.0.0.1"), QStringLiteral("-t"), QString::number(m_port)});
        if (!m_process.waitForStarted(5000)) {
            return false;
        }
        for (int wait = 0; wait < 200 && m_process.state() == QProcess::Running; ++wait) {
            if (Accepts(m_port)) {
                return true;
            }
            QThread::msleep(25);
        }
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    return false;
}

bool Rigctld::Command(const QStringList& arguments) const
{
    QProcess rigctl;
    rigctl.start(QStringLiteral("rigctl"), QStringList{QStringLiteral("-m"), QStringLiteral("2"),
                                                       QStringLiteral("-r"), Address()} +
                                               arguments);
    return rigctl.waitForFinished(10000) && rigctl.exitStatus() == QProcess::NormalExit &&
           rigctl.exitCode() == 0;
}

SilentServer::SilentServer()
{
    m_socket = ListenOnFreePort(m_port);
}

SilentServer::~SilentServer()
{
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

}  // namespace zelkor::test
