#pragma once

// What the connection check needs of a connection. The remote connection implements it, so the
// check can live with the shared helpers without depending on the remote layer.
class CheckableConnection
{
public:
    virtual ~CheckableConnection() = default;
    virtual void close() = 0;
    // Throws on failure; the check swallows the error and retries.
    virtual void open() = 0;
    virtual bool isOpen() const = 0;
};
