#pragma once

#include <span>

// The demo's users, one of every type, with known credentials. Each has a workstation
// identifier of its own ("DEMO-" + name); the local workstation is registered for one of them.
namespace DemoUsers {
struct User
{
    const char *name;
    const char *password;
    int type; // MusteriTipi
    int customer; // 0: chooses a customer
    int salesRep; // 0: none
    bool active;
    const char *role;
};
std::span<const User> all();
constexpr const char *defaultWorkstationUser = "BAYI";
} // namespace DemoUsers
