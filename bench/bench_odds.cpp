// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times the exact odds of every wheel in a built database: the match table, for every count of
// drawn numbers a stored lottery of that pick uses; and the prize tiers, for every lottery with
// known tiers and every wheel it can use, without bonus numbers and, where the lottery has a
// bonus pool, with one more bonus number than a ticket carries, dealt over the tickets. Prints the
// slowest ten of each and the totals.
//
//   bench_odds DATABASE [--table] [--tiers] [--limit SECONDS] [--share I/N] [--only TEXT] [--figures]
//
// --table or --tiers times only that table; a count running past --limit (default 30 s) of
// processor time is stopped and listed as over it. --share I/N times only every N-th lottery of
// the tier tables from the I-th (0-based), so that N runs share the work. Each lottery's figures go
// to standard error as soon as they are counted. --only TEXT times only the tables whose line in the listing
// holds TEXT, e.g. --only 'pick 6 type k numbers 49 "4 if 4", Canada, Lotto 6/49'; given again,
// those holding every TEXT. --figures prints every table's figures (counts, and chances in
// hexadecimal), so that two builds of the count can be compared to the last bit.
#include "core/Odds.h"
#include "wheelsearch/wheel.h"

#include <sqlite3.h>

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

struct Run {
    std::string what;
    int tickets = 0;
    double seconds = 0; // wall clock
    double cpu = 0;     // this thread's processor time, steadier on a busy machine
    bool stopped = false;
};

double cpuSeconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double threadCpuSeconds()
{
    return cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
}

std::string column(sqlite3_stmt *s, int i)
{
    const auto *t = sqlite3_column_text(s, i);
    return t ? reinterpret_cast<const char *>(t) : std::string();
}

int intColumn(sqlite3_stmt *s, int i, int otherwise)
{
    return sqlite3_column_type(s, i) == SQLITE_NULL ? otherwise : sqlite3_column_int(s, i);
}

// Sets the flag once the thread that called arm() has spent `limit` seconds of processor time
// since, until disarm(). Wall clock would stop, on a busy machine, counts that finish in time alone.
class Watchdog {
public:
    explicit Watchdog(double limit) : limit_(limit), thread_([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    const std::atomic<bool> *arm()
    {
        std::lock_guard lock(mutex_);
        stop_ = false;
        if (pthread_getcpuclockid(pthread_self(), &clock_) != 0)
            clock_ = CLOCK_MONOTONIC; // no clock of its own: wall clock then
        start_ = cpuSeconds(clock_);
        armed_ = true;
        wake_.notify_all();
        return &stop_;
    }
    void disarm()
    {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            if (!armed_) {
                wake_.wait(lock);
                continue;
            }
            // A look every 10 ms: the counts stop within a few of their limit.
            wake_.wait_for(lock, std::chrono::milliseconds(10));
            if (armed_ && cpuSeconds(clock_) - start_ >= limit_) {
                stop_ = true;
                armed_ = false;
            }
        }
    }

    double limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> stop_{false};
    clockid_t clock_ = CLOCK_MONOTONIC;
    double start_ = 0;
    bool armed_ = false;
    bool quit_ = false;
    std::thread thread_;
};

struct WheelKey {
    int pick;
    std::string type;
    int z;
    std::string label;
    bool operator<(const WheelKey &o) const
    {
        return std::tie(pick, type, z, label) < std::tie(o.pick, o.type, o.z, o.label);
    }
    std::string name() const
    {
        return "pick " + std::to_string(pick) + " type " + type + " numbers " + std::to_string(z) + " \"" + label +
               "\"";
    }
};

// A lottery as far as the time of its tier count goes; lotteries alike are counted once.
struct Shape {
    int pick = 0;
    odds::Lottery lottery;
    std::vector<std::tuple<int, int, int>> tiers;
    std::string name; // the first lottery of this shape
    bool operator<(const Shape &o) const
    {
        return std::tie(pick, lottery.pool, lottery.drawn, lottery.supplementary, lottery.bonusPool, lottery.bonusDrawn,
                        tiers) < std::tie(o.pick, o.lottery.pool, o.lottery.drawn, o.lottery.supplementary,
                                          o.lottery.bonusPool, o.lottery.bonusDrawn, o.tiers);
    }
};

void report(const char *title, std::vector<Run> &runs, int skipped)
{
    double total = 0;
    double totalCpu = 0;
    int stopped = 0;
    for (const Run &r : runs) {
        total += r.seconds;
        totalCpu += r.cpu;
        stopped += r.stopped ? 1 : 0;
    }
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.cpu > b.cpu; });
    int under = 0;
    for (const Run &r : runs)
        under += !r.stopped && r.cpu < 0.3 ? 1 : 0;
    std::printf("%s: %zu tables, %.2f s in all (%.2f s of processor time); %d under 0.3 s, %d stopped at the "
                "limit; %d wheels for more numbers than the pool skipped\nslowest (processor time, wall):\n",
                title, runs.size(), total, totalCpu, under, stopped, skipped);
    for (std::size_t i = 0; i < runs.size() && i < 10; ++i)
        std::printf("  %7.3f s %7.3f s%s  %s, %d tickets\n", runs[i].cpu, runs[i].seconds,
                    runs[i].stopped ? " (stopped)" : "", runs[i].what.c_str(), runs[i].tickets);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    bool table = true;
    bool tiers = true;
    double limit = 30;
    int share = 0;
    int shares = 1;
    std::vector<std::string> only;
    bool figures = false;
    const char *path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--table")
            tiers = false;
        else if (a == "--tiers")
            table = false;
        else if (a == "--limit" && i + 1 < argc)
            limit = std::atof(argv[++i]);
        else if (a == "--share" && i + 1 < argc)
            std::sscanf(argv[++i], "%d/%d", &share, &shares);
        else if (a == "--only" && i + 1 < argc)
            only.emplace_back(argv[++i]);
        else if (a == "--figures")
            figures = true;
        else if (!path)
            path = argv[i];
        else {
            path = nullptr;
            break;
        }
    }
    if (!path || limit <= 0 || shares < 1 || share < 0 || share >= shares) {
        std::fprintf(stderr, "usage: bench_odds DATABASE.sqlite3 [--table] [--tiers] [--limit SECONDS] [--share I/N] "
                             "[--only TEXT] [--figures]\n"
                             "(wheelgen build-db data OUT.sqlite3 builds one)\n");
        return 2;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", path, db ? sqlite3_errmsg(db) : "cannot open");
        sqlite3_close(db);
        return 1;
    }
    // The match table's time hardly depends on the pool, so each count drawn is timed once, with
    // the largest pool.
    std::map<int, std::map<int, int>> drawnByPick; // pick -> drawn -> pool
    std::map<std::pair<std::string, std::string>, Shape> lotteries;
    {
        sqlite3_stmt *s = nullptr;
        const bool full = sqlite3_prepare_v2(db,
                                             "SELECT imatch, ifrom, drawn, supplementary, bonuspool, bonuspick, "
                                             "country, lotteryname FROM lottery",
                                             -1, &s, nullptr) == SQLITE_OK;
        if (!full)
            sqlite3_prepare_v2(db, "SELECT imatch, ifrom, imatch, 0, 0, 0, country, lotteryname FROM lottery", -1, &s,
                               nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW) {
            const int pick = sqlite3_column_int(s, 0);
            Shape shape;
            shape.pick = pick;
            shape.lottery = {sqlite3_column_int(s, 1), intColumn(s, 2, pick), intColumn(s, 3, 0), intColumn(s, 4, 0),
                             0};
            shape.lottery.bonusDrawn = shape.lottery.bonusPool > 0 ? intColumn(s, 5, 1) : 0;
            shape.name = column(s, 6) + ", " + column(s, 7);
            int &best = drawnByPick[pick][shape.lottery.drawn];
            best = std::max(best, shape.lottery.pool);
            lotteries[{column(s, 6), column(s, 7)}] = shape;
        }
        sqlite3_finalize(s);
    }
    std::map<Shape, int> shapes; // with known tiers -> how many lotteries share the shape
    {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT country, lotteryname, main, supplementary, bonus FROM prizetier", -1, &s,
                               nullptr) == SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW) {
                const auto at = lotteries.find({column(s, 0), column(s, 1)});
                if (at != lotteries.end())
                    at->second.tiers.emplace_back(sqlite3_column_int(s, 2), sqlite3_column_int(s, 3),
                                                  sqlite3_column_int(s, 4));
            }
        }
        sqlite3_finalize(s);
        for (const auto &[name, shape] : lotteries)
            if (!shape.tiers.empty())
                ++shapes[shape];
    }
    std::map<WheelKey, std::vector<std::uint64_t>> wheels;
    {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db, "SELECT pick, wheeltype, zoption, xyoption, digitalstring FROM wheels", -1, &s, nullptr);
        while (s && sqlite3_step(s) == SQLITE_ROW) {
            WheelKey k{sqlite3_column_int(s, 0), column(s, 1), sqlite3_column_int(s, 2), column(s, 3)};
            std::uint64_t line = 0;
            std::string error;
            if (!wheel::parseLine(column(s, 4), k.z, line, error)) {
                std::fprintf(stderr, "%s: %s\n", k.name().c_str(), error.c_str());
                sqlite3_finalize(s);
                sqlite3_close(db);
                return 1;
            }
            wheels[k].push_back(line);
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    std::printf("%zu wheels; %zu lotteries, %zu shapes of lottery with known tiers; limit %.0f s a table\n",
                wheels.size(), lotteries.size(), shapes.size(), limit);

    Watchdog watchdog(limit);
    const auto wanted = [&](const std::string &what) {
        return std::all_of(only.begin(), only.end(),
                           [&](const std::string &text) { return what.find(text) != std::string::npos; });
    };
    const auto timed = [&](const std::string &what, int tickets, auto count) {
        Run run{what, tickets};
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuSeconds();
        const odds::Status status = count(watchdog.arm());
        watchdog.disarm();
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.cpu = threadCpuSeconds() - cpuStart;
        run.stopped = status == odds::Status::Cancelled;
        return std::pair{run, status};
    };

    if (table) {
        std::vector<Run> runs;
        int skipped = 0;
        for (const auto &[k, lines] : wheels)
            for (const auto &[drawn, pool] : drawnByPick[k.pick]) {
                if (k.z > pool) {
                    ++skipped;
                    continue;
                }
                const std::string what = k.name() + ", " + std::to_string(drawn) + " of " + std::to_string(pool);
                if (!wanted(what))
                    continue;
                std::string error;
                auto [run, status] = timed(what, static_cast<int>(lines.size()), [&](const std::atomic<bool> *stop) {
                    odds::Table t;
                    const odds::Status done = odds::compute({pool, drawn}, {k.z, lines}, {0, stop}, t, error);
                    if (figures && done == odds::Status::Done) {
                        std::printf("%s:", what.c_str());
                        for (const auto &rows : {t.have, t.keyedHave})
                            for (const odds::HaveRow &row : rows)
                                for (const std::uint64_t sets : row.atLeastSets)
                                    std::printf(" %llu", static_cast<unsigned long long>(sets));
                        for (const double p : t.atLeast)
                            std::printf(" %a", p);
                        std::printf("\n");
                    }
                    return done;
                });
                if (status == odds::Status::Invalid) {
                    std::fprintf(stderr, "%s: %s\n", run.what.c_str(), error.c_str());
                    return 1;
                }
                runs.push_back(run);
            }
        report("Match tables", runs, skipped);
    }

    if (tiers) {
        std::vector<Run> plain;
        std::vector<Run> withBonus;
        int skipped = 0;
        int index = -1;
        for (const auto &[shape, sharing] : shapes) {
            if (++index % shares != share)
                continue;
            const odds::Lottery &l = shape.lottery;
            std::vector<odds::Tier> rules;
            for (const auto &[m, s, b] : shape.tiers)
                rules.push_back({m, s, b});
            std::vector<Run> mine;
            for (const auto &[k, lines] : wheels) {
                if (k.pick != shape.pick)
                    continue;
                if (k.z > l.pool) {
                    ++skipped;
                    continue;
                }
                for (const bool bonus : {false, true}) {
                    if (bonus && l.bonusPool == 0)
                        continue;
                    odds::TierQuestion q;
                    q.lottery = l;
                    q.numbers = k.z;
                    q.tiers = rules;
                    // One more than a ticket carries, dealt round the tickets as the program deals them.
                    const int chosen = bonus ? std::min(l.bonusPool, l.bonusDrawn + 1) : 0;
                    q.bonusNumbers = chosen;
                    for (std::size_t i = 0; i < lines.size(); ++i) {
                        std::uint64_t carried = 0;
                        if (chosen > 0) {
                            const int take = std::min(l.bonusDrawn, chosen);
                            const std::size_t start = (i % chosen) * (take % chosen) % chosen;
                            for (int b = 0; b < take; ++b)
                                carried |= std::uint64_t{1} << ((start + b) % chosen);
                        }
                        q.tickets.push_back({lines[i], carried});
                    }
                    const std::string what = k.name() + ", " + shape.name +
                                             (sharing > 1 ? " and " + std::to_string(sharing - 1) + " alike" : "") +
                                             (bonus ? ", with bonus numbers" : "");
                    if (!wanted(what))
                        continue;
                    std::string error;
                    auto [run, status] =
                        timed(what, static_cast<int>(lines.size()), [&](const std::atomic<bool> *stop) {
                            q.cancel = stop;
                            odds::TierOdds o;
                            const odds::Status done = odds::computeTiers(q, o, error);
                            if (figures && done == odds::Status::Done) {
                                std::printf("%s: %a", what.c_str(), o.anyPrize);
                                for (std::size_t t = 0; t < o.anyTicket.size(); ++t)
                                    std::printf(" %a %a", o.anyTicket[t], o.expectedTickets[t]);
                                std::printf("\n");
                            }
                            return done;
                        });
                    if (status == odds::Status::Invalid) {
                        std::fprintf(stderr, "%s: %s\n", run.what.c_str(), error.c_str());
                        return 1;
                    }
                    mine.push_back(run);
                    (bonus ? withBonus : plain).push_back(run);
                }
            }
            // The lottery's figures at once: the whole run is long.
            double cpu = 0;
            double slowest = 0;
            int over = 0;
            int stopped = 0;
            for (const Run &r : mine) {
                cpu += r.cpu;
                slowest = std::max(slowest, r.cpu);
                over += !r.stopped && r.cpu >= 0.3 ? 1 : 0;
                stopped += r.stopped ? 1 : 0;
            }
            std::fprintf(
                stderr, "%s%s: %zu tables, %.1f s of processor time, slowest %.3f s; %d over 0.3 s, %d stopped\n",
                shape.name.c_str(), sharing > 1 ? (" and " + std::to_string(sharing - 1) + " alike").c_str() : "",
                mine.size(), cpu, slowest, over, stopped);
        }
        report("Tier tables without bonus numbers", plain, skipped);
        report("Tier tables with bonus numbers", withBonus, 0);
    }
    return 0;
}
