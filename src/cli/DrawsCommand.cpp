// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DrawsCommand.h"

#include "cli/WheelLookup.h"
#include "core/OwnWheels.h"
#include "core/ShippedFiles.h"
#include "core/TextSafety.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString command = QStringLiteral("draws");

enum : int { DrawsOk = 0, DrawsNotDone = 1, DrawsBadCommand = 2 };

int fail(QTextStream &err, int status, const QString &message, const QString &name = command)
{
    return reportFailure(err, name, CommandFailure{status, message});
}

// A date of the command line; a null date for an empty text, `ok` false for one that is no date.
QDate optionDate(const QString &text, bool &ok)
{
    ok = true;
    if (text.isEmpty())
        return {};
    const QDate date = parseDrawDate(text.trimmed());
    ok = date.isValid();
    return date;
}

QString padded(const QString &text, qsizetype width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

TicketFileRead readTickets(const PlayedLottery &lottery, const QString &path)
{
    TicketFileRead read = loadTickets(path, true);
    if (!read.ok())
        return read;
    if (!read.contents.country.isEmpty() &&
        (read.contents.country != lottery.country || read.contents.lottery != lottery.name)) {
        read.error = {0, QStringLiteral("it is a ticket file of %1, %2, not of the lottery given")
                             .arg(quotedForMessage(read.contents.country), quotedForMessage(read.contents.lottery))};
        return read;
    }
    read.contents.country = lottery.country;
    read.contents.lottery = lottery.name;
    read.error = ticketsFitLottery(read.contents, lottery);
    return read;
}

} // namespace

QString drawsCommandUsage()
{
    return QStringLiteral(
        "Usage: wheelwright draws import --country C --lottery L [--columns LAYOUT] [--skip-bad] FILE\n"
        "       wheelwright draws list --country C --lottery L [--from DATE] [--to DATE]\n"
        "       wheelwright draws check --country C --lottery L [--from DATE] [--to DATE] TICKETFILE\n"
        "Keeps a lottery's past draws in your library and checks tickets against all of them.\n"
        "\n"
        "  import    reads a results file (CSV or text, one draw a line: a date, the numbers drawn,\n"
        "            then any bonus or supplementary numbers) and adds its draws. Every line is\n"
        "            checked against the lottery; bad lines are listed with their numbers, and\n"
        "            nothing is added unless --skip-bad says to add the sound lines. A date\n"
        "            already stored is never replaced.\n"
        "  list      prints the stored draws, oldest first\n"
        "  check     checks the tickets of a file against every stored draw: one row a draw\n"
        "            (its best match and the tickets per prize tier, or per count of matches),\n"
        "            then the draws, tickets bought, cost and fixed prizes won\n"
        "\n"
        "  --columns LAYOUT  what each column holds, one letter a column: D date, M main number,\n"
        "                    B bonus number, S supplementary number, - not used; \"H:\" first when\n"
        "                    the first line names the columns (\"H:-,D,M,M,M,M,M,M,B\"). Without it\n"
        "                    the layout chosen in the window, else the one the file suggests\n"
        "  --from, --to      the first and last date, as 2026-12-05\n"
        "  --database PATH   use this wheel database\n"
        "  --library PATH    use this library instead of the window's\n"
        "\n"
        "Exit status: 0 when done, 1 when a file, the database or the library cannot be used or\n"
        "a results file holds bad lines, 2 when the command line is wrong.\n");
}

void printHistoryCheck(QTextStream &out, const HistoryCheck &check)
{
    qsizetype numbersWidth = 7;
    for (const DrawOutcome &row : check.draws)
        numbersWidth = std::max(numbersWidth, drawNumbersText(row.draw).size());
    out << padded(QStringLiteral("Date"), 12) << padded(QStringLiteral("Numbers"), numbersWidth + 2)
        << padded(QStringLiteral("Best"), 10) << QStringLiteral("Wins\n");
    for (const DrawOutcome &row : check.draws) {
        QString best = QString::number(row.bestMain);
        if (row.bestBonus > 0)
            best += QStringLiteral(" + ") + QString::number(row.bestBonus);
        out << padded(row.draw.date.toString(Qt::ISODate), 12) << padded(drawNumbersText(row.draw), numbersWidth + 2)
            << padded(best, 10) << outcomeWinsText(check, row) << '\n';
    }
    if (check.draws.isEmpty())
        out << QStringLiteral("(no draws)\n");
    out << '\n';
    for (const QString &line : historyTotalsText(check))
        out << line << '\n';
}

int checkTicketsAgainstResults(const PlayedLottery &lottery, const QString &resultsPath, const QDate &from,
                               const QDate &to, const QString &ticketPath, QTextStream &out, QTextStream &err,
                               const QString &name)
{
    const TicketFileRead tickets = readTickets(lottery, ticketPath);
    if (!tickets.ok())
        return fail(err, DrawsNotDone, tickets.error.describe(ticketPath), name);
    const ResultsRead read = readResultsFile(resultsPath, drawRulesFor(lottery.details.facts),
                                             rememberedLayout(lottery.country, lottery.name));
    if (!read.ok())
        return fail(err, DrawsNotDone, read.error, name);
    if (read.badCount > 0)
        err << QStringLiteral("wheelwright %1: %2 of %3 left out:\n%4\n")
                   .arg(name,
                        QString::number(read.badCount) +
                            (read.badCount == 1 ? QStringLiteral(" bad line") : QStringLiteral(" bad lines")),
                        withoutControls(resultsPath), badLinesText(read, 20));
    const HistoryCheck check = checkHistory(tickets.contents.tickets, drawsBetween(read.draws, from, to),
                                            lottery.details.facts, lottery.details.price, lottery.details.currency);
    out << withoutControls(lottery.country) << QStringLiteral(", ") << withoutControls(lottery.name)
        << QStringLiteral(": ") << tickets.contents.tickets.size() << QStringLiteral(" tickets against ")
        << withoutControls(resultsPath) << "\n\n";
    printHistoryCheck(out, check);
    return finishOutput(out, err, name, QStringLiteral("the result"));
}

int runCheckDrawsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString name = QStringLiteral("check");
    QCommandLineParser parser;
    const QCommandLineOption draws(QStringLiteral("draws"), QString(), QStringLiteral("results"));
    const QCommandLineOption country(QStringLiteral("country"), QString(), QStringLiteral("country"));
    const QCommandLineOption lotteryOption(QStringLiteral("lottery"), QString(), QStringLiteral("lottery"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("date"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("path"));
    parser.addOptions({draws, country, lotteryOption, from, to, database});
    if (!parser.parse(QStringList{name} + arguments))
        return fail(err, DrawsBadCommand, parser.errorText() + QStringLiteral(" (see wheelwright check --help)"), name);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(err, DrawsBadCommand, QStringLiteral("name one ticket file after the results file"), name);
    bool fromOk = true, toOk = true;
    const QDate first = optionDate(parser.value(from), fromOk), last = optionDate(parser.value(to), toOk);
    if (!fromOk || !toOk)
        return fail(err, DrawsBadCommand,
                    QStringLiteral("--%1: give a date as 2026-12-05")
                        .arg(fromOk ? QStringLiteral("to") : QStringLiteral("from")),
                    name);
    // The lottery the ticket file names comes first; the options serve files that name none.
    QString countryName = parser.value(country).trimmed();
    QString lotteryName = parser.value(lotteryOption).trimmed();
    if (const TicketFileRead named = loadTickets(files.first(), true);
        named.ok() && !named.contents.country.isEmpty()) {
        countryName = named.contents.country;
        lotteryName = named.contents.lottery;
    }
    if (countryName.isEmpty() || lotteryName.isEmpty())
        return fail(err, DrawsBadCommand, QStringLiteral("the file names no lottery: give --country and --lottery"),
                    name);
    WheelSource source;
    if (const auto failure = source.open(parser.value(database), QString()))
        return reportFailure(err, name, *failure);
    CommandFailure failure;
    std::optional<PlayedLottery> lottery;
    try {
        lottery = source.lottery(countryName, lotteryName, failure);
    } catch (const QueryError &error) {
        return reportFailure(err, name, queryFailure(error));
    }
    if (!lottery)
        return reportFailure(err, name, failure);
    return checkTicketsAgainstResults(*lottery, parser.value(draws), first, last, files.first(), out, err, name);
}

int runDrawsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption country(QStringLiteral("country"), QString(), QStringLiteral("country"));
    const QCommandLineOption lotteryOption(QStringLiteral("lottery"), QString(), QStringLiteral("lottery"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("date"));
    const QCommandLineOption columns(QStringLiteral("columns"), QString(), QStringLiteral("layout"));
    const QCommandLineOption skipBad(QStringLiteral("skip-bad"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("path"));
    const QCommandLineOption library(QStringLiteral("library"), QString(), QStringLiteral("path"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({country, lotteryOption, from, to, columns, skipBad, database, library, help});
    if (!parser.parse(QStringList{command} + arguments))
        return fail(err, DrawsBadCommand, parser.errorText() + QStringLiteral(" (see wheelwright draws --help)"));
    if (parser.isSet(help)) {
        out << drawsCommandUsage();
        return finishOutput(out, err, command, QStringLiteral("the help"));
    }
    QStringList rest = parser.positionalArguments();
    const QString action = rest.isEmpty() ? QString() : rest.takeFirst();
    const QStringList actions{QStringLiteral("import"), QStringLiteral("list"), QStringLiteral("check")};
    if (!actions.contains(action))
        return fail(err, DrawsBadCommand, QStringLiteral("say import, list or check (see wheelwright draws --help)"));
    const bool list = action == QLatin1String("list");
    if (list ? !rest.isEmpty() : rest.size() != 1)
        return fail(err, DrawsBadCommand,
                    list ? QStringLiteral("draws list takes no file")
                         : QStringLiteral("name one file to %1 (see wheelwright draws --help)").arg(action));
    for (const QCommandLineOption *needed : {&country, &lotteryOption})
        if (parser.value(*needed).trimmed().isEmpty())
            return fail(err, DrawsBadCommand, QStringLiteral("give --") + needed->names().first());
    bool fromOk = true, toOk = true;
    const QDate first = optionDate(parser.value(from), fromOk), last = optionDate(parser.value(to), toOk);
    if (!fromOk || !toOk)
        return fail(err, DrawsBadCommand,
                    QStringLiteral("--%1: give a date as 2026-12-05")
                        .arg(fromOk ? QStringLiteral("to") : QStringLiteral("from")));
    std::optional<ResultsLayout> layout;
    if (parser.isSet(columns)) {
        layout = ResultsLayout::fromText(parser.value(columns).trimmed());
        if (!layout->isValid())
            return fail(err, DrawsBadCommand,
                        QStringLiteral("--columns: one letter a column, D M B S or -, with one D and at least one M"));
    }

    WheelSource source;
    if (const auto failure = source.open(parser.value(database), QString()))
        return reportFailure(err, command, *failure);
    CommandFailure failure;
    std::optional<PlayedLottery> lottery;
    try {
        lottery = source.lottery(parser.value(country), parser.value(lotteryOption), failure);
    } catch (const QueryError &error) {
        return reportFailure(err, command, queryFailure(error));
    }
    if (!lottery)
        return reportFailure(err, command, failure);

    const QString libraryPath = parser.value(library).isEmpty() ? ownWheelsFile() : parser.value(library);
    OwnWheels own;
    if (action != QLatin1String("import") && !QFileInfo(libraryPath).isFile())
        return fail(err, DrawsNotDone, QStringLiteral("no draws are stored: import a results file first"));
    QString problem;
    if (!own.open(libraryPath, &problem))
        return fail(err, DrawsNotDone, problem);
    if (const QString notice = own.takeNotice(); !notice.isEmpty())
        err << withoutControls(notice) << '\n';

    if (action == QLatin1String("import")) {
        const QString &path = rest.first();
        const ResultsRead read = readResultsFile(path, drawRulesFor(lottery->details.facts),
                                                 layout ? layout : rememberedLayout(lottery->country, lottery->name));
        if (read.badCount > 0)
            out << QStringLiteral("%1 of %2:\n%3\n")
                       .arg(QString::number(read.badCount) +
                                (read.badCount == 1 ? QStringLiteral(" bad line") : QStringLiteral(" bad lines")),
                            withoutControls(path), withoutControls(badLinesText(read, 50)));
        if (!read.ok())
            return fail(err, DrawsNotDone, read.error);
        if (read.badCount > 0 && !parser.isSet(skipBad)) {
            out << QStringLiteral("Nothing was imported: give --skip-bad to import the %1 sound lines.\n")
                       .arg(read.draws.size());
            finishOutput(out, err, command);
            return DrawsNotDone;
        }
        const DrawsStored stored = own.addDraws(lottery->country, lottery->name, read.draws);
        if (!stored.ok())
            return fail(err, DrawsNotDone, stored.problem);
        out << drawsStoredText(stored) << ".\n";
        return finishOutput(out, err, command, QStringLiteral("the result"));
    }

    int unreadable = 0;
    const QList<StoredDraw> draws = own.draws(lottery->country, lottery->name, first, last, &problem, &unreadable);
    if (!problem.isEmpty())
        return fail(err, DrawsNotDone, problem);
    if (unreadable > 0)
        err << QStringLiteral("wheelwright draws: %1 stored rows do not read as draws and were left out\n")
                   .arg(unreadable);
    if (list) {
        for (const StoredDraw &d : draws)
            out << d.date.toString(Qt::ISODate) << "  " << drawNumbersText(d) << '\n';
        out << (draws.size() == 1 ? QStringLiteral("1 draw\n") : QStringLiteral("%1 draws\n").arg(draws.size()));
        return finishOutput(out, err, command, QStringLiteral("the draws"));
    }
    const QString &ticketPath = rest.first();
    const TicketFileRead tickets = readTickets(*lottery, ticketPath);
    if (!tickets.ok())
        return fail(err, DrawsNotDone, tickets.error.describe(ticketPath));
    const HistoryCheck check = checkHistory(tickets.contents.tickets, draws, lottery->details.facts,
                                            lottery->details.price, lottery->details.currency);
    printHistoryCheck(out, check);
    return finishOutput(out, err, command, QStringLiteral("the result"));
}
