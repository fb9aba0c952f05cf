#pragma once

#include <QString>

class SqliteDb;
class SqliteStatement;
class TSonucBilgisi;

// The user a login record names, as the store knows it (the record's own type and customer
// fields are the client's copy; the store is authoritative).
struct Caller
{
    int userId = 0;
    QString name;
    int type = 0; // MusteriTipi: 0 dealer, 1 and 2 sales representatives, 3 and 4 restricted
    int customer = 0;
    int salesRep = 0;

    static Caller of(SqliteDb &db, const TSonucBilgisi &record);

    // SQL condition on the customers this caller may list, for a `cari c`; binds ?1 to ?3.
    static const char *visibleCustomers();
    void bindVisibility(SqliteStatement &statement) const;
};
