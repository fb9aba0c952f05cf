#pragma once

#include <QString>

#include <span>

// The word lists behind the demo catalogue: part types by group with their price ranges, the
// vehicles they fit and the part makers (names made up for the demo).
namespace DemoCatalogue {
struct PartType
{
    const char *group; // ANAGRUP
    const char *code; // two letters in the item code
    const char *name; // Turkish name
    const char *english; // DIGERADI
    const char *unit;
    double minPrice;
    double maxPrice;
};

struct Vehicle
{
    const char *make;
    const char *model;
    const char *oemPrefix;
};

std::span<const PartType> partTypes();
std::span<const Vehicle> vehicles();
std::span<const char *const> makers();
std::span<const char *const> specialCodes();
} // namespace DemoCatalogue
