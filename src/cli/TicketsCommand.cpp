// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TicketsCommand.h"

#include "cli/WheelLookup.h"
#include "core/DrawCheck.h"
#include "core/Play.h"
#include "core/TextSafety.h"
#include "core/TicketFile.h"

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
        "                           --wheel \"3 if 4\" [--key] [--own] [--format \"05-17-03-41\"]\n"
        "                           [--output FILE]\n"
        "Prints the tickets of a wheel over your numbers, one a line, as a saved ticket file holds\n"
        "them (without its header lines), in UTF-8 with LF line ends; with --output, writes the\n"
        "ticket file itself, the same bytes as Save in the window. Says on standard error which\n"
        "wheel it used.\n"
        "\n"
        "  --country, --lottery  the lottery, as the program lists it (\"Canada\", \"Lotto 6/49\")\n"
        "  --numbers LIST        your numbers, separated by commas, blanks or dashes; the first is\n"
        "                        the key number of a key wheel\n"
        "  --bonus LIST          bonus numbers, for a lottery with a separate bonus pool: each ticket\n"
        "                        carries as many as the lottery's players pick, after \" + \", dealt\n"
        "                        round the tickets in turn when more are given\n"
        "  --wheel \"x if y\"      the wheel's guarantee; --key for a key wheel. Of the shipped wheel\n"
        "                        and one of your own library (made in the window or with make) the\n"
        "                        one with fewer tickets is played, the shipped one on a tie\n"
        "  --own                 play the wheel of your own library\n"
        "  --format EXAMPLE      how a ticket is written, shown by example: one of \"5 17 3 41\",\n"
        "                        \"5-17-3-41\", \"5,17,3,41\", \"5, 17, 3, 41\", \"05 17 03 41\",\n"
        "                        \"05-17-03-41\", \"05,17,03,41\", \"05, 17, 03, 41\" (default \"5 17 3 41\")\n"
        "  --output FILE         write the ticket file (UTF-16, as the window saves it) to FILE\n"
        "  --database PATH       use this wheel database\n"
        "  --library PATH        use this library of your own wheels instead of the window's\n"
        "\n"
        "Exit status: 0 when the tickets were printed, 1 when the database holds no such\n"
        "lottery or wheel or the tickets could not be written, 2 when the command line is wrong.\n");
}

int runTicketsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const WheelOptions options;
    const QCommandLineOption bonusOption(QStringLiteral("bonus"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("example"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("file"));
    options.addTo(parser);
    parser.addOptions({bonusOption, formatOption, outputOption});
    if (const auto failure = options.parse(parser, command, arguments))
        return reportFailure(err, command, *failure);
    if (parser.isSet(options.help)) {
        out << ticketsCommandUsage();
        return finishOutput(out, err, command, QStringLiteral("the help"));
    }
    const int format = parser.isSet(formatOption) ? ticketFormatOfExample(parser.value(formatOption)) : 0;
    if (format < 0)
        return reportFailure(
            err, command,
            bad(QStringLiteral("--format \"%1\" is none of %2").arg(parser.value(formatOption), examplesText())));
    if (parser.isSet(outputOption) && parser.value(outputOption).isEmpty())
        return reportFailure(err, command, bad(QStringLiteral("--output needs the name of a file")));

    WheelSource source;
    if (const auto failure = source.open(parser.value(options.database), parser.value(options.library)))
        return reportFailure(err, command, *failure);
    CommandFailure failure;
    PlayRequest request;
    request.format = format;
    try {
        const auto lottery = source.lottery(parser.value(options.country), parser.value(options.lottery), failure);
        if (!lottery)
            return reportFailure(err, command, failure);
        request.lottery = *lottery;
        const LotteryFacts &facts = lottery->details.facts;
        if (!readNumbers(QStringLiteral("--numbers"), parser.value(options.numbers), facts.pool,
                         QStringLiteral("numbers"), request.numbers, failure))
            return reportFailure(err, command, failure);
        if (parser.isSet(bonusOption)) {
            if (facts.bonusPool <= 0 || facts.bonusDrawn <= 0)
                return reportFailure(
                    err, command,
                    bad(QStringLiteral("--bonus: %1 has no separate bonus pool").arg(withoutControls(lottery->name))));
            if (!readNumbers(QStringLiteral("--bonus"), parser.value(bonusOption), facts.bonusPool,
                             QStringLiteral("bonus numbers"), request.bonus, failure))
                return reportFailure(err, command, failure);
            if (request.bonus.size() < facts.bonusDrawn)
                return reportFailure(err, command,
                                     bad(QStringLiteral("--bonus: each ticket of %1 carries %2 bonus numbers; give at "
                                                        "least %2")
                                             .arg(withoutControls(lottery->name))
                                             .arg(facts.bonusDrawn)));
        }
        const auto wheel = source.wheel(*lottery, parser.value(options.wheel),
                                        parser.isSet(options.key) ? WheelType::Key : WheelType::TypeA,
                                        static_cast<int>(request.numbers.size()), parser.isSet(options.own), failure);
        if (!wheel)
            return reportFailure(err, command, failure);
        request.wheel = *wheel;
    } catch (const QueryError &e) {
        return reportFailure(err, command, queryFailure(e));
    }

    PlayOutcome made;
    try {
        made = play(request, source.shelf());
    } catch (const QueryError &e) {
        return reportFailure(err, command, queryFailure(e));
    }
    if (const QString notice = source.shelf().takeNotice(); !notice.isEmpty())
        reportFailure(err, command, {0, notice.trimmed()});
    if (!made.ok())
        return reportFailure(
            err, command,
            {WheelCommandNotFound, QStringLiteral("the stored wheel \"%1\" for %2 numbers is damaged: %3")
                                       .arg(request.wheel.printableLabel())
                                       .arg(request.wheel.numbers)
                                       .arg(made.problem)});
    if (parser.isSet(outputOption)) {
        const QString problem = writeWholeFile(parser.value(outputOption), made.sheet.fileBytes());
        if (!problem.isEmpty())
            return reportFailure(err, command, {WheelCommandNotFound, problem});
    } else {
        for (const QString &line : made.sheet.lines())
            out << line << '\n';
        if (const int status = finishOutput(out, err, command, QStringLiteral("the tickets")))
            return status;
    }
    const qsizetype count = made.sheet.tickets.size();
    err << QStringLiteral("wheelwright tickets: ")
        << (count == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(count))
        << QStringLiteral(" from ") << describeForCommand(request.wheel) << Qt::endl;
    return WheelCommandOk;
}
