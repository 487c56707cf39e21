// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
// The prize tiers a wheel's tickets win: every draw counted through the subsets of the player's
// numbers it can hit, with the supplementary numbers and the bonus draw.
#include "core/FastBits.h"
#include "core/Odds.h"
#include "core/SubsetCounts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

namespace odds {

namespace {

// Splits every class that the mask cuts into its part inside the mask and its part outside:
// the classes stay disjoint and cover what they covered, and none is empty.
void refineClasses(std::vector<std::uint64_t> &classes, std::uint64_t mask)
{
    const std::size_t before = classes.size();
    for (std::size_t c = 0; c < before; ++c) {
        const std::uint64_t in = classes[c] & mask;
        const std::uint64_t out = classes[c] & ~mask;
        if (in && out) {
            classes[c] = in;
            classes.push_back(out);
        }
    }
}

// What a draw class is keyed by: the count j of drawn numbers among the player's, then per tier
// main count ("slot") the pairs (supplementary matches, bonus set) that some ticket with exactly
// that many main matches shows, one bit each. The tiers it wins follow from the key and the bonus
// draw.
constexpr std::size_t kMaxSlots = 16;
using Key = std::array<std::uint64_t, kMaxSlots + 1>;

// The draw classes met so far and their shares: open addressing, since a count looks one up for
// every subset of the player's numbers.
class KeyTally {
public:
    KeyTally() : keys_(64), shares_(64, -1) {}

    // Keys hold nothing past their first `width` words: only those are compared, and the hash of the
    // zeros after them is one product.
    void setWidth(std::size_t width)
    {
        width_ = width;
        rest_ = 1;
        for (std::size_t i = width; i < kMaxSlots + 1; ++i)
            rest_ *= kPrime;
    }
    bool same(const Key &a, const Key &b) const
    {
        for (std::size_t i = 0; i < width_; ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }

    void add(const Key &key, long double share)
    {
        std::size_t at = slot(key);
        if (shares_[at] < 0) {
            if (2 * (used_ + 1) > keys_.size()) {
                grow();
                at = slot(key);
            }
            keys_[at] = key;
            shares_[at] = 0;
            ++used_;
        }
        shares_[at] += share;
    }

    template <typename F> void forEach(F f) const
    {
        for (std::size_t i = 0; i < keys_.size(); ++i)
            if (shares_[i] >= 0)
                f(keys_[i], shares_[i]);
    }

private:
    static constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    std::size_t hash(const Key &key) const
    {
        std::uint64_t h = 0x9e3779b97f4a7c15ULL;
        for (std::size_t i = 0; i < width_; ++i)
            h = (h ^ key[i]) * kPrime;
        h *= rest_;
        return static_cast<std::size_t>(h ^ (h >> 31));
    }
    std::size_t slot(const Key &key) const
    {
        const std::size_t mask = keys_.size() - 1;
        std::size_t at = hash(key) & mask;
        while (shares_[at] >= 0 && !same(key, keys_[at]))
            at = (at + 1) & mask;
        return at;
    }
    void grow()
    {
        std::vector<Key> keys(keys_.size() * 2);
        std::vector<long double> shares(keys_.size() * 2, -1);
        std::swap(keys, keys_);
        std::swap(shares, shares_);
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (shares[i] >= 0) {
                const std::size_t at = slot(keys[i]);
                keys_[at] = keys[i];
                shares_[at] = shares[i];
            }
    }

    std::vector<Key> keys_;
    std::vector<long double> shares_; // -1: a free place
    std::size_t used_ = 0;
    std::size_t width_ = kMaxSlots + 1;
    std::uint64_t rest_ = 1;
};

class TierCounter {
public:
    TierCounter(const TierQuestion &q) : q_(q), l_(q.lottery) {}

    bool prepare(std::string &error);
    bool run();
    void finish(TierOdds &odds) const;

private:
    struct Slot {
        int main = 0;
        bool bySupplementary = false; // its tiers differ by supplementary matches
        int supplementaryNeed = 0;    // the most supplementary matches any of its tiers asks
        bool oneAsNone = true;        // one supplementary match wins what none does
    };

    int tierAt(int main, int s, int b) const
    {
        return tierAt_[(static_cast<std::size_t>(main) * (l_.supplementary + 1) + s) * (bonusTop_ + 1) + b];
    }
    const std::uint64_t *onPosition(int p) const { return on_.data() + static_cast<std::size_t>(p) * words_; }
    const std::uint64_t *ofGroup(int g) const { return groupLines_.data() + static_cast<std::size_t>(g) * words_; }
    std::uint64_t *bucket(int depth, int c)
    {
        return buckets_.data() + (static_cast<std::size_t>(depth) * (top_ + 1) + c) * words_;
    }

    void visit(int depth, int last, std::uint64_t drawn);
    void evaluate(int j, std::uint64_t drawn, const std::vector<const std::uint64_t *> &slotLines);
    void evaluateOne(std::uint64_t free, int j, const std::vector<const std::uint64_t *> &slotLines, Key &key);
    void emitOne(std::uint64_t free, int j, Key &key, long double times);
    void emitShares(int j, const Key &key, std::uint64_t times, std::uint64_t free);
    void emitSharesByBonus(int j, const Key &key, std::uint64_t times, std::uint64_t free);
    bool childrenAtOnce(int depth, int last, std::uint64_t drawn);
    bool leavesByLikeness(int depth, int last, std::uint64_t drawn);
    void leafLines(int depth, int e);
    void childTickets(int depth, int c, int e, std::uint64_t *out);
    void walkSupplementary(int depth, std::size_t from);
    bool evaluateByClasses(std::uint64_t free, Key &key);
    void prepareShares();
    bool evaluateShares(int j, std::uint64_t free, const std::vector<const std::uint64_t *> &slotLines, const Key &key);
    void emitClasses(std::size_t from, int size, std::uint64_t met, std::uint64_t exact, long double ways, Key &key);
    void emitPairs(std::uint64_t taken, Key &key);
    static bool holdsDisjoint(const std::vector<std::uint64_t> &sets, std::size_t from, std::uint64_t used, int need,
                              int &budget);
    std::uint64_t *walkLevel(int depth, int h);
    std::uint64_t groupsIn(const std::uint64_t *lines) const;
    void add(const Key &key, long double share);

    const TierQuestion &q_;
    const Lottery &l_;
    int z_ = 0;
    int words_ = 0;
    int top_ = 0;      // the largest line
    int bonusTop_ = 0; // bonus matches that can count, 0..bonusDrawn
    int jLow_ = 0;     // fewest drawn numbers among the player's that a draw can give
    int jHigh_ = 0;    // most
    int groups_ = 1;   // different sets of bonus numbers carried
    std::vector<int> groupOf_;
    std::vector<std::uint64_t> groupBonus_;
    std::vector<std::uint64_t> groupLines_; // per group: its tickets (bit set over the tickets)
    std::vector<std::uint64_t> on_;         // per position: the tickets holding it
    std::vector<std::uint64_t> buckets_;    // per depth and match count c: the tickets matching exactly c
    std::vector<int> tierAt_;
    std::vector<Slot> slots_;
    std::vector<std::pair<std::uint64_t, long double>> bonusClasses_; // drawn among the player's, chance
    KeyTally tally_;
    Key last_{};
    long double lastShare_ = 0;
    std::vector<std::vector<int>> slotTickets_;
    std::vector<const std::uint64_t *> slotLines_;
    std::vector<std::uint64_t> scratch_;
    // Per depth: the tickets meeting the subset in depth - 1 places or more, in order, while they
    // are few (deep in the walk they are a handful of the thousands, which the bit sets over every
    // ticket would have to scan for); `highKept_` false where they were too many to list.
    struct Met {
        int ticket;
        int places; // of the subset on it
    };
    std::vector<std::vector<Met>> high_;
    std::vector<char> highKept_;
    std::size_t highMost_ = 0;
    void keepHigh(int depth, int e);
    // Calls f(ticket) for each ticket of group g meeting the subset of `depth` members at hand in
    // exactly c places, in order, until f says stop.
    template <typename F> void eachTicket(int depth, int c, int g, F f) const;
    bool listed(int depth, int c) const
    {
        const auto at = static_cast<std::size_t>(depth);
        return c >= depth - 1 && highKept_[at] && high_[at].size() <= static_cast<std::size_t>(words_) * 2;
    }
    // The subset evaluate() is given, when it is the node of that depth (its short list is at hand);
    // else -1.
    int evaluated_ = -1;
    // Calls f(ticket) for each ticket of slot i (`set`, of the subset evaluate() is given) in order,
    // until f says stop.
    template <typename F> void eachOfSlot(std::size_t i, const std::uint64_t *set, F f) const
    {
        const int m = slots_[i].main;
        if (evaluated_ >= 0 && listed(evaluated_, m)) {
            for (const Met &met : high_[static_cast<std::size_t>(evaluated_)])
                if (met.places == m && !f(met.ticket))
                    return;
            return;
        }
        for (int w = 0; w < words_; ++w)
            for (std::uint64_t bits = set[w]; bits; bits &= bits - 1)
                if (!f(w * 64 + std::countr_zero(bits)))
                    return;
    }
    // Computed at a node for all its children, per slot told apart by one supplementary number and
    // bonus set (slot * groups_ + group), from the node's tickets with the slot's main count,
    // "disjoint" meaning but for the places on every ticket: the places on three of them disjoint
    // but for that place ("firm") and on two ("covered"), and whether three and four of them are
    // disjoint. Kept per depth, since a node's children are evaluated between its grandchildren.
    struct Firm {
        bool known = false;
        std::vector<std::uint64_t> firm, covered;
        std::vector<std::uint64_t> pairs; // per place not firm: two such tickets' other places, else all
        std::vector<char> three, four;
    };
    std::vector<Firm> firm_;
    bool anyBySupplementary_ = false;
    void firmPlaces(int depth, std::uint64_t drawn, bool forGrandchildren);
    // The subset evaluate() is given: its size and largest member.
    int evalDepth_ = 0;
    int evalLast_ = -1;
    // One supplementary number: per slot and bonus set, the union and intersection of the lines.
    struct Sides {
        std::size_t slot;
        int group;
        std::uint64_t any;
        std::uint64_t all;
        bool full; // the union is every place and the intersection none
        bool seen = false;
    };
    std::vector<Sides> sides_;
    std::vector<std::uint64_t> classes_;
    // The children of one node, counted at once: per slot and bonus set what decides them.
    struct Batch {
        std::size_t slot = 0;
        int group = 0;
        bool bySupplementary = false;
        std::uint64_t present = 0;              // not by supplementary: the children where some ticket matches
        bool saturated = false;                 // by supplementary: every child alike
        std::vector<std::uint64_t> stay, moved; // else: the node's tickets with m, and with m - 1
        // Too many of them to split the children by (or enough that reading beats taking each
        // line): per child c, from the tickets with m missing c
        // (their union but the places whose every such ticket holds c: stayWith[c]; their
        // intersection, the places on every ticket when three are disjoint) and those with m - 1
        // holding c (anyMoved[c], allMoved[c]).
        bool wide = false;
        bool gathered = false; // not wide, but its lines are many enough to gather as for wide
        bool stayApart = false;
        std::uint64_t stayUnion = 0, stayCommon = 0, movedSeen = 0;
        std::array<std::uint64_t, 64> stayWith, anyMoved, allMoved;
    };
    void widen(Batch &b, std::uint64_t children);
    std::vector<Batch> batches_; // the first batchCount_ are this node's; the rest keep their storage
    std::size_t batchCount_ = 0;
    Batch &nextBatch()
    {
        if (batchCount_ == batches_.size())
            batches_.emplace_back();
        Batch &b = batches_[batchCount_++];
        b.stay.clear();
        b.moved.clear();
        b.present = 0;
        b.saturated = false;
        b.wide = false;
        b.gathered = false;
        return b;
    }
    std::uint64_t common_ = ~std::uint64_t{0}; // places on every ticket (a key wheel's key)
    std::vector<std::uint64_t> childClasses_;
    std::vector<int> places_;
    // Two or more supplementary numbers, one subset J at a time: per slot by supplementary (a
    // part) its tickets as bits; per place the tickets holding it; per depth of Q and h the tickets
    // meeting Q in at least h places.
    struct Part {
        std::size_t slot;
        std::size_t at; // first word
        int words;
    };
    std::vector<Part> parts_;
    std::size_t walkWords_ = 0;
    std::vector<std::uint64_t> onPlace_, groupBits_, everyBit_, levels_;
    // Two or more supplementary numbers where a slot and bonus set need one of them at most and
    // its tickets always leave one that misses them ("plain"): only whether Q meets their union
    // matters. The other slots' tickets ("exact") are kept whole (see evaluateByClasses).
    struct Plain {
        std::size_t slot;
        int group;
        std::uint64_t any;
    };
    struct Exact {
        std::size_t slot;
        int group;
        std::uint64_t line; // the ticket's places among the undrawn
    };
    // Two supplementary numbers, a slot and bonus set that wins only with both on one ticket and
    // always has a ticket holding at most one of them: whether some ticket holds the pair Q.
    // cover_: per such side and place, the places sharing a ticket of it with the place.
    struct PairSide {
        std::size_t slot;
        int group;
    };
    std::vector<PairSide> pairSides_;
    std::vector<std::uint64_t> cover_;
    std::array<std::size_t, 2> chosen_{}; // the classes Q took its places from, while it has two
    struct Class {
        std::uint64_t places;
        int size;
        std::uint64_t plains; // the plain unions it lies on
    };
    std::vector<Plain> plains_;
    std::vector<Exact> exacts_;
    std::vector<Class> placeClasses_;
    std::array<long double, 8> restShare_{}; // per size of Q among the relevant places: its share
    std::uint64_t commonFree_ = 0;
    long double times_ = 1; // how many subsets J the one evaluated stands for
    std::vector<int> alikeTickets_;
    std::vector<std::pair<std::uint64_t, int>> alikeChildren_;
    struct Side {
        bool seen = false, missed = false, plain = false, pair = false;
        std::size_t pairAt = 0;
        int disjoint = 0;
        std::uint64_t any = 0, used = 0;
    };
    std::vector<Side> sideOf_;                         // per bonus set, for one slot at a time
    std::vector<std::vector<std::uint64_t>> asidesOf_; // per bonus set: its tickets' places but the common
    int walkRest_ = 0;
    long double walkDraws_ = 1;
    Key *walkKey_ = nullptr;
    std::uint64_t ticks_ = 0;
    bool stopped_ = false;
    // Supplementary numbers and no bonus draw: each tier's chance needs no draw class, only whether
    // some ticket of its slot meets the supplementary numbers as the tier asks, so each subset J adds
    // its tiers' shares straight to `shares_` (per j: every tier, then any prize). With one
    // supplementary number the children counted at once add theirs from each slot's union and
    // intersection (emitShares), where other draws need a key per class of places; so does one
    // supplementary number with a bonus draw, per outcome of that draw (emitSharesByBonus).
    // Supplementary matches: any, 1 or more, 2 or more, none, at most one of two.
    enum class Asks { Any, One, Two, None, NotBoth };
    struct SlotTier {
        int tier;
        Asks asks;
    };
    bool byShares_ = false;
    bool sharesByBonus_ = false;                   // one supplementary number and a bonus draw
    std::vector<std::vector<SlotTier>> slotTiers_; // per slot by supplementary
    std::vector<char> stopsEarly_;                 // per slot: asks one match or none, never misses all
    std::vector<char> needsApart_;                 // per slot: asks none
    std::vector<int> winsFrom_;                    // per slot: the fewest supplementary matches winning, or -1
    std::vector<long double> shares_;
    // One supplementary number: the shares in draws of the ball, whole numbers, made shares at the end.
    std::vector<std::uint64_t> ballShares_;
    // With a bonus draw (sharesByBonus_): ballShares_ per outcome of the bonus draw among the
    // player's bonus numbers (bonusClasses_), and per outcome, slot and bonus set the tiers its
    // tickets win with the ball off them and on them (-1: none).
    std::vector<std::array<int, 2>> classTiers_;
    std::vector<std::uint64_t> lines_; // the tickets of one slot, their undrawn places
    std::array<std::uint64_t, 64> near_{}, slotNear_{};
    std::array<long double, 64> found_{}; // one subset's tiers, those in `foundTiers`
};

bool TierCounter::prepare(std::string &error)
{
    auto fail = [&](const std::string &what) {
        error = what;
        return false;
    };
    const int n = l_.pool;
    const int d = l_.drawn;
    z_ = q_.numbers;
    if (n < 2 || n > kMaxPool)
        return fail("the pool must hold 2 to 99 numbers");
    if (d < 1 || d > n)
        return fail("the numbers drawn must be 1 to the pool");
    if (l_.supplementary < 0 || l_.supplementary > n - d)
        return fail("the supplementary numbers must be 0 to the numbers left in the pool");
    if (l_.bonusPool < 0 || l_.bonusPool > kMaxPool || l_.bonusDrawn < 0 || l_.bonusDrawn > l_.bonusPool ||
        (l_.bonusPool > 0) != (l_.bonusDrawn > 0))
        return fail("the bonus pool must hold 1 to 99 numbers and draw 1 to all of them, or be absent");
    if (z_ < 1 || z_ > n || z_ > 64)
        return fail("the player's numbers must be 1 to the pool, at most 64");
    if (q_.bonusNumbers < 0 || q_.bonusNumbers > l_.bonusPool || q_.bonusNumbers > 64)
        return fail("the player's bonus numbers must be 0 to the bonus pool, at most 64");
    if (q_.tickets.empty())
        return fail("there are no tickets");
    if (q_.tiers.empty() || q_.tiers.size() > 64)
        return fail("there must be 1 to 64 tiers");
    const std::uint64_t inside = firstPositions(z_);
    const std::uint64_t bonusInside = firstPositions(q_.bonusNumbers);
    for (const Ticket &t : q_.tickets) {
        if (t.line == 0 || (t.line & ~inside) != 0)
            return fail("a ticket is empty or names a place beyond the player's numbers");
        if ((t.bonus & ~bonusInside) != 0)
            return fail("a ticket carries a bonus number the player did not choose");
        top_ = std::max(top_, std::popcount(t.line));
        common_ &= t.line;
    }
    for (const Tier &t : q_.tiers)
        if (t.main < 0 || t.supplementary < 0 || t.bonus < 0)
            return fail("a tier needs a negative count");

    const int s = l_.supplementary;
    // No ticket makes more bonus matches than it carries bonus numbers.
    int carried = 0;
    for (const Ticket &t : q_.tickets)
        carried = std::max(carried, std::popcount(t.bonus));
    bonusTop_ = l_.bonusPool > 0 ? std::min(l_.bonusDrawn, carried) : 0;
    tierAt_.assign(static_cast<std::size_t>(top_ + 1) * (s + 1) * (bonusTop_ + 1), -1);
    for (int m = 0; m <= top_; ++m) {
        Slot slot{m, false, 0};
        for (const Tier &t : q_.tiers)
            if (t.main == m)
                slot.supplementaryNeed = std::max(slot.supplementaryNeed, t.supplementary);
        bool any = false;
        for (int ss = 0; ss <= s; ++ss)
            for (int b = 0; b <= bonusTop_; ++b) {
                const int t = tierOf(q_.tiers, m, ss, b);
                tierAt_[(static_cast<std::size_t>(m) * (s + 1) + ss) * (bonusTop_ + 1) + b] = t;
                any = any || t >= 0;
                if (t != tierOf(q_.tiers, m, 0, b))
                    slot.bySupplementary = true;
                if (ss == 1 && t != tierOf(q_.tiers, m, 0, b))
                    slot.oneAsNone = false;
            }
        // A main count the draw cannot give never pays.
        if (any && m <= d)
            slots_.push_back(slot);
    }

    if (slots_.size() > kMaxSlots)
        return fail("the tiers name too many different main match counts");
    tally_.setWidth(slots_.size() + 1);
    const int count = static_cast<int>(q_.tickets.size());
    words_ = (count + 63) / 64;
    std::vector<std::uint64_t> seen;
    for (const Ticket &t : q_.tickets) {
        const auto at = std::find(seen.begin(), seen.end(), t.bonus);
        groupOf_.push_back(static_cast<int>(at - seen.begin()));
        if (at == seen.end())
            seen.push_back(t.bonus);
    }
    groupBonus_ = seen;
    groups_ = static_cast<int>(seen.size());
    if ((s + 1) * groups_ > 64)
        return fail("the tickets carry too many different sets of bonus numbers");
    groupLines_.assign(static_cast<std::size_t>(groups_) * words_, 0);
    sideOf_.resize(static_cast<std::size_t>(groups_));
    asidesOf_.resize(static_cast<std::size_t>(groups_));
    on_.assign(static_cast<std::size_t>(z_) * words_, 0);
    for (int i = 0; i < count; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        groupLines_[static_cast<std::size_t>(groupOf_[i]) * words_ + i / 64] |= bit;
        for (auto l = q_.tickets[i].line; l; l &= l - 1)
            on_[static_cast<std::size_t>(std::countr_zero(l)) * words_ + i / 64] |= bit;
    }

    // The bonus draw: which of the player's bonus numbers it holds, with its chance.
    const int u = q_.bonusNumbers;
    if (l_.bonusPool == 0 || u == 0) {
        bonusClasses_.push_back({0, 1.0L});
    } else {
        const long double all = binomial(l_.bonusPool, l_.bonusDrawn);
        const int most = std::min(u, l_.bonusDrawn);
        long double classes = 0;
        for (int w = 0; w <= most; ++w)
            classes += binomial(u, w);
        if (classes > 200000)
            return fail("the bonus draw has too many outcomes among the player's bonus numbers");
        // Every subset of the u chosen of at most `most` members, by a walk over their bits.
        std::vector<std::uint64_t> stack{0};
        std::vector<int> from{0};
        while (!stack.empty()) {
            const std::uint64_t w = stack.back();
            const int next = from.back();
            stack.pop_back();
            from.pop_back();
            const int size = std::popcount(w);
            const long double ways = binomial(l_.bonusPool - u, l_.bonusDrawn - size);
            if (ways > 0)
                bonusClasses_.push_back({w, ways / all});
            if (size == most)
                continue;
            for (int b = next; b < u; ++b) {
                stack.push_back(w | std::uint64_t{1} << b);
                from.push_back(b + 1);
            }
        }
    }

    jHigh_ = std::min(d, z_);
    jLow_ = std::max(0, d - (n - z_));
    buckets_.assign(static_cast<std::size_t>(jHigh_ + 1) * (top_ + 1) * words_, 0);
    std::uint64_t *none = bucket(0, 0);
    for (int i = 0; i < count; ++i)
        none[i / 64] |= std::uint64_t{1} << (i % 64);
    slotTickets_.resize(slots_.size());
    slotLines_.resize(slots_.size());
    scratch_.assign(slots_.size() * words_, 0);
    high_.assign(static_cast<std::size_t>(jHigh_) + 1, {});
    firm_.assign(static_cast<std::size_t>(jHigh_) + 1, {});
    for (const Slot &slot : slots_)
        anyBySupplementary_ = anyBySupplementary_ || slot.bySupplementary;
    highKept_.assign(static_cast<std::size_t>(jHigh_) + 1, 0);
    highMost_ = std::max<std::size_t>(64, static_cast<std::size_t>(words_) * 8);
    for (int i = 0; i < count; ++i)
        high_[0].push_back({i, 0});
    highKept_[0] = 1;
    prepareShares();
    return true;
}

// Whether every tier by supplementary matches asks what evaluateShares() counts: none, one or
// more, two or more (of two or three drawn), at most one (of two drawn), or any number.
void TierCounter::prepareShares()
{
    const int s = l_.supplementary;
    byShares_ = s >= 1 && s <= 8 && l_.bonusPool == 0 && groups_ == 1;
    // One supplementary number and a bonus draw: each slot's union and intersection per bonus set
    // give its tiers for every outcome of the bonus draw (emitSharesByBonus). Each child is counted
    // once per outcome, so a draw with many outcomes among the player's bonus numbers keeps the
    // table of keys, which meets each alike class once.
    constexpr std::size_t kFewOutcomes = 16;
    sharesByBonus_ = s == 1 && !byShares_ && bonusClasses_.size() <= kFewOutcomes;
    if (sharesByBonus_) {
        classTiers_.clear();
        for (const auto &outcome : bonusClasses_)
            for (const Slot &slot : slots_)
                for (int g = 0; g < groups_; ++g) {
                    const int b =
                        std::min(std::popcount(groupBonus_[static_cast<std::size_t>(g)] & outcome.first), bonusTop_);
                    classTiers_.push_back({tierAt(slot.main, 0, b), tierAt(slot.main, 1, b)});
                }
        byShares_ = true;
    }
    slotTiers_.assign(slots_.size(), {});
    winsFrom_.assign(slots_.size(), -1);
    stopsEarly_.assign(slots_.size(), 0);
    needsApart_.assign(slots_.size(), 0);
    int shortest = 64;
    for (const Ticket &t : q_.tickets)
        shortest = std::min(shortest, std::popcount(t.line));
    for (std::size_t i = 0; i < slots_.size() && byShares_ && !sharesByBonus_; ++i) {
        if (!slots_[i].bySupplementary)
            continue;
        const int m = slots_[i].main;
        for (int h = s; h >= 0; --h)
            if (tierAt(m, h, 0) >= 0)
                winsFrom_[i] = h;
        if (winsFrom_[i] > 2 || (winsFrom_[i] == 2 && s > 3))
            byShares_ = false;
        for (int h = 0; h <= s; ++h) {
            const int t = tierAt(m, h, 0);
            if (t < 0 || (h > 0 && tierAt(m, h - 1, 0) == t))
                continue;
            int to = h;
            while (to < s && tierAt(m, to + 1, 0) == t)
                ++to;
            Asks asks = Asks::Any;
            if (h == 0 && to == 0)
                asks = Asks::None;
            else if (h == 1 && to == s)
                asks = Asks::One;
            else if (h == 2 && to == s && s <= 3)
                asks = Asks::Two;
            else if (h == 0 && to == 1 && s == 2)
                asks = Asks::NotBoth;
            else if (h != 0 || to != s)
                byShares_ = false;
            slotTiers_[i].push_back({t, asks});
        }
        needsApart_[i] = std::any_of(slotTiers_[i].begin(), slotTiers_[i].end(),
                                     [](const SlotTier &st) { return st.asks == Asks::None; });
        // A ticket of the slot keeps an undrawn place when every line is longer than its main count.
        stopsEarly_[i] = m < shortest && winsFrom_[i] <= 1 &&
                         std::all_of(slotTiers_[i].begin(), slotTiers_[i].end(),
                                     [](const SlotTier &st) { return st.asks == Asks::One || st.asks == Asks::None; });
    }
    shares_.assign(byShares_ ? static_cast<std::size_t>(jHigh_ + 1) * (q_.tiers.size() + 1) : 0, 0);
    // One ball: per outcome of the bonus draw, of which a game without one has a single sure one.
    ballShares_.assign(byShares_ && s == 1 ? shares_.size() * bonusClasses_.size() : 0, 0);
}

// One subset J of j members, by the tiers' shares (see prepareShares): false, counting nothing,
// where a slot's tickets are too many and too entangled to count the draws missing each of them.
bool TierCounter::evaluateShares(int j, std::uint64_t free, const std::vector<const std::uint64_t *> &slotLines,
                                 const Key &key)
{
    const int s = l_.supplementary;
    const int left = l_.pool - l_.drawn;
    const auto draws = static_cast<long double>(subsetsOf(left, s));
    const std::size_t tiers = q_.tiers.size();
    std::uint64_t foundTiers = 0;
    bool sure = false;           // some ticket wins whatever the supplementary numbers
    std::uint64_t oneWins = 0;   // the places where one supplementary match wins something
    std::uint64_t twoPlaces = 0; // the places on tickets where two win something
    bool pairs = false;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].bySupplementary) {
            const int t = key[i + 1] ? tierAt(slots_[i].main, 0, 0) : -1;
            if (t >= 0) {
                found_[static_cast<std::size_t>(t)] = 1;
                foundTiers |= std::uint64_t{1} << t;
                sure = true;
            }
            continue;
        }
        lines_.clear();
        std::uint64_t any = 0;
        bool missed = false; // a ticket with no undrawn place meets no supplementary number
        // Where the slot asks only one match or none, its tickets can stop once their union is
        // every undrawn place and, where it asks none, s + 1 of them share none but the places on
        // every ticket: no s numbers then miss them all, nor meet them all but through those places.
        const bool canStop = stopsEarly_[i];
        const std::uint64_t commonFree = common_ & free;
        std::uint64_t apartUsed = 0;
        int apart = 0;
        bool whole = false;
        eachOfSlot(i, slotLines[i], [&](int t) {
            const std::uint64_t part = q_.tickets[static_cast<std::size_t>(t)].line & free;
            lines_.push_back(part);
            any |= part;
            missed = missed || part == 0;
            if (canStop) {
                const std::uint64_t aside = part & ~commonFree;
                if (apart <= s && !(aside & apartUsed)) {
                    apartUsed |= aside;
                    ++apart;
                }
                if (any == free && (apart > s || !needsApart_[i])) {
                    whole = true;
                    return false;
                }
            }
            return true;
        });
        if (lines_.empty())
            continue;
        // Per place, the places sharing a ticket with it: made once per slot, when asked.
        bool nearMade = false;
        const auto nearOfSlot = [&]() -> const std::array<std::uint64_t, 64> & {
            if (!nearMade) {
                for (std::uint64_t r = any; r; r &= r - 1)
                    slotNear_[static_cast<std::size_t>(std::countr_zero(r))] = 0;
                for (const std::uint64_t part : lines_)
                    for (std::uint64_t r = part; r; r &= r - 1)
                        slotNear_[static_cast<std::size_t>(std::countr_zero(r))] |= part;
                for (std::uint64_t r = any; r; r &= r - 1)
                    slotNear_[static_cast<std::size_t>(std::countr_zero(r))] &= ~(r & (~r + 1));
                nearMade = true;
            }
            return slotNear_;
        };
        for (const SlotTier &st : slotTiers_[i]) {
            long double share = 1;
            if (st.asks == Asks::One) {
                share = 1 - static_cast<long double>(subsetsOf(left - std::popcount(any), s)) / draws;
            } else if (st.asks == Asks::Two) {
                share = static_cast<long double>(subsetsHoldingAPair(nearOfSlot(), any, left, s)) / draws;
            } else if (st.asks == Asks::NotBoth) {
                // Unless every ticket holds both.
                std::uint64_t every = any;
                for (const std::uint64_t part : lines_)
                    every &= part;
                share = 1 - static_cast<long double>(subsetsOf(std::popcount(every), 2)) / draws;
            } else if (st.asks == Asks::None && whole) {
                share = static_cast<long double>(subsetsOf(left - std::popcount(commonFree), s)) / draws;
            } else if (st.asks == Asks::None && !missed) {
                bool ok = true;
                const std::uint64_t meeting = subsetsMeetingEvery(lines_, left, s, ok);
                if (!ok)
                    return false;
                share = 1 - static_cast<long double>(meeting) / draws;
            }
            found_[static_cast<std::size_t>(st.tier)] = share;
            foundTiers |= std::uint64_t{1} << st.tier;
        }
        const int from = winsFrom_[i];
        if (from == 0) {
            sure = true;
        } else if (from == 1) {
            oneWins |= any;
        } else if (from == 2) {
            if (!pairs) {
                near_.fill(0);
                pairs = true;
            }
            const std::array<std::uint64_t, 64> &near = nearOfSlot();
            for (std::uint64_t r = any; r; r &= r - 1) {
                const auto p = static_cast<std::size_t>(std::countr_zero(r));
                near_[p] |= near[p];
            }
            twoPlaces |= any;
        }
    }
    // No prize: the supplementary numbers miss every place where one wins and hold no pair that
    // two win on.
    long double prize = 1;
    if (!sure) {
        const int rest = left - std::popcount(oneWins);
        std::uint64_t none = subsetsOf(rest, s);
        if (pairs)
            none -= subsetsHoldingAPair(near_, twoPlaces & ~oneWins, rest, s);
        prize = 1 - static_cast<long double>(none) / draws;
    }
    long double *row = shares_.data() + static_cast<std::size_t>(j) * (tiers + 1);
    for (std::uint64_t r = foundTiers; r; r &= r - 1) {
        const auto t = static_cast<std::size_t>(std::countr_zero(r));
        row[t] += found_[t] * times_;
    }
    row[tiers] += prize * times_;
    return true;
}

std::uint64_t TierCounter::groupsIn(const std::uint64_t *lines) const
{
    std::uint64_t mask = 0;
    for (int g = 0; g < groups_; ++g) {
        const std::uint64_t *of = ofGroup(g);
        for (int w = 0; w < words_; ++w)
            if (lines[w] & of[w]) {
                mask |= std::uint64_t{1} << g;
                break;
            }
    }
    return mask;
}

void TierCounter::add(const Key &key, long double share)
{
    share *= times_;
    // Neighbouring subsets mostly give the same key: gather them before touching the map.
    if (tally_.same(key, last_)) {
        lastShare_ += share;
        return;
    }
    if (lastShare_ > 0)
        tally_.add(last_, lastShare_);
    last_ = key;
    lastShare_ = share;
}

// One subset J of the player's numbers, of j members, as the main draw's numbers among them.
// slotLines[i]: the tickets matching exactly slots_[i].main of J.
void TierCounter::evaluate(int j, std::uint64_t drawn, const std::vector<const std::uint64_t *> &slotLines)
{
    const int s = l_.supplementary;
    const int n = l_.pool;
    const int d = l_.drawn;
    Key key{};
    key[0] = static_cast<std::uint64_t>(j);
    bool bySupplementary = false;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (s > 0 && slots_[i].bySupplementary) {
            bySupplementary = true;
            continue;
        }
        if (evaluated_ >= 0 && listed(evaluated_, slots_[i].main)) {
            std::uint64_t groups = 0;
            eachOfSlot(i, slotLines[i], [&](int t) {
                groups |= std::uint64_t{1} << groupOf_[static_cast<std::size_t>(t)];
                return groups_ > 1;
            });
            key[i + 1] = groups;
            continue;
        }
        key[i + 1] =
            groups_ == 1
                ? (std::any_of(slotLines[i], slotLines[i] + words_, [](std::uint64_t w) { return w != 0; }) ? 1 : 0)
                : groupsIn(slotLines[i]);
    }
    if (!bySupplementary) {
        add(key, 1.0L);
        return;
    }
    // The supplementary numbers: only those among the player's numbers on a ticket of a slot that
    // tells them apart ("relevant") matter; any other number left in the pool is alike.
    const std::uint64_t inside = firstPositions(z_);
    const std::uint64_t free = inside & ~drawn;
    if (s == 1) {
        evaluateOne(free, j, slotLines, key);
        return;
    }
    if (byShares_ && evaluateShares(j, free, slotLines, key))
        return;
    std::uint64_t relevant = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slotTickets_[i].clear();
        if (!slots_[i].bySupplementary)
            continue;
        eachOfSlot(i, slotLines[i], [&](int t) {
            slotTickets_[i].push_back(t);
            return true;
        });
        for (int t : slotTickets_[i])
            relevant |= q_.tickets[static_cast<std::size_t>(t)].line & free;
    }
    if (evaluateByClasses(free, key))
        return;
    // Two or more: every subset Q of at most s relevant places, walked depth first. Per slot, the
    // tickets meeting Q in at least h places (h = 1..s) are bit sets that grow as places join Q.
    parts_.clear();
    std::size_t total = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].bySupplementary) {
            const int words = std::max<int>(1, static_cast<int>((slotTickets_[i].size() + 63) / 64));
            parts_.push_back({i, total, words});
            total += static_cast<std::size_t>(words);
        }
    walkWords_ = total;
    onPlace_.assign(static_cast<std::size_t>(z_) * total, 0);
    groupBits_.assign(static_cast<std::size_t>(groups_) * total, 0);
    everyBit_.assign(total, 0);
    for (const Part &part : parts_) {
        const std::vector<int> &tickets = slotTickets_[part.slot];
        for (std::size_t k = 0; k < tickets.size(); ++k) {
            const std::size_t word = part.at + k / 64;
            const std::uint64_t bit = std::uint64_t{1} << (k % 64);
            const auto t = static_cast<std::size_t>(tickets[k]);
            everyBit_[word] |= bit;
            groupBits_[static_cast<std::size_t>(groupOf_[t]) * total + word] |= bit;
            for (std::uint64_t r = q_.tickets[t].line & free; r; r &= r - 1)
                onPlace_[static_cast<std::size_t>(std::countr_zero(r)) * total + word] |= bit;
        }
    }
    levels_.assign(static_cast<std::size_t>(s + 1) * (s + 1) * total, 0);
    places_.clear();
    for (std::uint64_t r = relevant; r; r &= r - 1)
        places_.push_back(std::countr_zero(r));
    walkRest_ = n - d - std::popcount(relevant);
    walkDraws_ = binomial(n - d, s);
    walkKey_ = &key;
    walkSupplementary(0, 0);
}

std::uint64_t *TierCounter::walkLevel(int depth, int h)
{
    return levels_.data() + (static_cast<std::size_t>(depth) * (l_.supplementary + 1) + h) * walkWords_;
}

// Q holds `depth` places so far, all before places_[from]: key it, then add each later place.
void TierCounter::walkSupplementary(int depth, std::size_t from)
{
    const int s = l_.supplementary;
    Key &key = *walkKey_;
    for (const Part &part : parts_) {
        std::uint64_t mask = 0;
        for (int h = 0; h <= s; ++h) {
            // The tickets meeting Q in exactly h places (all of them at h = 0 and in at least h at h = s).
            const std::uint64_t *atLeast = h == 0 ? everyBit_.data() : walkLevel(depth, h);
            const std::uint64_t *more = h == s ? nullptr : walkLevel(depth, h + 1);
            for (int g = 0; g < groups_; ++g) {
                const std::uint64_t *of = groupBits_.data() + static_cast<std::size_t>(g) * walkWords_;
                for (int w = 0; w < part.words; ++w) {
                    const std::size_t at = part.at + static_cast<std::size_t>(w);
                    if (atLeast[at] & (more ? ~more[at] : ~std::uint64_t{0}) & of[at]) {
                        mask |= std::uint64_t{1} << (h * groups_ + g);
                        break;
                    }
                }
            }
        }
        key[part.slot + 1] = mask;
    }
    add(key, binomial(walkRest_, s - depth) / walkDraws_);
    if (depth == s)
        return;
    for (std::size_t k = from; k < places_.size(); ++k) {
        const std::uint64_t *on = onPlace_.data() + static_cast<std::size_t>(places_[k]) * walkWords_;
        for (int h = 1; h <= depth + 1; ++h) {
            std::uint64_t *out = walkLevel(depth + 1, h);
            const std::uint64_t *same = walkLevel(depth, h);
            const std::uint64_t *less = h == 1 ? everyBit_.data() : walkLevel(depth, h - 1);
            for (std::size_t w = 0; w < walkWords_; ++w)
                out[w] = (h <= depth ? same[w] : 0) | (less[w] & on[w]);
        }
        walkSupplementary(depth + 1, k + 1);
    }
}

// Two or more supplementary numbers, one subset J: true when it was counted by classes of places.
// A slot and bonus set whose tiers ask one supplementary match at most, and whose tickets hold s + 1
// with no undrawn place in common (or one with none at all), always has a ticket that misses the s
// numbers, "common" meaning but for the places on every ticket; whether one meets them depends only
// on their union. The tickets of the other slots and bonus sets ("exact") are kept whole. Places
// alike for every union, exact ticket and the common places form a class, and Q counts by how many
// places it takes of each; with too many classes the walk over every Q counts J instead.
bool TierCounter::evaluateByClasses(std::uint64_t free, Key &key)
{
    constexpr std::size_t kMostClasses = 16;
    constexpr std::size_t kMostExactTickets = 64;
    constexpr std::size_t kMostPairSides = 4;
    const int s = l_.supplementary;
    if (s >= static_cast<int>(restShare_.size()))
        return false;
    plains_.clear();
    exacts_.clear();
    pairSides_.clear();
    std::uint64_t relevant = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].bySupplementary)
            continue;
        for (Side &x : sideOf_)
            x = Side{};
        for (auto &asides : asidesOf_)
            asides.clear();
        for (const int t : slotTickets_[i]) {
            const auto g = static_cast<std::size_t>(groupOf_[static_cast<std::size_t>(t)]);
            Side &x = sideOf_[g];
            const std::uint64_t part = q_.tickets[static_cast<std::size_t>(t)].line & free;
            const std::uint64_t aside = part & ~common_;
            x.seen = true;
            x.any |= part;
            if (aside == 0) {
                x.missed = true;
            } else if (!(aside & x.used)) {
                x.used |= aside;
                ++x.disjoint;
            }
            asidesOf_[g].push_back(aside);
        }
        // Taken in order, the tickets may leave fewer disjoint than there are.
        for (std::size_t g = 0; g < sideOf_.size(); ++g) {
            Side &x = sideOf_[g];
            if (x.seen && !x.missed && x.disjoint <= s && slots_[i].supplementaryNeed <= 1) {
                int budget = 4096;
                if (holdsDisjoint(asidesOf_[g], 0, 0, s + 1, budget))
                    x.disjoint = s + 1;
            }
        }
        for (int g = 0; g < groups_; ++g) {
            Side &x = sideOf_[static_cast<std::size_t>(g)];
            if (!x.seen)
                continue;
            relevant |= x.any;
            x.plain = slots_[i].supplementaryNeed <= 1 && (x.missed || x.disjoint > s) && plains_.size() < 64;
            // Of two tickets with no place in common, one holds at most one of the two numbers.
            x.pair = !x.plain && s == 2 && slots_[i].supplementaryNeed == 2 && slots_[i].oneAsNone &&
                     (x.missed || x.disjoint >= 2) && pairSides_.size() < kMostPairSides;
            if (x.plain)
                plains_.push_back({i, g, x.any});
            if (x.pair) {
                x.pairAt = pairSides_.size();
                pairSides_.push_back({i, g});
                cover_.resize(pairSides_.size() * 64);
                std::fill_n(cover_.begin() + static_cast<std::ptrdiff_t>(x.pairAt * 64), 64, 0);
            }
        }
        for (const int t : slotTickets_[i]) {
            const int g = groupOf_[static_cast<std::size_t>(t)];
            const Side &x = sideOf_[static_cast<std::size_t>(g)];
            if (x.plain)
                continue;
            if (x.pair) {
                const std::uint64_t part = q_.tickets[static_cast<std::size_t>(t)].line & free;
                std::uint64_t *cover = cover_.data() + x.pairAt * 64;
                for (std::uint64_t r = part; r; r &= r - 1)
                    cover[std::countr_zero(r)] |= part;
                continue;
            }
            if (exacts_.size() == kMostExactTickets)
                return false;
            exacts_.push_back({i, g, q_.tickets[static_cast<std::size_t>(t)].line & free});
        }
    }
    // The places on every ticket (a key wheel's key, when undrawn): Q holding one meets every
    // ticket, so it is told apart.
    commonFree_ = common_ & relevant;
    if (relevant == 0) {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].bySupplementary)
                key[i + 1] = 0;
        add(key, 1.0L);
        return true;
    }
    // Places on the same plain unions, exact tickets and common places are alike: Q counts by how
    // many it takes of each such class.
    classes_.assign(1, relevant);
    for (const Plain &p : plains_)
        refineClasses(classes_, p.any);
    for (const Exact &e : exacts_)
        refineClasses(classes_, e.line);
    refineClasses(classes_, commonFree_);
    if (classes_.size() > kMostClasses)
        return false;
    placeClasses_.clear();
    for (const std::uint64_t c : classes_) {
        Class cl{c, std::popcount(c), 0};
        for (std::size_t k = 0; k < plains_.size(); ++k)
            if (c & plains_[k].any)
                cl.plains |= std::uint64_t{1} << k;
        placeClasses_.push_back(cl);
    }
    const long double draws = binomial(l_.pool - l_.drawn, s);
    const int rest = l_.pool - l_.drawn - std::popcount(relevant);
    for (int r = 0; r <= s; ++r)
        restShare_[static_cast<std::size_t>(r)] = binomial(rest, s - r) / draws;
    emitClasses(0, 0, 0, 0, 1.0L, key);
    return true;
}

// Whether `sets` from `from` on hold `need` pairwise disjoint ones that miss `used`; false too when
// the search spends its budget first.
bool TierCounter::holdsDisjoint(const std::vector<std::uint64_t> &sets, std::size_t from, std::uint64_t used, int need,
                                int &budget)
{
    if (need == 0)
        return true;
    for (std::size_t i = from; i + static_cast<std::size_t>(need) <= sets.size(); ++i) {
        if (--budget < 0)
            return false;
        if (!(sets[i] & used) && holdsDisjoint(sets, i + 1, used | sets[i], need - 1, budget))
            return true;
    }
    return false;
}

// Q holds `size` relevant places so far, taken from classes before `from` in `ways` ways: it meets
// the plain unions `met`, and `taken` stands for its places (as many of each class, the class's
// first ones). Key it, then take places of each later class.
void TierCounter::emitClasses(std::size_t from, int size, std::uint64_t met, std::uint64_t taken, long double ways,
                              Key &key)
{
    const int s = l_.supplementary;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].bySupplementary)
            key[i + 1] = 0;
    for (std::size_t k = 0; k < plains_.size(); ++k) {
        const Plain &p = plains_[k];
        if (!(taken & commonFree_))
            key[p.slot + 1] |= std::uint64_t{1} << p.group;
        // One match stands for any: the slot's tiers ask one at most.
        if ((met >> k) & 1)
            key[p.slot + 1] |= std::uint64_t{1} << (groups_ + p.group);
    }
    for (const Exact &e : exacts_)
        key[e.slot + 1] |= std::uint64_t{1} << (std::popcount(e.line & taken) * groups_ + e.group);
    if (size < 2 || pairSides_.empty()) {
        // No pair to hold: every ticket of a pair side holds at most one.
        for (const PairSide &p : pairSides_)
            key[p.slot + 1] |= std::uint64_t{1} << p.group;
        add(key, ways * restShare_[static_cast<std::size_t>(size)]);
    } else {
        emitPairs(taken, key);
    }
    if (size == s)
        return;
    for (std::size_t c = from; c < placeClasses_.size(); ++c) {
        const Class &cl = placeClasses_[c];
        std::uint64_t first = 0;
        std::uint64_t left = cl.places;
        for (int take = 1; take <= std::min(cl.size, s - size); ++take) {
            first |= left & (~left + 1);
            left &= left - 1;
            if (size + take <= 2)
                chosen_[static_cast<std::size_t>(size + take - 1)] = c;
            emitClasses(c + 1, size + take, met | cl.plains, taken | first, ways * binomial(cl.size, take), key);
        }
    }
}

// Q is a pair from the classes chosen_: split its ways by which pair sides hold it on a ticket.
void TierCounter::emitPairs(std::uint64_t taken, Key &key)
{
    const std::size_t sides = pairSides_.size();
    const Class &a = placeClasses_[chosen_[0]];
    const Class &b = placeClasses_[chosen_[1]];
    const bool within = chosen_[0] == chosen_[1];
    std::array<std::uint64_t, 16> pairs{}; // per set of sides holding the pair
    for (std::uint64_t r = a.places; r; r &= r - 1) {
        const int x = std::countr_zero(r);
        const std::uint64_t others = within ? b.places & (r & (r - 1)) : b.places;
        for (std::size_t held = 0; held < (std::size_t{1} << sides); ++held) {
            std::uint64_t mask = others;
            for (std::size_t k = 0; k < sides && mask; ++k) {
                const std::uint64_t cover = cover_[k * 64 + static_cast<std::size_t>(x)];
                mask &= ((held >> k) & 1) ? cover : ~cover;
            }
            pairs[held] += static_cast<std::uint64_t>(std::popcount(mask));
        }
    }
    // Both on every ticket (two common places): each ticket holds both.
    const bool someHoldsOne = (taken & ~commonFree_) != 0;
    const Key base = key;
    for (std::size_t held = 0; held < (std::size_t{1} << sides); ++held) {
        if (!pairs[held])
            continue;
        key = base;
        for (std::size_t k = 0; k < sides; ++k) {
            const PairSide &p = pairSides_[k];
            if (someHoldsOne)
                key[p.slot + 1] |= std::uint64_t{1} << p.group;
            if ((held >> k) & 1)
                key[p.slot + 1] |= std::uint64_t{1} << (2 * groups_ + p.group);
        }
        add(key, static_cast<long double>(pairs[held]) * restShare_[2]);
    }
    key = base;
}

// One supplementary number q among the player's numbers left undrawn, or none of them. Per slot and
// bonus set, some ticket matches q when q lies on the union of their lines, and some ticket misses
// it unless q lies on all of them; the places split into classes alike for every such union and
// intersection, and each class counts at once. Many tickets make the union every place and the
// intersection none soon, so the walk over them stops there.
void TierCounter::evaluateOne(std::uint64_t free, int j, const std::vector<const std::uint64_t *> &slotLines, Key &key)
{
    sides_.clear();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].bySupplementary)
            continue;
        const std::size_t first = sides_.size();
        sides_.resize(first + static_cast<std::size_t>(groups_), Sides{i, 0, 0, free, false});
        int open = groups_;
        // What the parent found: a place on two of its tickets with m that share no other is on
        // one that misses the last place, and of three disjoint tickets two miss it.
        if (evalDepth_ > 0 && firm_[static_cast<std::size_t>(evalDepth_) - 1].known && !((common_ >> evalLast_) & 1)) {
            const Firm &known = firm_[static_cast<std::size_t>(evalDepth_) - 1];
            for (int g = 0; g < groups_; ++g) {
                const std::size_t at = i * static_cast<std::size_t>(groups_) + static_cast<std::size_t>(g);
                if (known.three[at] && (free & ~known.covered[at]) == 0) {
                    sides_[first + static_cast<std::size_t>(g)] = Sides{i, g, free, common_ & free, true, true};
                    --open;
                }
            }
            if (open == 0)
                continue;
        }
        eachOfSlot(i, slotLines[i], [&](int t) {
            const int g = groupOf_[static_cast<std::size_t>(t)];
            Sides &x = sides_[first + static_cast<std::size_t>(g)];
            if (x.full)
                return true;
            const std::uint64_t line = q_.tickets[static_cast<std::size_t>(t)].line & free;
            x.group = g;
            x.seen = true;
            x.any |= line;
            x.all &= line;
            if (x.any == free && x.all == (common_ & free)) {
                x.full = true;
                --open;
            }
            return open > 0;
        });
    }
    if (byShares_)
        emitShares(j, key, 1, free);
    else
        emitOne(free, j, key, 1);
}

// The keys of one supplementary number, from the unions and intersections in sides_; each share is
// taken `times` (for as many subsets J alike).
void TierCounter::emitOne(std::uint64_t free, int j, Key &key, long double times)
{
    const long double draws = binomial(l_.pool - l_.drawn, 1) / times;
    const auto keyAt = [&](std::uint64_t place, long double share) {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].bySupplementary)
                key[i + 1] = 0;
        for (const Sides &x : sides_) {
            if (!x.seen)
                continue;
            if (place & x.any)
                key[x.slot + 1] |= std::uint64_t{1} << (groups_ + x.group);
            if (!(place & x.all))
                key[x.slot + 1] |= std::uint64_t{1} << x.group;
        }
        add(key, share);
    };
    // None of the player's numbers: the supplementary number is one of the others left in the pool.
    keyAt(0, (l_.pool - l_.drawn - (z_ - j)) / draws);
    classes_.assign(1, free);
    for (const Sides &x : sides_) {
        if (!x.seen || (x.full && x.all == 0))
            continue;
        for (const std::uint64_t mask : {x.any, x.all})
            refineClasses(classes_, mask);
    }
    for (const std::uint64_t c : classes_)
        if (c)
            keyAt(c & (~c + 1), std::popcount(c) / draws);
}

// One supplementary number, by the tiers' shares: each slot's union and intersection in sides_
// give the draws of the ball where one of its tickets wins a tier with the ball on it or off it.
// They are counted whole, in ballShares_, and made shares once the walk ends.
void TierCounter::emitShares(int j, const Key &key, std::uint64_t times, std::uint64_t free)
{
    if (sharesByBonus_) {
        emitSharesByBonus(j, key, times, free);
        return;
    }
    const auto left = static_cast<std::uint64_t>(l_.pool - l_.drawn);
    const std::size_t tiers = q_.tiers.size();
    std::uint64_t *row = ballShares_.data() + static_cast<std::size_t>(j) * (tiers + 1);
    bool sure = false;
    std::uint64_t oneWins = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].bySupplementary || !key[i + 1])
            continue;
        const int t = tierAt(slots_[i].main, 0, 0);
        if (t >= 0) {
            row[static_cast<std::size_t>(t)] += left * times;
            sure = true;
        }
    }
    for (const Sides &x : sides_) {
        if (!x.seen)
            continue;
        for (const SlotTier &st : slotTiers_[x.slot]) {
            std::uint64_t draws = left;
            if (st.asks == Asks::One)
                draws = static_cast<std::uint64_t>(std::popcount(x.any));
            else if (st.asks == Asks::None)
                draws = left - static_cast<std::uint64_t>(std::popcount(x.all));
            row[static_cast<std::size_t>(st.tier)] += draws * times;
        }
        const int from = winsFrom_[x.slot];
        if (from == 0)
            sure = true;
        else if (from == 1)
            oneWins |= x.any;
    }
    row[tiers] += (sure ? left : static_cast<std::uint64_t>(std::popcount(oneWins))) * times;
}

// The same with a bonus draw: per outcome of it, a slot's tickets of one bonus set win the tier of
// their bonus matches, with the ball on them (the places in their union) or off them (the places
// off their intersection, and every number outside the player's). Bonus sets of one slot may win
// the same tier, so the places are joined per tier before they are counted.
void TierCounter::emitSharesByBonus(int j, const Key &key, std::uint64_t times, std::uint64_t free)
{
    const auto left = static_cast<std::uint64_t>(l_.pool - l_.drawn);
    const auto outside = left - static_cast<std::uint64_t>(std::popcount(free));
    const std::size_t tiers = q_.tiers.size();
    const std::size_t rows = static_cast<std::size_t>(jHigh_ + 1) * (tiers + 1);
    const std::size_t perClass = slots_.size() * static_cast<std::size_t>(groups_);
    // The places of the ball where each tier is won, set as the tier is first won: left unset, since
    // clearing all 64 for every child took a sixth of this function's time.
    std::array<std::uint64_t, 64> places;
    for (std::size_t c = 0; c < bonusClasses_.size(); ++c) {
        const std::array<int, 2> *tierOf = classTiers_.data() + c * perClass;
        std::uint64_t touched = 0;    // tiers won in some draw of the ball
        std::uint64_t everywhere = 0; // tiers won whatever the ball
        std::uint64_t offPlayer = 0;  // tiers won when the ball is none of the player's numbers
        const auto win = [&](int t, std::uint64_t at, bool off) {
            const auto bit = std::uint64_t{1} << t;
            if (!(touched & bit))
                places[static_cast<std::size_t>(t)] = 0;
            touched |= bit;
            places[static_cast<std::size_t>(t)] |= at;
            if (off)
                offPlayer |= bit;
        };
        const auto always = [&](int t) {
            win(t, 0, false);
            everywhere |= std::uint64_t{1} << t;
        };
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].bySupplementary)
                continue;
            for (std::uint64_t bits = key[i + 1]; bits; bits &= bits - 1) {
                const int t =
                    tierOf[i * static_cast<std::size_t>(groups_) + static_cast<std::size_t>(std::countr_zero(bits))][0];
                if (t >= 0)
                    always(t);
            }
        }
        for (const Sides &x : sides_) {
            if (!x.seen)
                continue;
            const auto [off, on] =
                tierOf[x.slot * static_cast<std::size_t>(groups_) + static_cast<std::size_t>(x.group)];
            if (on >= 0 && on == off) {
                always(on);
                continue;
            }
            if (on >= 0)
                win(on, x.any, false);
            if (off >= 0)
                win(off, free & ~x.all, true);
        }
        std::uint64_t *row = ballShares_.data() + c * rows + static_cast<std::size_t>(j) * (tiers + 1);
        std::uint64_t prizePlaces = 0;
        bool prizeOff = false;
        for (std::uint64_t bits = touched; bits; bits &= bits - 1) {
            const int t = std::countr_zero(bits);
            const auto bit = std::uint64_t{1} << t;
            std::uint64_t draws = left;
            if (!(everywhere & bit)) {
                draws = static_cast<std::uint64_t>(std::popcount(places[static_cast<std::size_t>(t)])) +
                        ((offPlayer & bit) ? outside : 0);
                prizePlaces |= places[static_cast<std::size_t>(t)];
                prizeOff = prizeOff || (offPlayer & bit);
            }
            row[static_cast<std::size_t>(t)] += draws * times;
        }
        const std::uint64_t prize =
            everywhere ? left : static_cast<std::uint64_t>(std::popcount(prizePlaces)) + (prizeOff ? outside : 0);
        row[tiers] += prize * times;
    }
}

// The tickets of the child (the node of `depth` members plus one), from the node's: a ticket
// meeting the child in depth places or more met the node in depth - 1 or more. Near the root they
// are most tickets, but the nodes there are few.
void TierCounter::keepHigh(int depth, int e)
{
    const auto child = static_cast<std::size_t>(depth) + 1;
    std::vector<Met> &out = high_[child];
    out.clear();
    highKept_[child] = 0;
    if (!highKept_[static_cast<std::size_t>(depth)])
        return;
    for (const Met &m : high_[static_cast<std::size_t>(depth)]) {
        const int places = m.places + static_cast<int>((q_.tickets[static_cast<std::size_t>(m.ticket)].line >> e) & 1);
        if (places >= depth) {
            if (out.size() == highMost_ && child > 2)
                return;
            out.push_back({m.ticket, places});
        }
    }
    highKept_[child] = 1;
}

template <typename F> void TierCounter::eachTicket(int depth, int c, int g, F f) const
{
    if (c > depth)
        return;
    const auto at = static_cast<std::size_t>(depth);
    if (listed(depth, c)) {
        for (const Met &m : high_[at])
            if (m.places == c && (groups_ == 1 || groupOf_[static_cast<std::size_t>(m.ticket)] == g) && !f(m.ticket))
                return;
        return;
    }
    const std::uint64_t *set = buckets_.data() + (at * (top_ + 1) + static_cast<std::size_t>(c)) * words_;
    const std::uint64_t *of = groups_ > 1 ? ofGroup(g) : nullptr;
    for (int w = 0; w < words_; ++w)
        for (std::uint64_t bits = of ? set[w] & of[w] : set[w]; bits; bits &= bits - 1)
            if (!f(w * 64 + std::countr_zero(bits)))
                return;
}

// A node one short of the deepest: all its children (J = the node plus one place e) are counted
// at once. A child's tickets matching exactly m are the node's with m that miss e and those with
// m - 1 that hold e. So per slot and bonus set the children where some ticket matches exactly m
// are those outside the intersection of the first kind or inside the union of the second; the
// children split into classes alike for all of these, and one child per class is keyed. For a
// slot told apart by one supplementary number, the node's tickets with m decide alone when three
// of them are disjoint but for the places on every ticket, and every undrawn place lies on one of
// them that misses any given child (then whatever the child, every place is on some ticket, and
// only those on every ticket are on all), which the parent's firm places mostly show at once;
// else, when few tickets are involved, the classes also split by each of their lines, and when
// many, each child is a class of its own, read from what widen() gathered. False for a slot told
// apart by two or more supplementary numbers: the children are then counted one by one.
bool TierCounter::childrenAtOnce(int depth, int last, std::uint64_t drawn)
{
    const int s = l_.supplementary;
    const std::uint64_t inside = firstPositions(z_);
    const std::uint64_t children = inside & positionsAfter(last);
    if (!children)
        return true;
    const std::uint64_t freeHere = inside & ~drawn;
    const int j = depth + 1;
    constexpr std::size_t kFew = 48;
    constexpr std::size_t kSplitFactor = 2;
    const auto lineOf = [this](int t) { return q_.tickets[static_cast<std::size_t>(t)].line; };
    batchCount_ = 0;
    const auto batches = [this] { return std::span<const Batch>(batches_.data(), batchCount_); };
    bool oneByOne = false;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const int m = slots_[i].main;
        const bool bySupplementary = s > 0 && slots_[i].bySupplementary;
        if (bySupplementary && s > 1)
            return false;
        const bool moved = m > 0;
        for (int g = 0; g < groups_; ++g) {
            Batch &b = nextBatch();
            b.slot = i;
            b.group = g;
            b.bySupplementary = bySupplementary;
            if (!bySupplementary) {
                std::uint64_t common = children;
                bool anyStay = false;
                eachTicket(depth, m, g, [&](int t) {
                    common &= lineOf(t);
                    anyStay = true;
                    return common != 0;
                });
                const std::uint64_t need = anyStay ? common : children;
                std::uint64_t reach = 0;
                if (moved && need)
                    eachTicket(depth, m - 1, g, [&](int t) {
                        reach |= lineOf(t);
                        return (reach & need) != need;
                    });
                b.present = (anyStay ? children & ~common : 0) | (reach & children);
                continue;
            }
            std::uint64_t pending = freeHere; // places not yet on a ticket that misses each child
            int disjoint = 0;                 // up to three disjoint tickets found
            // The node's last place on every ticket would leave none of the tickets the firm places
            // were found on.
            const Firm *known = depth > 0 ? &firm_[static_cast<std::size_t>(depth) - 1] : nullptr;
            if (known && known->known && !((common_ >> last) & 1)) {
                const std::size_t at = i * static_cast<std::size_t>(groups_) + static_cast<std::size_t>(g);
                pending = freeHere & ~known->firm[at];
                const std::uint64_t *pairs = known->pairs.data() + at * 64;
                for (std::uint64_t r = pending; r; r &= r - 1) {
                    const int q = std::countr_zero(r);
                    if (!((pairs[static_cast<std::size_t>(q)] >> last) & 1))
                        pending &= ~(std::uint64_t{1} << q);
                }
                disjoint = known->four[at] ? 3 : 0;
                if (pending == 0 && disjoint == 3 && (children & common_) == 0) {
                    b.saturated = true;
                    continue;
                }
            }
            std::array<std::uint64_t, 64> others; // per place q: the places on every ticket holding q
            std::uint64_t touched = 0;
            std::uint64_t apart = 0; // up to three disjoint tickets, together
            eachTicket(depth, m, g, [&](int t) {
                const std::uint64_t line = lineOf(t) & freeHere;
                if (disjoint < 3 && (line & ~common_ & apart) == 0) {
                    apart |= line & ~common_;
                    ++disjoint;
                }
                for (std::uint64_t r = line & pending; r; r &= r - 1) {
                    const int q = std::countr_zero(r);
                    const std::uint64_t bit = std::uint64_t{1} << q;
                    others[static_cast<std::size_t>(q)] =
                        (touched & bit) ? others[static_cast<std::size_t>(q)] & line : line;
                    touched |= bit;
                    if ((others[static_cast<std::size_t>(q)] & children & ~bit) == 0)
                        pending &= ~bit;
                }
                return !(pending == 0 && disjoint == 3);
            });
            // A child on every ticket leaves none of the node's with m: that one is not alike.
            b.saturated = pending == 0 && disjoint == 3 && (children & common_) == 0;
            if (!b.saturated) {
                // The walk above saw every ticket: list them. Too many to split the children by make
                // each child a class of its own.
                eachTicket(depth, m, g, [&](int t) {
                    b.stay.push_back(lineOf(t) & freeHere);
                    return true;
                });
                if (moved)
                    eachTicket(depth, m - 1, g, [&](int t) {
                        b.moved.push_back(lineOf(t) & freeHere);
                        return true;
                    });
                if (b.stay.size() > kFew || b.moved.size() > kFew) {
                    b.wide = true;
                    widen(b, children);
                    oneByOne = true;
                }
            }
        }
    }

    if (byShares_ && !oneByOne) {
        // By the tiers' shares a child costs a look at each line: splitting the children into
        // classes by many lines costs more than it saves.
        std::size_t lines = 0;
        for (std::size_t k = 0; k < batchCount_; ++k)
            if (batches_[k].bySupplementary && !batches_[k].saturated)
                lines += batches_[k].stay.size() + batches_[k].moved.size();
        oneByOne = lines > kSplitFactor * static_cast<std::size_t>(std::popcount(children));
    }
    childClasses_.assign(1, children);
    const auto split = [this](std::uint64_t mask) { refineClasses(childClasses_, mask); };
    bool bySupplementary = false;
    constexpr std::size_t kGather = 8;
    for (std::size_t k = 0; k < batchCount_; ++k) {
        Batch &b = batches_[k];
        if (!b.bySupplementary) {
            split(b.present);
            continue;
        }
        bySupplementary = true;
        if (b.saturated || b.wide)
            continue;
        // Each class reads its child's unions as a wide batch would, rather than take every line.
        if (b.stay.size() + b.moved.size() > kGather) {
            b.gathered = true;
            widen(b, children);
        }
        if (oneByOne)
            continue;
        for (const std::uint64_t line : b.stay)
            split(line);
        for (const std::uint64_t line : b.moved)
            split(line);
    }
    if (oneByOne) {
        // In order, as if each were counted on its own.
        childClasses_.clear();
        for (std::uint64_t r = children; r; r &= r - 1)
            childClasses_.push_back(r & (~r + 1));
    }
    Key key{};
    key[0] = static_cast<std::uint64_t>(j);
    for (const std::uint64_t c : childClasses_) {
        const std::uint64_t bit = c & (~c + 1);
        const auto times = static_cast<std::uint64_t>(std::popcount(c));
        for (std::size_t i = 0; i < slots_.size(); ++i)
            key[i + 1] = 0;
        for (const Batch &b : batches())
            if (!b.bySupplementary && (b.present & bit))
                key[b.slot + 1] |= std::uint64_t{1} << b.group;
        if (!bySupplementary) {
            add(key, static_cast<long double>(times));
            continue;
        }
        const std::uint64_t free = freeHere & ~bit;
        sides_.clear();
        for (const Batch &b : batches()) {
            if (!b.bySupplementary)
                continue;
            // Filled in place: a whole Sides built aside and copied in stalls on its own stores.
            Sides &x = sides_.emplace_back();
            x.slot = b.slot;
            x.group = b.group;
            x.any = 0;
            x.all = free;
            x.full = false;
            x.seen = false;
            if (b.saturated) {
                // Two of the three disjoint tickets miss the child: only the places on every ticket
                // are on all of them.
                x.any = free;
                x.all = common_ & free;
                x.full = true;
                x.seen = true;
            } else if (b.wide || b.gathered) {
                const int c = std::countr_zero(bit);
                std::uint64_t any = 0;
                std::uint64_t all = ~std::uint64_t{0};
                if (!b.stay.empty() && !(b.stayCommon & bit)) {
                    any |= b.stayUnion & ~b.stayWith[static_cast<std::size_t>(c)];
                    if (b.stayApart) {
                        all &= common_;
                    } else {
                        for (const std::uint64_t line : b.stay)
                            if (!(line & bit))
                                all &= line;
                    }
                    x.seen = true;
                }
                if (b.movedSeen & bit) {
                    any |= b.anyMoved[static_cast<std::size_t>(c)];
                    all &= b.allMoved[static_cast<std::size_t>(c)];
                    x.seen = true;
                }
                x.any = any & free;
                x.all = all & free;
                x.full = x.any == free && x.all == (common_ & free);
            } else {
                const auto take = [&](std::uint64_t line) {
                    x.any |= line & free;
                    x.all &= line & free;
                    x.seen = true;
                };
                for (const std::uint64_t line : b.stay)
                    if (!(line & bit))
                        take(line);
                for (const std::uint64_t line : b.moved)
                    if (line & bit)
                        take(line);
                x.full = x.any == free && x.all == (common_ & free);
            }
        }
        if (byShares_)
            emitShares(j, key, times, free);
        else
            emitOne(free, j, key, static_cast<long double>(times));
    }
    return true;
}

// What decides each child of a batch with many tickets, read per child instead of taking every
// line; the lines are the tickets' places not drawn.
void TierCounter::widen(Batch &b, std::uint64_t children)
{
    // A place p lies on a ticket with m missing c unless every such ticket through p holds c.
    std::array<std::uint64_t, 64> through; // per place: the places on every ticket through it
    std::uint64_t touched = 0;
    std::uint64_t apart = 0;
    int disjoint = 0;
    b.stayUnion = 0;
    b.stayCommon = ~std::uint64_t{0};
    for (const std::uint64_t line : b.stay) {
        b.stayUnion |= line;
        b.stayCommon &= line;
        if (disjoint < 3 && (line & ~common_ & apart) == 0) {
            apart |= line & ~common_;
            ++disjoint;
        }
        for (std::uint64_t r = line; r; r &= r - 1) {
            const auto p = static_cast<std::size_t>(std::countr_zero(r));
            through[p] = (touched >> p) & 1 ? through[p] & line : line;
        }
        touched |= line;
    }
    // Of three disjoint tickets two miss any child, and they share only the places on every ticket.
    b.stayApart = disjoint == 3;
    for (std::uint64_t r = children; r; r &= r - 1)
        b.stayWith[static_cast<std::size_t>(std::countr_zero(r))] = 0;
    for (std::uint64_t r = b.stayUnion; r; r &= r - 1) {
        const int p = std::countr_zero(r);
        for (std::uint64_t c = through[static_cast<std::size_t>(p)] & children; c; c &= c - 1)
            b.stayWith[static_cast<std::size_t>(std::countr_zero(c))] |= std::uint64_t{1} << p;
    }
    b.movedSeen = 0;
    for (const std::uint64_t line : b.moved)
        for (std::uint64_t r = line & children; r; r &= r - 1) {
            const auto c = static_cast<std::size_t>(std::countr_zero(r));
            const bool first = !((b.movedSeen >> c) & 1);
            b.anyMoved[c] = first ? line : b.anyMoved[c] | line;
            b.allMoved[c] = first ? line : b.allMoved[c] & line;
            b.movedSeen |= std::uint64_t{1} << c;
        }
}

// A child (the node plus e, e not on every ticket) keeps every ticket of the node's with m that
// misses e, and of four tickets disjoint but for the places on every ticket at most one holds e:
// three stay. Likewise, of three tickets through a place q, disjoint but for q and those places,
// at most one holds e, and the two left have no other place in common. So a firm place is one that
// lies, in every child, on tickets with m that miss any given grandchild, and childrenAtOnce need
// not look for it child by child; a place on two such tickets is as good in the children off both.
void TierCounter::firmPlaces(int depth, std::uint64_t drawn, bool forGrandchildren)
{
    // The children evaluated one by one need the covered places only, found sooner.
    const int enough = forGrandchildren ? 3 : 2;
    const int apartEnough = forGrandchildren ? 4 : 3;
    const std::uint64_t inside = firstPositions(z_);
    const std::uint64_t freeHere = inside & ~drawn;
    Firm &out = firm_[static_cast<std::size_t>(depth)];
    const std::size_t sets = slots_.size() * static_cast<std::size_t>(groups_);
    out.known = true;
    out.firm.assign(sets, 0);
    out.covered.assign(sets, 0);
    out.pairs.resize(sets * 64);
    out.three.assign(sets, 0);
    out.four.assign(sets, 0);
    std::array<std::uint64_t, 64> taken; // per place: its disjoint tickets so far, together
    std::array<std::uint8_t, 64> found;  // and how many
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].bySupplementary)
            continue;
        for (int g = 0; g < groups_; ++g) {
            const std::size_t at = i * static_cast<std::size_t>(groups_) + static_cast<std::size_t>(g);
            std::uint64_t done = 0; // places on `enough` disjoint tickets
            std::uint64_t seen = 0;
            std::uint64_t apart = 0;
            int disjoint = 0;
            eachTicket(depth, slots_[i].main, g, [&](int t) {
                const std::uint64_t line = q_.tickets[static_cast<std::size_t>(t)].line & freeHere;
                const std::uint64_t own = line & ~common_;
                if (disjoint < apartEnough && (own & apart) == 0) {
                    apart |= own;
                    ++disjoint;
                }
                for (std::uint64_t r = line & ~done; r; r &= r - 1) {
                    const int q = std::countr_zero(r);
                    const std::uint64_t bit = std::uint64_t{1} << q;
                    const std::uint64_t rest = own & ~bit;
                    if (!(seen & bit)) {
                        seen |= bit;
                        taken[static_cast<std::size_t>(q)] = rest;
                        found[static_cast<std::size_t>(q)] = 1;
                    } else if ((taken[static_cast<std::size_t>(q)] & rest) == 0) {
                        taken[static_cast<std::size_t>(q)] |= rest;
                        if (++found[static_cast<std::size_t>(q)] == enough)
                            done |= bit;
                    }
                }
                return !(done == freeHere && disjoint == apartEnough);
            });
            if (!forGrandchildren) {
                out.covered[at] = done;
                out.three[at] = disjoint >= 3 ? 1 : 0;
                continue;
            }
            const std::uint64_t firm = done;
            out.firm[at] = firm;
            out.three[at] = disjoint >= 3 ? 1 : 0;
            out.four[at] = disjoint == 4 ? 1 : 0;
            std::uint64_t *pairs = out.pairs.data() + at * 64;
            std::uint64_t covered = firm;
            for (std::uint64_t r = freeHere & ~firm; r; r &= r - 1) {
                const auto q = static_cast<std::size_t>(std::countr_zero(r));
                const bool two = (seen >> q) & 1 && found[q] == 2;
                pairs[q] = two ? taken[q] : ~std::uint64_t{0};
                if (two)
                    covered |= std::uint64_t{1} << q;
            }
            out.covered[at] = covered;
        }
    }
}

// The tickets meeting the node of `depth` members plus e in exactly c places: those meeting the
// node in c that miss e, and those meeting it in c - 1 that hold e.
void TierCounter::childTickets(int depth, int c, int e, std::uint64_t *out)
{
    const std::uint64_t *onE = onPosition(e);
    const std::uint64_t *same = bucket(depth, c);
    if (c == 0) {
        for (int w = 0; w < words_; ++w)
            out[w] = same[w] & ~onE[w];
        return;
    }
    const std::uint64_t *less = bucket(depth, c - 1);
    for (int w = 0; w < words_; ++w)
        out[w] = (c <= depth ? same[w] & ~onE[w] : 0) | (less[w] & onE[w]);
}

// A leaf (the node of `depth` members plus e): only the slots' match counts are needed, and it has
// no children to pass them to.
void TierCounter::leafLines(int depth, int e)
{
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        std::uint64_t *out = scratch_.data() + i * static_cast<std::size_t>(words_);
        childTickets(depth, slots_[i].main, e, out);
        slotLines_[i] = out;
    }
}

// The leaves under a node, alike ones counted once. A leaf's tickets of a slot's main count m are
// the node's with m missing its last member and those with m - 1 holding it; so two leaves whose
// last members lie on the same of the node's tickets with such counts differ only by swapping
// those two members, which no ticket tells apart, and their keys come alike. False when those
// tickets are too many to tell leaves apart by.
bool TierCounter::leavesByLikeness(int depth, int last, std::uint64_t drawn)
{
    std::uint64_t counts = 0; // the node's match counts that can put a ticket in a slot
    for (const Slot &slot : slots_) {
        counts |= std::uint64_t{1} << slot.main;
        if (slot.main > 0)
            counts |= std::uint64_t{1} << (slot.main - 1);
    }
    alikeTickets_.clear();
    for (int c = 0; c <= std::min(top_, depth); ++c) {
        if (!((counts >> c) & 1))
            continue;
        const std::uint64_t *b = bucket(depth, c);
        for (int w = 0; w < words_; ++w)
            for (std::uint64_t bits = b[w]; bits; bits &= bits - 1) {
                if (alikeTickets_.size() == 64)
                    return false;
                alikeTickets_.push_back(w * 64 + std::countr_zero(bits));
            }
    }
    const std::uint64_t inside = firstPositions(z_);
    const std::uint64_t children = inside & positionsAfter(last);
    std::array<std::uint64_t, 64> on{};
    for (std::size_t i = 0; i < alikeTickets_.size(); ++i)
        for (std::uint64_t r = q_.tickets[static_cast<std::size_t>(alikeTickets_[i])].line & children; r; r &= r - 1)
            on[static_cast<std::size_t>(std::countr_zero(r))] |= std::uint64_t{1} << i;
    alikeChildren_.clear();
    for (std::uint64_t r = children; r; r &= r - 1) {
        const int e = std::countr_zero(r);
        alikeChildren_.push_back({on[static_cast<std::size_t>(e)], e});
    }
    std::sort(alikeChildren_.begin(), alikeChildren_.end());
    for (std::size_t a = 0; a < alikeChildren_.size();) {
        std::size_t b = a + 1;
        while (b < alikeChildren_.size() && alikeChildren_[b].first == alikeChildren_[a].first)
            ++b;
        const int e = alikeChildren_[a].second;
        leafLines(depth, e);
        if (q_.cancel && (++ticks_ & 0x3ff) == 0 && q_.cancel->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return true;
        }
        evalDepth_ = depth + 1;
        evalLast_ = e;
        times_ = static_cast<long double>(b - a);
        evaluate(depth + 1, drawn | std::uint64_t{1} << e, slotLines_);
        times_ = 1;
        a = b;
    }
    return true;
}

void TierCounter::visit(int depth, int last, std::uint64_t drawn)
{
    if (stopped_)
        return;
    if (q_.cancel && (++ticks_ & 0x3ff) == 0 && q_.cancel->load(std::memory_order_relaxed)) {
        stopped_ = true;
        return;
    }
    if (depth >= jLow_) {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            slotLines_[i] = bucket(depth, slots_[i].main);
        evaluated_ = depth;
        evalDepth_ = depth;
        evalLast_ = last;
        evaluate(depth, drawn, slotLines_);
        evaluated_ = -1;
    }
    if (depth == jHigh_)
        return;
    const int child = depth + 1;
    if (child == jHigh_ && childrenAtOnce(depth, last, drawn))
        return;
    if (child == jHigh_ && l_.supplementary > 1 && leavesByLikeness(depth, last, drawn))
        return;
    // For the children counted at once, and for the children evaluated one by one.
    Firm &firm = firm_[static_cast<std::size_t>(depth)];
    firm.known = false;
    if (anyBySupplementary_ && l_.supplementary == 1 && (child + 1 == jHigh_ || child >= jLow_))
        firmPlaces(depth, drawn, child + 1 == jHigh_);
    for (int e = last + 1; e < z_; ++e) {
        // Too few places left to reach the fewest the draw can give.
        if (child + (z_ - 1 - e) < jLow_)
            break;
        if (child == jHigh_) {
            leafLines(depth, e);
            if (q_.cancel && (++ticks_ & 0x3ff) == 0 && q_.cancel->load(std::memory_order_relaxed)) {
                stopped_ = true;
                return;
            }
            evalDepth_ = child;
            evalLast_ = e;
            evaluate(child, drawn | std::uint64_t{1} << e, slotLines_);
            continue;
        }
        for (int c = 0; c <= std::min(top_, child); ++c)
            childTickets(depth, c, e, bucket(child, c));
        keepHigh(depth, e);
        visit(child, e, drawn | std::uint64_t{1} << e);
        if (stopped_)
            return;
    }
}

bool TierCounter::run()
{
    if (q_.cancel && q_.cancel->load(std::memory_order_relaxed))
        return false;
    // No ticket can win any tier (each asks bonus matches the tickets cannot make): nothing to walk.
    if (slots_.empty())
        return true;
    visit(0, -1, 0);
    const auto left = static_cast<long double>(l_.pool - l_.drawn);
    for (std::size_t c = 0; !ballShares_.empty() && c < bonusClasses_.size(); ++c)
        for (std::size_t i = 0; i < shares_.size(); ++i)
            shares_[i] +=
                static_cast<long double>(ballShares_[c * shares_.size() + i]) / left * bonusClasses_[c].second;
    if (lastShare_ > 0)
        tally_.add(last_, lastShare_);
    lastShare_ = 0;
    return !stopped_;
}

void TierCounter::finish(TierOdds &odds) const
{
    const int n = l_.pool;
    const int d = l_.drawn;
    const int s = l_.supplementary;
    const std::size_t tiers = q_.tiers.size();
    std::vector<long double> any(tiers, 0);
    long double anyPrize = 0;
    const long double mainDraws = binomial(n, d);
    std::vector<int> bonusOf(static_cast<std::size_t>(groups_));
    for (const auto &outcome : bonusClasses_) {
        // Named apart: the clang that clang-tidy parses with cannot capture a structured binding.
        const std::uint64_t w = outcome.first;
        const long double chance = outcome.second;
        for (int g = 0; g < groups_; ++g)
            bonusOf[static_cast<std::size_t>(g)] =
                std::min(std::popcount(groupBonus_[static_cast<std::size_t>(g)] & w), bonusTop_);
        tally_.forEach([&](const Key &key, long double share) {
            const int j = static_cast<int>(key[0]);
            // Each subset J stands for the draws that hold exactly J of the player's numbers.
            const long double p = share * binomial(n - z_, d - j) / mainDraws * chance;
            std::uint64_t won = 0;
            for (std::size_t i = 0; i < slots_.size(); ++i)
                for (std::uint64_t bits = key[i + 1]; bits; bits &= bits - 1) {
                    const int bit = std::countr_zero(bits);
                    const int t =
                        tierAt(slots_[i].main, bit / groups_, bonusOf[static_cast<std::size_t>(bit % groups_)]);
                    if (t >= 0)
                        won |= std::uint64_t{1} << t;
                }
            for (std::uint64_t bits = won; bits; bits &= bits - 1)
                any[static_cast<std::size_t>(std::countr_zero(bits))] += p;
            if (won)
                anyPrize += p;
        });
    }
    // The subsets counted by their tiers' shares.
    for (int j = 0; j <= jHigh_ && byShares_; ++j) {
        const long double p = binomial(n - z_, d - j) / mainDraws;
        const long double *row = shares_.data() + static_cast<std::size_t>(j) * (tiers + 1);
        for (std::size_t t = 0; t < tiers; ++t)
            any[t] += row[t] * p;
        anyPrize += row[tiers] * p;
    }
    odds.anyTicket.assign(tiers, 0);
    for (std::size_t t = 0; t < tiers; ++t)
        odds.anyTicket[t] = static_cast<double>(any[t]);
    odds.anyPrize = static_cast<double>(anyPrize);

    // Expected tickets per tier: each ticket on its own, by the size of its line and its bonus numbers.
    std::vector<long double> expected(tiers, 0);
    const long double supplementaryDraws = binomial(n - d, s);
    const long double bonusDraws = l_.bonusPool > 0 ? binomial(l_.bonusPool, l_.bonusDrawn) : 1;
    for (const Ticket &ticket : q_.tickets) {
        const int k = std::popcount(ticket.line);
        const int p = l_.bonusPool > 0 ? std::popcount(ticket.bonus) : 0;
        for (int m = 0; m <= std::min(k, d); ++m) {
            const long double pm = binomial(k, m) * binomial(n - k, d - m) / mainDraws;
            if (pm == 0)
                continue;
            for (int ss = 0; ss <= std::min(k - m, s); ++ss) {
                const long double ps = binomial(k - m, ss) * binomial(n - d - (k - m), s - ss) / supplementaryDraws;
                for (int b = 0; b <= std::min(p, bonusTop_); ++b) {
                    const long double pb =
                        l_.bonusPool > 0 ? binomial(p, b) * binomial(l_.bonusPool - p, l_.bonusDrawn - b) / bonusDraws
                                         : 1.0L;
                    const int t = tierAt(m, ss, b);
                    if (t >= 0)
                        expected[static_cast<std::size_t>(t)] += pm * ps * pb;
                }
            }
        }
    }
    odds.expectedTickets.assign(tiers, 0);
    for (std::size_t t = 0; t < tiers; ++t)
        odds.expectedTickets[t] = static_cast<double>(expected[t]);
}

} // namespace

Status computeTiers(const TierQuestion &question, TierOdds &odds, std::string &error)
{
    odds = TierOdds{};
    TierCounter counter(question);
    if (!counter.prepare(error))
        return Status::Invalid;
    if (!counter.run())
        return Status::Cancelled;
    counter.finish(odds);
    return Status::Done;
}

} // namespace odds
