// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A query that could not be prepared. Every entry point of the controller catches it and
// shows its message; it never reaches the event loop.
class QueryError : public std::runtime_error {
public:
    explicit QueryError(const QString &message, const QString &file = QString());
    QString message() const { return message_; }
    // The database file the query ran on, for messages that must name it (the command line's).
    QString file() const { return file_; }

private:
    QString message_;
    QString file_;
};

// The read-only connection to the wheel database.
class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing file read-only; never creates one. False when it cannot be opened
    // or does not look like a wheel database; `problem` then says why.
    bool open(const QString &path, QString *problem = nullptr);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs a SELECT with the values bound in order; every column comes back as text.
    // Throws QueryError when the statement cannot be prepared or the rows cannot be read to
    // the end. Without an open database there are no rows.
    std::vector<QStringList> select(const char *sql, const QStringList &values) const;

private:
    sqlite3 *db_ = nullptr;
    QString path_;
};

// The leading integer of a text: blanks skipped, optional sign, digits; 0 when none.
int leadingInt(const QString &text);
