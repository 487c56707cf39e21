// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelMaker.h"

#include "wheelsearch/search.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

using Clock = std::chrono::steady_clock;

// A start is a chain of runs this long, each from the best of the one before, so that the
// progress figures see its best and a start that stops improving is noticed. The engine reads
// the stop flag (deadline, cancel(), lower bound) as often as its clock, setting up included,
// so neither waits for a run to end.
constexpr double kSegmentSeconds = 1.0;
// A start that has not improved for this long is given up for a fresh one.
constexpr double kStallSeconds = 3.0;
constexpr auto kProgressEvery = std::chrono::milliseconds(250);
constexpr auto kPollEvery = std::chrono::milliseconds(25);
// The search keeps a count for every drawn set; past these it would need more memory
// than a desktop can spare (per start, and for all starts at once).
constexpr std::uint64_t kMostSetsPerStart = 20'000'000;
constexpr std::uint64_t kMostSetsInAll = 40'000'000;

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// The best wheel the starts have found, shared between them.
class Best {
public:
    // Keeps `lines` when they are fewer than the best so far; returns the best count.
    std::size_t offer(const std::vector<wheel::Line> &lines)
    {
        std::lock_guard lock(mutex_);
        if (!lines.empty() && (lines_.empty() || lines.size() < lines_.size()))
            lines_ = lines;
        return lines_.size();
    }
    std::vector<wheel::Line> lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    std::size_t count() const
    {
        std::lock_guard lock(mutex_);
        return lines_.size();
    }

private:
    mutable std::mutex mutex_;
    std::vector<wheel::Line> lines_;
};

// Past this many tickets a wheel made without a search is not made at all, whatever the
// limit: its lines alone would fill the memory the search may use.
constexpr std::uint64_t kMostLinesWithoutSearch = kMostSetsPerStart;

// C(n, r), or the largest count where it would overflow.
std::uint64_t combinations(int n, int r)
{
    if (r < 0 || n < 0 || r > n)
        return 0;
    r = std::min(r, n - r);
    std::uint64_t count = 1;
    for (int i = 1; i <= r; ++i) {
        const auto factor = static_cast<std::uint64_t>(n - r + i);
        if (count > std::numeric_limits<std::uint64_t>::max() / factor)
            return std::numeric_limits<std::uint64_t>::max();
        count = count * factor / static_cast<std::uint64_t>(i); // C(n-r+i-1, i-1) * (n-r+i) / i is exact
    }
    return count;
}

bool madeWithoutSearch(const wheel::WheelSpec &spec)
{
    return (spec.type == 'k' && spec.x == 1) || spec.isFull();
}

// The lines of a wheel madeWithoutSearch(): a key "1 if y" is the key alone (it matches
// whenever it is drawn, so one line does), "pick if pick" every combination. Only called once
// checkRequest() has counted them.
std::vector<wheel::Line> linesWithoutSearch(const wheel::WheelSpec &spec)
{
    if (spec.type == 'k' && spec.x == 1) {
        wheel::Line line = 0;
        for (int p = 0; p < spec.pick; ++p)
            line |= wheel::Line{1} << p;
        return {line};
    }
    return wheel::fullWheel(spec.pick, spec.type, spec.z).lines;
}

MakeResult finish(const wheel::WheelSpec &spec, MakeResult result, std::vector<wheel::Line> lines,
                  std::size_t mostTickets)
{
    std::sort(lines.begin(), lines.end(), wheel::lineLess);
    if (lines.empty() || lines.size() > mostTickets) {
        if (result.outcome != MakeOutcome::Cancelled) {
            result.outcome = MakeOutcome::NothingFound;
            result.message = lines.empty() ? QStringLiteral("No wheel was found in the time given.")
                                           : QStringLiteral("No wheel of at most %1 tickets was found in the time "
                                                            "given (the best had %2).")
                                                 .arg(mostTickets)
                                                 .arg(lines.size());
        }
        return result;
    }
    const auto verdict = wheel::verifyWheel(spec, lines);
    if (!verdict.holds) {
        result.outcome = MakeOutcome::ProofFailed;
        result.message = QStringLiteral("The wheel found does not keep its guarantee (%1). This is a fault in "
                                        "Wheelwright; please report it with the wheel asked for.")
                             .arg(QString::fromStdString(verdict.reason));
        return result;
    }
    result.reachedLowerBound = lines.size() <= result.lowerBound;
    result.lines = std::move(lines);
    return result;
}

} // namespace

wheel::WheelSpec MakeRequest::spec() const
{
    return {pick, key ? 'k' : 'a', numbers, x, y};
}

QString WheelMaker::checkRequest(const MakeRequest &r)
{
    if (r.pick < 1)
        return QStringLiteral("A ticket must hold at least one number.");
    if (r.numbers < r.pick + 1 || r.numbers > 99)
        return QStringLiteral("Choose from %1 to 99 numbers for tickets of %2.").arg(r.pick + 1).arg(r.pick);
    if (r.numbers > wheel::kMaxPositions)
        return QStringLiteral("Wheels can be made for up to %1 numbers.").arg(wheel::kMaxPositions);
    if (r.x < 1 || r.x > r.y)
        return QStringLiteral("In a guarantee \"x if y\" x must be at least 1 and at most y.");
    if (r.y > r.pick)
        return QStringLiteral("A guarantee \"x if y\" for tickets of %1 numbers needs y of at most %1.").arg(r.pick);
    if (r.mostTickets < 1)
        return QStringLiteral("The wheel must be allowed at least one ticket.");
    if (!(r.seconds > 0.0 && r.seconds <= 86400.0))
        return QStringLiteral("The time for the search must be more than 0 seconds and at most a day.");
    if (r.threads < 0 || r.threads > 1024)
        return QStringLiteral("The number of threads must be from 1 to 1024 (or 0 for every core).");
    // Counted, never listed: every combination of 7 of 49 numbers is 86 million lines.
    if (const std::uint64_t tickets = ticketsWithoutSearch(r);
        tickets > r.mostTickets || tickets > kMostLinesWithoutSearch) {
        const QString what =
            r.key ? QStringLiteral("A key wheel of every combination of %1 of %2 numbers").arg(r.pick).arg(r.numbers)
                  : QStringLiteral("Every combination of %1 of %2 numbers").arg(r.pick).arg(r.numbers);
        return tickets > r.mostTickets ? QStringLiteral("%1 is %2 tickets, more than the %3 allowed.")
                                             .arg(what)
                                             .arg(tickets)
                                             .arg(r.mostTickets)
                                       : QStringLiteral("%1 is %2 tickets, more than Wheelwright can make (%3).")
                                             .arg(what)
                                             .arg(tickets)
                                             .arg(kMostLinesWithoutSearch);
    }
    const wheel::Design d = wheel::designOf(r.spec());
    if (!madeWithoutSearch(r.spec()) && wheel::binomial(d.v, d.m) > kMostSetsPerStart)
        return QStringLiteral("A wheel \"%1 if %2\" on %3 numbers has too many drawn sets to search (%4).")
            .arg(r.x)
            .arg(r.y)
            .arg(r.numbers)
            .arg(wheel::binomial(d.v, d.m));
    return {};
}

std::uint64_t WheelMaker::ticketsWithoutSearch(const MakeRequest &r)
{
    const wheel::WheelSpec spec = r.spec();
    if (!madeWithoutSearch(spec))
        return 0;
    if (spec.type == 'k' && spec.x == 1)
        return 1;
    // A key wheel is every combination of the other numbers, each with the key.
    return r.key ? combinations(r.numbers - 1, r.pick - 1) : combinations(r.numbers, r.pick);
}

std::size_t WheelMaker::lowerBound(const MakeRequest &request)
{
    if (!checkRequest(request).isEmpty())
        return 0;
    const auto spec = request.spec();
    if (spec.type == 'k' && spec.x == 1)
        return 1;
    return std::max<std::size_t>(1, wheel::lowerBound(wheel::designOf(spec)));
}

MakeResult WheelMaker::make(const MakeRequest &request, const std::function<void(const MakeProgress &)> &progress,
                            const std::atomic<bool> *cancelled)
{
    const auto started = Clock::now();
    MakeResult result;
    result.message = checkRequest(request);
    if (!result.message.isEmpty())
        return result;
    const wheel::WheelSpec spec = request.spec();
    result.lowerBound = lowerBound(request);
    if (result.lowerBound > request.mostTickets) {
        result.outcome = MakeOutcome::NothingFound;
        result.message = QStringLiteral("No wheel \"%1 if %2\" on %3 numbers has fewer than %4 tickets, more than "
                                        "the %5 allowed.")
                             .arg(request.x)
                             .arg(request.y)
                             .arg(request.numbers)
                             .arg(result.lowerBound)
                             .arg(request.mostTickets);
        return result;
    }
    result.outcome = MakeOutcome::Proven;
    if (madeWithoutSearch(spec)) { // checkRequest() has counted them within the limit
        result = finish(spec, std::move(result), linesWithoutSearch(spec), request.mostTickets);
        result.seconds = secondsSince(started);
        return result;
    }

    const wheel::Design design = wheel::designOf(spec);
    const std::uint64_t sets = std::max<std::uint64_t>(1, wheel::binomial(design.v, design.m));
    int threads = request.threads > 0 ? request.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp<int>(threads, 1, static_cast<int>(std::max<std::uint64_t>(1, kMostSetsInAll / sets)));

    const auto deadline =
        started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(request.seconds));
    auto secondsLeft = [&] { return std::max(0.0, std::chrono::duration<double>(deadline - Clock::now()).count()); };
    Best best;
    std::atomic<bool> stop{false};
    std::atomic<int> starts{0};
    auto shouldStop = [&] { return stop.load() || (cancelled && cancelled->load()) || Clock::now() >= deadline; };

    auto work = [&] {
        while (!shouldStop()) {
            const int startNo = starts++;
            // Seeds far apart, so no two starts (of this run or the next) share a sequence.
            std::uint64_t seed = request.seed * 1'000'003u + static_cast<std::uint64_t>(startNo) * 10'007u;
            std::vector<wheel::Line> current;
            auto lastGain = Clock::now();
            while (!shouldStop()) {
                const double left = secondsLeft();
                wheel::SearchOptions o;
                o.seed = ++seed;
                o.secondsCap = std::min(kSegmentSeconds, left);
                o.start = current;
                o.stop = &stop; // set at the deadline, on cancel() and at the lower bound
                if (current.empty()) {
                    o.giveUpAbove = request.mostTickets + request.mostTickets / 2;
                    o.greedySecondsCap = std::max(left, 0.001);
                }
                const auto found = wheel::searchWheel(spec, o);
                if (found.blocks.empty())
                    break; // the greedy start alone needs too many lines or too long
                if (current.empty() || found.blocks.size() < current.size()) {
                    current = found.blocks;
                    lastGain = Clock::now();
                    if (best.offer(current) <= result.lowerBound)
                        stop = true;
                } else if (secondsSince(lastGain) > kStallSeconds) {
                    break;
                }
            }
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(threads));
    for (int i = 0; i < threads; ++i)
        pool.emplace_back(work);

    auto lastReport = Clock::now() - kProgressEvery;
    while (!shouldStop()) {
        if (progress && Clock::now() - lastReport >= kProgressEvery) {
            lastReport = Clock::now();
            progress({best.count(), secondsLeft(), result.lowerBound, starts.load()});
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    stop = true;
    for (auto &t : pool)
        t.join();
    if (progress)
        progress({best.count(), 0.0, result.lowerBound, starts.load()});

    result.starts = starts.load();
    if (cancelled && cancelled->load())
        result.outcome = MakeOutcome::Cancelled;
    result = finish(spec, std::move(result), best.lines(), request.mostTickets);
    result.seconds = secondsSince(started);
    return result;
}

WheelMaker::~WheelMaker()
{
    cancel();
    wait();
}

void WheelMaker::setProgressHandler(std::function<void(const MakeProgress &)> handler)
{
    progress_ = std::move(handler);
}

void WheelMaker::setFinishedHandler(std::function<void(const MakeResult &)> handler)
{
    finished_ = std::move(handler);
}

bool WheelMaker::start(const MakeRequest &request)
{
    if (running_.exchange(true))
        return false;
    if (thread_.joinable())
        thread_.join(); // the previous run has ended; its thread only needs collecting
    cancelled_ = false;
    bestTickets_ = 0;
    {
        std::lock_guard lock(mutex_);
        result_ = MakeResult{};
    }
    thread_ = std::thread(&WheelMaker::run, this, request);
    return true;
}

void WheelMaker::run(MakeRequest request)
{
    auto result = make(
        request,
        [this](const MakeProgress &p) {
            bestTickets_ = p.bestTickets;
            if (progress_)
                progress_(p);
        },
        &cancelled_);
    {
        std::lock_guard lock(mutex_);
        result_ = result;
    }
    bestTickets_ = result.lines.size();
    running_ = false;
    if (finished_)
        finished_(result);
}

void WheelMaker::cancel()
{
    cancelled_ = true;
}

void WheelMaker::wait()
{
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

bool WheelMaker::isRunning() const
{
    return running_.load();
}

std::size_t WheelMaker::bestTickets() const
{
    return bestTickets_.load();
}

MakeResult WheelMaker::result() const
{
    std::lock_guard lock(mutex_);
    return result_;
}
