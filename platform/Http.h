#pragma once

#include "platform/CancelFlag.h"
#include "platform/HttpTypes.h"

#include <QObject>

class QNetworkAccessManager;

namespace platform {

// HTTP GET for the whole program. The asynchronous form belongs to a UI-thread owner and
// delivers its result to a context object; the synchronous form is for worker tasks and runs
// its own event loop and network manager on the calling thread.
class Http : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const HttpResult &)>;

    explicit Http(QObject *parent = nullptr);
    ~Http() override;

    // done (and progress) run on this object's thread while context lives; when the context
    // dies the request is stopped and done is not called.
    void get(const HttpRequest &request, QObject *context, Done done);
    // As get, trying again after every failure other than Aborted as the policy says;
    // done receives the first success or the last failure.
    void getWithRetry(const HttpRequest &request, HttpRetryPolicy policy, QObject *context,
                      Done done);

    // Blocks the calling thread (meant for worker tasks); both time-outs are timeoutMs.
    static HttpResult getSync(const QUrl &url, int timeoutMs);
    static HttpResult getSync(const HttpRequest &request);
    // Blocking retry loop; a set cancel flag ends it with status Aborted.
    static HttpResult getSyncWithRetry(const HttpRequest &request, HttpRetryPolicy policy,
                                       const CancelFlag &cancel = CancelFlag());

    static bool isRetryable(const HttpResult &result);

private:
    QNetworkAccessManager *m_manager;
};

} // namespace platform
