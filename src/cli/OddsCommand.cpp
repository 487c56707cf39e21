// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OddsCommand.h"

#include "cli/JsonText.h"
#include "cli/WheelLookup.h"
#include "core/DrawCheck.h"
#include "core/PrizeTiers.h"
#include "core/TextSafety.h"
#include "core/WheelValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString command = QStringLiteral("odds");

QByteArray jsonArray(const std::vector<double> &values)
{
    QJsonArray array;
    for (const double v : values)
        array.append(v);
    return jsonText(array);
}

QString prizeText(const PrizeTier &tier)
{
    QString text = tier.main == 1 ? QStringLiteral("1 main number") : QStringLiteral("%1 main numbers").arg(tier.main);
    if (tier.bonus > 0)
        text += tier.bonus == 1 ? QStringLiteral(" + 1 bonus") : QStringLiteral(" + %1 bonus").arg(tier.bonus);
    return text;
}

void printTable(QTextStream &out, const PlayedLottery &lottery, const WheelOffer &wheel, const odds::Table &table,
                bool keyWheel, const std::optional<PrizeTier> &lowest)
{
    out << withoutControls(lottery.country) << QStringLiteral(", ") << withoutControls(lottery.name)
        << QStringLiteral(": ") << table.drawn << QStringLiteral(" of ") << table.pool << QStringLiteral(" drawn; ")
        << (keyWheel ? QStringLiteral("key wheel \"") : QStringLiteral("wheel \"")) << wheel.printableLabel()
        << QStringLiteral("\" on ") << table.numbers << QStringLiteral(" numbers, ") << table.tickets
        << (table.tickets == 1 ? QStringLiteral(" ticket\n") : QStringLiteral(" tickets\n"));
    if (keyWheel)
        out << QStringLiteral("Rows count the draws that hold the key number (")
            << percentText(double(table.drawn) / table.pool) << QStringLiteral(" of all draws).\n");
    // Columns of 10 characters, room for "0.000123%" and "1.23e-05%"; a line carries no blanks at its end.
    const auto line = [&out](const QStringList &cells) {
        QString text;
        for (const QString &c : cells)
            text += c.leftJustified(9) + QLatin1Char(' ');
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out << text << '\n';
    };
    const auto figures = [&table](const QString &first, const QString &second, const std::vector<double> &atLeast) {
        QStringList cells{first, second};
        for (int b = 1; b <= table.drawn; ++b)
            cells << (atLeast.empty() ? QString::number(b) : percentText(atLeast[static_cast<std::size_t>(b)]));
        return cells;
    };
    line({QStringLiteral("Yours"), QStringLiteral("Chance"), QStringLiteral("Best ticket matches at least")});
    line(figures(QString(), QString(), {}));
    for (const odds::HaveRow &row : keyWheel ? givenKeyRows(table) : table.have)
        line(figures(QString::number(row.j), percentText(row.probability), row.atLeast));
    line(figures(QStringLiteral("any"), QStringLiteral("100%"), table.atLeast));
    out << QStringLiteral("\"Yours\": how many of the numbers drawn are among your ") << table.numbers
        << QStringLiteral(".\n");
    if (!lowest)
        out << QStringLiteral("The lowest prize of this lottery is not known here.\n");
    else if (lowest->main == 0)
        out << QStringLiteral("The lowest prize (") << prizeText(*lowest)
            << QStringLiteral(") needs no main number; its chance is not counted here.\n");
    else
        out << QStringLiteral("Some ticket wins the lowest prize (") << prizeText(*lowest) << QStringLiteral(")")
            << (lowest->bonus > 0 ? QStringLiteral(", main numbers only counted,") : QString())
            << QStringLiteral(" in ") << percentText(table.prize) << QStringLiteral(" of draws.\n");
}

// "0.0141% (1 in 7,078)": the chance and, below one half, one in how many.
QString chanceText(double p)
{
    const QString odds = oneInText(p);
    return odds.isEmpty() ? percentText(p) : percentText(p) + QStringLiteral(" (") + odds + u')';
}

void printTiers(QTextStream &out, const OddsQuestion &question, const std::optional<odds::TierOdds> &tiers)
{
    if (!tiers) {
        out << QStringLiteral("The prize tiers of this lottery are not known.\n");
        return;
    }
    out << QStringLiteral("\nPrize tiers, counted over every draw");
    if (question.lottery.supplementary > 0)
        out << QStringLiteral(", the supplementary numbers included");
    if (question.lottery.bonusPool > 0)
        out << (question.bonus.isEmpty() ? QStringLiteral(", no bonus number played")
                                         : QStringLiteral(", bonus numbers played: ") + [&] {
                                               QStringList b;
                                               for (const int n : question.bonus)
                                                   b << QString::number(n);
                                               return b.join(QLatin1Char(' '));
                                           }());
    out << QStringLiteral(":\n");
    QStringList names{QStringLiteral("Tier")};
    QStringList prizes{QStringLiteral("Prize")};
    QStringList chances{QStringLiteral("At least one ticket")};
    QStringList expected{QStringLiteral("Tickets per draw")};
    for (qsizetype i = 0; i < question.tiers.size(); ++i) {
        const TierRule &t = question.tiers[i];
        names << withoutControls(t.name);
        prizes << (t.prize == TierRule::Prize::Unknown ? QStringLiteral("not known") : prizeText(t));
        chances << chanceText(tiers->anyTicket[static_cast<std::size_t>(i)]);
        expected << QString::number(tiers->expectedTickets[static_cast<std::size_t>(i)], 'g', 3);
    }
    const auto widest = [](const QStringList &column) {
        qsizetype w = 0;
        for (const QString &c : column)
            w = std::max(w, c.size());
        return static_cast<int>(w) + 2;
    };
    for (qsizetype r = 0; r < names.size(); ++r) {
        QString line = names[r].leftJustified(widest(names)) + prizes[r].leftJustified(widest(prizes)) +
                       chances[r].leftJustified(widest(chances)) + expected[r];
        out << line.trimmed() << '\n';
    }
    out << QStringLiteral("Some ticket wins a prize in ") << chanceText(tiers->anyPrize)
        << QStringLiteral(" of draws.\n");
    const auto fixed = expectedFixedReturn(question.tiers, *tiers);
    if (!fixed) {
        out << QStringLiteral("No tier pays a fixed amount, so no return per draw is counted.\n");
        return;
    }
    out << QStringLiteral("The fixed prizes return ")
        << formatAmount(std::llround(fixed->amount * 100), fixed->currency) << QStringLiteral(" per draw on average");
    if (question.price)
        out << QStringLiteral(", against a cost of ")
            << costLine(static_cast<int>(question.wheel.lines.size()), *question.price, question.currency,
                        QLocale::c());
    out << QStringLiteral(". Tiers with shared prizes are not in this figure.\n");
}

} // namespace

QString oddsCommandUsage()
{
    return QStringLiteral(
        "Usage: wheelwright odds --country C --lottery L --numbers Z --wheel \"3 if 4\" [--key] [--bonus B[,B]]\n"
        "                        [--json]\n"
        "Prints the exact odds of a stored wheel played on Z numbers, counted over every possible draw.\n"
        "\n"
        "  --country, --lottery  the lottery, as the program lists it (\"Canada\", \"Lotto 6/49\")\n"
        "  --numbers Z           how many numbers are played\n"
        "  --wheel \"x if y\"      the wheel's guarantee; --key for a key wheel. Of the shipped wheel\n"
        "                        and one of your own library the one with fewer tickets is counted,\n"
        "                        the shipped one on a tie; --own counts the one of your library\n"
        "  --bonus B[,B]         the bonus numbers played, for a lottery with a separate bonus pool;\n"
        "                        they are dealt over the tickets as \"tickets\" deals them\n"
        "  --json                one JSON object: {\"pool\":N,\"drawn\":D,\"numbers\":Z,\"tickets\":T,\n"
        "                        \"have\":[{\"j\":0,\"probability\":p,\"atLeast\":[q0,...,qD]},...],\n"
        "                        \"atLeast\":[Q0,...,QD],\"prize\":P,...,\"supplementary\":S,\n"
        "                        \"bonusPool\":M,\"bonusDrawn\":BD,\"tiers\":[{\"name\":\"5 + bonus\",\n"
        "                        \"main\":5,\"extra\":1,...,\"amount\":A,\"currency\":\"CAD\",\n"
        "                        \"anyTicket\":p,\"expectedTickets\":e},...],\"anyPrize\":P,\n"
        "                        \"expectedReturn\":R}\n"
        "  --database PATH       use this wheel database\n"
        "  --library PATH        use this library of your own wheels instead of the window's\n"
        "\n"
        "have[j].probability is the chance that j of the D numbers drawn are among yours;\n"
        "have[j].atLeast[b] the chance, given that j, that some ticket matches at least b of them;\n"
        "atLeast[b] the same over all draws; prize the chance that some ticket wins the lowest prize,\n"
        "counting main numbers only where that prize also needs a bonus number, null when the\n"
        "lowest prize is not known or needs no main number. For a key wheel the have rows are\n"
        "given that the key number is drawn (\"given\":\"key\", and \"keyDrawn\" its chance), so its\n"
        "guarantee shows in them; atLeast and prize stay over all draws. Also given: \"expected\"\n"
        "(tickets matching exactly b per draw, on average) and \"lowestPrize\".\n"
        "\n"
        "The prize tiers are counted over every draw too, the supplementary numbers and the bonus\n"
        "draw included, best tier first, a ticket in its best tier only: anyTicket is the chance that\n"
        "at least one ticket wins the tier, expectedTickets the tickets in it per draw on average;\n"
        "extra is what the tier needs of the separate bonus pool (of the supplementary numbers where\n"
        "there is none), and supplementary and bonus say both; amount and currency are null where the\n"
        "prize is shared or not known. anyPrize is the chance of winning anything; expectedReturn what\n"
        "the fixed prizes pay per draw on average, leaving out the shared tiers (null when no tier has\n"
        "a fixed amount). Unknown tiers: \"tiers\":[] and both null.\n"
        "\n"
        "Exit status: 0 when the odds were printed, 1 when the database holds no such lottery or\n"
        "wheel, 2 when the command line is wrong.\n");
}

QByteArray oddsJson(const odds::Table &table, bool keyWheel, const std::optional<PrizeTier> &lowestPrize)
{
    const auto rows = keyWheel ? givenKeyRows(table) : table.have;
    QList<QByteArray> have;
    for (const odds::HaveRow &row : rows)
        have << jsonObject({{QStringLiteral("j"), jsonText(row.j)},
                            {QStringLiteral("probability"), jsonText(row.probability)},
                            {QStringLiteral("atLeast"), jsonArray(row.atLeast)}});
    const bool prizeKnown = lowestPrize && lowestPrize->main > 0 && table.prize >= 0;
    QList<std::pair<QString, QByteArray>> fields{
        {QStringLiteral("pool"), jsonText(table.pool)},
        {QStringLiteral("drawn"), jsonText(table.drawn)},
        {QStringLiteral("numbers"), jsonText(table.numbers)},
        {QStringLiteral("tickets"), jsonText(table.tickets)},
        {QStringLiteral("have"), '[' + have.join(',') + ']'},
        {QStringLiteral("atLeast"), jsonArray(table.atLeast)},
        {QStringLiteral("prize"), prizeKnown ? jsonText(table.prize) : QByteArray("null")},
        {QStringLiteral("expected"), jsonArray(table.expected)},
        {QStringLiteral("lowestPrize"), lowestPrize
                                            ? jsonObject({{QStringLiteral("main"), jsonText(lowestPrize->main)},
                                                          {QStringLiteral("bonus"), jsonText(lowestPrize->bonus)}})
                                            : QByteArray("null")},
    };
    if (keyWheel) {
        fields.append({QStringLiteral("given"), jsonText(QStringLiteral("key"))});
        fields.append({QStringLiteral("keyDrawn"), jsonText(double(table.drawn) / table.pool)});
    }
    return jsonObject(fields);
}

QByteArray oddsJson(const odds::Table &table, const OddsQuestion &question, const std::optional<odds::TierOdds> &tiers)
{
    QByteArray text = oddsJson(table, question.keyWheel, question.lowestPrize);
    text.chop(1); // the closing brace
    const odds::Lottery &l = question.lottery;
    QList<QByteArray> rows;
    const bool separatePool = l.bonusPool > 0;
    const QByteArray null("null");
    for (qsizetype i = 0; tiers && i < question.tiers.size(); ++i) {
        const TierRule &t = question.tiers[i];
        const bool fixed = t.prize == TierRule::Prize::Fixed;
        rows << jsonObject({
            {QStringLiteral("name"), jsonText(t.name)},
            {QStringLiteral("main"), jsonText(t.main)},
            {QStringLiteral("extra"), jsonText(separatePool ? t.bonus : t.supplementary)},
            {QStringLiteral("supplementary"), jsonText(t.supplementary)},
            {QStringLiteral("bonus"), jsonText(t.bonus)},
            {QStringLiteral("amount"), fixed ? jsonText(static_cast<double>(t.cents) / 100.0) : null},
            {QStringLiteral("currency"), fixed ? jsonText(t.currency) : null},
            {QStringLiteral("anyTicket"), jsonText(tiers->anyTicket[static_cast<std::size_t>(i)])},
            {QStringLiteral("expectedTickets"), jsonText(tiers->expectedTickets[static_cast<std::size_t>(i)])},
        });
    }
    const auto fixedReturn = tiers ? expectedFixedReturn(question.tiers, *tiers) : std::nullopt;
    const QList<std::pair<QString, QByteArray>> more{
        {QStringLiteral("supplementary"), jsonText(l.supplementary)},
        {QStringLiteral("bonusPool"), jsonText(l.bonusPool)},
        {QStringLiteral("bonusDrawn"), jsonText(l.bonusDrawn)},
        {QStringLiteral("tiers"), '[' + rows.join(',') + ']'},
        {QStringLiteral("anyPrize"), tiers ? jsonText(tiers->anyPrize) : null},
        {QStringLiteral("expectedReturn"), fixedReturn ? jsonText(fixedReturn->amount) : null},
    };
    for (const auto &[name, value] : more)
        text += ',' + jsonText(name) + ':' + value;
    return text + '}';
}

int runOddsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const WheelOptions options;
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption bonusOption(QStringLiteral("bonus"), QString(), QStringLiteral("numbers"));
    options.addTo(parser);
    parser.addOptions({jsonOption, bonusOption});
    if (const auto failure = options.parse(parser, command, arguments))
        return reportFailure(err, command, *failure);
    if (parser.isSet(options.help)) {
        out << oddsCommandUsage();
        return finishOutput(out, err, command, QStringLiteral("the help"));
    }
    bool isNumber = false;
    const int numbers = parser.value(options.numbers).trimmed().toInt(&isNumber);
    if (!isNumber || numbers < 1)
        return reportFailure(
            err, command,
            {WheelCommandBadCommand, QStringLiteral("--numbers takes how many numbers are played, not \"%1\"")
                                         .arg(parser.value(options.numbers))});

    WheelSource source;
    if (const auto failure = source.open(parser.value(options.database), parser.value(options.library)))
        return reportFailure(err, command, *failure);
    CommandFailure failure;
    std::optional<PlayedLottery> lottery;
    std::optional<WheelOffer> wheel;
    WheelLines read;
    try {
        lottery = source.lottery(parser.value(options.country), parser.value(options.lottery), failure);
        if (!lottery)
            return reportFailure(err, command, failure);
        wheel = source.wheel(*lottery, parser.value(options.wheel),
                             parser.isSet(options.key) ? WheelType::Key : WheelType::TypeA, numbers,
                             parser.isSet(options.own), failure);
        if (!wheel)
            return reportFailure(err, command, failure);
        read = source.shelf().lines(*wheel);
    } catch (const QueryError &e) {
        return reportFailure(err, command, queryFailure(e));
    }
    if (const QString notice = source.shelf().takeNotice(); !notice.isEmpty())
        reportFailure(err, command, {0, notice.trimmed()});
    if (!read.sound())
        return reportFailure(err, command,
                             {WheelCommandNotFound, QStringLiteral("the stored wheel \"%1\" for %2 numbers is "
                                                                   "damaged: %3")
                                                        .arg(wheel->printableLabel())
                                                        .arg(wheel->numbers)
                                                        .arg(read.problem)});
    QList<int> bonus;
    if (parser.isSet(bonusOption)) {
        const LotteryFacts &facts = lottery->details.facts;
        const auto bad = [&](const QString &why) {
            return reportFailure(err, command, {WheelCommandBadCommand, QStringLiteral("--bonus: ") + why});
        };
        if (facts.bonusPool <= 0)
            return bad(QStringLiteral("%1 has no separate bonus pool").arg(withoutControls(lottery->name)));
        const DrawnNumbers typed = parseDrawnNumbers(parser.value(bonusOption));
        if (!typed.error.isEmpty())
            return bad(typed.error);
        if (typed.numbers.isEmpty())
            return bad(QStringLiteral("no numbers were given"));
        for (const int b : typed.numbers) {
            if (b < 1 || b > facts.bonusPool)
                return bad(QStringLiteral("%1 is outside the bonus numbers 1 to %2").arg(b).arg(facts.bonusPool));
            if (bonus.contains(b))
                return bad(QStringLiteral("%1 is given twice").arg(b));
            bonus << b;
        }
    }
    const OddsQuestion question = oddsQuestion(*lottery, *wheel, read.lines, bonus);
    odds::Options oddsOptions;
    oddsOptions.lowestPrizeMain = question.lowestPrizeMain();
    odds::Table table;
    std::string problem;
    if (odds::compute(question.lottery, question.wheel, oddsOptions, table, problem) != odds::Status::Done)
        return reportFailure(err, command,
                             {WheelCommandNotFound, QStringLiteral("the odds of \"%1\" for %2 numbers cannot be "
                                                                   "counted: %3")
                                                        .arg(wheel->printableLabel())
                                                        .arg(wheel->numbers)
                                                        .arg(QString::fromStdString(problem))});
    std::optional<odds::TierOdds> tiers;
    if (!question.tiers.isEmpty()) {
        tiers.emplace();
        if (odds::computeTiers(question.tierQuestion(), *tiers, problem) != odds::Status::Done)
            return reportFailure(
                err, command,
                {WheelCommandNotFound, QStringLiteral("the prize tiers of \"%1\" for %2 numbers cannot "
                                                      "be counted: %3")
                                           .arg(wheel->printableLabel())
                                           .arg(wheel->numbers)
                                           .arg(QString::fromStdString(problem))});
    }
    if (parser.isSet(jsonOption)) {
        out << QString::fromUtf8(oddsJson(table, question, tiers)) << '\n';
    } else {
        printTable(out, *lottery, *wheel, table, question.keyWheel, question.lowestPrize);
        printTiers(out, question, tiers);
    }
    return finishOutput(out, err, command, QStringLiteral("the odds"));
}
