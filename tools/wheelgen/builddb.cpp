// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builddb.h"

#include "Countries.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

struct DbCloser {
    // Closes once the last statement is finalized, whatever order they go in.
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using DbPtr = std::unique_ptr<sqlite3, DbCloser>;
using StmtPtr = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

} // namespace

bool parseLotteries(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &rows,
                    std::string &error)
{
    std::istringstream in(csv);
    std::string line;
    int lineNo = 0;
    std::vector<std::string> f;
    auto fail = [&](const std::string &what) {
        error = fileName + ":" + std::to_string(lineNo) + ": " + what;
        rows.clear();
        return false;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (!splitCsv(line, f))
            return fail("unclosed quote");
        if (f.size() < 4)
            return fail("expected country,lotteryname,ifrom,imatch");
        if (f[0] == "country")
            continue; // the header
        LotteryRow r{f[0], f[1], 0, 0};
        if (std::find(std::begin(kCountries), std::end(kCountries), r.country) == std::end(kCountries))
            return fail("\"" + r.country + "\" is not a country the program offers");
        if (r.name.empty())
            return fail("the lottery has no name");
        if (!wholeNumber(f[2], r.pool) || r.pool < 2 || r.pool > 999)
            return fail("ifrom must be a whole number from 2 to 999");
        if (!wholeNumber(f[3], r.pick) || r.pick < 1 || r.pick >= r.pool)
            return fail("imatch must be a whole number from 1 to ifrom - 1");
        for (const auto &o : rows)
            if (o.country == r.country && o.name == r.name)
                return fail("\"" + r.name + "\" is listed twice for " + r.country);
        rows.push_back(r);
    }
    if (rows.empty()) {
        error = fileName + ": no lotteries";
        return false;
    }
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
    auto fail = [&](const std::string &what) {
        error = path + ": " + what + (db ? std::string(": ") + sqlite3_errmsg(db.get()) : std::string());
        lottery.reset();
        survey.reset();
        line.reset();
        db.reset();
        fs::remove(temp, ec);
        return false;
    };
    if (rc != SQLITE_OK)
        return fail("cannot create the database");
    const char *schema = "PRAGMA journal_mode=OFF;"
                         "BEGIN;"
                         "CREATE TABLE lottery(country TEXT NOT NULL, lotteryname TEXT NOT NULL,"
                         " ifrom INTEGER NOT NULL, imatch INTEGER NOT NULL);"
                         "CREATE TABLE wheelsurvey(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
                         " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, ticket TEXT NOT NULL);"
                         "CREATE TABLE wheels(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
                         " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, digitalstring TEXT NOT NULL);";
    if (sqlite3_exec(db.get(), schema, nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail("cannot create the tables");

    auto prepare = [&](const char *sql) {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db.get(), sql, -1, &s, nullptr);
        return StmtPtr(s);
    };
    auto text = [](sqlite3_stmt *s, int i, const std::string &v) {
        sqlite3_bind_text(s, i, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    };
    auto run = [&](sqlite3_stmt *s) {
        const bool ok = sqlite3_step(s) == SQLITE_DONE;
        sqlite3_reset(s);
        return ok;
    };
    lottery = prepare("INSERT INTO lottery VALUES(?,?,?,?)");
    survey = prepare("INSERT INTO wheelsurvey VALUES(?,?,?,?,?)");
    line = prepare("INSERT INTO wheels VALUES(?,?,?,?,?)");
    if (!lottery || !survey || !line)
        return fail("cannot prepare the inserts");
    for (const auto &r : lotteries) {
        text(lottery.get(), 1, r.country);
        text(lottery.get(), 2, r.name);
        sqlite3_bind_int(lottery.get(), 3, r.pool);
        sqlite3_bind_int(lottery.get(), 4, r.pick);
        if (!run(lottery.get()))
            return fail("cannot insert a lottery");
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
    lottery.reset();
    survey.reset();
    line.reset();
    // Every wheel query names all the indexed columns, so rows come back in storage order.
    const char *finish = "CREATE INDEX survey_by_choice ON wheelsurvey(pick, wheeltype, zoption);"
                         "CREATE INDEX wheels_by_wheel ON wheels(pick, wheeltype, zoption, xyoption);"
                         "COMMIT;";
    if (sqlite3_exec(db.get(), finish, nullptr, nullptr, nullptr) != SQLITE_OK)
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
