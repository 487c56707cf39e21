// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CheckCommand.h"

#include "cli/WheelLookup.h"
#include "core/Play.h"
#include "core/TextSafety.h"
#include "core/TicketFileReader.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <numeric>

namespace {

// Without the lottery's prize table this many matches is what a player would want to see.
constexpr int matchesShownWithoutPrize = 2;

QString numbersText(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

int fail(QTextStream &err, int status, const QString &message)
{
    err << QStringLiteral("wheelwright check: ") << withoutControls(message) << Qt::endl;
    return status;
}

// The tickets of FILE, or of standard input for "-".
TicketFileRead readInput(const QString &path)
{
    if (path != QLatin1String("-"))
        return loadTickets(path, true);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {{}, {0, QStringLiteral("standard input cannot be read")}};
    const QByteArray bytes = in.read(maxTicketFileBytes + 1);
    return readTicketList(bytes);
}

// Each ticket that wins a tier or may win one, best tier first, then the count per tier and the
// fixed prizes won.
void printTiers(QTextStream &out, const DrawCheck &check)
{
    if (check.tiers.isEmpty()) {
        out << QStringLiteral("The prize tiers of this lottery are not known here.\n");
        return;
    }
    const auto rank = [&](qsizetype i) {
        const int tier = check.tickets[i].possibleTier;
        return tier < 0 ? int(check.tiers.size()) : tier;
    };
    QList<qsizetype> order;
    for (qsizetype i = 0; i < check.tickets.size(); ++i)
        if (check.tickets[i].possibleTier >= 0)
            order << i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return rank(a) < rank(b); });
    out << QStringLiteral("Prize tiers:\n");
    for (const qsizetype i : order)
        out << QStringLiteral("  Ticket ") << (i + 1) << QStringLiteral(": ") << ticketTierText(check, check.tickets[i])
            << '\n';
    if (order.isEmpty())
        out << QStringLiteral("  none\n");
    out << QStringLiteral("Tiers: ") << tierSummary(check) << '\n' << fixedTotalText(check) << '\n';
}

} // namespace

QString checkCommandUsage()
{
    return QStringLiteral("Usage: wheelwright check --draw \"5 17 3 41 9 12\" [--bonus 7] [--supplementary 8]\n"
                          "                         [--digit 4] [--country C --lottery L] FILE | -\n"
                          "       wheelwright check --draws RESULTS [--from DATE] [--to DATE]\n"
                          "                         [--country C --lottery L] FILE\n"
                          "Checks tickets against a draw: a saved ticket file, the lines that wheelwright tickets\n"
                          "prints (from FILE, or from standard input for -) or the CSV export.\n"
                          "\n"
                          "  --draw NUMBERS   the main numbers drawn, separated by spaces, commas or dashes\n"
                          "  --bonus NUMBERS  the bonus numbers drawn: from the separate bonus pool when the\n"
                          "                   lottery has one, else its supplementary numbers or bonus ball;\n"
                          "                   the digit drawn where the ticket carries a digit (Superzahl,\n"
                          "                   reintegro)\n"
                          "  --supplementary NUMBERS  the supplementary numbers or bonus ball of a lottery that\n"
                          "                   has a separate bonus pool as well\n"
                          "  --digit D        the digit of your tickets (Superzahl, reintegro), 0 to 9\n"
                          "  --draws RESULTS  check against every draw of a results file (CSV or text, a date\n"
                          "                   and the numbers drawn a line), between --from and --to when given;\n"
                          "                   prints a row a draw and the totals, as wheelwright draws check\n"
                          "  --country, --lottery  the lottery of tickets that do not name it (printed lines, CSV);\n"
                          "                   a saved ticket file names its own\n"
                          "  --database PATH  use this wheel database\n"
                          "  -h, --help       show this text\n"
                          "\n"
                          "Prints the tickets that reach the lottery's lowest prize when it is known (else every\n"
                          "ticket with at least 2 matches), best first, with their matches, and how many tickets\n"
                          "have each count of matches. A lowest prize that needs a bonus match is judged only\n"
                          "when --bonus is given. A lottery the program does not know is checked with what the\n"
                          "file gives: drawn numbers from 1 to 99, in any count.\n"
                          "\n"
                          "Where the lottery's prize tiers are known, then prints each winning ticket's tier and\n"
                          "prize, best first, the tickets per tier and the fixed prizes won, each currency apart.\n"
                          "A ticket whose tier hangs on numbers not given is shown both ways, not as a loss.\n"
                          "\n"
                          "Exit status: 0 when the file was checked, 1 when it cannot be read or is not a ticket\n"
                          "file of its lottery, 2 when the command line or the drawn numbers are wrong.\n");
}

int runCheckCommand(const QStringList &arguments, QTextStream &out, QTextStream &err, const CheckContext &ctx)
{
    QCommandLineParser parser;
    const QCommandLineOption drawOption(QStringLiteral("draw"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption bonusOption(QStringLiteral("bonus"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption countryOption(QStringLiteral("country"), QString(), QStringLiteral("country"));
    const QCommandLineOption lotteryOption(QStringLiteral("lottery"), QString(), QStringLiteral("lottery"));
    const QCommandLineOption supplementaryOption(QStringLiteral("supplementary"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption digitOption(QStringLiteral("digit"), QString(), QStringLiteral("digit"));
    parser.addOptions(
        {drawOption, bonusOption, helpOption, countryOption, lotteryOption, supplementaryOption, digitOption});
    if (!parser.parse(QStringList{QStringLiteral("check")} + arguments))
        return fail(err, CheckBadCommand, parser.errorText() + QStringLiteral(" (see wheelwright check --help)"));
    if (parser.isSet(helpOption)) {
        out << checkCommandUsage();
        return finishOutput(out, err, QStringLiteral("check"), QStringLiteral("the help"));
    }
    if (!parser.isSet(drawOption))
        return fail(err, CheckBadCommand, QStringLiteral("give the drawn numbers with --draw (see --help)"));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return fail(err, CheckBadCommand,
                    files.isEmpty() ? QStringLiteral("name the ticket file to check (see --help)")
                                    : QStringLiteral("name one ticket file, not %1 (numbers after --draw go in "
                                                     "quotes: --draw \"5 17 3 41 9 12\")")
                                          .arg(files.size()));

    const DrawnNumbers mainTyped = parseDrawnNumbers(parser.value(drawOption));
    if (!mainTyped.error.isEmpty())
        return fail(err, CheckBadCommand, QStringLiteral("--draw: ") + mainTyped.error);
    const DrawnNumbers bonusTyped = parseDrawnNumbers(parser.value(bonusOption));
    if (!bonusTyped.error.isEmpty())
        return fail(err, CheckBadCommand, QStringLiteral("--bonus: ") + bonusTyped.error);
    if (parser.isSet(bonusOption) && bonusTyped.numbers.isEmpty())
        return fail(err, CheckBadCommand, QStringLiteral("--bonus: no bonus numbers were given"));
    const DrawnNumbers supplementaryTyped = parseDrawnNumbers(parser.value(supplementaryOption));
    if (!supplementaryTyped.error.isEmpty())
        return fail(err, CheckBadCommand, QStringLiteral("--supplementary: ") + supplementaryTyped.error);
    if (parser.isSet(supplementaryOption) && supplementaryTyped.numbers.isEmpty())
        return fail(err, CheckBadCommand, QStringLiteral("--supplementary: no numbers were given"));
    std::optional<int> digit;
    if (parser.isSet(digitOption)) {
        const QString text = parser.value(digitOption).trimmed();
        if (text.size() != 1 || !text[0].isDigit() || text[0].unicode() > u'9')
            return fail(err, CheckBadCommand, QStringLiteral("--digit: give one digit, 0 to 9"));
        digit = text[0].unicode() - u'0';
    }

    const QString &path = files.first();
    const QString shownPath = path == QLatin1String("-") ? QStringLiteral("standard input") : path;
    const TicketFileRead read = readInput(path);
    if (!read.ok())
        return fail(err, CheckBadFile, read.error.describe(shownPath));
    TicketFileContents file = read.contents;
    // Printed lines and the CSV export do not say their lottery; the command line does.
    const bool named = !file.country.isEmpty() || !file.lottery.isEmpty();
    if (parser.isSet(countryOption) != parser.isSet(lotteryOption))
        return fail(err, CheckBadCommand, QStringLiteral("give --country and --lottery together"));
    if (parser.isSet(countryOption)) {
        if (named && (file.country != parser.value(countryOption) || file.lottery != parser.value(lotteryOption)))
            return fail(err, CheckBadCommand,
                        QStringLiteral("the file is a ticket file of %1, %2, not of the lottery given")
                            .arg(quotedForMessage(file.country), quotedForMessage(file.lottery)));
        file.country = parser.value(countryOption);
        file.lottery = parser.value(lotteryOption);
    } else if (!named) {
        return fail(err, CheckBadCommand,
                    QStringLiteral("%1 does not say its lottery: give --country and --lottery").arg(shownPath));
    }

    const std::optional<LotteryFacts> facts =
        ctx.lotteryFacts ? ctx.lotteryFacts(file.country, file.lottery) : std::nullopt;
    const bool ticketsCarryBonus = std::any_of(file.tickets.begin(), file.tickets.end(),
                                               [](const TicketNumbers &t) { return !t.bonus.isEmpty(); });
    DrawRules rules;
    if (facts) {
        LotteryDetails details;
        details.facts = *facts;
        details.pick = facts->drawn;
        const TicketFileError fit = ticketsFitLottery(file, {file.country, file.lottery, details});
        if (!fit.isEmpty())
            return fail(err, CheckBadFile, fit.describe(shownPath));
        rules = drawRulesFor(*facts);
    } else {
        rules = drawRulesWithoutFacts(ticketsCarryBonus);
    }

    const Draw draw{mainTyped.numbers, bonusTyped.numbers, supplementaryTyped.numbers, digit};
    const QString drawFault = validateDraw(draw, rules);
    if (!drawFault.isEmpty())
        return fail(err, CheckBadCommand, drawFault);

    const std::optional<PrizeTier> lowest = facts ? facts->lowestPrize : std::nullopt;
    const QList<TierRule> tiers = facts ? facts->tiers : QList<TierRule>();
    const DrawCheck check = checkDraw(file.tickets, draw, rules, lowest, tiers);

    QStringList parts;
    for (const QString &part : {file.country, file.lottery})
        if (!part.isEmpty())
            parts << withoutControls(part).left(200);
    const QString lotteryName = parts.join(QStringLiteral(", "));
    out << (lotteryName.isEmpty() ? QString() : lotteryName + QStringLiteral(": "))
        << (file.tickets.size() == 1 ? QStringLiteral("1 ticket")
                                     : QStringLiteral("%1 tickets").arg(file.tickets.size()))
        << QStringLiteral(" in ") << withoutControls(shownPath) << '\n';
    if (!facts)
        out << QStringLiteral("The lottery's facts are not known here: matches are counted from the file alone.\n");
    out << QStringLiteral("Draw: ") << numbersText(draw.main);
    if (!draw.bonus.isEmpty())
        out << QStringLiteral(", bonus ") << numbersText(draw.bonus);
    if (!draw.supplementary.isEmpty())
        out << QStringLiteral(", supplementary ") << numbersText(draw.supplementary);
    if (draw.ticketDigit)
        out << QStringLiteral(", your digit ") << *draw.ticketDigit;
    out << '\n';

    // Best first: the most main matches, then the most bonus matches, then the file's order.
    QList<qsizetype> order(file.tickets.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const TicketCheck &x = check.tickets[a];
        const TicketCheck &y = check.tickets[b];
        if (x.mainMatches.size() != y.mainMatches.size())
            return x.mainMatches.size() > y.mainMatches.size();
        return x.bonusMatches.size() > y.bonusMatches.size();
    });
    const auto shown = [&](const TicketCheck &c) {
        return check.prize ? c.reachesPrize : c.mainMatches.size() >= matchesShownWithoutPrize;
    };
    out << (check.prize ? QStringLiteral("Tickets reaching the lowest prize:\n")
                        : QStringLiteral("Tickets with at least %1 matches:\n").arg(matchesShownWithoutPrize));
    int listed = 0;
    for (const qsizetype i : order) {
        if (!shown(check.tickets[i]))
            continue;
        ++listed;
        out << QStringLiteral("  Ticket ") << (i + 1) << QStringLiteral(": ")
            << formatTicket(file.tickets[i], file.format) << QStringLiteral("  (") << describeMatches(check.tickets[i])
            << QStringLiteral(")\n");
    }
    if (listed == 0)
        out << QStringLiteral("  none\n");
    out << QStringLiteral("Summary: ") << matchSummary(check.ticketsPerMatches) << '\n';
    if (check.prize)
        out << prizeSummary(check) << '\n';
    else if (lowest && draw.bonus.isEmpty())
        out << QStringLiteral("Give the bonus numbers with --bonus to see which tickets reach the lowest prize.\n");
    else if (lowest)
        out << QStringLiteral("The tickets carry no bonus numbers, so the lowest prize cannot be judged.\n");
    printTiers(out, check);
    return finishOutput(out, err, QStringLiteral("check"), QStringLiteral("the result"));
}
