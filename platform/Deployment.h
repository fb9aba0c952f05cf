#pragma once

#include <QString>

namespace platform {

// Where this installation finds its servers. Each value has a built-in default and can be
// replaced through an environment variable, which is how the run script and the tests point
// the client at a reference server on loopback. Addresses come without a trailing slash.
class Deployment
{
public:
    // Vendor's update web server: address file and installer (PARVELA_UPDATE_URL).
    static QString updateBaseUrl();
    // Service answering with the caller's public address as plain text (PARVELA_PUBLIC_IP_URL).
    static QString publicAddressUrl();
    // Order server address used inside the vendor's own network (PARVELA_LAN_SERVER).
    static QString lanServerAddress();
    // Order server TCP port (PARVELA_SERVER_PORT).
    static quint16 serverPort();
    // Product web site: home page and payment page (PARVELA_WEB_SITE).
    static QString webSite();
};

} // namespace platform
