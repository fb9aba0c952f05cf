#pragma once

#include <QString>

namespace platform {

// Per-user folders. Each follows the XDG variables, so tests point them at a temporary home.
// An empty text means the system has no such folder.

// Base of per-user application settings (XDG_CONFIG_HOME, usually ~/.config).
QString appDataLocation();
// The user's documents folder.
QString documentsLocation();
// The user's desktop folder.
QString desktopLocation();

} // namespace platform
