#pragma once

#include <QString>

// Removes leading and trailing characters with codes up to and including 32 (blanks and
// control characters), the trim every check of the sign-in windows has always used.
QString Kirp(const QString &metin);
