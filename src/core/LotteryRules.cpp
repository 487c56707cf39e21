// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LotteryRules.h"

#include "core/Countries.h"

#include <algorithm>
#include <cmath>

namespace lotteryrules {

namespace {
std::string str(int n)
{
    return std::to_string(n);
}
bool digits(const std::string &t)
{
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}
std::string numbers(int n)
{
    return n == 1 ? "1 number" : str(n) + " numbers";
}
} // namespace

std::string countryFault(const std::string &country)
{
    if (std::find(std::begin(kCountries), std::end(kCountries), country) == std::end(kCountries))
        return "\"" + country + "\" is not a country the program offers";
    return {};
}

std::string nameFault(const std::string &name)
{
    if (name.empty())
        return "the lottery needs a name";
    if (name.size() > 80)
        return "the name is longer than 80 bytes";
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return "the name holds a character that does not print";
    if (name.front() == ' ' || name.back() == ' ')
        return "the name begins or ends with a space";
    return {};
}

std::string poolFault(int pool)
{
    if (pool < 2 || pool > 99)
        return "the pool holds 2 to 99 numbers";
    return {};
}

std::string pickFault(int pick, int pool)
{
    if (pick < 1)
        return "a ticket holds at least 1 number";
    if (pick >= pool)
        return "a ticket holds " + numbers(pick) + ", so the pool needs at least " + str(pick + 1);
    return {};
}

std::string drawnFault(int drawn, int pool)
{
    if (drawn < 1 || drawn > pool)
        return "the draw takes 1 to " + str(pool) + " numbers from a pool of " + str(pool);
    return {};
}

std::string supplementaryFault(int supplementary, int pool, int drawn)
{
    if (supplementary < 0 || supplementary > pool - drawn)
        return "after " + numbers(drawn) + " are drawn the pool has " + str(pool - drawn) +
               " left for supplementary numbers";
    return {};
}

std::string bonusPoolFault(int bonusPool)
{
    if (bonusPool < 0 || bonusPool > 99)
        return "the bonus pool holds 0 (none) to 99 numbers";
    return {};
}

std::string bonusPickFault(int bonusPick, int bonusPool)
{
    if (bonusPool == 0 && bonusPick != 0)
        return "there is no bonus pool, so no bonus numbers are drawn";
    if (bonusPool > 0 && (bonusPick < 1 || bonusPick > bonusPool))
        return "the bonus pool of " + str(bonusPool) + " gives 1 to " + str(bonusPool) + " bonus numbers";
    return {};
}

std::string lowestPrizeFault(std::optional<int> main, std::optional<int> bonus, int pick, int drawn, int bonusPick)
{
    if (main.has_value() != bonus.has_value())
        return "the lowest prize's main and bonus matches are given together or not at all";
    if (!main)
        return {};
    const int mostMain = std::min(pick, drawn);
    if (*main < 0 || *main > mostMain)
        return "the lowest prize needs 0 to " + str(mostMain) + " main matches";
    if (*bonus < 0 || *bonus > bonusPick)
        return "the lowest prize needs 0 to " + str(bonusPick) + " bonus matches";
    if (*main == 0 && *bonus == 0)
        return "the lowest prize cannot need no match at all";
    return {};
}

std::string priceFault(const std::string &price, const std::string &currency, std::optional<double> &value)
{
    value.reset();
    if (!price.empty()) {
        const auto point = price.find('.');
        const std::string whole = price.substr(0, point);
        const std::string frac = point == std::string::npos ? std::string() : price.substr(point + 1);
        if (whole.empty() || whole.size() > 7 || !digits(whole) || !digits(frac) || frac.size() > 4 ||
            (point != std::string::npos && frac.empty()))
            return "a price is an amount like 2.50";
        const double p = std::stod(whole) + (frac.empty() ? 0.0 : std::stod(frac) / std::pow(10.0, frac.size()));
        if (p <= 0)
            return "a price is more than nothing";
        value = p;
    }
    if (value.has_value() != !currency.empty())
        return value ? "a price needs its currency" : "a currency needs a price";
    if (!currency.empty() && !currencyCode(currency))
        return "the currency is a three-letter code like EUR (ISO 4217)";
    return {};
}

std::string monthFault(const std::string &month)
{
    if (month.size() != 7 || month.compare(0, 2, "20") != 0 || !digits(month.substr(2, 2)) || month[4] != '-' ||
        !digits(month.substr(5, 2)))
        return "the month is written like 2026-12";
    const int m = std::stoi(month.substr(5, 2));
    if (m < 1 || m > 12)
        return "the month is written like 2026-12";
    return {};
}

bool currencyCode(const std::string &code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool prizeAmount(const std::string &s)
{
    const auto point = s.find('.');
    if (point == std::string::npos || point == 0 || point > 12 || s.size() != point + 3)
        return false;
    if (!digits(s.substr(0, point)) || !digits(s.substr(point + 1)))
        return false;
    return s.find_first_not_of("0.") != std::string::npos;
}

std::string tierFault(const TierRow &t, const LotteryRow &lottery, const std::vector<TierRow> &earlier)
{
    if (t.name.empty() || t.name.size() > 80)
        return "the tier needs a name of 1 to 80 bytes";
    if (std::any_of(t.name.begin(), t.name.end(),
                    [](char c) { return (static_cast<unsigned char>(c) < 0x20) || c == 0x7f || c == ','; }))
        return "the tier's name holds a comma or a character that does not print";
    const int drawn = lottery.drawn.value_or(lottery.pick);
    const int supplementary = lottery.supplementary.value_or(0);
    const int bonus = lottery.bonusPick.value_or(0);
    const auto within = [&](const char *what, int value, int hi) -> std::string {
        if (value < 0 || value > hi)
            return std::string(what) + " must be a whole number from 0 to " + str(hi) + " for \"" + lottery.name + "\"";
        return {};
    };
    for (const std::string &why :
         {within("main", t.main, std::min(drawn, lottery.pick)),
          within("supplementary", t.supplementary, supplementary), within("bonus", t.bonus, bonus)})
        if (!why.empty())
            return why;
    if (t.main + t.supplementary > lottery.pick)
        return "a ticket holds " + str(lottery.pick) + " numbers: it cannot match " + str(t.main) + " main and " +
               str(t.supplementary) + " supplementary";
    if (t.main + t.supplementary + t.bonus == 0)
        return "a tier cannot need no match at all";
    if (t.prize.empty() || t.prize == "shared") {
        if (!t.currency.empty())
            return "a currency goes only with a fixed amount";
    } else if (!prizeAmount(t.prize)) {
        return "prize must be empty, shared, or an amount with two decimals like 10.00";
    } else if (!currencyCode(t.currency)) {
        return "a fixed amount needs a three-letter currency code (ISO 4217)";
    }
    // An earlier tier with the same main matches that asks no more than this one takes every
    // ticket this one would: the tiers are out of order or repeated.
    for (const TierRow &o : earlier)
        if (o.main == t.main && o.supplementary <= t.supplementary && o.bonus <= t.bonus)
            return "no ticket can reach \"" + t.name + "\": \"" + o.name + "\"" +
                   (o.line > 0 ? " (line " + str(o.line) + ")" : std::string()) +
                   " comes first and takes every ticket it would";
    return {};
}

std::string lotteryFault(const LotteryRow &l)
{
    const int drawn = l.drawn.value_or(l.pick);
    const int bonusPool = l.bonusPool.value_or(0);
    std::optional<double> price;
    for (std::string why : {countryFault(l.country), nameFault(l.name), poolFault(l.pool), pickFault(l.pick, l.pool),
                            l.drawn ? drawnFault(*l.drawn, l.pool) : std::string(),
                            l.supplementary ? supplementaryFault(*l.supplementary, l.pool, drawn) : std::string(),
                            bonusPoolFault(bonusPool), bonusPickFault(l.bonusPick.value_or(0), bonusPool),
                            lowestPrizeFault(l.lowestMain, l.lowestBonus, l.pick, drawn, l.bonusPick.value_or(0)),
                            l.factsRead.empty() ? std::string() : monthFault(l.factsRead)})
        if (!why.empty())
            return why;
    if (l.price && (*l.price <= 0 || !currencyCode(l.currency)))
        return "a price needs its currency";
    if (!l.price && !l.currency.empty())
        return "a currency needs a price";
    std::vector<TierRow> earlier;
    for (const TierRow &t : l.tiers) {
        if (std::string why = tierFault(t, l, earlier); !why.empty())
            return "tier \"" + t.name + "\": " + why;
        earlier.push_back(t);
    }
    return {};
}

} // namespace lotteryrules
