// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CompareCommand.h"

#include "cli/JsonText.h"
#include "cli/WheelLookup.h"
#include "core/DrawCheck.h"
#include "core/TextSafety.h"
#include "core/WheelValue.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLocale>

#include <algorithm>

namespace {

const QString command = QStringLiteral("compare");

QByteArray orNull(double value)
{
    return value < 0 ? QByteArray("null") : jsonText(value);
}

QByteArray orNull(const std::optional<double> &value)
{
    return value ? jsonText(*value) : QByteArray("null");
}

CommandFailure bad(const QString &why)
{
    return {WheelCommandBadCommand, why + QStringLiteral(" (see wheelwright compare --help)")};
}

QString chanceCell(double p)
{
    return p < 0 ? QStringLiteral("-") : percentText(p);
}

} // namespace

QString compareCommandUsage()
{
    return QStringLiteral(
        "Usage: wheelwright compare --country C --lottery L --numbers Z [--budget B] [--bonus B[,B]]\n"
        "                           [--json]\n"
        "Prints every wheel for Z numbers of the lottery, of both types, with what it costs and buys,\n"
        "counted over every possible draw: the shipped wheels, your own, and every combination where\n"
        "that makes at most 2,000 tickets.\n"
        "\n"
        "  --country, --lottery  the lottery, as the program lists it (\"Canada\", \"Lotto 6/49\")\n"
        "  --numbers Z           how many numbers are played\n"
        "  --budget B            at most this much a draw (in tickets where the price is not known):\n"
        "                        names the wheel with the best chance of any prize within it\n"
        "  --bonus B[,B]         the bonus numbers played, for a lottery with a separate bonus pool\n"
        "  --json                one JSON object a line per wheel: {\"guarantee\":\"3 if 4\",\"type\":\"a\",\n"
        "                        \"origin\":\"shipped\",\"tickets\":T,\"cost\":C,\"anyPrize\":P,\n"
        "                        \"chances\":[{\"name\":\"6 matches\",\"chance\":p},...],\"fixedReturn\":R,\n"
        "                        \"returnPerUnit\":U,\"overBudget\":false,\"best\":false}; then with --budget\n"
        "                        {\"budget\":B,\"best\":index or null,\"sentence\":\"...\"}\n"
        "  --database PATH       use this wheel database\n"
        "  --library PATH        use this library of your own wheels instead of the window's\n"
        "\n"
        "The chances are those of the three best prize tiers (of 3 or more matches and so on where\n"
        "the tiers are not known); fixedReturn is what the fixed prizes pay per draw on average and\n"
        "returnPerUnit that per unit spent. A figure that is not known is null.\n"
        "\n"
        "Exit status: 0 when the table was printed, 1 when the database holds no such lottery or no\n"
        "wheel for that many numbers, 2 when the command line is wrong.\n");
}

QByteArray comparedWheelJson(const ComparedWheel &wheel, const ChanceColumns &columns, bool overBudget, bool best)
{
    QList<QByteArray> chances;
    for (int c = 0; c < columns.names.size(); ++c)
        chances << jsonObject({{QStringLiteral("name"), jsonText(columns.names[c])},
                               {QStringLiteral("chance"), orNull(wheel.chanceOf(c))}});
    const QString origin = wheel.everyCombination ? QStringLiteral("every combination")
                           : wheel.offer.isOwn()  ? QStringLiteral("own")
                                                  : QStringLiteral("shipped");
    return jsonObject({
        {QStringLiteral("guarantee"), jsonText(wheel.offer.printableLabel())},
        {QStringLiteral("type"),
         jsonText(wheel.offer.type == WheelType::Key ? QStringLiteral("key") : QStringLiteral("a"))},
        {QStringLiteral("origin"), jsonText(origin)},
        {QStringLiteral("tickets"), jsonText(wheel.offer.tickets)},
        {QStringLiteral("cost"), orNull(wheel.cost)},
        {QStringLiteral("anyPrize"), orNull(wheel.counted ? wheel.anyPrize : -1)},
        {QStringLiteral("chances"), '[' + chances.join(',') + ']'},
        {QStringLiteral("fixedReturn"), orNull(wheel.fixedReturn)},
        {QStringLiteral("returnPerUnit"), orNull(wheel.returnPerUnit)},
        {QStringLiteral("overBudget"), jsonText(overBudget)},
        {QStringLiteral("best"), jsonText(best)},
    });
}

int runCompareCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption country(QStringLiteral("country"), QString(), QStringLiteral("country"));
    const QCommandLineOption lotteryName(QStringLiteral("lottery"), QString(), QStringLiteral("lottery"));
    const QCommandLineOption numbersOption(QStringLiteral("numbers"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption budgetOption(QStringLiteral("budget"), QString(), QStringLiteral("amount"));
    const QCommandLineOption bonusOption(QStringLiteral("bonus"), QString(), QStringLiteral("numbers"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("path"));
    const QCommandLineOption library(QStringLiteral("library"), QString(), QStringLiteral("path"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions(
        {country, lotteryName, numbersOption, budgetOption, bonusOption, jsonOption, database, library, help});
    if (!parser.parse(QStringList{command} + arguments))
        return reportFailure(err, command, bad(parser.errorText()));
    if (parser.isSet(help)) {
        out << compareCommandUsage();
        return finishOutput(out, err, command, QStringLiteral("the help"));
    }
    if (!parser.positionalArguments().isEmpty())
        return reportFailure(err, command,
                             bad(QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().first())));
    for (const QCommandLineOption *needed : {&country, &lotteryName, &numbersOption})
        if (!parser.isSet(*needed) || parser.value(*needed).trimmed().isEmpty())
            return reportFailure(err, command, bad(QStringLiteral("give --") + needed->names().first()));
    bool isNumber = false;
    const int numbers = parser.value(numbersOption).trimmed().toInt(&isNumber);
    if (!isNumber || numbers < 1)
        return reportFailure(err, command,
                             bad(QStringLiteral("--numbers takes how many numbers are played, not \"%1\"")
                                     .arg(parser.value(numbersOption))));
    std::optional<double> budget;
    if (parser.isSet(budgetOption)) {
        const double b = QLocale::c().toDouble(parser.value(budgetOption).trimmed(), &isNumber);
        if (!isNumber || b < 0)
            return reportFailure(
                err, command,
                bad(QStringLiteral("--budget takes an amount, not \"%1\"").arg(parser.value(budgetOption))));
        budget = b;
    }

    WheelSource source;
    if (const auto failure = source.open(parser.value(database), parser.value(library)))
        return reportFailure(err, command, *failure);
    CommandFailure failure;
    std::optional<PlayedLottery> lottery;
    QList<WheelCandidate> candidates;
    try {
        lottery = source.lottery(parser.value(country), parser.value(lotteryName), failure);
        if (!lottery)
            return reportFailure(err, command, failure);
        if (numbers <= lottery->details.pick || numbers > std::min(lottery->details.facts.pool, 64))
            return reportFailure(err, command,
                                 bad(QStringLiteral("--numbers: %1 plays %2 numbers a ticket from %3; play more than "
                                                    "%2 and at most %4")
                                         .arg(withoutControls(lottery->name))
                                         .arg(lottery->details.pick)
                                         .arg(lottery->details.facts.pool)
                                         .arg(std::min(lottery->details.facts.pool, 64))));
        candidates = wheelsToCompare(source.shelf(), lottery->details, numbers);
    } catch (const QueryError &e) {
        return reportFailure(err, command, queryFailure(e));
    }
    if (const QString notice = source.shelf().takeNotice(); !notice.isEmpty())
        reportFailure(err, command, {0, notice.trimmed()});
    if (candidates.isEmpty())
        return reportFailure(err, command,
                             {WheelCommandNotFound, QStringLiteral("no wheel is stored for %1 numbers of %2")
                                                        .arg(numbers)
                                                        .arg(withoutControls(lottery->name))});
    QList<int> bonus;
    if (parser.isSet(bonusOption)) {
        const LotteryFacts &facts = lottery->details.facts;
        if (facts.bonusPool <= 0)
            return reportFailure(
                err, command,
                bad(QStringLiteral("--bonus: %1 has no separate bonus pool").arg(withoutControls(lottery->name))));
        const DrawnNumbers typed = parseDrawnNumbers(parser.value(bonusOption));
        if (!typed.error.isEmpty() || typed.numbers.isEmpty())
            return reportFailure(err, command,
                                 bad(QStringLiteral("--bonus: ") +
                                     (typed.error.isEmpty() ? QStringLiteral("no numbers were given") : typed.error)));
        for (const int b : typed.numbers) {
            if (b < 1 || b > facts.bonusPool || bonus.contains(b))
                return reportFailure(
                    err, command,
                    bad(QStringLiteral("--bonus: %1 is outside 1 to %2 or given twice").arg(b).arg(facts.bonusPool)));
            bonus << b;
        }
    }

    const ChanceColumns columns = chanceColumns(lottery->details);
    QList<ComparedWheel> wheels;
    for (const WheelCandidate &c : candidates)
        wheels << compareWheel(*lottery, c, bonus);
    const bool priced = lottery->details.price.has_value();
    BudgetChoice choice;
    if (budget)
        choice = chooseWithin(wheels, *budget, -1, QStringLiteral("any prize"));

    if (parser.isSet(jsonOption)) {
        for (int i = 0; i < wheels.size(); ++i)
            out << QString::fromUtf8(comparedWheelJson(wheels[i], columns, budget && choice.overBudget.contains(i),
                                                       budget && choice.best == i))
                << '\n';
        if (budget)
            out << QString::fromUtf8(jsonObject(
                       {{QStringLiteral("budget"), jsonText(*budget)},
                        {QStringLiteral("best"), choice.best < 0 ? QByteArray("null") : jsonText(choice.best)},
                        {QStringLiteral("sentence"), jsonText(choice.sentence)}}))
                << '\n';
        return finishOutput(out, err, command, QStringLiteral("the table"));
    }

    out << withoutControls(lottery->country) << QStringLiteral(", ") << withoutControls(lottery->name)
        << QStringLiteral(": every wheel for ") << numbers << QStringLiteral(" numbers");
    if (priced)
        out << QStringLiteral(", a ticket ") << budgetText(*lottery->details.price, lottery->details.currency, true);
    out << '\n';
    QList<QStringList> rows;
    QStringList head{QStringLiteral("Wheel"), QStringLiteral("Type"), QStringLiteral("Tickets"), QStringLiteral("Cost"),
                     QStringLiteral("Any prize")};
    head << columns.names << QStringLiteral("Return/draw") << QStringLiteral("Per unit");
    rows << head;
    for (int i = 0; i < wheels.size(); ++i) {
        const ComparedWheel &w = wheels[i];
        QString name = w.offer.printableLabel();
        if (w.everyCombination)
            name += QStringLiteral(" (all)");
        else if (w.offer.isOwn())
            name += QStringLiteral(" (yours)");
        if (budget && choice.best == i)
            name.prepend(QStringLiteral("* "));
        else if (budget && choice.overBudget.contains(i))
            name.prepend(QStringLiteral("- "));
        QStringList row{name, w.offer.type == WheelType::Key ? QStringLiteral("key") : QStringLiteral("a"),
                        QString::number(w.offer.tickets),
                        w.cost ? QLocale::c().toString(*w.cost, 'f', 2) : QStringLiteral("-")};
        if (!w.counted) {
            row << QStringLiteral("cannot be counted: ") + w.problem;
        } else {
            row << chanceCell(w.anyPrize);
            for (int c = 0; c < columns.names.size(); ++c)
                row << chanceCell(w.chanceOf(c));
            row << (w.fixedReturn ? QLocale::c().toString(*w.fixedReturn, 'f', 2) : QStringLiteral("-"))
                << (w.returnPerUnit ? QLocale::c().toString(*w.returnPerUnit, 'f', 3) : QStringLiteral("-"));
        }
        rows << row;
    }
    QList<qsizetype> widths;
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths << 0;
            widths[c] = std::max(widths[c], row[c].size());
        }
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += row[c].leftJustified(widths[c] + 2);
        out << line.trimmed() << '\n';
    }
    if (budget)
        out << QStringLiteral("\nAt most ") << budgetText(*budget, lottery->details.currency, priced)
            << QStringLiteral(" a draw (* the best, - over budget): ") << choice.sentence << '\n';
    return finishOutput(out, err, command, QStringLiteral("the table"));
}
