#pragma once

class SqliteDb;

// Money figures of one customer account, from its statement.
namespace AccountFigures {
// Debit minus credit.
double balance(SqliteDb &db, int carino);

struct Overdue
{
    double amount = 0; // debit past its due date that the credits have not covered
    int days = 0; // age of the oldest uncovered due date
};
// Credits pay the debits in due-date order; what is left of debits due before `asOf` is overdue.
Overdue overdue(SqliteDb &db, int carino, double asOf);
} // namespace AccountFigures
