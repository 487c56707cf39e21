// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelMaker.h"

#include "wheelsearch/search.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// One run of the engine cannot be interrupted, so a start is a chain of runs this long:
// cancel() and the progress figures wait for at most one of them.
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

// The wheels no search is needed for: every combination, and a key wheel "1 if y" (the key
// alone matches whenever it is drawn, so one line does).
std::vector<wheel::Line> madeWithoutSearch(const wheel::WheelSpec &spec)
{
    if (spec.type == 'k' && spec.x == 1) {
        wheel::Line line = 0;
        for (int p = 0; p < spec.pick; ++p)
            line |= wheel::Line{1} << p;
        return {line};
    }
    if (spec.isFull())
        return wheel::fullWheel(spec.pick, spec.type, spec.z).lines;
    return {};
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
    const wheel::Design d = wheel::designOf(r.spec());
    if (madeWithoutSearch(r.spec()).empty() && wheel::binomial(d.v, d.m) > kMostSetsPerStart)
        return QStringLiteral("A wheel \"%1 if %2\" on %3 numbers has too many drawn sets to search (%4).")
            .arg(r.x)
            .arg(r.y)
            .arg(r.numbers)
            .arg(wheel::binomial(d.v, d.m));
    return {};
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
    auto ready = madeWithoutSearch(spec);
    if (!ready.empty()) {
        result = finish(spec, std::move(result), std::move(ready), request.mostTickets);
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
