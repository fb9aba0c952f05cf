#pragma once

#include "identity/TSonucBilgisi.h"

#include <QString>

class ServerCall;
class SqliteDb;

// Argument checks of the order server. Each failure raises an error that the client shows
// with its text ("EVeriHatasi"); nothing has been written at that point.
namespace Checks {
[[noreturn]] void fail(const QString &message);

// The login record at `position`; a missing one is an error.
TSonucBilgisi login(const ServerCall &call, int position);

void customer(SqliteDb &db, int carino);
void stock(SqliteDb &db, int stokno);

// Finite and greater than zero (quantities).
double quantity(double value, const QString &what);
// Finite and not negative (prices, balances).
double amount(double value, const QString &what);
// Finite, from 0 to 100 (discount and VAT rates).
double rate(double value, const QString &what);
} // namespace Checks
