// Load on the reference order server: concurrent clients, each making whole calls (open,
// prepare, execute, read, close) of searches, basket changes and orders through the client's
// proxy. Prints calls per second and latencies, and checks afterwards that every order the
// clients were told about is stored exactly once with its lines. Figures only.
//
//   bench_load [--clients 50] [--calls 200] [--stock-count 20000] [--db PATH] [--seed 27]
//
// The server runs in this process on a loopback port, over a demo database generated into a
// temporary folder (or the given file, generated when empty).

#include "DSConnection.h"
#include "DSException.h"
#include "DemoDataGenerator.h"
#include "MemTable.h"
#include "OrderServer.h"
#include "ResultSetReader.h"
#include "SqliteDb.h"
#include "Store.h"
#include "TServerMethods1Client.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QStringList searches = {QStringLiteral("FREN BALATASI DOBLO"), QStringLiteral("YAG FILTRESI"),
                              QStringLiteral("AMORTISOR CLIO"),      QStringLiteral("PVFR00012"),
                              QStringLiteral("TRIGER SETI"),         QStringLiteral("8690000012"),
                              QStringLiteral("BUJI EGEA"),           QStringLiteral("RADYATOR FOCUS")};

enum Kind { Search, BasketAdd, BasketList, Tick, Order, History, KindCount };
const char *const kindNames[KindCount] = {"search", "basket add", "basket list", "tick/new", "order", "history"};

struct ClientResult
{
    std::vector<double> latenciesMs;
    std::vector<double> byKind[KindCount];
    int errors = 0;
    QString firstError;
    int unexpected = 0; // order answers other than the basket's state implied
    std::vector<int> orderLines; // per stored order, in order, the lines it should hold
};

// One client: its own customer account, its own basket, whole calls one after another.
class LoadClient
{
public:
    LoadClient(quint16 port, const TSonucBilgisi &login, int customer, int stockCount, quint32 seed)
        : m_port(port), m_login(login), m_random(seed), m_stockCount(stockCount)
    {
        m_login.CARINO = customer;
    }

    ClientResult run(int calls)
    {
        call([&](TServerMethods1Client &p) { p.SepetHepsiniSil(record()); });
        for (int i = 0; i < calls - 1; ++i)
            step(i);
        return std::move(m_result);
    }

private:
    TServerMethods1Client::Bilgi record() const { return std::make_unique<TSonucBilgisi>(m_login); }

    static void drain(ResultSetReader *reader, MemTable *into = nullptr)
    {
        MemTable table;
        CopyResultSet(reader, into ? *into : table);
    }

    // One whole call, timed from opening the connection to closing it.
    template<class F>
    void call(F &&body, Kind kind = BasketAdd)
    {
        const auto start = Clock::now();
        try {
            DSConnection connection;
            connection.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
            connection.setParam(QStringLiteral("Port"), QString::number(m_port));
            connection.setTimeouts(5000, 60000);
            connection.open();
            {
                TServerMethods1Client proxy(connection);
                body(proxy);
            }
            connection.close();
        } catch (const DSException &e) {
            if (m_result.errors++ == 0)
                m_result.firstError = e.message();
        }
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        m_result.latenciesMs.push_back(ms);
        m_result.byKind[kind].push_back(ms);
    }

    void step(int i)
    {
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const QString text = searches.at(int(m_random() % searches.size()));
            call([&](TServerMethods1Client &p) { drain(p.StokAraKorven(text, record())); }, Search);
            break;
        }
        case 4:
        case 5: {
            const int stokno = int(m_random() % m_stockCount) + 1;
            const double quantity = double(m_random() % 5 + 1);
            call([&](TServerMethods1Client &p) {
                if (p.SepetEkle(record(), m_login.CARINO, stokno, {}, {}, quantity, 20, 100, 5, m_login.Sirano, 0) == 1)
                    ++m_openLines;
            }, BasketAdd);
            break;
        }
        case 6:
            call([&](TServerMethods1Client &p) {
                MemTable basket;
                drain(p.SepetVer(m_login.CARINO), &basket);
                m_knownLines.clear();
                for (int r = 0; r < basket.rowCount(); ++r)
                    m_knownLines.push_back(basket.value(r, QStringLiteral("SIRANO")).toInt());
            }, BasketList);
            break;
        case 7:
            if (m_knownLines.empty()) {
                call([&](TServerMethods1Client &p) { drain(p.YenilerVer(m_login.CARINO)); }, Tick);
            } else {
                const int line = m_knownLines.front();
                call([&](TServerMethods1Client &p) { p.SepetSecimGuncelle(line, 1); }, Tick);
            }
            break;
        case 8:
            call([&](TServerMethods1Client &p) {
                const bool stored = p.SiparisKaydet(record(), m_login.CARINO, 2, 1, QStringLiteral("yük testi"),
                                                    m_login.Sirano, 1);
                if (stored != (m_openLines > 0))
                    ++m_result.unexpected;
                if (stored)
                    m_result.orderLines.push_back(m_openLines);
                m_openLines = 0;
                m_knownLines.clear();
            }, Order);
            break;
        default:
            call([&](TServerMethods1Client &p) {
                if (i % 20 == 9)
                    drain(p.BakiyelerVer(m_login.CARINO));
                else
                    drain(p.OncekiSiparisler2(m_login.CARINO));
            }, History);
        }
    }

    quint16 m_port;
    TSonucBilgisi m_login;
    std::mt19937 m_random;
    int m_stockCount;
    int m_openLines = 0;
    std::vector<int> m_knownLines;
    ClientResult m_result;
};

double percentile(std::vector<double> sorted, double p)
{
    if (sorted.empty())
        return 0;
    const size_t at = std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5));
    return sorted[at];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({{QStringLiteral("clients"), QStringLiteral("Concurrent clients."), QStringLiteral("n"), QStringLiteral("50")},
                       {QStringLiteral("calls"), QStringLiteral("Whole calls per client."), QStringLiteral("n"), QStringLiteral("200")},
                       {QStringLiteral("stock-count"), QStringLiteral("Demo stock items."), QStringLiteral("n"), QStringLiteral("20000")},
                       {QStringLiteral("db"), QStringLiteral("Database file (generated when empty)."), QStringLiteral("path")},
                       {QStringLiteral("seed"), QStringLiteral("Seed of the clients' choices."), QStringLiteral("n"), QStringLiteral("27")}});
    parser.process(app);
    const int clients = std::max(1, parser.value(QStringLiteral("clients")).toInt());
    const int calls = std::max(10, parser.value(QStringLiteral("calls")).toInt());
    const int stockCount = std::max(100, parser.value(QStringLiteral("stock-count")).toInt());
    const quint32 seed = parser.value(QStringLiteral("seed")).toUInt();

    QTemporaryDir dir;
    OrderServer::Config config;
    config.databasePath = parser.isSet(QStringLiteral("db")) ? parser.value(QStringLiteral("db"))
                                                             : dir.filePath(QStringLiteral("load.db"));
    config.port = 0;
    config.web = false;
    try {
        OrderServer server(config);
        SqliteDb &db = server.store().db();
        DemoDataGenerator demo(db);
        if (demo.isEmpty()) {
            QElapsedTimer timer;
            timer.start();
            demo.generate({stockCount, std::max(60, clients), 27});
            std::printf("demo data: %d stock items, %d customers in %.1f s\n", stockCount, std::max(60, clients),
                        timer.elapsed() / 1000.0);
        }
        const int stockItems = int(db.scalarInt("SELECT COUNT(*) FROM stok"));
        const qint64 ordersBefore = db.scalarInt("SELECT COALESCE(MAX(idno), 0) FROM siparis");
        server.start();

        TSonucBilgisi login;
        {
            DSConnection c;
            c.setParam(QStringLiteral("Port"), QString::number(server.port()));
            c.open();
            TServerMethods1Client proxy(c);
            login = *proxy.BuyukGetir(QStringLiteral("DEMO-BAYI"));
        }

        std::vector<ClientResult> results(size_t(clients), ClientResult{});
        std::vector<std::thread> threads;
        const auto start = Clock::now();
        for (int i = 0; i < clients; ++i)
            threads.emplace_back([&, i] {
                results[size_t(i)] = LoadClient(server.port(), login, i + 1, stockItems, seed + quint32(i)).run(calls);
            });
        for (auto &t : threads)
            t.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        server.stop();

        std::vector<double> latencies;
        std::vector<double> byKind[KindCount];
        int errors = 0;
        int unexpected = 0;
        int ordersTold = 0;
        int ordersWrong = 0;
        QString firstError;
        for (int i = 0; i < clients; ++i) {
            const ClientResult &r = results[size_t(i)];
            latencies.insert(latencies.end(), r.latenciesMs.begin(), r.latenciesMs.end());
            for (int k = 0; k < KindCount; ++k)
                byKind[k].insert(byKind[k].end(), r.byKind[k].begin(), r.byKind[k].end());
            errors += r.errors;
            unexpected += r.unexpected;
            if (firstError.isEmpty())
                firstError = r.firstError;
            // The customer's new orders, in order, must be exactly the ones its client was told
            // about, each with the lines it had put in the basket.
            SqliteStatement q = db.prepare("SELECT (SELECT COUNT(*) FROM siparis_satir l WHERE l.idno = o.idno) FROM siparis o"
                                           " WHERE o.carino = ? AND o.idno > ? ORDER BY o.idno");
            q.bind(1, i + 1).bind(2, ordersBefore);
            std::vector<int> stored;
            while (q.step())
                stored.push_back(q.int32(0));
            ordersTold += int(r.orderLines.size());
            if (stored != r.orderLines)
                ++ordersWrong;
        }
        std::sort(latencies.begin(), latencies.end());
        const double total = double(latencies.size());
        std::printf("clients %d, whole calls %.0f (%d each), stock items %d\n", clients, total, calls, stockItems);
        std::printf("wall time %.2f s, %.0f calls/s\n", seconds, total / seconds);
        std::printf("latency ms: median %.2f, p90 %.2f, p99 %.2f, max %.2f\n", percentile(latencies, 0.5),
                    percentile(latencies, 0.9), percentile(latencies, 0.99), latencies.empty() ? 0.0 : latencies.back());
        for (int k = 0; k < KindCount; ++k) {
            std::sort(byKind[k].begin(), byKind[k].end());
            std::printf("  %-12s %5zu calls, median %.2f ms, p99 %.2f ms\n", kindNames[k], byKind[k].size(),
                        percentile(byKind[k], 0.5), percentile(byKind[k], 0.99));
        }
        std::printf("errors %d%s%s\n", errors, firstError.isEmpty() ? "" : ", first: ", qPrintable(firstError));
        std::printf("orders: %d confirmed to clients, customers whose stored orders differ: %d, unexpected answers: %d\n",
                    ordersTold, ordersWrong, unexpected);
        std::printf("%s\n", errors == 0 && ordersWrong == 0 && unexpected == 0 ? "every order stored exactly once"
                                                                                 : "CHECK FAILED");
        return errors == 0 && ordersWrong == 0 && unexpected == 0 ? 0 : 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_load: %s\n", e.what());
        return 2;
    }
}
