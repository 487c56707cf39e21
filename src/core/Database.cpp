// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Database.h"

#include "core/SqliteHandles.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <climits>
#include <memory>

namespace {
QString prepareFailure(const char *why)
{
    return QCoreApplication::translate("Database", "Error: failed to prepare statement with message '%1'.")
        .arg(QString::fromUtf8(why));
}
} // namespace

QueryError::QueryError(const QString &message, const QString &file)
    : std::runtime_error(message.toStdString()), message_(message), file_(file)
{
}

Database::~Database()
{
    close();
}

bool Database::open(const QString &path, QString *problem)
{
    close();
    auto fail = [&](const QString &why) {
        if (problem)
            *problem = why;
        close();
        return false;
    };
    if (path.isEmpty())
        return fail(
            QCoreApplication::translate("Database",
                                        "The wheel database data.sqlite3 is missing: it is neither in %1 nor in %2.")
                .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/resources")),
                     QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                              QStringLiteral("/../share/wheelwright")))));
    if (!QFileInfo(path).isFile())
        return fail(QCoreApplication::translate("Database", "The wheel database %1 is missing.").arg(path));
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    db_ = db;
    path_ = path;
    if (rc != SQLITE_OK)
        return fail(QCoreApplication::translate("Database", "The wheel database %1 cannot be opened.").arg(path));
    // A file that is not SQLite only shows itself on the first read.
    const SqliteStatement probe = prepareStatement(db_, "SELECT count(*) FROM sqlite_master");
    if (!probe || sqlite3_step(probe.get()) != SQLITE_ROW)
        return fail(QCoreApplication::translate("Database", "The wheel database %1 cannot be read: %2")
                        .arg(path, QString::fromUtf8(sqlite3_errmsg(db_))));
    // A readable file without the wheel tables is told now, once, not on every query.
    const SqliteStatement tables = prepareStatement(db_, "SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                                                         "name IN ('lottery','wheelsurvey','wheels')");
    const int found = tables && sqlite3_step(tables.get()) == SQLITE_ROW ? sqlite3_column_int(tables.get(), 0) : 0;
    if (found != 3)
        return fail(QStringLiteral("The file %1 is no wheel database: it lacks the tables lottery, wheelsurvey and "
                                   "wheels.")
                        .arg(path));
    return true;
}

void Database::close()
{
    // A statement still held (an open that failed halfway) finalizes after: close then.
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::vector<QStringList> Database::select(const char *sql, const QStringList &values) const
{
    // Without a database there is nothing to read; the open has told why, once.
    if (!db_)
        return {};
    const SqliteStatement stmt = prepareStatement(db_, sql);
    if (!stmt)
        throw QueryError(prepareFailure(sqlite3_errmsg(db_)), path_);
    sqlite3_stmt *raw = stmt.get();
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray v = values[i].toUtf8();
        sqlite3_bind_text(raw, i + 1, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    std::vector<QStringList> rows;
    const int columns = sqlite3_column_count(raw);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            // Read whole, so a NUL inside a text shows as damage instead of cutting it short.
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(raw, c));
            row << (text ? QString::fromUtf8(text, sqlite3_column_bytes(raw, c)) : QString());
        }
        rows.push_back(row);
    }
    // A read that stops on an error (a damaged page, say) is an error, not the end of the rows.
    if (rc != SQLITE_DONE)
        throw QueryError(
            QCoreApplication::translate("Database", "Error: the wheel database could not be read to the end: %1")
                .arg(QString::fromUtf8(sqlite3_errmsg(db_))),
            path_);
    return rows;
}

int leadingInt(const QString &text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}
