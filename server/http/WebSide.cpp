#include "WebSide.h"

#include "SetupInstaller.h"

namespace {

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>body{font-family:sans-serif;margin:2em;color:#202020}h1{color:#B01E23}"
                          "th{text-align:left;padding-right:1em}</style></head>\n<body>\n<h1>%1</h1>\n%2\n</body></html>\n")
        .arg(title, body);
}

QString callerAddress(const QHostAddress &peer)
{
    bool mapped = false;
    const quint32 v4 = peer.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : peer.toString();
}

} // namespace

HttpResponse WebSide::handle(const HttpRequest &request) const
{
    if (request.path == QLatin1String("/prv.txt"))
        return HttpResponse::text(200, m_orderServerAddress);
    if (request.path == QLatin1String("/ip"))
        return HttpResponse::text(200, callerAddress(request.peer));
    if (request.path == QLatin1String("/exe/ParvelaSetup.exe")) {
        HttpResponse r;
        r.contentType = "application/octet-stream";
        r.body = SetupInstaller::script();
        r.addHeader("Content-Disposition", "attachment; filename=\"ParvelaSetup.exe\"");
        return r;
    }
    if (request.path == QLatin1String("/reradade.html"))
        return paymentPage(request);
    if (request.path == QLatin1String("/") || request.path == QLatin1String("/index.html"))
        return HttpResponse::html(page(QStringLiteral("Parvela Oto Yedek Parça"),
                                       QStringLiteral("<p>Bayilerimize özel B2B sipariş sistemi.</p>"
                                                      "<p><a href=\"/exe/ParvelaSetup.exe\">Sipariş programını indir</a></p>")));
    return HttpResponse::text(404, QStringLiteral("Sayfa bulunamadı\n"));
}

// Shows what the client sent, escaped; the demo takes no payment.
HttpResponse WebSide::paymentPage(const HttpRequest &request) const
{
    const struct
    {
        const char *key;
        const char *label;
    } fields[] = {{"carino", "Cari No"}, {"sube", "Şube"}, {"firmasi", "Firma"}, {"bakiye", "Bakiye"}};
    QString rows;
    for (const auto &f : fields)
        rows += QStringLiteral("<tr><th>%1</th><td id=\"%2\">%3</td></tr>\n")
                    .arg(QString::fromUtf8(f.label), QLatin1String(f.key),
                         request.queryValue(QLatin1String(f.key)).toHtmlEscaped());
    return HttpResponse::html(page(QStringLiteral("Sanal Pos Ödeme"),
                                   QStringLiteral("<table>\n%1</table>\n<p>Demo ödeme sayfası: ödeme alınmaz.</p>").arg(rows)));
}
