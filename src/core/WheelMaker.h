// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/maker.h"
#include "wheelsearch/wheel.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// What the player asks for: a wheel of `pick` numbers a ticket on `numbers` numbers that
// guarantees "x if y", type-a or key, in at most `mostTickets` tickets.
struct MakeRequest {
    int pick = 0;
    int numbers = 0;
    int x = 0;
    int y = 0;
    bool key = false;
    std::size_t mostTickets = 2000;
    double seconds = 30.0;
    int threads = 0;        // 0: every core
    std::uint64_t seed = 1; // the first start's seed; the others follow from it
    // Where the wheels to start from are read (see WheelMaker::knownWheels); empty: not read.
    QString databasePath;
    QString libraryPath;
    // Wheels to start from besides those read there (a caller that holds them already).
    std::vector<wheel::KnownWheel> known;

    wheel::WheelSpec spec() const;
};

// Reported while the search runs.
struct MakeProgress {
    std::size_t bestTickets = 0; // 0 while no wheel has been found yet
    double secondsLeft = 0.0;
    std::size_t lowerBound = 0;
    int starts = 0; // independent starts begun so far
};

enum class MakeOutcome {
    Proven,       // `lines` is a proven wheel of at most mostTickets tickets
    Cancelled,    // stopped by cancel(); `lines` is the best proven wheel so far (may be empty)
    NothingFound, // no wheel of at most mostTickets tickets within the time
    Refused,      // the request cannot be made (message says why); nothing was searched
    ProofFailed,  // the search produced a wheel the proof refutes: a fault in the program
};

struct MakeResult {
    MakeOutcome outcome = MakeOutcome::Refused;
    std::vector<wheel::Line> lines; // sorted as a player reads them; empty unless proven
    QString message;                // one sentence for the player when something went wrong
    std::size_t lowerBound = 0;
    bool reachedLowerBound = false; // no wheel can have fewer tickets
    double seconds = 0.0;
    int starts = 0;
    QString note;                 // how the wheel was found, as the catalogue's notes tell it
    std::size_t heldTickets = 0;  // the wheel the program held for this request; 0 when none
    std::size_t startTickets = 0; // the best start before the search; 0 when there was none
};

// Makes a wheel on demand, off the calling thread, from the best the program knows: the
// wheel it holds for the request (shipped or the player's own), one held for more numbers
// with numbers taken out, wheels joined from smaller ones, the designs a group keeps, and
// then the local search from the best of them on every core (see wheel::makeWheel). It is
// never worse than the wheel held. Stops when the time is up, the lower bound is reached or
// cancel() is called; the best wheel is then proven by the exhaustive verifier, and only a
// proven wheel is ever handed out.
//
// The callbacks run on the maker's own thread, never the caller's: a dialog posts them to
// its thread (QMetaObject::invokeMethod(dialog, [..] {..}, Qt::QueuedConnection)). They
// must not call back into the maker, except result(), bestTickets() and isRunning().
// Destroying the maker cancels and waits for its threads (at most about a second).
class WheelMaker {
public:
    WheelMaker() = default;
    ~WheelMaker();
    WheelMaker(const WheelMaker &) = delete;
    WheelMaker &operator=(const WheelMaker &) = delete;

    // Why the request cannot be made, or an empty text when it can (before any search). It
    // counts and never lists, so a window may ask it on every change of a field.
    static QString checkRequest(const MakeRequest &request);
    // The counting lower bound on the tickets (Schoenheim's when x == y): no wheel has fewer.
    static std::size_t lowerBound(const MakeRequest &request);
    // The tickets of a wheel made without a search, counted and never listed: every
    // combination for "pick if pick", one line for a key "1 if y"; 0 when a search is needed.
    // Saturates at the largest count rather than overflowing.
    static std::uint64_t ticketsWithoutSearch(const MakeRequest &request);

    // The wheels the maker starts from, read from the request's database and library: those
    // of its type for its pick and the one below, on up to three numbers more than it. A file
    // that cannot be read gives none.
    static std::vector<wheel::KnownWheel> knownWheels(const MakeRequest &request);
    // The fewest tickets of a wheel the request's database or library holds for this very
    // request; 0 when neither holds one.
    static std::size_t heldTickets(const MakeRequest &request);

    // About four times a second while searching.
    void setProgressHandler(std::function<void(const MakeProgress &)> handler);
    // Once, when the maker has stopped and result() is final.
    void setFinishedHandler(std::function<void(const MakeResult &)> handler);

    // Starts the search; false (and nothing runs) while a previous one still runs. A request
    // checkRequest() refuses finishes at once with MakeOutcome::Refused.
    bool start(const MakeRequest &request);
    // Asks the search to stop; returns at once. The best wheel so far is proven and kept.
    void cancel();
    // Blocks until the maker has stopped.
    void wait();
    bool isRunning() const;

    // The best ticket count found so far (0: none yet); safe from any thread.
    std::size_t bestTickets() const;
    // The final result once finished; before that, the outcome is Refused with no lines.
    MakeResult result() const;

    // The whole job on the calling thread, for the command line and tests.
    static MakeResult make(const MakeRequest &request, const std::function<void(const MakeProgress &)> &progress = {},
                           const std::atomic<bool> *cancelled = nullptr);

private:
    void run(MakeRequest request);

    std::function<void(const MakeProgress &)> progress_;
    std::function<void(const MakeResult &)> finished_;
    std::thread thread_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> running_{false};
    std::atomic<std::size_t> bestTickets_{0};
    mutable std::mutex mutex_;
    MakeResult result_;
};
