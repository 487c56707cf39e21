// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/CheckCommand.h"
#include "cli/CompareCommand.h"
#include "cli/DrawsCommand.h"
#include "cli/LotteryCommand.h"
#include "cli/MakeCommand.h"
#include "cli/OddsCommand.h"
#include "cli/TicketsCommand.h"
#include "cli/WheelLookup.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Play.h"
#include "core/PlayerLotteries.h"
#include "core/ShippedFiles.h"

#include <algorithm>
#include <memory>

namespace {
QString usage()
{
    return QStringLiteral("Usage: wheelwright [--database PATH]\n"
                          "       wheelwright check --draw \"N N ...\" [--bonus B] [--country C --lottery L]\n"
                          "                         [--database PATH] FILE|-\n"
                          "       wheelwright odds --country C --lottery L --numbers Z --wheel \"x if y\" [--key]\n"
                          "                        [--json] [--database PATH]\n"
                          "       wheelwright compare --country C --lottery L --numbers Z [--budget B] [--json]\n"
                          "       wheelwright tickets --country C --lottery L --numbers N,N,... [--bonus B[,B]]\n"
                          "                           --wheel \"x if y\" [--key] [--own] [--format EXAMPLE]\n"
                          "                           [--output FILE] [--database PATH] [--library PATH]\n"
                          "       wheelwright make --pick K --numbers Z --wheel \"x if y\" [--key] [--seconds S]\n"
                          "                        [--threads N] [--most T]\n"
                          "       wheelwright draws import|list|check --country C --lottery L ...\n"
                          "       wheelwright lottery list|show|import|export|reset [--country C --lottery L]\n"
                          "       wheelwright --help | --version\n"
                          "\n"
                          "Without a subcommand Wheelwright opens its window.\n"
                          "The window speaks the language chosen in its Language menu (or the system's); the\n"
                          "subcommands always print English, with the same words, figures and exit codes,\n"
                          "so that scripts can read them.\n"
                          "\n"
                          "Options:\n"
                          "  --database PATH  use this wheel database instead of the one shipped with the program\n"
                          "  -h, --help       print this help and exit\n"
                          "  -v, --version    print the version and exit\n"
                          "\n"
                          "Subcommands (no display needed):\n") +
           checkCommandUsage() + QLatin1Char('\n') + oddsCommandUsage() + QLatin1Char('\n') + compareCommandUsage() +
           QLatin1Char('\n') + ticketsCommandUsage() + QLatin1Char('\n') + makeCommandUsage() + QLatin1Char('\n') +
           drawsCommandUsage() + QLatin1Char('\n') + lotteryCommandUsage();
}

// Takes "--database PATH" out of the arguments; false when PATH is missing.
bool takeDatabaseOption(QStringList &arguments, QString &path)
{
    const auto at = arguments.indexOf(QStringLiteral("--database"));
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size())
        return false;
    path = arguments[at + 1];
    arguments.remove(at, 2);
    return true;
}

int runCheck(QStringList arguments, QTextStream &out, QTextStream &err)
{
    // Against a results file of many draws rather than one typed draw.
    if (std::any_of(arguments.begin(), arguments.end(), [](const QString &a) {
            return a == QLatin1String("--draws") || a.startsWith(QLatin1String("--draws="));
        }))
        return runCheckDrawsCommand(arguments, out, err);
    QString databasePath;
    if (!takeDatabaseOption(arguments, databasePath)) {
        err << "wheelwright check: --database needs a path\n";
        return CheckBadCommand;
    }
    // The lottery a file names is looked up in the wheel database when there is one; a
    // file is still checked on its own terms without it.
    auto database = std::make_shared<Database>();
    const QString path = databasePath.isEmpty() ? shippedFile(QStringLiteral("data.sqlite3")) : databasePath;
    QString problem;
    if (!database->open(path, &problem) && !databasePath.isEmpty()) {
        err << "wheelwright check: " << problem << '\n';
        return CheckBadCommand;
    }
    // The player's lotteries are found as the window finds them; a damaged file is left alone.
    auto player = std::make_shared<PlayerLotteries>(playerLotteriesFile());
    player->load(PlayerLotteries::LeaveDamaged);
    CheckContext context;
    if (database->isOpen())
        context.lotteryFacts = [database, player](const QString &country,
                                                  const QString &lottery) -> std::optional<LotteryFacts> {
            // The lottery's whole facts, as the window checks with them: its bonus pool or
            // supplementary numbers and its lowest prize too.
            try {
                const auto details = Catalogue(*database, player.get()).details(country, lottery);
                if (!details || !lotteryFault({country, lottery, *details}).isEmpty())
                    return std::nullopt;
                return details->facts;
            } catch (const QueryError &) {
                return std::nullopt;
            }
        };
    return runCheckCommand(arguments, out, err, context);
}
} // namespace

bool needsNoDisplay(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    // A subcommand, a known one or not, is answered here; options go on to the window.
    static const QStringList answered{QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("--version"),
                                      QStringLiteral("-v")};
    return answered.contains(arguments.first()) || !arguments.first().startsWith(QLatin1Char('-'));
}

std::optional<int> answerCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err,
                                     WindowOptions &window)
{
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << usage();
        return finishOutput(out, err, QString(), QStringLiteral("the help"));
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        out << "wheelwright " << WHEELWRIGHT_VERSION << '\n';
        return finishOutput(out, err, QString(), QStringLiteral("the version"));
    }
    if (first == QLatin1String("check"))
        return runCheck(arguments.mid(1), out, err);
    if (first == QLatin1String("odds"))
        return runOddsCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("compare"))
        return runCompareCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("tickets"))
        return runTicketsCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("make"))
        return runMakeCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("lottery"))
        return runLotteryCommand(arguments.mid(1), out, err);
    if (first == QLatin1String("draws"))
        return runDrawsCommand(arguments.mid(1), out, err);
    if (!first.startsWith(QLatin1Char('-'))) {
        err << "wheelwright: unknown subcommand \"" << first << "\"; try wheelwright --help\n";
        return 2;
    }
    QStringList rest = arguments;
    if (!takeDatabaseOption(rest, window.databasePath)) {
        err << "wheelwright: --database needs a path\n";
        return 2;
    }
    return std::nullopt;
}
