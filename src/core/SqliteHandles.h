// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

// The SQLite C API's connection and statement as owned handles, for the wheel database, the
// player's library and the database builder alike: a statement is finalized and a connection
// closed however the code that holds them ends.
struct SqliteCloser {
    // Closes once the last statement is finalized, whatever order they go in.
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct SqliteFinalizer {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using SqliteConnection = std::unique_ptr<sqlite3, SqliteCloser>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalizer>;

// The statement, or null when it cannot be prepared (sqlite3_errmsg then says why).
inline SqliteStatement prepareStatement(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return nullptr;
    }
    return SqliteStatement(s);
}

// Binds a text that SQLite copies, so the text may go before the statement runs.
inline void bindText(sqlite3_stmt *s, int column, const std::string &text)
{
    sqlite3_bind_text(s, column, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}
