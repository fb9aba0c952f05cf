// Result-set transfer into the in-memory table over loopback, and the cost of one whole call.
// The protocol server runs in a child process so the client's peak memory is its own.

#include "DSConnection.h"
#include "MemTable.h"
#include "ResultSetReader.h"
#include "TServerMethods1Client.h"
#include "ChildFixtureServer.h"
#include "WireFixtureMethods.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

std::unique_ptr<DSConnection> connectionTo(quint16 port)
{
    auto c = std::make_unique<DSConnection>();
    c->setParam(QStringLiteral("Port"), QString::number(port));
    return c;
}

void transfer(quint16 port, int rows)
{
    auto c = connectionTo(port);
    double best = 1e9;
    quint64 bytes = 0;
    qsizetype tableBytes = 0;
    const int repeats = rows >= 100000 ? 3 : 5;
    for (int i = 0; i < repeats; ++i) {
        MemTable table;
        const quint64 before = c->bytesReceived();
        QElapsedTimer t;
        t.start();
        c->open();
        {
            TServerMethods1Client proxy(*c);
            CopyResultSet(proxy.StokAraKorven(QString::number(rows), std::make_unique<TSonucBilgisi>()), table);
        }
        c->close();
        best = std::min(best, t.nsecsElapsed() / 1e9);
        bytes = c->bytesReceived() - before;
        tableBytes = table.memoryBytes();
        if (table.rowCount() != rows)
            std::fprintf(stderr, "wrong row count %d\n", table.rowCount());
    }
    std::printf("%7d rows x %d cols: %8.1f ms  %10.0f rows/s  %7.1f MB/s  wire %6.1f MB  table %6.1f MB  peak RSS %ld MB\n",
                rows, fixtureStockColumnCount(), best * 1000, rows / best, bytes / best / 1e6, bytes / 1e6,
                tableBytes / 1e6, peakRssKb() / 1024);
}

void wholeCall(quint16 port)
{
    auto c = connectionTo(port);
    std::vector<double> micros;
    const int calls = 2000;
    micros.reserve(calls);
    for (int i = 0; i < calls; ++i) {
        QElapsedTimer t;
        t.start();
        c->close();
        c->open();
        {
            TServerMethods1Client proxy(*c);
            proxy.EchoString(QStringLiteral("ping"));
        }
        c->close();
        micros.push_back(t.nsecsElapsed() / 1e3);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("whole call (open, prepare, execute, close) of EchoString, %d calls: median %.0f us, p99 %.0f us\n",
                calls, micros[calls / 2], micros[calls * 99 / 100]);
}
} // namespace

int main(int argc, char **argv)
{
    ChildFixtureServer server(argc, argv);
    const quint16 port = server.port();
    if (port == 0)
        return 1;
    QCoreApplication app(argc, argv);
    std::printf("Result-set transfer into the in-memory table over loopback (best of several runs):\n");
    for (int rows : {1000, 10000, 100000})
        transfer(port, rows);
    wholeCall(port);
    return 0;
}
