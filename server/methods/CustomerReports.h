#pragma once

#include <QByteArray>
#include <QString>

class SqliteDb;

// The customer reports a sales representative prints, made as PDF at request time.
namespace CustomerReports {
struct Request
{
    int report = 0; // 6: customer summary (customer 0: receivables of all customers), 7: sales table
    int userId = 0; // who asks, named on the report
    int carino = 0;
    QString salesRep; // "." or empty: every representative
    double from = 0; // day counts
    double to = 0;
};

QByteArray render(SqliteDb &db, const Request &request);
} // namespace CustomerReports
