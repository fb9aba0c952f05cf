#pragma once

#include "HttpRequest.h"
#include "HttpResponse.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A minimal HTTP/1.1 server on the event loop of its thread: one request per connection,
// GET and HEAD, heads up to 16 KiB, connections idle for 10 s are dropped.
class HttpServer : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;
    static constexpr int maxHeadBytes = 16 * 1024;
    static constexpr int idleTimeoutMs = 10000;

    explicit HttpServer(Handler handler, QObject *parent = nullptr);

    // Port 0 picks a free port; returns the port listened on. Throws DSException on failure.
    quint16 listen(const QHostAddress &address, quint16 port);
    void close();

private:
    void accept();
    void serve(QTcpSocket *socket);

    Handler m_handler;
    QTcpServer m_server;
};
