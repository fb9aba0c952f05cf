#include "HttpResponse.h"

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 431: return "Request Header Fields Too Large";
    default: return "Internal Server Error";
    }
}

} // namespace

HttpResponse HttpResponse::text(int status, const QString &body)
{
    HttpResponse r;
    r.status = status;
    r.body = body.toUtf8();
    return r;
}

HttpResponse HttpResponse::html(const QString &body)
{
    HttpResponse r;
    r.contentType = "text/html; charset=utf-8";
    r.body = body.toUtf8();
    return r;
}

QByteArray HttpResponse::serialize(bool withBody) const
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Connection: close\r\n";
    for (const auto &[name, value] : headers)
        out += name + ": " + value + "\r\n";
    out += "\r\n";
    if (withBody)
        out += body;
    return out;
}
