#pragma once

#include "platform/HttpTypes.h"

#include <QObject>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

// One GET in flight: watches the connect and read time-outs, gathers the body, reports
// progress and delivers exactly one result. Lives on the thread of its manager.
class HttpCall : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const HttpResult &)>;

    explicit HttpCall(const HttpRequest &request, QObject *parent = nullptr);
    ~HttpCall() override;

    // Sends the request; done is called once, possibly after this object was aborted.
    void start(QNetworkAccessManager &manager, Done done);

    // Stops the call; the result (status Aborted) is still delivered.
    void abort();

private:
    void onProgress(qint64 received, qint64 total);
    void onFinished();
    void onTimeout();

    QNetworkReply *m_reply = nullptr;
    QTimer m_timer;
    HttpRequest m_request;
    Done m_done;
    bool m_timedOut = false;
    bool m_aborted = false;
};

} // namespace platform
