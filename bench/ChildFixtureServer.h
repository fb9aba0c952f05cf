#pragma once

#include <QtGlobal>

#include <sys/types.h>

// The fixture protocol server in a child process, so a benchmark's memory and CPU figures are
// the client's own. Forks before the caller creates any thread or application object.
class ChildFixtureServer
{
public:
    ChildFixtureServer(int argc, char **argv);
    ~ChildFixtureServer();
    ChildFixtureServer(const ChildFixtureServer &) = delete;
    ChildFixtureServer &operator=(const ChildFixtureServer &) = delete;

    // 0 when the child could not be started.
    quint16 port() const { return m_port; }

private:
    pid_t m_child = -1;
    quint16 m_port = 0;
};
