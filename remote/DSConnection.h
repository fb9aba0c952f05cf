#pragma once

#include "identity/CheckableConnection.h"

#include <QMap>
#include <QString>

#include <memory>

class SocketChannel;
class TrailerReader;

// The configured connection to the order server: stored settings, open/close around each
// call, clones for worker tasks. Used by one thread at a time.
class DSConnection : public CheckableConnection
{
public:
    DSConnection();
    ~DSConnection() override;
    DSConnection(const DSConnection &) = delete;
    DSConnection &operator=(const DSConnection &) = delete;

    QString connectionName() const { return m_name; }
    QString driverName() const { return QStringLiteral("DataSnap"); }
    bool loginPrompt() const { return false; }

    QString param(const QString &key) const { return m_params.value(key); }
    void setParam(const QString &key, const QString &value) { m_params.insert(key, value); }
    const QMap<QString, QString> &params() const { return m_params; }

    void setTimeouts(int connectMs, int readMs);
    // Bytes read off the wire over the life of this object (benchmarks).
    quint64 bytesReceived() const;

    void open() override;
    void close() override;
    bool isOpen() const override;

    // An independent connection with the same settings, named after this one with "Clone1",
    // connected at once when this one is connected.
    std::unique_ptr<DSConnection> clone() const;

    // For commands and readers: the open channel, after any pending reader was skipped.
    SocketChannel &channelForRequest();
    SocketChannel &channel();
    void setPending(TrailerReader *reader);
    void clearPending(const TrailerReader *reader);

private:
    void skipPending();

    QString m_name = QStringLiteral("DataSnapCONNECTION");
    QMap<QString, QString> m_params;
    int m_connectTimeoutMs = 5000;
    int m_readTimeoutMs = 30000;
    std::unique_ptr<SocketChannel> m_channel;
    TrailerReader *m_pending = nullptr;
    quint64 m_bytesOfClosedChannels = 0;
};

// The process-wide published server address; empty until the login window reads the address file.
QString publishedServerAddress();
void setPublishedServerAddress(const QString &address);
