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
    // A query value, fully decoded; "+" reads as a blank, as forms write it.
    QString queryValue(const QString &key) const;
};
