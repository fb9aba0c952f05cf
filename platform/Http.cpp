#include "platform/Http.h"

#include "platform/HttpCall.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace platform {

Http::Http(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
}

Http::~Http()
{
    // Calls go before the manager their replies belong to.
    qDeleteAll(findChildren<HttpCall *>(Qt::FindDirectChildrenOnly));
}

bool Http::isRetryable(const HttpResult &result)
{
    return !result.ok() && result.status != HttpStatus::Aborted;
}

void Http::get(const HttpRequest &request, QObject *context, Done done)
{
    const bool bound = context != nullptr;
    QPointer<QObject> guard(context);
    HttpRequest guarded = request;
    if (request.progress) {
        guarded.progress = [bound, guard, progress = request.progress](qint64 received, qint64 total) {
            if (!bound || guard)
                progress(received, total);
        };
    }
    auto *call = new HttpCall(guarded, this);
    if (bound)
        connect(context, &QObject::destroyed, call, &HttpCall::abort);
    call->start(*m_manager, [call, bound, guard, done = std::move(done)](const HttpResult &result) {
        call->deleteLater();
        if ((!bound || guard) && done)
            done(result);
    });
}

void Http::getWithRetry(const HttpRequest &request, HttpRetryPolicy policy, QObject *context,
                        Done done)
{
    // One attempt; on a retryable failure it schedules the next one, bound to the context so
    // that a dead context ends the chain.
    struct Chain
    {
        QPointer<Http> http;
        HttpRequest request;
        HttpRetryPolicy policy;
        QPointer<QObject> context;
        bool bound;
        Done done;
        int attempts = 0;

        static void attempt(const std::shared_ptr<Chain> &chain)
        {
            if (!chain->http || (chain->bound && !chain->context))
                return;
            ++chain->attempts;
            chain->http->get(chain->request, chain->context, [chain](const HttpResult &result) {
                const bool more = chain->policy.maxAttempts <= 0
                                  || chain->attempts < chain->policy.maxAttempts;
                if (!isRetryable(result) || !more) {
                    if (chain->done)
                        chain->done(result);
                    return;
                }
                QObject *timerContext = chain->bound ? chain->context.data() : chain->http.data();
                if (!timerContext)
                    return;
                QTimer::singleShot(chain->policy.pauseMs, timerContext, [chain] { attempt(chain); });
            });
        }
    };
    auto chain = std::make_shared<Chain>(
        Chain{this, request, policy, context, context != nullptr, std::move(done)});
    Chain::attempt(chain);
}

HttpResult Http::getSync(const QUrl &url, int timeoutMs)
{
    HttpRequest request;
    request.url = url;
    request.connectTimeoutMs = timeoutMs;
    request.readTimeoutMs = timeoutMs;
    return getSync(request);
}

HttpResult Http::getSync(const HttpRequest &request)
{
    QNetworkAccessManager manager;
    QEventLoop loop;
    HttpResult result;
    bool finished = false;
    HttpCall call(request);
    call.start(manager, [&](const HttpResult &answer) {
        result = answer;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    return result;
}

HttpResult Http::getSyncWithRetry(const HttpRequest &request, HttpRetryPolicy policy,
                                  const CancelFlag &cancel)
{
    HttpResult aborted;
    aborted.status = HttpStatus::Aborted;
    aborted.errorText = QStringLiteral("İstek durduruldu");
    for (int attempt = 1;; ++attempt) {
        if (cancel.isCancelled())
            return aborted;
        HttpResult result = getSync(request);
        if (!isRetryable(result))
            return result;
        if (policy.maxAttempts > 0 && attempt >= policy.maxAttempts)
            return result;
        // Sleep in slices so a cancel does not wait out the whole pause.
        QDeadlineTimer pause(policy.pauseMs);
        while (!pause.hasExpired()) {
            if (cancel.isCancelled())
                return aborted;
            QThread::msleep(std::min<qint64>(20, std::max<qint64>(1, pause.remainingTime())));
        }
    }
}

} // namespace platform
