// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/OwnWheels.h"
#include "core/Play.h"
#include "core/PlayerLotteries.h"
#include "core/WheelShelf.h"

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

// The options odds and tickets share: which lottery, which wheel, which database and library.
struct WheelOptions {
    QCommandLineOption country{QStringLiteral("country"), QString(), QStringLiteral("country")};
    QCommandLineOption lottery{QStringLiteral("lottery"), QString(), QStringLiteral("lottery")};
    QCommandLineOption numbers{QStringLiteral("numbers"), QString(), QStringLiteral("numbers")};
    QCommandLineOption wheel{QStringLiteral("wheel"), QString(), QStringLiteral("guarantee")};
    QCommandLineOption key{QStringLiteral("key")};
    QCommandLineOption own{QStringLiteral("own")};
    QCommandLineOption database{QStringLiteral("database"), QString(), QStringLiteral("path")};
    QCommandLineOption library{QStringLiteral("library"), QString(), QStringLiteral("path")};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};

    void addTo(QCommandLineParser &parser) const;
    // Parses `arguments` (those after the subcommand's name). Nothing when they can be used;
    // else why not. --help needs nothing else.
    std::optional<CommandFailure> parse(QCommandLineParser &parser, const QString &command,
                                        const QStringList &arguments) const;
};

// What a subcommand reads: the wheel database and the player's own library, as the window
// keeps them, and the wheels of both.
class WheelSource {
public:
    // Opens the database at `databasePath` (empty: the one shipped with the program) and the own
    // library at `libraryPath` (empty: the window's; a library that does not exist is not made),
    // and reads the player's lotteries as the window keeps them (a damaged file is left alone).
    std::optional<CommandFailure> open(const QString &databasePath, const QString &libraryPath);

    const Catalogue &catalogue() const { return catalogue_; }
    const WheelShelf &shelf() const { return shelf_; }

    // The lottery named on the command line, or why it is not known (an unknown country and a
    // lottery that country does not have are told apart, with the names that would do) or
    // cannot be played. Throws QueryError.
    std::optional<PlayedLottery> lottery(const QString &country, const QString &name, CommandFailure &failure) const;
    // The wheel "x if y" of this type for `numbers` numbers of the lottery: the one with fewer
    // tickets, the shipped one on a tie, or with `ownOnly` the player's. Why there is none names
    // the wheels stored for that many numbers. Throws QueryError.
    std::optional<WheelOffer> wheel(const PlayedLottery &lottery, const QString &guarantee, WheelType type, int numbers,
                                    bool ownOnly, CommandFailure &failure) const;

private:
    Database database_;
    PlayerLotteries player_;
    QString playerNotice_; // why the player's lotteries could not be read, if they could not
    Catalogue catalogue_{database_, &player_};
    OwnWheels own_;
    WheelShelf shelf_{catalogue_, &own_};
};

// A query that failed, naming the database file it ran on.
CommandFailure queryFailure(const QueryError &error);

// "the shipped wheel "3 if 4" for 10 numbers (7 tickets)", "your own key wheel ...".
QString describeForCommand(const WheelOffer &wheel);

// Writes "wheelwright <command>: <message>" as one line to err and returns its status. The
// message is cut to one line of printable characters, whatever a stored name holds.
int reportFailure(QTextStream &err, const QString &command, const CommandFailure &failure);

// Flushes `out` and tells a failed write (a full disk, a closed pipe) as one line naming `what`
// ("the wheel", "the help"): a result lost on the way is never reported as made. Returns the
// exit status: 0, or 1 when the write failed. An empty `command` names the program alone.
int finishOutput(QTextStream &out, QTextStream &err, const QString &command,
                 const QString &what = QStringLiteral("the output"));
