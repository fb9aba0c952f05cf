// parvela-order-server: the reference order server and its web side (see docs/demo.md).

#include "DemoDataGenerator.h"
#include "ServerOptions.h"
#include "SignalWatcher.h"
#include "SqliteDb.h"
#include "Store.h"
#include "identity/WorkstationIdentity.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

namespace {
void say(const QString &line)
{
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    // Reports, pictures and the banner are painted in memory; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    ServerOptions options;
    QString error;
    if (!ServerOptions::parse(app.arguments(), options, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return error.startsWith(QLatin1String("Usage")) ? 0 : 2;
    }

    try {
        OrderServer server(options.server);
        DemoDataGenerator demo(server.store().db());
        if (options.demo && demo.isEmpty()) {
            say(QStringLiteral("Demo verisi oluşturuluyor: %1 stok, %2 cari ...").arg(options.stockCount).arg(options.customerCount));
            QElapsedTimer timer;
            timer.start();
            demo.generate({options.stockCount, options.customerCount, options.seed});
            say(QStringLiteral("Demo verisi hazır (%1 s).").arg(timer.elapsed() / 1000.0, 0, 'f', 1));
        }
        QString workstation = options.workstationId;
        if (workstation.isEmpty() && options.demo)
            workstation = BilgisayarIdAl();
        if (!workstation.isEmpty()) {
            demo.registerWorkstation(workstation, options.workstationUser);
            say(QStringLiteral("İş istasyonu %1 -> %2").arg(workstation, options.workstationUser));
        } else if (options.demo) {
            say(QStringLiteral("Bu makinenin iş istasyonu kimliği bulunamadı; --workstation-id ile verin."));
        }

        server.start();
        say(QStringLiteral("Sipariş sunucusu %1:%2, veritabanı %3")
                .arg(options.server.listenAddress)
                .arg(server.port())
                .arg(options.server.databasePath));
        if (options.server.web)
            say(QStringLiteral("Web tarafı http://%1:%2 (prv.txt: %3)")
                    .arg(options.server.listenAddress)
                    .arg(server.httpPort())
                    .arg(server.publishedAddress()));

        SignalWatcher stopSignals;
        QObject::connect(&stopSignals, &SignalWatcher::stopRequested, &app, &QCoreApplication::quit);
        const int code = app.exec();
        server.stop();
        say(QStringLiteral("Sipariş sunucusu durdu."));
        return code;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "parvela-order-server: %s\n", e.what());
        return 1;
    }
}
