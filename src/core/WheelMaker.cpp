// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelMaker.h"

#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/OwnWheels.h"
#include "core/ShippedFiles.h"
#include "core/WheelShelf.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The search keeps a count for every drawn set; past this many it would need more memory
// than a desktop can spare.
constexpr std::uint64_t kMostSetsPerStart = 20'000'000;
// Wheels held for up to this many numbers more than asked are starts (numbers taken out).
constexpr int kMostNumbersMore = 3;

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

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
            result.message = lines.empty()
                                 ? QCoreApplication::translate("WheelMaker", "No wheel was found in the time given.")
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
        return QCoreApplication::translate("WheelMaker", "A ticket must hold at least one number.");
    if (r.numbers < r.pick + 1 || r.numbers > 99)
        return QCoreApplication::translate("WheelMaker", "Choose from %1 to 99 numbers for tickets of %2.")
            .arg(r.pick + 1)
            .arg(r.pick);
    if (r.numbers > wheel::kMaxPositions)
        return QCoreApplication::translate("WheelMaker", "Wheels can be made for up to %1 numbers.")
            .arg(wheel::kMaxPositions);
    if (r.x < 1 || r.x > r.y)
        return QCoreApplication::translate("WheelMaker",
                                           "In a guarantee \"x if y\" x must be at least 1 and at most y.");
    if (r.y > r.pick)
        return QCoreApplication::translate("WheelMaker",
                                           "A guarantee \"x if y\" for tickets of %1 numbers needs y of at most %1.")
            .arg(r.pick);
    if (r.mostTickets < 1)
        return QCoreApplication::translate("WheelMaker", "The wheel must be allowed at least one ticket.");
    if (!(r.seconds > 0.0 && r.seconds <= 86400.0))
        return QCoreApplication::translate("WheelMaker",
                                           "The time for the search must be more than 0 seconds and at most a day.");
    if (r.threads < 0 || r.threads > 1024)
        return QCoreApplication::translate("WheelMaker",
                                           "The number of threads must be from 1 to 1024 (or 0 for every core).");
    // Counted, never listed: every combination of 7 of 49 numbers is 86 million lines.
    if (const std::uint64_t tickets = ticketsWithoutSearch(r);
        tickets > r.mostTickets || tickets > kMostLinesWithoutSearch) {
        const QString what =
            r.key ? QCoreApplication::translate("WheelMaker", "A key wheel of every combination of %1 of %2 numbers")
                        .arg(r.pick)
                        .arg(r.numbers)
                  : QCoreApplication::translate("WheelMaker", "Every combination of %1 of %2 numbers")
                        .arg(r.pick)
                        .arg(r.numbers);
        return tickets > r.mostTickets
                   ? QCoreApplication::translate("WheelMaker", "%1 is %2 tickets, more than the %3 allowed.")
                         .arg(what)
                         .arg(tickets)
                         .arg(r.mostTickets)
                   : QCoreApplication::translate("WheelMaker", "%1 is %2 tickets, more than Wheelwright can make (%3).")
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
        result.note = spec.isFull() ? QStringLiteral("every combination") : QStringLiteral("the key alone");
        result = finish(spec, std::move(result), linesWithoutSearch(spec), request.mostTickets);
        result.seconds = secondsSince(started);
        return result;
    }

    wheel::MakeWheelOptions o;
    o.spec = spec;
    o.known = knownWheels(request);
    o.known.insert(o.known.end(), request.known.begin(), request.known.end());
    o.seconds = std::max(0.0, request.seconds - secondsSince(started));
    o.threads = request.threads > 0 ? request.threads : static_cast<int>(std::thread::hardware_concurrency());
    o.seed = request.seed;
    o.mostLines = request.mostTickets;
    o.lowerBound = result.lowerBound;
    o.cancelled = cancelled;
    if (progress)
        o.progress = [&](std::size_t best, double secondsLeft, int runs) {
            progress({best, secondsLeft, result.lowerBound, runs});
        };
    const wheel::MadeWheel made = wheel::makeWheel(o);

    result.starts = made.runs;
    result.heldTickets = made.heldLines;
    result.startTickets = made.startLines;
    result.note = QString::fromStdString(made.note);
    if (cancelled && cancelled->load())
        result.outcome = MakeOutcome::Cancelled;
    result = finish(spec, std::move(result), made.lines, request.mostTickets);
    result.seconds = secondsSince(started);
    return result;
}

std::vector<wheel::KnownWheel> WheelMaker::knownWheels(const MakeRequest &request)
{
    std::vector<wheel::KnownWheel> known;
    if (request.databasePath.isEmpty() && request.libraryPath.isEmpty())
        return known;
    Database database;
    if (!request.databasePath.isEmpty() && !database.open(request.databasePath))
        return known;
    Catalogue catalogue(database);
    OwnWheels own;
    const bool ownOpen =
        !request.libraryPath.isEmpty() && QFileInfo(request.libraryPath).isFile() && own.open(request.libraryPath);
    WheelShelf shelf(catalogue, ownOpen ? &own : nullptr);
    shelf.setProveStoredWheels(!isShippedDatabase(request.databasePath));
    const WheelType type = request.key ? WheelType::Key : WheelType::TypeA;
    try {
        for (int pick = std::max(1, request.pick - 1); pick <= request.pick; ++pick)
            for (int numbers = pick + 1; numbers <= std::min(request.numbers + kMostNumbersMore, wheel::kMaxPositions);
                 ++numbers) {
                // The pick below serves only joins, whose parts have fewer numbers.
                if (pick < request.pick && numbers >= request.numbers)
                    break;
                for (const WheelOffer &offer : shelf.offers(pick, type, numbers)) {
                    const auto spec = offer.spec();
                    if (!spec)
                        continue;
                    WheelLines lines = shelf.lines(offer);
                    if (lines.sound())
                        known.push_back({*spec, std::move(lines.lines), offer.isOwn() ? "own" : "shipped"});
                }
            }
    } catch (const QueryError &) {
        // A database that cannot be read gives no starts; the search starts from its own.
    }
    return known;
}

std::size_t WheelMaker::heldTickets(const MakeRequest &request)
{
    if (!checkRequest(request).isEmpty())
        return 0;
    Database database;
    if (!request.databasePath.isEmpty() && !database.open(request.databasePath))
        return 0;
    Catalogue catalogue(database);
    OwnWheels own;
    const bool ownOpen =
        !request.libraryPath.isEmpty() && QFileInfo(request.libraryPath).isFile() && own.open(request.libraryPath);
    const WheelShelf shelf(catalogue, ownOpen ? &own : nullptr);
    try {
        const auto found = shelf.find(request.pick, request.key ? WheelType::Key : WheelType::TypeA, request.numbers,
                                      Guarantee{request.x, request.y});
        return found && found->tickets > 0 ? static_cast<std::size_t>(found->tickets) : 0;
    } catch (const QueryError &) {
        return 0;
    }
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
