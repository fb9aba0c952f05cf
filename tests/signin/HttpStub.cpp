#include "HttpStub.h"

#include <QTcpSocket>

HttpStub::HttpStub(QObject *parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

HttpStub::~HttpStub()
{
    // Open sockets die with the server after our members; they must not call back into us.
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

QString HttpStub::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void HttpStub::setRoute(const QString &path, int status, const QByteArray &body)
{
    m_routes.insert(path, {status, body});
}

void HttpStub::clearRoutes()
{
    m_routes.clear();
}

void HttpStub::serve(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    buffer.clear();
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    ++m_hits[path];
    const Route route = m_routes.value(path);
    if (route.status < 0)
        return;
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(route.status)
                        + (route.status < 400 ? " OK\r\n" : " Error\r\n");
    answer += "Content-Type: application/octet-stream\r\n";
    answer += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    answer += "Connection: close\r\n\r\n";
    answer += route.body;
    socket->write(answer);
    socket->disconnectFromHost();
}
