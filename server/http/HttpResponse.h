#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One HTTP/1.1 answer; every answer closes its connection.
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
