// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One ticket as played: the main numbers in the order they were written, then the numbers
// from the lottery's separate bonus pool (none for most lotteries).
struct TicketNumbers {
    QList<int> main;
    QList<int> bonus;
    int line = 0; // where the ticket stands in its file (1-based); 0 when it came from elsewhere

    bool operator==(const TicketNumbers &o) const { return main == o.main && bonus == o.bonus; }
};

// What is wrong with a ticket file or ticket line, in words a player understands.
// line is 1-based; 0 means the file as a whole (it could not be opened, it is too large).
struct TicketFileError {
    int line = 0;
    QString message;

    bool isEmpty() const { return message.isEmpty(); }
    // "tickets.txt:7: "5a" is not a number", or "tickets.txt: <message>" when no line is named.
    QString describe(const QString &fileName) const;
};

// A ticket file read back: the header lines and every ticket.
struct TicketFileContents {
    QString country;
    QString lottery;
    int key = 0;                  // the key number the tickets were made with; 0 when none
    int format = 0;               // the ticket format the file was written in (0..7), so it can be shown the same way
    QList<TicketNumbers> tickets; // never empty in a file that was read without error
};

struct TicketFileRead {
    TicketFileContents contents; // meaningful only when error is empty
    TicketFileError error;

    bool ok() const { return error.isEmpty(); }
};

// Files larger than this are refused before anything is decoded: a ticket file of the
// longest wheel is a few hundred kilobytes.
inline constexpr qint64 maxTicketFileBytes = qint64{16} * 1024 * 1024;

// Reads the bytes of a ticket file: UTF-16 with a byte-order mark in either byte order,
// CR LF or LF line ends, the lines "Country:", "Lottery:", "Key:", an empty line, then one
// ticket per line in any of the eight ticket formats, each with or without " + " and its
// bonus numbers. Every ticket must have as many main and bonus numbers as the first one.
TicketFileRead readTicketFile(const QByteArray &bytes);

// Reads a ticket file from disk; an unreadable or oversized file, or one that is not a regular
// file (a named pipe, a device), is an error on line 0.
TicketFileRead loadTicketFile(const QString &path);

// Reads tickets in any form the program writes: a ticket file (UTF-16 with its header), the
// plain lines `wheelwright tickets` prints (UTF-8, one ticket a line) or the spreadsheet
// export (a header row "N1,...,B1", one ticket a row). Only the ticket file names its lottery.
TicketFileRead readTicketList(const QByteArray &bytes);
// The same from disk; with `anyList` false only a ticket file is taken.
TicketFileRead loadTickets(const QString &path, bool anyList);

struct ParsedTicketLine {
    TicketNumbers ticket;
    QString error; // empty when the line is a ticket
};

// One ticket line in any of the eight formats: "5 17 3", "05-17-03", "5,17,3", "05, 17, 03",
// optionally followed by " + " and bonus numbers in the same format. No number may be
// repeated among the main numbers, nor among the bonus numbers (the two pools are apart).
ParsedTicketLine parseTicketLine(const QString &line);

// The ticket in format 0..7 (4 x row + column): separators " ", "-", ",", ", "; the second
// row pads one-digit numbers with a 0. Bonus numbers follow " + " in the same format.
QString formatTicket(const TicketNumbers &ticket, int format);

// Checks every number of the file against the lottery it names: main numbers 1..pool, bonus
// numbers 1..bonusPool (bonusPool 0: the lottery has no bonus pool, so a ticket carrying
// bonus numbers is refused) and the key number. Returns the first fault, naming its line.
TicketFileError checkTicketRanges(const TicketFileContents &contents, int pool, int bonusPool);
