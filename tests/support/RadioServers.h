#pragma once
// Radios on the network for the tests of the Hamlib link: Hamlib's own rigctld with its dummy
// radio on a free port of 127.0.0.1, driven with rigctl; and a socket that takes connections but
// never answers, like a radio that is switched off behind a working network.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zelkor::test {

class Rigctld {
public:
    // rigctld and rigctl are installed (Debian's libhamlib-utils).
    static bool Available();

    ~Rigctld();

    // Starts the dummy radio and waits until it takes connections.
    bool Start();
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Runs one rigctl command against it ("F 3550000", "M CW 500").
    bool Command(const QStringList& arguments) const;

private:
    QProcess m_process;
    int m_port = 0;
};

class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool Listening() const { return m_socket >= 0; }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

private:
    int m_socket = -1;
    int m_port = 0;
};

// A TCP port of 127.0.0.1 that nothing listens on at the moment.
int FreeLocalPort();
// Something takes connections on the port.
bool Accepts(int port);

}  // namespace zelkor::test
