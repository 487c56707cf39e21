// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalogue.h"
#include "core/Database.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// Exit statuses of the odds and tickets commands.
enum WheelCommandStatus : int {
    WheelCommandOk = 0,
    WheelCommandNotFound = 1,   // the database is missing, or holds no such lottery or wheel
    WheelCommandBadCommand = 2, // the command line is wrong: options, numbers, format
};

// A failed step of a command: its exit status and the one line that says why.
struct CommandFailure {
    int status = WheelCommandBadCommand;
    QString message;
};

// The options odds and tickets share: which lottery, which wheel, which database.
struct WheelOptions {
    QCommandLineOption country{QStringLiteral("country"), QString(), QStringLiteral("country")};
    QCommandLineOption lottery{QStringLiteral("lottery"), QString(), QStringLiteral("lottery")};
    QCommandLineOption numbers{QStringLiteral("numbers"), QString(), QStringLiteral("numbers")};
    QCommandLineOption wheel{QStringLiteral("wheel"), QString(), QStringLiteral("guarantee")};
    QCommandLineOption key{QStringLiteral("key")};
    QCommandLineOption database{QStringLiteral("database"), QString(), QStringLiteral("path")};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};

    void addTo(QCommandLineParser &parser) const;
    // Parses `arguments` (those after the subcommand's name). Nothing when they can be used;
    // else why not. --help needs nothing else.
    std::optional<CommandFailure> parse(QCommandLineParser &parser, const QString &command,
                                        const QStringList &arguments) const;
    // The wheel the parsed options ask for: lottery, guarantee and type (not yet looked up).
    struct StoredWheel requested(const QCommandLineParser &parser) const;
};

// The stored wheel a command works on, with the lottery it is played in.
struct StoredWheel {
    QString country;
    QString lottery;
    LotteryDetails details;
    QString guarantee; // as stored: "3 if 4"
    WheelType type = WheelType::TypeA;
    int numbers = 0;
    QStringList lines; // never empty
};

// Opens the database at `path` (empty: the one shipped with the program).
std::optional<CommandFailure> openDatabase(Database &database, const QString &path);

// The lottery named on the command line, or why it is not known (an unknown country and a
// lottery that country does not have are told apart, with the names that would do).
std::optional<LotteryDetails> lookUpLottery(const Catalogue &catalogue, const QString &country, const QString &lottery,
                                            CommandFailure &failure);

// The wheel "x if y" of this type for `numbers` numbers of the lottery's pick, or why there is
// none (naming the wheels stored for that many numbers). Blanks in the guarantee are forgiven.
bool lookUpWheel(const Catalogue &catalogue, StoredWheel &wheel, CommandFailure &failure);

// Writes "wheelwright <command>: <message>" as one line to err and returns its status.
int reportFailure(QTextStream &err, const QString &command, const CommandFailure &failure);
