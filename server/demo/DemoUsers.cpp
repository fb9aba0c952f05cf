#include "DemoUsers.h"

namespace {
const DemoUsers::User users[] = {
    {"BAYI", "1234", 0, 1, 0, true, "bayi (cari 1)"},
    {"TEMSILCI", "1111", 1, 0, 1, true, "satış temsilcisi, kendi carilerini seçer"},
    {"MUDUR", "2222", 2, 0, 0, true, "satış müdürü, tüm carileri seçer, fiyat değiştirir"},
    {"DEPO", "3333", 3, 2, 0, true, "kısıtlı kullanıcı (durum sütunu gizli, cari 2)"},
    {"MUHASEBE", "4444", 4, 3, 0, true, "kısıtlı kullanıcı (kampanya fiyatı gizli, cari 3)"},
    {"PASIF", "5555", 0, 4, 0, false, "pasif hesap: giriş reddedilir"},
};
} // namespace

std::span<const DemoUsers::User> DemoUsers::all()
{
    return users;
}
