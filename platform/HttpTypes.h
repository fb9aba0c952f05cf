#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

namespace platform {

enum class HttpStatus {
    Ok,           // answered with a success status
    HttpError,    // answered with an error status (4xx, 5xx); body kept
    NetworkError, // no connection, refused, dropped, name not resolved
    Timeout,      // connect or read time-out
    Aborted,      // stopped by the caller or because its context died
};

struct HttpResult
{
    HttpStatus status = HttpStatus::NetworkError;
    int httpStatusCode = 0; // 0 when no answer arrived
    QString errorText;      // empty on success
    QByteArray body;

    bool ok() const { return status == HttpStatus::Ok; }
};

// received and total bytes; total is -1 while unknown.
using HttpProgress = std::function<void(qint64 received, qint64 total)>;

struct HttpRequest
{
    QUrl url;
    // Until the request is on the wire (name lookup, connect, send).
    int connectTimeoutMs = 15000;
    // Longest silence while waiting for the answer.
    int readTimeoutMs = 15000;
    HttpProgress progress;
};

struct HttpRetryPolicy
{
    int maxAttempts = 0; // 0: no limit
    int pauseMs = 1000;  // pause after every failed attempt before the next one
};

} // namespace platform
