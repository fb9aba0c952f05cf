#pragma once

#include "HttpRequest.h"
#include "HttpResponse.h"

#include <QString>

// The vendor's web side of the demo: the address file, the public-address answer, the
// installer, the payment page and a home page.
//   /prv.txt                 the order server's address, plain text
//   /ip                      the caller's address, plain text
//   /exe/ParvelaSetup.exe    the demo installer (SetupInstaller)
//   /reradade.html           the virtual-POS page, echoing carino, sube, firmasi and bakiye
//   /                        the product site's home page
class WebSide
{
public:
    explicit WebSide(const QString &orderServerAddress) : m_orderServerAddress(orderServerAddress) {}

    HttpResponse handle(const HttpRequest &request) const;

private:
    HttpResponse paymentPage(const HttpRequest &request) const;

    QString m_orderServerAddress;
};
