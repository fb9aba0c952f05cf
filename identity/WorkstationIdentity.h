#pragma once

#include <QString>

class TSonucBilgisi;

namespace platform {
class WorkstationSource;
}

// Workstation identity. Each function has a form that reads the real machine and one that
// reads a given source, so the fallback rules can be exercised without the hardware.

// Disk serial, trimmed; when that is empty or fails, the adapter address. May be empty.
QString BilgisayarIdAl();
QString BilgisayarIdAl(const platform::WorkstationSource &source);

// Serial of the first whole disk in upper case. Throws platform::WorkstationError.
QString DiskSeriNoAl();
QString DiskSeriNoAl(const platform::WorkstationSource &source);

// First adapter address that is not all zero, as "00-1A-2B-3C-4D-5E"; possibly empty.
QString MacAdresiAl();
QString MacAdresiAl(const platform::WorkstationSource &source);

QString BilgisayarAdiAl();
QString BilgisayarAdiAl(const platform::WorkstationSource &source);

QString KullaniciAdiAl();
QString KullaniciAdiAl(const platform::WorkstationSource &source);

QString YerelIpAl();
QString YerelIpAl(const platform::WorkstationSource &source);

// Fills the record's workstation fields in the order start-up and login have always used:
// computer name, user name, local address, identifier. The public address is the caller's.
void IstasyonAlanlariniDoldur(TSonucBilgisi &record);
void IstasyonAlanlariniDoldur(TSonucBilgisi &record, const platform::WorkstationSource &source);
