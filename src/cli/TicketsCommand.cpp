// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TicketsCommand.h"

#include "cli/WheelLookup.h"
#include "core/BonusSpread.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/DrawCheck.h"
#include "core/Expansion.h"

#include <QSet>

namespace {

const QString command = QStringLiteral("tickets");

// The format choices in the order the ticket page shows them: 4 x row + column.
const char *const formatExamples[8] = {"5 17 3 41",   "5-17-3-41",   "5,17,3,41",   "5, 17, 3, 41",
                                       "05 17 03 41", "05-17-03-41", "05,17,03,41", "05, 17, 03, 41"};

CommandFailure bad(const QString &message)
{
    return CommandFailure{WheelCommandBadCommand, message};
}

// Numbers typed as "3,17,40", "3 17 40" or "3-17-40": each 1..pool and none twice.
bool readNumbers(const QString &option, const QString &text, int pool, const QString &poolName, QList<int> &numbers,
                 CommandFailure &failure)
{
    const DrawnNumbers typed = parseDrawnNumbers(text);
    if (!typed.error.isEmpty()) {
        failure = bad(option + QStringLiteral(": ") + typed.error);
        return false;
    }
    if (typed.numbers.isEmpty()) {
        failure = bad(option + QStringLiteral(": no numbers were given"));
        return false;
    }
    QSet<int> seen;
    for (const int n : typed.numbers) {
        if (n < 1 || n > pool) {
            failure =
                bad(QStringLiteral("%1: %2 is outside the %3 1 to %4").arg(option).arg(n).arg(poolName).arg(pool));
            return false;
        }
        if (seen.contains(n)) {
            failure = bad(QStringLiteral("%1: %2 is given twice").arg(option).arg(n));
            return false;
        }
        seen.insert(n);
    }
    numbers = typed.numbers;
    return true;
}

QString examplesText()
{
    QStringList quoted;
    for (const char *example : formatExamples)
        quoted << QLatin1Char('"') + QLatin1String(example) + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

} // namespace

int ticketFormatOfExample(const QString &example)
{
    for (int format = 0; format < 8; ++format)
        if (example == QLatin1String(formatExamples[format]))
            return format;
    return -1;
}

QString ticketsCommandUsage()
{
    return QStringLiteral(
        "Usage: wheelwright tickets --country C --lottery L --numbers 3,17,40,... [--bonus 7[,9]]\n"
        "                           --wheel \"3 if 4\" [--key] [--format \"05-17-03-41\"]\n"
        "Prints the tickets of a stored wheel over your numbers, one a line, as a saved ticket\n"
        "file holds them (without its header lines), in UTF-8 with LF line ends.\n"
        "\n"
        "  --country, --lottery  the lottery, as the program lists it (\"Canada\", \"Lotto 6/49\")\n"
        "  --numbers LIST        your numbers, separated by commas, blanks or dashes; the first is\n"
        "                        the key number of a key wheel\n"
        "  --bonus LIST          bonus numbers, for a lottery with a separate bonus pool: each ticket\n"
        "                        carries as many as the lottery's players pick, after \" + \", dealt\n"
        "                        round the tickets in turn when more are given\n"
        "  --wheel \"x if y\"      the wheel's guarantee; --key for a key wheel\n"
        "  --format EXAMPLE      how a ticket is written, shown by example: one of \"5 17 3 41\",\n"
        "                        \"5-17-3-41\", \"5,17,3,41\", \"5, 17, 3, 41\", \"05 17 03 41\",\n"
        "                        \"05-17-03-41\", \"05,17,03,41\", \"05, 17, 03, 41\" (default \"5 17 3 41\")\n"
        "  --database PATH       use this wheel database\n"
        "\n"
        "Exit status: 0 when the tickets were printed, 1 when the database holds no such\n"
        "lottery or wheel, 2 when the command line is wrong.\n");
}

int runTicketsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const WheelOptions options;
    const QCommandLineOption bonusOption(QStringLiteral("bonus"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("example"));
    options.addTo(parser);
    parser.addOptions({bonusOption, formatOption});
    if (const auto failure = options.parse(parser, command, arguments))
        return reportFailure(err, command, *failure);
    if (parser.isSet(options.help)) {
        out << ticketsCommandUsage();
        out.flush();
        return WheelCommandOk;
    }
    const int format = parser.isSet(formatOption) ? ticketFormatOfExample(parser.value(formatOption)) : 0;
    if (format < 0)
        return reportFailure(
            err, command,
            bad(QStringLiteral("--format \"%1\" is none of %2").arg(parser.value(formatOption), examplesText())));

    Database database;
    if (const auto failure = openDatabase(database, parser.value(options.database)))
        return reportFailure(err, command, *failure);
    StoredWheel wheel = options.requested(parser);
    CommandFailure failure;
    QList<int> numbers;
    QList<int> bonus;
    try {
        const Catalogue catalogue(database);
        const auto details = lookUpLottery(catalogue, wheel.country, wheel.lottery, failure);
        if (!details)
            return reportFailure(err, command, failure);
        wheel.details = *details;
        const LotteryFacts &facts = wheel.details.facts;
        if (!readNumbers(QStringLiteral("--numbers"), parser.value(options.numbers), facts.pool,
                         QStringLiteral("numbers"), numbers, failure))
            return reportFailure(err, command, failure);
        if (parser.isSet(bonusOption)) {
            if (facts.bonusPool <= 0 || facts.bonusDrawn <= 0)
                return reportFailure(err, command,
                                     bad(QStringLiteral("--bonus: %1 has no separate bonus pool").arg(wheel.lottery)));
            if (!readNumbers(QStringLiteral("--bonus"), parser.value(bonusOption), facts.bonusPool,
                             QStringLiteral("bonus numbers"), bonus, failure))
                return reportFailure(err, command, failure);
            if (bonus.size() < facts.bonusDrawn)
                return reportFailure(err, command,
                                     bad(QStringLiteral("--bonus: each ticket of %1 carries %2 bonus numbers; give at "
                                                        "least %2")
                                             .arg(wheel.lottery)
                                             .arg(facts.bonusDrawn)));
        }
        wheel.numbers = static_cast<int>(numbers.size());
        if (!lookUpWheel(catalogue, wheel, failure))
            return reportFailure(err, command, failure);
    } catch (const QueryError &e) {
        return reportFailure(err, command, {WheelCommandNotFound, e.message()});
    }

    // The selection string puts the numbers in the order given: the first stands on the key's place.
    QStringList chosen;
    for (const int n : numbers)
        chosen << QString::number(n);
    const Expansion expansion = expandTickets(chosen.join(QLatin1Char('|')), wheel.lines, format, wheel.details.pick);
    if (!expansion.sound())
        return reportFailure(
            err, command,
            {WheelCommandNotFound, QStringLiteral("the stored wheel \"%1\" for %2 numbers is damaged: its line \"%3\" "
                                                  "%4")
                                       .arg(wheel.guarantee)
                                       .arg(wheel.numbers)
                                       .arg(expansion.badLine, expansion.fault)});
    for (const QString &line : withBonusNumbers(expansion.tickets, bonus, wheel.details.facts.bonusDrawn, format))
        out << line << '\n';
    out.flush();
    return WheelCommandOk;
}
