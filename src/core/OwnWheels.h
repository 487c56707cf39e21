// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/StoredDraw.h"
#include "wheelsearch/wheel.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct sqlite3;

// A wheel of the player's own library, as the wheel list shows it.
struct OwnWheelEntry {
    QString guarantee; // "x if y"
    int tickets = 0;
};

// The player's own wheels: a SQLite file of its own (never the shipped database) with the
// shipped database's tables and line format, so a stored wheel reads like a shipped one.
// Only proven wheels go in, and every wheel read back is proven again: a file that is not a
// wheel library, or is damaged inside, is set aside (renamed to "<file>.damaged-<date>") and a
// fresh one started; a stored wheel that fails its proof is removed after a copy of the file is
// set aside. A file another Wheelwright holds is only busy, never damaged: it is waited for and
// then left as it is. Every write is one transaction, so a crash leaves the file as it was or
// complete.
class OwnWheels {
public:
    OwnWheels() = default;
    ~OwnWheels();
    OwnWheels(const OwnWheels &) = delete;
    OwnWheels &operator=(const OwnWheels &) = delete;

    enum class Stored {
        Added,      // there was no wheel for this request
        Replaced,   // the stored wheel had more tickets
        KeptStored, // the stored wheel has as few tickets or fewer; nothing changed
        Refused,    // the wheel does not keep its guarantee, or the file cannot be written
    };

    // Opens the library, creating it (and its folder) when missing. False, with `problem` in a
    // sentence naming the file, when no library can be had at `path`: another Wheelwright holds
    // it, it cannot be read or made, or it is damaged and cannot be set aside. A damaged file
    // that can be set aside is, and a fresh one made, which takeNotice() then reports.
    bool open(const QString &path, QString *problem = nullptr);
    // How long to wait for another Wheelwright to let go of the file before giving up on it.
    void setBusyWait(int milliseconds) { busyWait_ = milliseconds; }
    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }

    // What was set aside since the last call, for the player; empty when nothing was.
    QString takeNotice();

    // Stores a wheel after proving it; replaces the stored one only with fewer tickets.
    Stored store(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines, QString *problem = nullptr);
    // The stored wheel for this request, proven again; nothing when none is stored (or the
    // stored one failed its proof, which is then set aside and reported by takeNotice()).
    std::optional<std::vector<wheel::Line>> find(const wheel::WheelSpec &spec);
    // The stored wheels for a pick, type and count of numbers, fewest tickets first.
    QList<OwnWheelEntry> list(int pick, char type, int numbers);

    // Adds a lottery's draws in one transaction: a date already stored keeps what is stored,
    // and is counted as the same draw or as one holding other numbers. Nothing is added when
    // the file cannot be written.
    DrawsStored addDraws(const QString &country, const QString &lottery, const QList<StoredDraw> &draws);
    // The lottery's stored draws within [from, to] (a null date leaves that end open), oldest
    // first. A row that does not read as a draw is left out and counted in `unreadable`.
    QList<StoredDraw> draws(const QString &country, const QString &lottery, const QDate &from = {},
                            const QDate &to = {}, QString *problem = nullptr, int *unreadable = nullptr);

private:
    // What a look at the file found.
    enum class Health {
        Sound,
        Busy,     // another program holds it; nothing is known about its pages
        Damaged,  // not a wheel library, or damaged inside: it may be set aside
        Unusable, // cannot be read or written here (rights, disk, memory); it is left alone
    };

    static Health healthOf(int code);
    bool openFile(QString *problem);
    void close();
    Health examine(QString *why);
    QString inUse() const;
    QString asideName() const;
    bool setAside(const QString &why, QString *problem);
    void forget(const wheel::WheelSpec &spec);

    sqlite3 *db_ = nullptr;
    QString path_;
    QString notice_;
    int busyWait_ = 3000;
};
