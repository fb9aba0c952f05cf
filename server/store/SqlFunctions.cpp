#include "SqlFunctions.h"

#include "SearchText.h"
#include "SqliteDb.h"
#include "identity/AmountFormat.h"

#include <sqlite3.h>

namespace {

void yuvarla(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_double(context, Yuvarla(sqlite3_value_double(args[0])));
}

void katla(sqlite3_context *context, int, sqlite3_value **args)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(args[0]));
    if (!text) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray folded = SearchText::fold(QString::fromUtf8(text, sqlite3_value_bytes(args[0]))).toUtf8();
    sqlite3_result_text(context, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

void SqlFunctions::install(SqliteDb &db)
{
    if (sqlite3_create_function_v2(db.handle(), "KATLA", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, katla, nullptr,
                                   nullptr, nullptr)
        != SQLITE_OK)
        db.raise(QStringLiteral("KATLA"));
    if (sqlite3_create_function_v2(db.handle(), "YUVARLA", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, yuvarla,
                                   nullptr, nullptr, nullptr)
        != SQLITE_OK)
        db.raise(QStringLiteral("YUVARLA"));
}
