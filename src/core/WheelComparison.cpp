// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelComparison.h"

#include "core/CountedText.h"
#include "core/PrizeTiers.h"
#include "core/WheelShelf.h"
#include "core/WheelValue.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

QString guaranteeOf(int pick)
{
    return QStringLiteral("%1 if %1").arg(pick);
}

bool isFullWheel(const WheelOffer &offer)
{
    const auto g = offer.guarantee();
    return g && g->match == offer.pick && g->have == offer.pick;
}

// Two chances the same but for rounding in the last places of the count.
bool sameChance(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max({1.0, std::abs(a), std::abs(b)});
}

} // namespace

std::optional<WheelCandidate> everyCombination(int pick, WheelType type, int numbers)
{
    if (pick < 1 || numbers < pick || numbers > 64)
        return std::nullopt;
    // A key wheel's key is on every ticket: the rest is every combination of the others.
    const int free = type == WheelType::Key ? numbers - 1 : numbers;
    const int take = type == WheelType::Key ? pick - 1 : pick;
    if (odds::binomial(free, take) > kFullWheelTicketLimit)
        return std::nullopt;
    WheelCandidate c;
    c.everyCombination = true;
    c.offer = WheelOffer{pick, type, numbers, guaranteeOf(pick), 0, WheelOrigin::Shipped};
    const int offset = type == WheelType::Key ? 1 : 0;
    // Every take-subset of `free` places, in increasing order.
    std::vector<int> at(static_cast<std::size_t>(take));
    for (int i = 0; i < take; ++i)
        at[static_cast<std::size_t>(i)] = i;
    while (true) {
        wheel::Line line = offset ? 1 : 0;
        for (const int p : at)
            line |= wheel::Line{1} << (p + offset);
        c.lines.push_back(line);
        int i = take - 1;
        while (i >= 0 && at[static_cast<std::size_t>(i)] == free - take + i)
            --i;
        if (i < 0)
            break;
        ++at[static_cast<std::size_t>(i)];
        for (int k = i + 1; k < take; ++k)
            at[static_cast<std::size_t>(k)] = at[static_cast<std::size_t>(k - 1)] + 1;
    }
    c.offer.tickets = static_cast<int>(c.lines.size());
    return c;
}

QList<WheelCandidate> candidatesOf(const QList<WheelOffer> &offers, const WheelShelf *shelf, int pick, int numbers,
                                   const std::function<bool(const WheelOffer &)> &keep)
{
    QList<WheelCandidate> out;
    for (const WheelType type : {WheelType::TypeA, WheelType::Key}) {
        bool hasFull = false;
        for (const WheelOffer &offer : offers) {
            if (offer.type != type)
                continue;
            if (isFullWheel(offer)) {
                // Every combination past the limit is no wheel anyone plays.
                if (offer.tickets > kFullWheelTicketLimit)
                    continue;
                hasFull = true;
            }
            if (keep && !keep(offer))
                continue;
            WheelCandidate c;
            c.offer = offer;
            if (shelf) {
                WheelLines read = shelf->lines(offer);
                c.lines = std::move(read.lines);
                c.problem = read.problem;
            } else {
                c.problem = QStringLiteral("its lines were not read");
            }
            out << c;
        }
        if (hasFull)
            continue;
        // Counted before it is made: only a full wheel that may be kept is built.
        WheelOffer probe{pick, type, numbers, guaranteeOf(pick), 0, WheelOrigin::Shipped};
        const int free = type == WheelType::Key ? numbers - 1 : numbers;
        const long double size = odds::binomial(free, type == WheelType::Key ? pick - 1 : pick);
        if (numbers <= pick || size > kFullWheelTicketLimit)
            continue;
        probe.tickets = static_cast<int>(size);
        if (keep && !keep(probe))
            continue;
        if (auto full = everyCombination(pick, type, numbers))
            out << *full;
    }
    return out;
}

QList<WheelCandidate> wheelsToCompare(const WheelShelf &shelf, const LotteryDetails &lottery, int numbers,
                                      std::optional<double> maxCost)
{
    QList<WheelOffer> offers;
    for (const WheelType type : {WheelType::TypeA, WheelType::Key})
        offers << shelf.offers(lottery.pick, type, numbers);
    const auto keep = [&](const WheelOffer &offer) {
        if (!maxCost)
            return true;
        const double cost = lottery.price ? *lottery.price * offer.tickets : offer.tickets;
        return cost <= *maxCost + 1e-9;
    };
    return candidatesOf(offers, &shelf, lottery.pick, numbers, keep);
}

ChanceColumns chanceColumns(const LotteryDetails &lottery)
{
    ChanceColumns c;
    const QList<TierRule> &tiers = lottery.facts.tiers;
    if (!tiers.isEmpty()) {
        for (int i = 0; i < tiers.size() && i < 3; ++i) {
            c.names << tiers[i].name;
            c.tierIndexes << i;
        }
        return c;
    }
    const int drawn = lottery.facts.drawn;
    int first = 3;
    if (lottery.facts.lowestPrize && lottery.facts.lowestPrize->main > 0)
        first = lottery.facts.lowestPrize->main;
    first = std::clamp(first, 1, std::max(1, drawn));
    for (int b = first; b <= drawn; ++b) {
        c.names << QCoreApplication::translate("WheelComparison", "%1 or more matches").arg(b);
        c.matches << b;
    }
    return c;
}

double ComparedWheel::chanceOf(int column) const
{
    if (column < 0)
        return anyPrize;
    return column < chances.size() ? chances[column] : -1;
}

QString ComparedWheel::name() const
{
    //: A key wheel in the list of wheels compared; %1 is its guarantee, such as "3 if 4".
    const QString text = offer.type == WheelType::Key
                             ? QCoreApplication::translate("WheelComparison", "key %1").arg(offer.printableLabel())
                             : offer.printableLabel();
    if (everyCombination)
        return QCoreApplication::translate("WheelComparison", "%1 (every combination)").arg(text);
    if (offer.isOwn())
        return QCoreApplication::translate("WheelComparison", "%1 (yours)").arg(text);
    return text;
}

ComparedWheel compareWheel(const PlayedLottery &lottery, const WheelCandidate &wheel, const QList<int> &bonus,
                           const std::atomic<bool> *cancel)
{
    ComparedWheel out;
    out.offer = wheel.offer;
    out.everyCombination = wheel.everyCombination;
    out.currency = lottery.details.currency;
    const ChanceColumns columns = chanceColumns(lottery.details);
    if (lottery.details.price)
        out.cost = *lottery.details.price * wheel.offer.tickets;
    if (!wheel.problem.isEmpty()) {
        out.problem = wheel.problem;
        return out;
    }
    const OddsQuestion question = oddsQuestion(lottery, wheel.offer, wheel.lines, bonus);
    const ExactOdds exact = countExactOdds(question, cancel);
    if (!exact.ok()) {
        out.problem = exact.cancelled ? QStringLiteral("cancelled") : exact.problem;
        return out;
    }
    if (exact.tiers) {
        const odds::TierOdds &tiers = *exact.tiers;
        out.anyPrize = tiers.anyPrize;
        for (const int t : columns.tierIndexes)
            out.chances << tiers.anyTicket[static_cast<std::size_t>(t)];
        if (const auto fixed = expectedFixedReturn(question.tiers, tiers)) {
            out.fixedReturn = fixed->amount;
            if (out.cost && *out.cost > 0)
                out.returnPerUnit = fixed->amount / *out.cost;
        }
    } else {
        const odds::Table &table = *exact.matches;
        out.anyPrize = table.prize >= 0 ? table.prize : -1;
        for (const int b : columns.matches)
            out.chances << (b < static_cast<int>(table.atLeast.size()) ? table.atLeast[static_cast<std::size_t>(b)]
                                                                       : 0);
    }
    out.counted = true;
    return out;
}

double budgetCost(const ComparedWheel &wheel)
{
    return wheel.cost ? *wheel.cost : wheel.offer.tickets;
}

QString budgetText(double amount, const QString &currency, bool priced)
{
    if (!priced)
        return countedText("WheelComparison", "1 ticket", QT_TRANSLATE_N_NOOP("WheelComparison", "%n tickets"),
                           std::llround(amount));
    // In the window's money, as the prizes are; "1250.00 CAD" on the command line, as always.
    if (!writesMoneyAsBefore(moneyLocale()))
        return formatAmount(std::llround(amount * 100), currency);
    const QString figure = QLocale::c().toString(amount, 'f', 2);
    return currency.isEmpty() ? figure : figure + u' ' + currency;
}

namespace {

QString describe(const ComparedWheel &w)
{
    //: A wheel and its size: "3 if 4, 12 tickets".
    QString text = countedText("WheelComparison", "%1, 1 ticket",
                               QT_TRANSLATE_N_NOOP("WheelComparison", "%1, %n tickets"), w.offer.tickets)
                       .arg(w.name());
    if (w.cost)
        text += QStringLiteral(", ") + budgetText(*w.cost, w.currency, true);
    return text;
}

} // namespace

BudgetChoice chooseWithin(const QList<ComparedWheel> &wheels, double budget, int column, const QString &columnName,
                          const QLocale &locale)
{
    BudgetChoice choice;
    int bestOverall = -1;
    int ties = 0;
    const auto better = [&](int a, int b) {
        // Is wheel a a better buy than wheel b?
        const double ca = wheels[a].chanceOf(column), cb = wheels[b].chanceOf(column);
        if (!sameChance(ca, cb))
            return ca > cb;
        return budgetCost(wheels[a]) < budgetCost(wheels[b]) - 1e-9;
    };
    for (int i = 0; i < wheels.size(); ++i) {
        const ComparedWheel &w = wheels[i];
        const bool over = budgetCost(w) > budget + 1e-9;
        if (over)
            choice.overBudget << i;
        if (!w.counted || w.chanceOf(column) < 0)
            continue;
        if (bestOverall < 0 || better(i, bestOverall))
            bestOverall = i;
        if (over)
            continue;
        if (choice.best < 0 || better(i, choice.best))
            choice.best = i;
    }
    for (int i = 0; choice.best >= 0 && i < wheels.size(); ++i)
        if (i != choice.best && !choice.overBudget.contains(i) && wheels[i].counted && !better(choice.best, i) &&
            !better(i, choice.best))
            ++ties;
    const bool priced = !wheels.isEmpty() && wheels.first().cost.has_value();
    const QString currency = wheels.isEmpty() ? QString() : wheels.first().currency;
    const QString limit = budgetText(budget, currency, priced);
    if (choice.best < 0) {
        int cheapest = -1;
        for (int i = 0; i < wheels.size(); ++i)
            if (cheapest < 0 || budgetCost(wheels[i]) < budgetCost(wheels[cheapest]))
                cheapest = i;
        choice.sentence =
            cheapest < 0 ? QCoreApplication::translate("WheelComparison", "No wheel is stored for these numbers.")
            : choice.overBudget.size() == wheels.size()
                ? QCoreApplication::translate("WheelComparison", "No wheel fits within %1: the cheapest is %2.")
                      .arg(limit, describe(wheels[cheapest]))
                : QCoreApplication::translate("WheelComparison", "No wheel within %1 could be counted yet.").arg(limit);
        return choice;
    }
    QString sentence;
    if (bestOverall >= 0 && bestOverall != choice.best && choice.overBudget.contains(bestOverall))
        sentence =
            QCoreApplication::translate("WheelComparison", "%1: over budget; ").arg(describe(wheels[bestOverall]));
    //: %1 is a wheel, %2 what is compared ("any prize"), %3 the budget, %4 the chance.
    sentence += QCoreApplication::translate("WheelComparison", "%1: best chance of %2 within %3: %4")
                    .arg(describe(wheels[choice.best]), columnName, limit,
                         percentText(wheels[choice.best].chanceOf(column), locale));
    if (ties > 0)
        sentence +=
            countedText("WheelComparison", " (another wheel as good costs as much)",
                        QT_TRANSLATE_N_NOOP("WheelComparison", " (%n other wheels as good cost as much)"), ties);
    choice.sentence = sentence + u'.';
    return choice;
}

QList<int> frontOf(const QList<ComparedWheel> &wheels, int column)
{
    QList<int> order;
    for (int i = 0; i < wheels.size(); ++i)
        if (wheels[i].counted && wheels[i].chanceOf(column) >= 0)
            order << i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const double ca = budgetCost(wheels[a]), cb = budgetCost(wheels[b]);
        if (ca != cb)
            return ca < cb;
        return wheels[a].chanceOf(column) > wheels[b].chanceOf(column);
    });
    QList<int> front;
    double best = -1;
    for (const int i : order) {
        const double c = wheels[i].chanceOf(column);
        if (c > best && !sameChance(c, best)) {
            front << i;
            best = c;
        }
    }
    return front;
}
