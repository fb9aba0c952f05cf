#include "DemoCatalogue.h"

namespace {
using DemoCatalogue::PartType;
using DemoCatalogue::Vehicle;

const PartType types[] = {
    {"FREN", "FR", "FREN BALATASI ÖN", "BRAKE PAD SET FRONT", "TAKIM", 450, 1400},
    {"FREN", "FR", "FREN BALATASI ARKA", "BRAKE PAD SET REAR", "TAKIM", 350, 1100},
    {"FREN", "FR", "FREN DİSKİ ÖN", "BRAKE DISC FRONT", "ADET", 900, 2800},
    {"FREN", "FR", "FREN DİSKİ ARKA", "BRAKE DISC REAR", "ADET", 700, 2200},
    {"FREN", "FR", "FREN KALİPERİ", "BRAKE CALIPER", "ADET", 1800, 5200},
    {"FREN", "FR", "FREN HORTUMU", "BRAKE HOSE", "ADET", 150, 450},
    {"FREN", "FR", "EL FRENİ TELİ", "HAND BRAKE CABLE", "ADET", 250, 700},
    {"FİLTRE", "FL", "YAĞ FİLTRESİ", "OIL FILTER", "ADET", 120, 380},
    {"FİLTRE", "FL", "HAVA FİLTRESİ", "AIR FILTER", "ADET", 180, 520},
    {"FİLTRE", "FL", "POLEN FİLTRESİ", "CABIN FILTER", "ADET", 140, 420},
    {"FİLTRE", "FL", "YAKIT FİLTRESİ", "FUEL FILTER", "ADET", 220, 750},
    {"DEBRİYAJ", "DB", "DEBRİYAJ SETİ", "CLUTCH KIT", "TAKIM", 2800, 8500},
    {"DEBRİYAJ", "DB", "DEBRİYAJ RULMANI", "CLUTCH RELEASE BEARING", "ADET", 600, 1800},
    {"DEBRİYAJ", "DB", "VOLANT", "FLYWHEEL", "ADET", 5500, 14000},
    {"DEBRİYAJ", "DB", "DEBRİYAJ MERKEZİ", "CLUTCH MASTER CYLINDER", "ADET", 700, 1900},
    {"SÜSPANSİYON", "SP", "AMORTİSÖR ÖN", "SHOCK ABSORBER FRONT", "ADET", 1400, 4200},
    {"SÜSPANSİYON", "SP", "AMORTİSÖR ARKA", "SHOCK ABSORBER REAR", "ADET", 1100, 3400},
    {"SÜSPANSİYON", "SP", "ROTİL", "BALL JOINT", "ADET", 300, 900},
    {"SÜSPANSİYON", "SP", "ROT BAŞI", "TIE ROD END", "ADET", 280, 850},
    {"SÜSPANSİYON", "SP", "SALINCAK KOLU", "CONTROL ARM", "ADET", 900, 2600},
    {"SÜSPANSİYON", "SP", "Z ROT", "STABILIZER LINK", "ADET", 200, 600},
    {"SÜSPANSİYON", "SP", "HELEZON YAY", "COIL SPRING", "ADET", 700, 1900},
    {"SÜSPANSİYON", "SP", "AMORTİSÖR TAKOZU", "STRUT MOUNT", "ADET", 250, 700},
    {"MOTOR", "MT", "TRİGER SETİ", "TIMING BELT KIT", "TAKIM", 1900, 5200},
    {"MOTOR", "MT", "DEVİRDAİM POMPASI", "WATER PUMP", "ADET", 900, 2700},
    {"MOTOR", "MT", "SİLİNDİR KAPAK CONTASI", "CYLINDER HEAD GASKET", "ADET", 500, 1600},
    {"MOTOR", "MT", "MOTOR KULAĞI", "ENGINE MOUNT", "ADET", 450, 1400},
    {"MOTOR", "MT", "V KAYIŞI", "V-RIBBED BELT", "ADET", 150, 500},
    {"MOTOR", "MT", "ENJEKTÖR", "INJECTOR", "ADET", 2400, 7800},
    {"MOTOR", "MT", "TURBO HORTUMU", "TURBO HOSE", "ADET", 600, 1700},
    {"ELEKTRİK", "EL", "BUJİ", "SPARK PLUG", "ADET", 90, 320},
    {"ELEKTRİK", "EL", "ATEŞLEME BOBİNİ", "IGNITION COIL", "ADET", 700, 2100},
    {"ELEKTRİK", "EL", "MARŞ MOTORU", "STARTER MOTOR", "ADET", 3200, 9500},
    {"ELEKTRİK", "EL", "ALTERNATÖR", "ALTERNATOR", "ADET", 4200, 12500},
    {"ELEKTRİK", "EL", "AKÜ 60 AH", "BATTERY 60AH", "ADET", 2300, 3900},
    {"ELEKTRİK", "EL", "OKSİJEN SENSÖRÜ", "LAMBDA SENSOR", "ADET", 1100, 3600},
    {"ELEKTRİK", "EL", "ABS SENSÖRÜ", "ABS SENSOR", "ADET", 500, 1600},
    {"SOĞUTMA", "SG", "RADYATÖR", "RADIATOR", "ADET", 2200, 6500},
    {"SOĞUTMA", "SG", "TERMOSTAT", "THERMOSTAT", "ADET", 300, 900},
    {"SOĞUTMA", "SG", "FAN MOTORU", "RADIATOR FAN", "ADET", 1600, 4800},
    {"SOĞUTMA", "SG", "RADYATÖR HORTUMU", "RADIATOR HOSE", "ADET", 180, 520},
    {"SOĞUTMA", "SG", "KLİMA KOMPRESÖRÜ", "A/C COMPRESSOR", "ADET", 6500, 16000},
    {"AYDINLATMA", "AY", "FAR SOL", "HEADLAMP LEFT", "ADET", 2500, 8200},
    {"AYDINLATMA", "AY", "FAR SAĞ", "HEADLAMP RIGHT", "ADET", 2500, 8200},
    {"AYDINLATMA", "AY", "STOP LAMBASI", "TAIL LAMP", "ADET", 900, 2600},
    {"AYDINLATMA", "AY", "SİS FARI", "FOG LAMP", "ADET", 600, 1800},
    {"AYDINLATMA", "AY", "AMPUL H7", "BULB H7", "ADET", 60, 190},
    {"ŞANZIMAN", "SZ", "AKS KÖRÜĞÜ", "CV BOOT", "ADET", 150, 450},
    {"ŞANZIMAN", "SZ", "AKS MİLİ", "DRIVE SHAFT", "ADET", 2600, 7200},
    {"ŞANZIMAN", "SZ", "ŞANZIMAN TAKOZU", "GEARBOX MOUNT", "ADET", 400, 1200},
    {"ŞANZIMAN", "SZ", "VİTES HALATI", "GEAR CABLE", "ADET", 700, 1900},
    {"KAPORTA", "KP", "SİLECEK SÜPÜRGESİ", "WIPER BLADE", "ADET", 120, 380},
    {"KAPORTA", "KP", "DİKİZ AYNASI SOL", "DOOR MIRROR LEFT", "ADET", 900, 2500},
    {"KAPORTA", "KP", "KAPI KOLU", "DOOR HANDLE", "ADET", 180, 550},
    {"KAPORTA", "KP", "ÇAMURLUK DAVLUMBAZI", "WHEEL ARCH LINER", "ADET", 250, 700},
    {"KAPORTA", "KP", "TAMPON BRAKETİ", "BUMPER BRACKET", "ADET", 120, 350},
};

const Vehicle cars[] = {
    {"FIAT", "DOBLO 1.3 MJT", "517"},          {"FIAT", "EGEA 1.3 MJT", "519"},
    {"FIAT", "LINEA 1.3 MJT", "518"},          {"RENAULT", "CLIO IV 1.5 DCI", "77012"},
    {"RENAULT", "MEGANE III 1.5 DCI", "82004"}, {"RENAULT", "FLUENCE 1.6 16V", "40206"},
    {"DACIA", "DUSTER 1.5 DCI", "60016"},      {"FORD", "FOCUS III 1.6 TDCI", "17"},
    {"FORD", "TRANSIT CUSTOM 2.2 TDCI", "BK21"}, {"FORD", "FIESTA 1.4", "15"},
    {"VW", "PASSAT B7 1.6 TDI", "3C0"},        {"VW", "GOLF VII 1.6 TDI", "5Q0"},
    {"VW", "CADDY 2.0 TDI", "2K0"},            {"TOYOTA", "COROLLA 1.4 D-4D", "04465"},
    {"HYUNDAI", "ACCENT BLUE 1.6 CRDI", "58101"}, {"HYUNDAI", "I20 1.4", "58302"},
    {"OPEL", "ASTRA J 1.6", "13"},             {"OPEL", "CORSA D 1.3 CDTI", "55"},
    {"PEUGEOT", "301 1.6 HDI", "1612"},        {"PEUGEOT", "PARTNER 1.6 HDI", "9808"},
    {"CITROEN", "C-ELYSEE 1.6 HDI", "9674"},   {"HONDA", "CIVIC 1.6 I-VTEC", "45022"},
    {"MERCEDES", "SPRINTER 313 CDI", "A906"},  {"BMW", "3.20D F30", "3411"},
    {"SKODA", "OCTAVIA 1.6 TDI", "5E0"},       {"TOFAŞ", "ŞAHİN 1.6", "46"},
    {"KIA", "RIO 1.4 CRDI", "58101"},          {"NISSAN", "QASHQAI 1.5 DCI", "41060"},
    {"ISUZU", "D-MAX 2.5", "8980"},
};

const char *const makerNames[] = {"BOSKAR",  "VALEON", "MANFİL", "SAKTEN", "FEBİRA",   "LEMFÖR",
                                  "DELFA",   "GATEKS", "MAHLON", "KAYABA", "MOTORSAN", "ANATEK",
                                  "OTOPAR",  "TURBOKS", "ELMAS", "YILDIRIM", "ÇELİKSAN", "ORJİNAL"};

const char *const specials[] = {"ORJİNAL", "MUADİL", "İTHAL", "YERLİ", "OEM KALİTE"};
} // namespace

std::span<const PartType> DemoCatalogue::partTypes()
{
    return types;
}

std::span<const Vehicle> DemoCatalogue::vehicles()
{
    return cars;
}

std::span<const char *const> DemoCatalogue::makers()
{
    return makerNames;
}

std::span<const char *const> DemoCatalogue::specialCodes()
{
    return specials;
}
