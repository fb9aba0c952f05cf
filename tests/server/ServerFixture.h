#pragma once

#include "DSConnection.h"
#include "OrderServer.h"
#include "TServerMethods1Client.h"
#include "identity/TSonucBilgisi.h"

#include <QTemporaryDir>

#include <memory>

class SqliteDb;

// A reference order server started in-process on ephemeral loopback ports, over a small demo
// database generated into a temporary folder.
class ServerFixture
{
public:
    explicit ServerFixture(int stockCount = 400, int customerCount = 8);
    ~ServerFixture();

    OrderServer &server() { return *m_server; }
    // The test thread's own connection to the store, for checks behind the server's back.
    SqliteDb &db();
    QString databasePath() const { return m_dir.filePath(QStringLiteral("siparis.db")); }

    // Stops the server, closes the store and opens both again on the same file.
    void restart();

    // An open connection to the order server.
    std::unique_ptr<DSConnection> connect() const;
    // The login record the server holds for a demo user's workstation ("DEMO-" + name).
    TSonucBilgisi login(const QString &user) const;
    static TServerMethods1Client::Bilgi copy(const TSonucBilgisi &record)
    {
        return std::make_unique<TSonucBilgisi>(record);
    }

private:
    void start();

    QTemporaryDir m_dir;
    std::unique_ptr<OrderServer> m_server;
};
