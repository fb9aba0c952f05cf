#pragma once

class MemTable;

// Shared helpers on in-memory tables.

// Gives every floating-point column the amount format "#,###,##0.00"; values keep their precision.
void FloatFormatla(MemTable &table);
// True when the table is open and has at least one row.
bool KayitVarmi(const MemTable &table);
// True when some row has SEC = 1; the cursor stays on that row (or past the end when none).
bool SeciliVarmi(MemTable &table);
