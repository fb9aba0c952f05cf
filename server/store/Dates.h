#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates as the store keeps and the wire carries them: days since 30 December 1899, the time
// of day as fraction.
namespace Dates {
double fromDate(const QDate &date);
double fromDateTime(const QDateTime &moment);
QDate toDate(double days);
QDateTime toDateTime(double days);
double now();
// "HH:mm:ss" of the current local time, as the order and basket lines record it.
QString timeOfDay();
} // namespace Dates
