#pragma once

#include <QString>

// Texts the server writes into its documents, in Turkish formats.
namespace Formats {
QString amount(double value); // 1.234,56
QString date(double days); // 31.12.2025
} // namespace Formats
