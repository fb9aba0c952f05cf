#include "ServerOptions.h"

#include "DemoUsers.h"

#include <QCommandLineParser>
#include <QDir>

QString ServerOptions::defaultDatabasePath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/parvela/parvela-siparis.db");
}

bool ServerOptions::parse(const QStringList &arguments, ServerOptions &out, QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Parvela reference order server with its web side."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("SQLite database file."), QStringLiteral("path"),
                                defaultDatabasePath());
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Order server port."), QStringLiteral("port"),
                                  QStringLiteral("9090"));
    const QCommandLineOption httpPort(QStringLiteral("http-port"), QStringLiteral("Web side port."),
                                      QStringLiteral("port"), QStringLiteral("8080"));
    const QCommandLineOption noWeb(QStringLiteral("no-web"), QStringLiteral("Do not start the web side."));
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on."),
                                    QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption publicAddress(QStringLiteral("public-address"),
                                           QStringLiteral("Order server address published in /prv.txt."),
                                           QStringLiteral("address"));
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Create demo data when the database is empty."));
    const QCommandLineOption stockCount(QStringLiteral("stock-count"), QStringLiteral("Demo stock items (1 to 500000)."),
                                        QStringLiteral("n"), QStringLiteral("20000"));
    const QCommandLineOption customerCount(QStringLiteral("customer-count"), QStringLiteral("Demo customers (4 to 10000)."),
                                           QStringLiteral("n"), QStringLiteral("60"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the demo data."), QStringLiteral("n"),
                                  QStringLiteral("27"));
    const QCommandLineOption workstation(QStringLiteral("workstation-id"),
                                         QStringLiteral("Workstation identifier to register (with --demo: this machine's)."),
                                         QStringLiteral("id"));
    const QCommandLineOption workstationUser(QStringLiteral("workstation-user"),
                                             QStringLiteral("Demo user the workstation signs in as."),
                                             QStringLiteral("name"), QLatin1String(DemoUsers::defaultWorkstationUser));
    const QCommandLineOption searchLimit(QStringLiteral("search-limit"), QStringLiteral("Most rows of a stock search."),
                                         QStringLiteral("n"), QStringLiteral("5000"));
    parser.addOptions({db, port, httpPort, noWeb, listen, publicAddress, demo, stockCount, customerCount, seed, workstation,
                       workstationUser, searchLimit});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }

    const auto number = [&](const QCommandLineOption &option, qint64 lo, qint64 hi, qint64 &value) {
        bool ok = false;
        value = parser.value(option).toLongLong(&ok);
        if (!ok || value < lo || value > hi) {
            error = QStringLiteral("--%1 must be a number from %2 to %3").arg(option.names().first()).arg(lo).arg(hi);
            return false;
        }
        return true;
    };
    qint64 v = 0;
    if (!number(port, 0, 65535, v))
        return false;
    out.server.port = quint16(v);
    if (!number(httpPort, 0, 65535, v))
        return false;
    out.server.httpPort = quint16(v);
    out.server.web = !parser.isSet(noWeb);
    if (!number(stockCount, 1, 500000, v))
        return false;
    out.stockCount = int(v);
    if (!number(customerCount, 4, 10000, v))
        return false;
    out.customerCount = int(v);
    if (!number(seed, 0, 0xFFFFFFFFLL, v))
        return false;
    out.seed = quint32(v);
    if (!number(searchLimit, 1, 1000000, v))
        return false;
    out.server.settings.searchLimit = int(v);

    out.server.databasePath = parser.value(db);
    out.server.listenAddress = parser.value(listen);
    out.server.publicAddress = parser.value(publicAddress);
    out.demo = parser.isSet(demo);
    out.workstationId = parser.value(workstation);
    out.workstationUser = parser.value(workstationUser);
    return true;
}
