#pragma once

class SqliteDb;

// SQL functions of the order store, installed on every connection:
//   YUVARLA(x)  two-decimal rounding of amounts, the same rounding the client applies;
//   KATLA(t)    the searchable form of a text (SearchText::fold).
namespace SqlFunctions {
void install(SqliteDb &db);
}
