#include "platform/HttpCall.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace platform {

HttpCall::HttpCall(const HttpRequest &request, QObject *parent)
    : QObject(parent)
    , m_request(request)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HttpCall::onTimeout);
}

void HttpCall::start(QNetworkAccessManager &manager, Done done)
{
    m_done = std::move(done);
    m_reply = manager.get(QNetworkRequest(m_request.url));
    m_reply->setParent(this);
    // The connect phase ends once the request is on the wire; from then on every sign of
    // life restarts the read time-out.
    connect(m_reply, &QNetworkReply::requestSent, this,
            [this] { m_timer.start(m_request.readTimeoutMs); });
    connect(m_reply, &QNetworkReply::metaDataChanged, this,
            [this] { m_timer.start(m_request.readTimeoutMs); });
    connect(m_reply, &QNetworkReply::downloadProgress, this, &HttpCall::onProgress);
    connect(m_reply, &QNetworkReply::finished, this, &HttpCall::onFinished);
    m_timer.start(m_request.connectTimeoutMs);
}

HttpCall::~HttpCall()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void HttpCall::abort()
{
    if (!m_reply)
        return;
    m_aborted = true;
    m_reply->abort();
}

void HttpCall::onProgress(qint64 received, qint64 total)
{
    m_timer.start(m_request.readTimeoutMs);
    if (m_request.progress)
        m_request.progress(received, total);
}

void HttpCall::onTimeout()
{
    if (!m_reply)
        return;
    m_timedOut = true;
    m_reply->abort();
}

void HttpCall::onFinished()
{
    m_timer.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();

    HttpResult result;
    result.httpStatusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isOpen())
        result.body = reply->readAll();
    const QNetworkReply::NetworkError error = reply->error();
    if (m_timedOut || error == QNetworkReply::TimeoutError) {
        result.status = HttpStatus::Timeout;
        result.errorText = QStringLiteral("Sunucu zamanında yanıt vermedi: %1")
                               .arg(m_request.url.toDisplayString());
    } else if (m_aborted) {
        result.status = HttpStatus::Aborted;
        result.errorText = QStringLiteral("İstek durduruldu");
    } else if (error == QNetworkReply::NoError) {
        result.status = HttpStatus::Ok;
    } else if (result.httpStatusCode >= 400) {
        result.status = HttpStatus::HttpError;
        result.errorText = QStringLiteral("HTTP %1 %2").arg(result.httpStatusCode).arg(
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    } else {
        result.status = HttpStatus::NetworkError;
        result.errorText = reply->errorString();
    }
    if (m_done) {
        // The callback may delete this object; keep nothing of it afterwards.
        Done done = std::move(m_done);
        done(result);
    }
}

} // namespace platform
