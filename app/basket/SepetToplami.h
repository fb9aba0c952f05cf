#pragma once

class MemTable;

// Totals of the ticked basket lines (SEC = 1), worked out from the table, never taken from the
// server. The tax is always 20 % of the net total, whatever the lines' VAT rates are.
struct SepetToplamlari
{
    double toplam = 0;      // A: gross
    double indirim = 0;     // D: discounts
    double araToplam = 0;   // N = A - D
    double vergi = 0;       // V
    double genelToplam = 0; // G = N + V
};

SepetToplamlari SepetToplamHesapla(const MemTable &sepet);
