#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

// One HTTP/1.1 request as the web side needs it: method, path, decoded query, headers.
struct HttpRequest
{
    QByteArray method;
    QString path;
    QUrlQuery query;
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    QHostAddress peer;

    // Parses the head (request line and headers, up to the blank line). False when malformed.
    static bool parse(const QByteArray &head, HttpRequest &out);
    // A query value with "+" read as a blank, as forms write it.
    QString queryValue(const QString &key) const;
};

struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "text/plain; charset=utf-8";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    void addHeader(const QByteArray &name, const QByteArray &value) { headers.append({name, value}); }
    static HttpResponse text(int status, const QString &body);
    static HttpResponse html(const QString &body);
    // The full message; a HEAD answer carries the headers only.
    QByteArray serialize(bool withBody) const;
};
