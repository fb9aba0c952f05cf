#pragma once

class Store;

// What the order server's method handlers share: the store and the server's settings.
struct ServerSettings
{
    // Most rows a stock search answers; a distributor's server caps broad searches.
    int searchLimit = 5000;
};

struct MethodContext
{
    Store &store;
    ServerSettings settings;
};
