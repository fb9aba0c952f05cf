#pragma once

class DSConnection;
class SocketChannel;

// Base of the result readers that consume frames following a reply (rows, stream chunks).
// The connection knows the one reader still pending, so that a new request first skips what
// that reader left unread, and so that the reader learns when its connection goes away.
class TrailerReader
{
public:
    virtual ~TrailerReader();
    TrailerReader(const TrailerReader &) = delete;
    TrailerReader &operator=(const TrailerReader &) = delete;

    bool isFinished() const { return m_finished; }

protected:
    explicit TrailerReader(DSConnection &connection);

    SocketChannel &channel() const;
    void finish();
    // After a broken answer the connection is out of step: close it so no request reuses it.
    void abandonConnection();

private:
    friend class DSConnection;
    // Skips the remaining frames so the connection can carry the next request.
    virtual void skipRest() = 0;
    void detach() { m_connection = nullptr; m_finished = true; }

    DSConnection *m_connection;
    bool m_finished = false;
};
