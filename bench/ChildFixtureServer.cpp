#include "ChildFixtureServer.h"

#include "MethodRegistry.h"
#include "ProtocolServer.h"
#include "WireFixtureMethods.h"

#include <QCoreApplication>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

ChildFixtureServer::ChildFixtureServer(int argc, char **argv)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return;
    m_child = ::fork();
    if (m_child == 0) {
        QCoreApplication app(argc, argv);
        MethodRegistry registry;
        WireFixtureState state;
        addWireFixtureMethods(registry, state);
        ProtocolServer server(registry);
        const quint16 port = server.listen(QStringLiteral("127.0.0.1"), 0);
        if (::write(pipeFds[1], &port, sizeof port) != sizeof port)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    quint16 port = 0;
    if (m_child > 0 && ::read(pipeFds[0], &port, sizeof port) == sizeof port)
        m_port = port;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

ChildFixtureServer::~ChildFixtureServer()
{
    if (m_child > 0) {
        ::kill(m_child, SIGTERM);
        ::waitpid(m_child, nullptr, 0);
    }
}
