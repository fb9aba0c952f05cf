// A stock search answering many rows, as the user sees it: task, copy into the table,
// re-attach and layout of the grid, next to the bare transfer of the same rows. While the
// search runs, a 5 ms timer on the UI thread measures the longest gap (the UI's responsiveness).
// The protocol server runs in a child process.

#include "AramaKutusu.h"
#include "StokSayfasi.h"
#include "identity/TSonucBilgisi.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "remote/ResultSetReader.h"
#include "remote/TServerMethods1Client.h"
#include "ChildFixtureServer.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {
double bareTransfer(DSConnection &c, int rows)
{
    MemTable table;
    QElapsedTimer t;
    t.start();
    c.open();
    {
        TServerMethods1Client proxy(c);
        CopyResultSet(proxy.StokAraKorven(QString::number(rows), std::make_unique<TSonucBilgisi>()), table);
    }
    c.close();
    return t.nsecsElapsed() / 1e6;
}

struct ShownResult
{
    double ms;
    double longestUiGapMs;
};

ShownResult searchShown(StokSayfasi &page, int rows)
{
    QEventLoop loop;
    QObject::connect(&page, &StokSayfasi::aramaBitti, &loop, &QEventLoop::quit);
    QElapsedTimer gapClock;
    double longestGap = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, gapClock.nsecsElapsed() / 1e6);
        gapClock.restart();
    });
    page.araedit()->setText(QString::number(rows));
    QElapsedTimer t;
    t.start();
    gapClock.start();
    ticker.start();
    page.ara();
    loop.exec();
    const double ms = t.nsecsElapsed() / 1e6;
    ticker.stop();
    return {ms, longestGap};
}
} // namespace

int main(int argc, char **argv)
{
    ChildFixtureServer server(argc, argv);
    const quint16 port = server.port();
    if (port == 0)
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DSConnection bagc;
    bagc.setParam(QStringLiteral("Port"), QString::number(port));
    TSonucBilgisi sbilgi;
    StokSayfasi page(bagc, sbilgi);
    page.resize(1400, 800);
    page.show();

    std::printf("Stock search shown in the grid vs the bare transfer of the same rows:\n");
    for (int rows : {1000, 10000, 100000}) {
        const double bare = bareTransfer(bagc, rows);
        const ShownResult shown = searchShown(page, rows);
        std::printf("%7d rows: bare transfer %8.1f ms, search shown %8.1f ms (x%.2f); longest UI-thread gap %6.1f ms\n",
                    rows, bare, shown.ms, shown.ms / bare, shown.longestUiGapMs);
    }
    DataGrid *grid = page.grid();
    QElapsedTimer t;
    t.start();
    grid->sortBy(QStringLiteral("ADI"));
    QCoreApplication::processEvents();
    const double sortText = t.nsecsElapsed() / 1e6;
    t.restart();
    grid->sortBy(QStringLiteral("FIYAT"), Qt::DescendingOrder);
    QCoreApplication::processEvents();
    const double sortNumber = t.nsecsElapsed() / 1e6;
    t.restart();
    grid->setValueFilter(QStringLiteral("MARKA"), {QStringLiteral("VALERO")});
    QCoreApplication::processEvents();
    const double filter = t.nsecsElapsed() / 1e6;
    std::printf("on 100000 rows: sort by text %.1f ms, by number %.1f ms, header filter %.1f ms (%d rows kept)\n",
                sortText, sortNumber, filter, grid->rowCount());
    return 0;
}
