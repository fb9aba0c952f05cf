#include "HttpServer.h"

#include "DSException.h"

#include <QTcpSocket>
#include <QTimer>

HttpServer::HttpServer(Handler handler, QObject *parent) : QObject(parent), m_handler(std::move(handler))
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpServer::accept);
}

quint16 HttpServer::listen(const QHostAddress &address, quint16 port)
{
    if (!m_server.listen(address, port))
        throw DSException(QStringLiteral("Web sunucusu %1:%2 dinleyemiyor: %3")
                              .arg(address.toString())
                              .arg(port)
                              .arg(m_server.errorString()));
    return m_server.serverPort();
}

void HttpServer::close()
{
    m_server.close();
}

void HttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        idle->start(idleTimeoutMs);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        serve(socket); // data may already be waiting
    }
}

void HttpServer::serve(QTcpSocket *socket)
{
    if (socket->property("answered").toBool())
        return;
    const QByteArray seen = socket->peek(maxHeadBytes + 4);
    const qsizetype end = seen.indexOf("\r\n\r\n");
    HttpResponse response;
    HttpRequest request;
    bool headOnly = false;
    if (end < 0) {
        if (seen.size() <= maxHeadBytes)
            return; // wait for the rest of the head
        response = HttpResponse::text(431, QStringLiteral("İstek başlığı çok uzun\n"));
    } else if (!HttpRequest::parse(socket->read(end + 4).left(end), request)) {
        response = HttpResponse::text(400, QStringLiteral("Hatalı istek\n"));
    } else if (request.method != "GET" && request.method != "HEAD") {
        response = HttpResponse::text(405, QStringLiteral("Yalnızca GET ve HEAD desteklenir\n"));
        response.addHeader("Allow", "GET, HEAD");
    } else {
        request.peer = socket->peerAddress();
        headOnly = request.method == "HEAD";
        response = m_handler(request);
    }
    socket->setProperty("answered", true);
    socket->write(response.serialize(!headOnly));
    socket->disconnectFromHost();
}
