#include "OrderServer.h"

#include "HttpServer.h"
#include "OrderServerMethods.h"
#include "ProtocolServer.h"
#include "Store.h"
#include "WebSide.h"

OrderServer::OrderServer(const Config &config)
    : m_config(config), m_store(std::make_unique<Store>(config.databasePath)),
      m_context(std::make_unique<MethodContext>(MethodContext{*m_store, config.settings}))
{
    registerOrderServerMethods(m_registry, *m_context);
}

OrderServer::~OrderServer()
{
    stop();
}

QString OrderServer::publishedAddress() const
{
    if (!m_config.publicAddress.isEmpty())
        return m_config.publicAddress;
    return m_config.listenAddress == QLatin1String("0.0.0.0") ? QStringLiteral("127.0.0.1") : m_config.listenAddress;
}

void OrderServer::start()
{
    m_protocol = std::make_unique<ProtocolServer>(m_registry);
    m_port = m_protocol->listen(m_config.listenAddress, m_config.port);
    if (!m_config.web)
        return;
    m_webSide = std::make_unique<WebSide>(publishedAddress());
    m_http = std::make_unique<HttpServer>([side = m_webSide.get()](const HttpRequest &r) { return side->handle(r); });
    try {
        m_httpPort = m_http->listen(QHostAddress(m_config.listenAddress), m_config.httpPort);
    } catch (...) {
        stop();
        throw;
    }
}

int OrderServer::activeSessions() const
{
    return m_protocol ? m_protocol->activeSessions() : 0;
}

void OrderServer::stop()
{
    if (m_http)
        m_http->close();
    m_http.reset();
    if (m_protocol)
        m_protocol->stop();
    m_protocol.reset();
}
