#pragma once

#include "OrderServer.h"

#include <QString>
#include <QStringList>

// The command line of parvela-order-server.
struct ServerOptions
{
    OrderServer::Config server;
    bool demo = false;
    int stockCount = 20000;
    int customerCount = 60;
    quint32 seed = 27;
    QString workstationId; // registered for workstationUser; with --demo the local one by default
    QString workstationUser;

    // Parses the arguments (program name first). On a usage error returns false with `error` set.
    static bool parse(const QStringList &arguments, ServerOptions &out, QString &error);
    static QString defaultDatabasePath();
};
