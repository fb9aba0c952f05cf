#pragma once

#include "MethodContext.h"
#include "MethodRegistry.h"

#include <QString>

#include <memory>

class HttpServer;
class ProtocolServer;
class Store;
class WebSide;

// The reference order server in one piece: the store, every client method on the protocol
// port and the web side on its own port. Tests start it in-process on ephemeral ports.
class OrderServer
{
public:
    struct Config
    {
        QString databasePath;
        QString listenAddress = QStringLiteral("127.0.0.1");
        quint16 port = 9090;
        bool web = true;
        quint16 httpPort = 8080;
        // The address "prv.txt" publishes; empty means the listen address (loopback for 0.0.0.0).
        QString publicAddress;
        ServerSettings settings;
    };

    // Opens (creates, migrates) the store; nothing listens yet.
    explicit OrderServer(const Config &config);
    ~OrderServer();
    OrderServer(const OrderServer &) = delete;
    OrderServer &operator=(const OrderServer &) = delete;

    Store &store() { return *m_store; }
    const MethodRegistry &registry() const { return m_registry; }

    // Listens on both ports (the web side on the calling thread's event loop). Throws on failure.
    void start();
    // Stops listening and waits for running sessions.
    void stop();

    quint16 port() const { return m_port; }
    // Connections being served right now.
    int activeSessions() const;
    quint16 httpPort() const { return m_httpPort; }
    QString publishedAddress() const;

private:
    Config m_config;
    std::unique_ptr<Store> m_store;
    std::unique_ptr<MethodContext> m_context;
    MethodRegistry m_registry;
    std::unique_ptr<ProtocolServer> m_protocol;
    std::unique_ptr<WebSide> m_webSide;
    std::unique_ptr<HttpServer> m_http;
    quint16 m_port = 0;
    quint16 m_httpPort = 0;
};
