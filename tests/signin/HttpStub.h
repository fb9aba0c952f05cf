#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

// A tiny HTTP/1.1 server on loopback for the address file, the public-address answer and the
// installer: each path answers a fixed status and body; everything else is 404.
class HttpStub : public QObject
{
    Q_OBJECT
public:
    explicit HttpStub(QObject *parent = nullptr);
    ~HttpStub() override;

    quint16 port() const { return m_server.serverPort(); }
    QString baseUrl() const;

    // A negative status never answers: the request hangs until the client gives up.
    void setRoute(const QString &path, int status, const QByteArray &body);
    void clearRoutes();
    int hits(const QString &path) const { return m_hits.value(path); }
    void resetHits() { m_hits.clear(); }

private:
    struct Route
    {
        int status = 404;
        QByteArray body;
    };

    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QHash<QString, int> m_hits;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
