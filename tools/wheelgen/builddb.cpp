// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builddb.h"

#include "core/Countries.h"
#include "core/SqliteHandles.h"
#include "core/WheelSchema.h"
#include "wheelsearch/shipping.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

bool splitCsv(const std::string &line, std::vector<std::string> &fields)
{
    fields.clear();
    std::string cur;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cur += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cur += c;
            }
        } else if (c == '"' && cur.empty()) {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    fields.push_back(cur);
    return !quoted;
}

using wheel::wholeNumber;

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not well formed (overlong forms,
// surrogates and code points past U+10FFFF included).
std::size_t utf8Length(const std::string &text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xbf; // the allowed range of the second byte
    if (c >= 0xc2 && c <= 0xdf) {
        n = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        n = 3;
        if (c == 0xe0)
            lo = 0xa0;
        else if (c == 0xed)
            hi = 0x9f;
    } else if (c >= 0xf0 && c <= 0xf4) {
        n = 4;
        if (c == 0xf0)
            lo = 0x90;
        else if (c == 0xf4)
            hi = 0x8f;
    } else {
        return 0;
    }
    if (i + n > text.size() || byte(i + 1) < lo || byte(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xc0) != 0x80)
            return 0;
    return n;
}

// A price as written in the file: digits, optionally a point and up to four decimals.
bool decimalNumber(const std::string &s, double &value)
{
    const auto point = s.find('.');
    const std::string whole = s.substr(0, point);
    const std::string frac = point == std::string::npos ? std::string() : s.substr(point + 1);
    auto digits = [](const std::string &t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 7 || !digits(whole) || !digits(frac) || frac.size() > 4 ||
        (point != std::string::npos && frac.empty()))
        return false;
    value = std::stod(whole) + (frac.empty() ? 0.0 : std::stod(frac) / std::pow(10.0, frac.size()));
    return true;
}

// Makes one line of a UTF-8 CSV file ready to split: drops a byte order mark on the first line and
// a trailing CR. False, with the reason, for a NUL byte or bytes that are not UTF-8.
bool cleanCsvLine(std::string &line, int lineNo, std::string &why)
{
    if (lineNo == 1 && line.compare(0, 3, "\xef\xbb\xbf") == 0)
        line.erase(0, 3); // a byte order mark some editors write
    if (line.find('\0') != std::string::npos) {
        why = "holds a NUL byte";
        return false;
    }
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = utf8Length(line, i);
        if (n == 0) {
            why = "is not valid UTF-8 (byte " + std::to_string(i + 1) + ")";
            return false;
        }
        i += n;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool currencyCode(const std::string &code)
{
    return code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// A tier's fixed prize: digits, a point and exactly two decimals, more than nothing.
bool prizeAmount(const std::string &s)
{
    const auto point = s.find('.');
    if (point == std::string::npos || point == 0 || point > 12 || s.size() != point + 3)
        return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!std::all_of(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(point), digit) || !digit(s[point + 1]) ||
        !digit(s[point + 2]))
        return false;
    return s.find_first_not_of("0.") != std::string::npos;
}

// A month as YYYY-MM, from 2000-01 to 2099-12.
bool yearMonth(const std::string &s)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (s.size() != 7 || s.compare(0, 2, "20") != 0 || !digit(s[2]) || !digit(s[3]) || s[4] != '-' || !digit(s[5]) ||
        !digit(s[6]))
        return false;
    const int month = (s[5] - '0') * 10 + (s[6] - '0');
    return month >= 1 && month <= 12;
}

// The tiers of each lottery, in the order of the file: best first. Only the shipped database has
// this table; a database without it knows no tiers.
constexpr const char *kPrizeTierTable =
    "CREATE TABLE prizetier(country TEXT NOT NULL, lotteryname TEXT NOT NULL, tier INTEGER NOT NULL,"
    " name TEXT NOT NULL, main INTEGER NOT NULL, supplementary INTEGER NOT NULL, bonus INTEGER NOT NULL,"
    " prize TEXT, currency TEXT);";

// The month the shipped facts were read, a column only the shipped database has.
constexpr const char *kFactsReadColumn = "ALTER TABLE lottery ADD COLUMN factsread TEXT;";

using DbPtr = SqliteConnection;
using StmtPtr = SqliteStatement;

} // namespace

bool parseLotteries(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &rows,
                    std::string &error)
{
    static const char *const kColumns[] = {
        "country",       "lotteryname", "ifrom",     "imatch",           "drawn",
        "supplementary", "bonuspool",   "bonuspick", "lowestprize_main", "lowestprize_bonus",
        "price",         "currency",    "factsread"};
    constexpr int kKnown = static_cast<int>(std::size(kColumns));
    std::istringstream in(csv);
    std::string line;
    int lineNo = 0;
    std::vector<std::string> f;
    std::vector<int> column(kKnown, -1); // where each known column sits in a row, -1 if absent
    std::size_t headerFields = 0;
    auto fail = [&](const std::string &what) {
        error = fileName + ":" + std::to_string(lineNo) + ": " + what;
        rows.clear();
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        std::string why;
        if (!cleanCsvLine(line, lineNo, why))
            return fail(why);
        if (line.empty() || line[0] == '#')
            continue;
        if (!splitCsv(line, f))
            return fail("unclosed quote");
        if (headerFields == 0) {
            if (f.size() < 4 || f[0] != "country" || f[1] != "lotteryname" || f[2] != "ifrom" || f[3] != "imatch")
                return fail("expected the header country,lotteryname,ifrom,imatch,...");
            for (std::size_t i = 0; i < f.size(); ++i) {
                const auto known = std::find(std::begin(kColumns), std::end(kColumns), f[i]);
                if (known == std::end(kColumns))
                    continue; // a note column
                const auto k = static_cast<std::size_t>(known - std::begin(kColumns));
                if (column[k] >= 0)
                    return fail("column " + f[i] + " is named twice");
                column[k] = static_cast<int>(i);
            }
            headerFields = f.size();
            continue;
        }
        if (f.size() < 4)
            return fail("expected country,lotteryname,ifrom,imatch");
        if (f.size() > headerFields)
            return fail("more fields than the header names");
        auto field = [&](int k) {
            return column[k] >= 0 && column[k] < static_cast<int>(f.size()) ? f[column[k]] : "";
        };
        LotteryRow r{f[0], f[1], 0, 0, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
        if (std::find(std::begin(kCountries), std::end(kCountries), r.country) == std::end(kCountries))
            return fail("\"" + r.country + "\" is not a country the program offers");
        if (r.name.empty())
            return fail("the lottery has no name");
        if (!wholeNumber(f[2], r.pool) || r.pool < 2 || r.pool > 99)
            return fail("ifrom must be a whole number from 2 to 99");
        if (!wholeNumber(f[3], r.pick) || r.pick < 1 || r.pick > r.pool)
            return fail("imatch must be a whole number from 1 to ifrom");
        // An optional count: empty, or a whole number from lo to hi.
        std::string bad;
        auto count = [&](int k, int lo, int hi, std::optional<int> &out) {
            const std::string v = field(k);
            if (v.empty())
                return true;
            int n = 0;
            if (!wholeNumber(v, n) || n < lo || n > hi) {
                bad = std::string(kColumns[k]) + " must be empty or a whole number from " + std::to_string(lo) +
                      " to " + std::to_string(hi);
                return false;
            }
            out = n;
            return true;
        };
        if (!count(4, 1, r.pool, r.drawn) || !count(5, 0, r.pool - r.drawn.value_or(1), r.supplementary) ||
            !count(6, 0, 99, r.bonusPool))
            return fail(bad);
        const int bonusPool = r.bonusPool.value_or(0);
        if (!count(7, bonusPool > 0 ? 1 : 0, bonusPool, r.bonusPick))
            return fail(bad + (bonusPool == 0 ? " (there is no bonus pool)" : ""));
        if (bonusPool > 0 && !r.bonusPick)
            return fail("bonuspick is needed when there is a bonus pool");
        if (!count(8, 0, std::min(r.pick, r.drawn.value_or(r.pick)), r.lowestMain) ||
            !count(9, 0, r.bonusPick.value_or(0), r.lowestBonus))
            return fail(bad);
        if (r.lowestMain.value_or(1) == 0 && r.lowestBonus.value_or(1) == 0)
            return fail("the lowest prize cannot need no match at all");
        if (r.lowestMain.has_value() != r.lowestBonus.has_value())
            return fail("lowestprize_main and lowestprize_bonus are given together or not at all");
        const std::string price = field(10);
        r.currency = field(11);
        if (!price.empty()) {
            double p = 0;
            if (!decimalNumber(price, p) || p <= 0)
                return fail("price must be empty or a positive amount like 2.50");
            r.price = p;
        }
        if (r.price.has_value() != !r.currency.empty() || (!r.currency.empty() && !currencyCode(r.currency)))
            return fail("a price needs a three-letter currency code (ISO 4217) and a currency needs a price");
        r.factsRead = field(12);
        if (!r.factsRead.empty() && !yearMonth(r.factsRead))
            return fail("factsread must be empty or the month the facts were read, like 2026-12");
        for (const auto &o : rows)
            if (o.country == r.country && o.name == r.name)
                return fail("\"" + r.name + "\" is listed twice for " + r.country);
        rows.push_back(r);
    }
    if (rows.empty()) {
        error = fileName + ": no lotteries";
        return false;
    }
    const auto tiersPath = std::filesystem::path(fileName).parent_path() / "prize-tiers.csv";
    std::error_code missing;
    if (!std::filesystem::exists(tiersPath, missing))
        return true;
    std::ifstream tiersFile(tiersPath, std::ios::binary);
    std::ostringstream tiersCsv;
    if (tiersFile)
        tiersCsv << tiersFile.rdbuf();
    if (!tiersFile || tiersFile.bad()) {
        error = tiersPath.string() + ": cannot be read";
        rows.clear();
        return false;
    }
    if (!parsePrizeTiers(tiersCsv.str(), tiersPath.string(), rows, error)) {
        rows.clear();
        return false;
    }
    return true;
}

bool parsePrizeTiers(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &lotteries,
                     std::string &error)
{
    static const std::vector<std::string> kHeader = {"country",       "lotteryname", "tier",  "name",    "main",
                                                     "supplementary", "bonus",       "prize", "currency"};
    std::vector<std::vector<TierRow>> tiers(lotteries.size());
    std::istringstream in(csv);
    std::string line;
    int lineNo = 0;
    bool header = false;
    std::size_t current = lotteries.size(); // the lottery whose rows are being read
    std::vector<std::string> f;
    auto fail = [&](const std::string &what) {
        error = fileName + ":" + std::to_string(lineNo) + ": " + what;
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        std::string why;
        if (!cleanCsvLine(line, lineNo, why))
            return fail(why);
        if (line.empty() || line[0] == '#')
            continue;
        if (!splitCsv(line, f))
            return fail("unclosed quote");
        if (!header) {
            if (f != kHeader)
                return fail(
                    "expected the header country,lotteryname,tier,name,main,supplementary,bonus,prize,currency");
            header = true;
            continue;
        }
        if (f.size() != kHeader.size())
            return fail("expected 9 fields (country,lotteryname,tier,name,main,supplementary,bonus,prize,currency), "
                        "found " +
                        std::to_string(f.size()));
        const auto at = std::find_if(lotteries.begin(), lotteries.end(),
                                     [&](const LotteryRow &l) { return l.country == f[0] && l.name == f[1]; });
        if (at == lotteries.end())
            return fail("\"" + f[1] + "\" of " + f[0] + " is not in lotteries.csv");
        const auto index = static_cast<std::size_t>(at - lotteries.begin());
        const LotteryRow &lottery = *at;
        std::vector<TierRow> &own = tiers[index];
        if (index != current && !own.empty())
            return fail("the tiers of \"" + f[1] + "\" of " + f[0] + " must stand together (they began at line " +
                        std::to_string(own.front().line) + ")");
        current = index;

        TierRow t;
        t.line = lineNo;
        t.name = f[3];
        t.prize = f[7];
        t.currency = f[8];
        if (!wholeNumber(f[2], t.tier) || t.tier < 1)
            return fail("tier must be a whole number from 1");
        const int before = own.empty() ? 0 : own.back().tier;
        if (t.tier != before + 1 && (own.empty() || t.tier != before))
            return fail("tier " + f[2] + " follows tier " + std::to_string(before) +
                        ": tiers are numbered 1, 2, 3 ... best first");
        if (t.name.empty() || t.name.size() > 80)
            return fail("the tier needs a name of 1 to 80 bytes");
        if (std::any_of(t.name.begin(), t.name.end(),
                        [](char c) { return (static_cast<unsigned char>(c) < 0x20) || c == 0x7f || c == ','; }))
            return fail("the tier's name holds a comma or a character that does not print");
        const int drawn = lottery.drawn.value_or(lottery.pick);
        const int supplementary = lottery.supplementary.value_or(0);
        const int bonus = lottery.bonusPick.value_or(0);
        auto count = [&](int column, int hi, int &out) {
            if (!wholeNumber(f[column], out) || out > hi) {
                why = kHeader[column] + " must be a whole number from 0 to " + std::to_string(hi) + " for \"" +
                      lottery.name + "\"";
                return false;
            }
            return true;
        };
        if (!count(4, std::min(drawn, lottery.pick), t.main) || !count(5, supplementary, t.supplementary) ||
            !count(6, bonus, t.bonus))
            return fail(why);
        if (t.main + t.supplementary > lottery.pick)
            return fail("a ticket holds " + std::to_string(lottery.pick) + " numbers: it cannot match " +
                        std::to_string(t.main) + " main and " + std::to_string(t.supplementary) + " supplementary");
        if (t.main + t.supplementary + t.bonus == 0)
            return fail("a tier cannot need no match at all");
        if (t.prize.empty() || t.prize == "shared") {
            if (!t.currency.empty())
                return fail("a currency goes only with a fixed amount");
        } else if (!prizeAmount(t.prize)) {
            return fail("prize must be empty, shared, or an amount with two decimals like 10.00");
        } else if (!currencyCode(t.currency)) {
            return fail("a fixed amount needs a three-letter currency code (ISO 4217)");
        }
        // An earlier row with the same main matches that asks no more than this one takes every
        // ticket this one would: the rows are out of order or repeated.
        for (const TierRow &o : own)
            if (o.main == t.main && o.supplementary <= t.supplementary && o.bonus <= t.bonus)
                return fail("no ticket can reach \"" + t.name + "\": \"" + o.name + "\" (line " +
                            std::to_string(o.line) + ") comes first and takes every ticket it would");
        own.push_back(t);
    }
    if (!header) {
        error =
            fileName + ": expected the header country,lotteryname,tier,name,main,supplementary,bonus,prize,currency";
        return false;
    }
    for (std::size_t i = 0; i < lotteries.size(); ++i)
        lotteries[i].tiers = std::move(tiers[i]);
    return true;
}

std::string wheelsNotWorthOffering(const std::vector<wheel::Entry> &wheels)
{
    std::string text;
    for (std::size_t i = 0; i < wheels.size(); ++i) {
        const std::size_t by = wheel::madePointlessBy(wheels, i);
        if (by == wheels.size())
            continue;
        const auto &e = wheels[i];
        const auto &o = wheels[by];
        const bool twice = o.spec.x == e.spec.x && o.spec.y == e.spec.y && o.lines.size() == e.lines.size();
        text += wheel::whereFound(e) + ": the " + wheel::describe(e) +
                (twice ? " is listed twice (first at " : " is made pointless by the " + wheel::describe(o) + " (at ") +
                wheel::whereFound(o) + "); run wheelgen assemble\n";
    }
    return text;
}

bool writeDatabase(const std::string &path, const std::vector<LotteryRow> &lotteries,
                   const std::vector<wheel::Entry> &wheels, std::string &error)
{
    namespace fs = std::filesystem;
    // Rows go in the order players see them: cheapest wheel first for each choice, and
    // only wheels worth offering.
    const auto ordered = wheel::selectWheels(wheels);
    if (ordered.size() != wheels.size()) {
        error = wheelsNotWorthOffering(wheels);
        error.pop_back();
        return false;
    }
    // A name of its own beside the output, so that two builds into one output never share it.
    std::string temp = path + ".part-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        error = path + ": cannot create a file beside it: " + std::strerror(errno);
        return false;
    }
    fchmod(fd, 0644); // a database others may read, as an ordinary new file would be
    close(fd);
    std::error_code ec;
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(temp.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    DbPtr db(raw);
    StmtPtr lottery;
    StmtPtr survey;
    StmtPtr line;
    StmtPtr tier;
    auto fail = [&](const std::string &what) {
        error = path + ": " + what + (db ? std::string(": ") + sqlite3_errmsg(db.get()) : std::string());
        tier.reset();
        lottery.reset();
        survey.reset();
        line.reset();
        db.reset();
        fs::remove(temp, ec);
        return false;
    };
    if (rc != SQLITE_OK)
        return fail("cannot create the database");
    const std::string schema =
        std::string("PRAGMA journal_mode=OFF;BEGIN;") + kWheelTables + kFactsReadColumn + kPrizeTierTable;
    if (sqlite3_exec(db.get(), schema.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail("cannot create the tables");

    auto prepare = [&](const char *sql) { return prepareStatement(db.get(), sql); };
    auto text = [](sqlite3_stmt *s, int i, const std::string &v) { bindText(s, i, v); };
    auto run = [&](sqlite3_stmt *s) {
        const bool ok = sqlite3_step(s) == SQLITE_DONE;
        sqlite3_reset(s);
        return ok;
    };
    lottery = prepare("INSERT INTO lottery VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)");
    survey = prepare("INSERT INTO wheelsurvey VALUES(?,?,?,?,?)");
    line = prepare("INSERT INTO wheels VALUES(?,?,?,?,?)");
    tier = prepare("INSERT INTO prizetier VALUES(?,?,?,?,?,?,?,?,?)");
    if (!lottery || !survey || !line || !tier)
        return fail("cannot prepare the inserts");
    for (const auto &r : lotteries) {
        text(lottery.get(), 1, r.country);
        text(lottery.get(), 2, r.name);
        sqlite3_bind_int(lottery.get(), 3, r.pool);
        sqlite3_bind_int(lottery.get(), 4, r.pick);
        int column = 5;
        for (const auto &v : {r.drawn, r.supplementary, r.bonusPool, r.bonusPick, r.lowestMain, r.lowestBonus}) {
            if (v)
                sqlite3_bind_int(lottery.get(), column, *v);
            else
                sqlite3_bind_null(lottery.get(), column);
            ++column;
        }
        if (r.price)
            sqlite3_bind_double(lottery.get(), 11, *r.price);
        else
            sqlite3_bind_null(lottery.get(), 11);
        if (r.currency.empty())
            sqlite3_bind_null(lottery.get(), 12);
        else
            text(lottery.get(), 12, r.currency);
        if (r.factsRead.empty())
            sqlite3_bind_null(lottery.get(), 13);
        else
            text(lottery.get(), 13, r.factsRead);
        if (!run(lottery.get()))
            return fail("cannot insert a lottery");
        for (const TierRow &t : r.tiers) {
            text(tier.get(), 1, r.country);
            text(tier.get(), 2, r.name);
            sqlite3_bind_int(tier.get(), 3, t.tier);
            text(tier.get(), 4, t.name);
            sqlite3_bind_int(tier.get(), 5, t.main);
            sqlite3_bind_int(tier.get(), 6, t.supplementary);
            sqlite3_bind_int(tier.get(), 7, t.bonus);
            for (const auto &[column, value] : {std::pair{8, &t.prize}, std::pair{9, &t.currency}}) {
                if (value->empty())
                    sqlite3_bind_null(tier.get(), column);
                else
                    text(tier.get(), column, *value);
            }
            if (!run(tier.get()))
                return fail("cannot insert a prize tier");
        }
    }
    for (const auto &e : ordered) {
        const std::string type(1, e.spec.type);
        const std::string label = e.spec.label();
        sqlite3_bind_int(survey.get(), 1, e.spec.pick);
        text(survey.get(), 2, type);
        sqlite3_bind_int(survey.get(), 3, e.spec.z);
        text(survey.get(), 4, label);
        text(survey.get(), 5, std::to_string(e.lines.size()));
        if (!run(survey.get()))
            return fail("cannot insert a wheel");
        for (auto l : e.lines) {
            sqlite3_bind_int(line.get(), 1, e.spec.pick);
            text(line.get(), 2, type);
            sqlite3_bind_int(line.get(), 3, e.spec.z);
            text(line.get(), 4, label);
            text(line.get(), 5, wheel::formatLine(l));
            if (!run(line.get()))
                return fail("cannot insert a wheel line");
        }
    }
    tier.reset();
    lottery.reset();
    survey.reset();
    line.reset();
    // Every wheel query names all the indexed columns, so rows come back in storage order.
    const std::string finish = std::string(kWheelIndexes) + "COMMIT;";
    if (sqlite3_exec(db.get(), finish.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail("cannot finish the database");
    db.reset();
    fs::rename(temp, path, ec);
    if (ec) {
        error = path + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}
