#pragma once

#include <QString>

// Per-user settings folder: the application-data base followed by "/parvela", created when
// missing. The settings file lies directly in it.
QString AyarKlasoru();

// The user's documents folder, "" when the system has none.
QString BelgelerKlasoru();
