#include "ServerFixture.h"

#include "DemoDataGenerator.h"
#include "Store.h"

ServerFixture::ServerFixture(int stockCount, int customerCount)
{
    start();
    DemoDataGenerator(m_server->store().db()).generate({stockCount, customerCount, 7});
}

ServerFixture::~ServerFixture() = default;

void ServerFixture::start()
{
    OrderServer::Config config;
    config.databasePath = databasePath();
    config.port = 0;
    config.httpPort = 0;
    m_server = std::make_unique<OrderServer>(config);
    m_server->start();
}

SqliteDb &ServerFixture::db()
{
    return m_server->store().db();
}

void ServerFixture::restart()
{
    m_server.reset();
    start();
}

std::unique_ptr<DSConnection> ServerFixture::connect() const
{
    auto c = std::make_unique<DSConnection>();
    c->setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    c->setParam(QStringLiteral("Port"), QString::number(m_server->port()));
    c->setTimeouts(3000, 30000);
    c->open();
    return c;
}

TSonucBilgisi ServerFixture::login(const QString &user) const
{
    auto c = connect();
    TServerMethods1Client proxy(*c);
    const TSonucBilgisi *record = proxy.BuyukGetir(QStringLiteral("DEMO-") + user);
    if (!record || !record->Varmi)
        qFatal("demo user %s is not registered", qPrintable(user));
    return *record;
}
