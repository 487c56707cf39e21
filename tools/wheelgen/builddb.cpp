// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builddb.h"

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

// The rows of a UTF-8 CSV text, one at a time: blank lines and comments (#) are passed over, and
// every fault is told as file:line.
class CsvRowReader {
public:
    CsvRowReader(const std::string &csv, const std::string &fileName) : in_(csv), fileName_(fileName) {}

    // The fields of the next row. False at the end of the text, or at a line that cannot be read:
    // fault() then says why, and at() names the line.
    bool next(std::vector<std::string> &fields)
    {
        std::string line;
        while (std::getline(in_, line)) {
            ++lineNo_;
            if (!cleanCsvLine(line, lineNo_, fault_))
                return false;
            if (line.empty() || line[0] == '#')
                continue;
            if (!splitCsv(line, fields)) {
                fault_ = "unclosed quote";
                return false;
            }
            return true;
        }
        return false;
    }
    // The line of the row read last, from 1.
    int line() const { return lineNo_; }
    // `what` said of the row read last: "lotteries.csv:4: what".
    std::string at(const std::string &what) const { return fileName_ + ":" + std::to_string(lineNo_) + ": " + what; }
    // Why the line read last cannot be read; empty when the text was read to its end.
    const std::string &fault() const { return fault_; }

private:
    std::istringstream in_;
    std::string fileName_;
    int lineNo_ = 0;
    std::string fault_;
};

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
    CsvRowReader reader(csv, fileName);
    std::vector<std::string> f;
    std::vector<int> column(kKnown, -1); // where each known column sits in a row, -1 if absent
    std::size_t headerFields = 0;
    auto fail = [&](const std::string &what) {
        error = reader.at(what);
        rows.clear();
        return false;
    };
    while (reader.next(f)) {
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
        namespace rules = lotteryrules;
        if (auto why = rules::countryFault(r.country); !why.empty())
            return fail(why);
        if (auto why = rules::nameFault(r.name); !why.empty())
            return fail(why);
        if (!wholeNumber(f[2], r.pool))
            return fail("ifrom must be a whole number from 2 to 99");
        if (auto why = rules::poolFault(r.pool); !why.empty())
            return fail("ifrom: " + why);
        if (!wholeNumber(f[3], r.pick))
            return fail("imatch must be a whole number");
        if (auto why = rules::pickFault(r.pick, r.pool); !why.empty())
            return fail("imatch: " + why);
        // An optional count: empty, or a whole number the rule then judges.
        std::string bad;
        auto count = [&](int k, std::optional<int> &out) {
            const std::string v = field(k);
            if (v.empty())
                return true;
            int n = 0;
            if (!wholeNumber(v, n)) {
                bad = std::string(kColumns[k]) + " must be empty or a whole number";
                return false;
            }
            out = n;
            return true;
        };
        for (auto [k, out] : {std::pair{4, &r.drawn}, std::pair{5, &r.supplementary}, std::pair{6, &r.bonusPool},
                              std::pair{7, &r.bonusPick}, std::pair{8, &r.lowestMain}, std::pair{9, &r.lowestBonus}})
            if (!count(k, *out))
                return fail(bad);
        const int drawn = r.drawn.value_or(r.pick);
        const int bonusPool = r.bonusPool.value_or(0);
        if (bonusPool > 0 && !r.bonusPick)
            return fail("bonuspick is needed when there is a bonus pool");
        const std::pair<const char *, std::string> checks[] = {
            {"drawn", r.drawn ? rules::drawnFault(drawn, r.pool) : std::string()},
            {"supplementary", r.supplementary ? rules::supplementaryFault(*r.supplementary, r.pool, drawn) : ""},
            {"bonuspool", rules::bonusPoolFault(bonusPool)},
            {"bonuspick", rules::bonusPickFault(r.bonusPick.value_or(0), bonusPool)},
            {"lowestprize_main",
             rules::lowestPrizeFault(r.lowestMain, r.lowestBonus, r.pick, drawn, r.bonusPick.value_or(0))},
            {"price", rules::priceFault(field(10), field(11), r.price)},
            {"factsread", field(12).empty() ? std::string() : rules::monthFault(field(12))}};
        for (const auto &[column, why] : checks)
            if (!why.empty())
                return fail(std::string(column) + ": " + why);
        r.currency = field(11);
        r.factsRead = field(12);
        for (const auto &o : rows)
            if (o.country == r.country && o.name == r.name)
                return fail("\"" + r.name + "\" is listed twice for " + r.country);
        rows.push_back(r);
    }
    if (!reader.fault().empty())
        return fail(reader.fault());
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
    CsvRowReader reader(csv, fileName);
    bool header = false;
    std::size_t current = lotteries.size(); // the lottery whose rows are being read
    std::vector<std::string> f;
    auto fail = [&](const std::string &what) {
        error = reader.at(what);
        return false;
    };
    while (reader.next(f)) {
        std::string why;
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
        t.line = reader.line();
        t.name = f[3];
        t.prize = f[7];
        t.currency = f[8];
        if (!wholeNumber(f[2], t.tier) || t.tier < 1)
            return fail("tier must be a whole number from 1");
        const int before = own.empty() ? 0 : own.back().tier;
        if (t.tier != before + 1 && (own.empty() || t.tier != before))
            return fail("tier " + f[2] + " follows tier " + std::to_string(before) +
                        ": tiers are numbered 1, 2, 3 ... best first");
        auto count = [&](int column, int &out) {
            if (!wholeNumber(f[column], out)) {
                why = kHeader[column] + " must be a whole number";
                return false;
            }
            return true;
        };
        if (!count(4, t.main) || !count(5, t.supplementary) || !count(6, t.bonus))
            return fail(why);
        if (why = lotteryrules::tierFault(t, lottery, own); !why.empty())
            return fail(why);
        own.push_back(t);
    }
    if (!reader.fault().empty())
        return fail(reader.fault());
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
