// The order store: schema migration, WAL, transactions that commit or roll back, concurrent
// writers on their own connections, and the store's SQL helpers.

#include "DSException.h"
#include "SearchText.h"
#include "SqliteDb.h"
#include "Store.h"
#include "StoreSchema.h"
#include "Transaction.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

class TestOrderStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void createdMigratedAndReopened()
    {
        {
            Store store(path("a/b/siparis.db")); // folders are created
            SqliteDb &db = store.db();
            QCOMPARE(StoreSchema::version(db), StoreSchema::currentVersion);
            SqliteStatement mode = db.prepare("PRAGMA journal_mode");
            QVERIFY(mode.step());
            QCOMPARE(mode.text(0), QStringLiteral("wal"));
            db.exec("INSERT INTO satici (saticino, adi) VALUES (1, 'AHMET')");
        }
        Store again(path("a/b/siparis.db"));
        QCOMPARE(StoreSchema::version(again.db()), StoreSchema::currentVersion);
        QCOMPARE(again.db().scalarInt("SELECT COUNT(*) FROM satici"), qint64(1));
        QCOMPARE(again.db().scalarInt("SELECT COUNT(*) FROM schema_version"), qint64(StoreSchema::currentVersion));
    }

    void newerSchemaIsRefused()
    {
        {
            Store store(path("newer.db"));
            store.db().exec("INSERT INTO schema_version (version) VALUES (99)");
        }
        QVERIFY_THROWS_EXCEPTION(DSException, Store(path("newer.db")));
    }

    void transactionCommitsOrRollsBack()
    {
        Store store(path("tx.db"));
        SqliteDb &db = store.db();
        try {
            Transaction tx(db);
            db.exec("INSERT INTO satici (saticino, adi) VALUES (1, 'YARIM')");
            throw DSException(QStringLiteral("midway"));
        } catch (const DSException &) {
        }
        QVERIFY(!db.inTransaction());
        QCOMPARE(db.scalarInt("SELECT COUNT(*) FROM satici"), qint64(0));
        {
            Transaction tx(db);
            db.exec("INSERT INTO satici (saticino, adi) VALUES (2, 'TAM')");
            tx.commit();
        }
        QCOMPARE(db.scalarInt("SELECT COUNT(*) FROM satici"), qint64(1));
        // A constraint failure inside a transaction leaves nothing behind either.
        try {
            Transaction tx(db);
            db.exec("INSERT INTO satici (saticino, adi) VALUES (3, 'UC')");
            db.exec("INSERT INTO satici (saticino, adi) VALUES (2, 'IKINCI')");
            tx.commit();
        } catch (const DSException &e) {
            QVERIFY(e.message().contains(QStringLiteral("UNIQUE")));
        }
        QCOMPARE(db.scalarInt("SELECT COUNT(*) FROM satici"), qint64(1));
    }

    // Writers on their own threads (and connections) queue on the busy time-out; none fails.
    void concurrentWritersWait()
    {
        Store store(path("busy.db"));
        constexpr int threads = 8;
        constexpr int writes = 40;
        std::atomic<int> failures{0};
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([&, t] {
                try {
                    SqliteDb &db = store.db();
                    for (int i = 0; i < writes; ++i) {
                        Transaction tx(db);
                        db.prepare("INSERT INTO satici (adi) VALUES (?)").bind(1, QStringLiteral("S%1-%2").arg(t).arg(i)).run();
                        db.scalarInt("SELECT COUNT(*) FROM satici");
                        tx.commit();
                    }
                } catch (const DSException &) {
                    ++failures;
                }
            });
        for (auto &w : workers)
            w.join();
        QCOMPARE(failures.load(), 0);
        QCOMPARE(store.db().scalarInt("SELECT COUNT(*) FROM satici"), qint64(threads * writes));
    }

    void roundingFunction_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("half up") << 100.125 << 100.13;
        QTest::newRow("binary below half") << 1.005 << 1.01;
        QTest::newRow("discount") << 2.49875 << 2.5;
        QTest::newRow("negative") << -2.345 << -2.35;
    }

    void roundingFunction()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        Store store(path("round.db"));
        SqliteStatement q = store.db().prepare("SELECT YUVARLA(?)");
        q.bind(1, value);
        QVERIFY(q.step());
        QCOMPARE(q.real(0), rounded);
    }

    void searchText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("turkish letters") << QStringLiteral("Fren Balatası Ön") << QStringLiteral("FREN BALATASI ON");
        QTest::newRow("all marks") << QStringLiteral("çğıöşü ÇĞİÖŞÜ i") << QStringLiteral("CGIOSU CGIOSU I");
        QTest::newRow("blanks") << QStringLiteral("  a \t b  ") << QStringLiteral("A B");
        QTest::newRow("codes stay") << QStringLiteral("1k0-698/151a") << QStringLiteral("1K0-698/151A");
    }

    void searchText()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(SearchText::fold(text), folded);
        Store store(path("fold.db"));
        SqliteStatement q = store.db().prepare("SELECT KATLA(?)");
        q.bind(1, text);
        QVERIFY(q.step());
        QCOMPARE(q.text(0), folded);
    }
};

QTEST_GUILESS_MAIN(TestOrderStore)
#include "tst_orderstore.moc"
