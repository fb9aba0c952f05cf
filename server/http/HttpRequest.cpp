#include "HttpRequest.h"

#include <QUrl>

bool HttpRequest::parse(const QByteArray &head, HttpRequest &out)
{
    const QList<QByteArray> lines = head.split('\n');
    if (lines.isEmpty())
        return false;
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    if (requestLine.size() != 3 || !requestLine.at(2).startsWith("HTTP/1."))
        return false;
    out.method = requestLine.at(0);
    const QByteArray target = requestLine.at(1);
    if (!target.startsWith('/'))
        return false;
    const qsizetype question = target.indexOf('?');
    out.path = QUrl::fromPercentEncoding(target.left(question < 0 ? target.size() : question));
    if (question >= 0) {
        QByteArray query = target.mid(question + 1);
        query.replace('+', "%20");
        out.query = QUrlQuery(QString::fromLatin1(query));
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return false;
        out.headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    return true;
}

QString HttpRequest::queryValue(const QString &key) const
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}
