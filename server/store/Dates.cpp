#include "Dates.h"

#include <cmath>

namespace {
const QDate dayZero(1899, 12, 30);
}

double Dates::fromDate(const QDate &date)
{
    return double(dayZero.daysTo(date));
}

double Dates::fromDateTime(const QDateTime &moment)
{
    return fromDate(moment.date()) + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

QDate Dates::toDate(double days)
{
    return dayZero.addDays(qint64(std::floor(days)));
}

QDateTime Dates::toDateTime(double days)
{
    const double whole = std::floor(days);
    return QDateTime(dayZero.addDays(qint64(whole)), QTime(0, 0).addMSecs(int(std::lround((days - whole) * 86400000.0))));
}

double Dates::now()
{
    return fromDateTime(QDateTime::currentDateTime());
}

QString Dates::timeOfDay()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}
