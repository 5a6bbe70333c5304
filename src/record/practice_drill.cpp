#include "record/practice_drill.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <numeric>
#include <tuple>

namespace quintaro {

namespace {

using HandKey = std::tuple<std::array<Card, 5>, int>; // dealt cards, coins

HandKey KeyOf(const DecisionRow& r) {
    return {r.dealt, r.coins};
}

DrillHand HandOf(const DecisionRow& r, DrillHand::Origin origin) {
    DrillHand h;
    h.game = r.game;
    h.payTable = r.payTable;
    h.coins = r.coins;
    h.dealt = r.dealt;
    h.origin = origin;
    h.cost = r.Cost();
    return h;
}

// Best answers in a row at the end of a hand's rows (in id order).
struct HandHistory {
    std::int64_t lastMistakeId = 0;
    double cost = 0;
    int streak = 0;
    const DecisionRow* newest = nullptr;
};

std::map<HandKey, HandHistory> Histories(std::vector<const DecisionRow*> rows) {
    std::sort(rows.begin(), rows.end(),
              [](const DecisionRow* a, const DecisionRow* b) { return a->id < b->id; });
    std::map<HandKey, HandHistory> out;
    for (const DecisionRow* r : rows) {
        HandHistory& h = out[KeyOf(*r)];
        h.newest = r;
        if (r->IsMistake()) {
            h.lastMistakeId = r->id;
            h.cost = std::max(h.cost, r->Cost());
            h.streak = 0;
        } else {
            ++h.streak;
        }
    }
    return out;
}

bool ListIsMistake(const DecisionRow& r) {
    return r.coins > 0 && (r.evBest - r.evList) / r.coins > exact::kTieTolerance;
}

} // namespace

std::vector<DrillHand> PendingMistakes(const std::vector<DecisionRow>& tableMistakes,
                                       const std::vector<DecisionRow>& drillRows) {
    std::vector<const DecisionRow*> all;
    for (const DecisionRow& r : tableMistakes) all.push_back(&r);
    for (const DecisionRow& r : drillRows) all.push_back(&r);
    const auto histories = Histories(all);
    std::vector<std::pair<const HandHistory*, DrillHand>> pending;
    for (const auto& [key, h] : histories) {
        if (h.lastMistakeId == 0 || h.streak >= PracticeDrill::kStreakToLeave) continue;
        DrillHand hand = HandOf(*h.newest, DrillHand::Origin::Mistake);
        hand.cost = h.cost;
        hand.streak = h.streak;
        pending.emplace_back(&h, hand);
    }
    std::sort(pending.begin(), pending.end(), [](const auto& a, const auto& b) {
        if (a.second.cost != b.second.cost) return a.second.cost > b.second.cost;
        return a.first->lastMistakeId > b.first->lastMistakeId;
    });
    std::vector<DrillHand> out;
    for (auto& p : pending) out.push_back(p.second);
    return out;
}

std::vector<DrillHand> ListDiffersHands(const std::vector<DecisionRow>& rows,
                                        const std::vector<DrillHand>& skip) {
    std::vector<const DecisionRow*> all;
    for (const DecisionRow& r : rows) all.push_back(&r);
    const auto histories = Histories(all);
    std::vector<const DecisionRow*> newestFirst;
    for (const auto& entry : histories) {
        const auto& h = entry.second;
        if (!ListIsMistake(*h.newest) || h.streak >= PracticeDrill::kStreakToLeave) continue;
        const bool skipped = std::any_of(skip.begin(), skip.end(), [&](const DrillHand& s) {
            return s.dealt == h.newest->dealt && s.coins == h.newest->coins;
        });
        if (!skipped) newestFirst.push_back(h.newest);
    }
    std::sort(newestFirst.begin(), newestFirst.end(),
              [](const DecisionRow* a, const DecisionRow* b) { return a->id > b->id; });
    std::vector<DrillHand> out;
    for (const DecisionRow* r : newestFirst) {
        DrillHand h = HandOf(*r, DrillHand::Origin::ListDiffers);
        h.streak = histories.at(KeyOf(*r)).streak;
        out.push_back(h);
    }
    return out;
}

PracticeDrill::PracticeDrill(int game, int payTable, std::vector<DrillHand> mistakes,
                             std::vector<DrillHand> listDiffers, std::uint32_t seed, int coins)
    : game_(game), payTable_(payTable), coins_(coins), listDiffers_(std::move(listDiffers)),
      rng_(seed), valuer_(&ComputeHandValues) {
    for (DrillHand& h : mistakes) queue_.push_back(std::move(h));
}

void PracticeDrill::SetNamedTable(const NamedPayTable& table, ListFinder lists) {
    named_ = table;
    valuer_ = [pays = table.pays, lists = std::move(lists)](int game, int, int coins,
                                                            const std::array<Card, 5>& dealt) {
        return ComputeNamedHandValues(game, pays, coins, dealt, lists);
    };
}

DrillHand PracticeDrill::Generated() {
    std::array<Card, kCardCount> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    auto deal = [&] {
        DrillHand h;
        h.game = game_;
        h.payTable = payTable_;
        h.coins = coins_;
        for (std::size_t i = 0; i < 5; ++i) {
            std::uniform_int_distribution<std::size_t> pick(i, deck.size() - 1);
            std::swap(deck[i], deck[pick(rng_)]);
            h.dealt[i] = deck[i];
        }
        return h;
    };
    if (filter_) {
        // Hands of one kind only: the first deal of that kind, else any deal
        // when the kind is too rare to be met by chance.
        const auto start = std::chrono::steady_clock::now();
        for (int t = 0;
             t < kFilterTries && std::chrono::steady_clock::now() - start < kListDiffersBudget;
             ++t) {
            DrillHand h = deal();
            if (filter_(h.dealt)) return h;
        }
        return deal();
    }
    if (generatedListDiffers_) {
        // The search is bounded in time as well, so a slow valuation never
        // holds up the next hand: a random hand is dealt instead.
        const auto start = std::chrono::steady_clock::now();
        for (int t = 0;
             t < kListDiffersTries && std::chrono::steady_clock::now() - start < kListDiffersBudget;
             ++t) {
            DrillHand h = deal();
            const HandValues v = valuer_(h.game, h.payTable, h.coins, h.dealt);
            if (!v.values.IsBest(v.listHold)) {
                h.origin = DrillHand::Origin::ListDiffers;
                return h;
            }
        }
        // Such hands are rare in this game: random hands from here on.
        if (std::chrono::steady_clock::now() - start < kListDiffersBudget)
            generatedListDiffers_ = false;
    }
    return deal();
}

void PracticeDrill::TopUp() {
    if (queue_.empty() && listDiffersNext_ < listDiffers_.size()) {
        while (listDiffersNext_ < listDiffers_.size())
            queue_.push_back(listDiffers_[listDiffersNext_++]);
        return;
    }
    if (listDiffersNext_ < listDiffers_.size()) return;
    const bool onlyGenerated = std::all_of(queue_.begin(), queue_.end(), [](const DrillHand& h) {
        return h.origin != DrillHand::Origin::Mistake;
    });
    if (!onlyGenerated) return;
    while (queue_.size() < static_cast<std::size_t>(kGap + 1)) queue_.push_back(Generated());
}

const DrillHand& PracticeDrill::Current() {
    if (queue_.empty()) TopUp();
    return queue_.front();
}

DrillAnswer PracticeDrill::Answer(std::uint8_t held) {
    DrillHand& hand = const_cast<DrillHand&>(Current());
    Decision d;
    d.game = hand.game;
    d.payTable = hand.payTable;
    if (named_) {
        d.tableName = named_->name;
        d.pays = named_->pays;
    }
    d.coins = hand.coins;
    d.dealt = hand.dealt;
    d.held = held & 31;
    d.mode = DecisionMode::Normal;
    d.source = DecisionSource::Drill;
    const HandValues v = valuer_(hand.game, hand.payTable, hand.coins, hand.dealt);
    DrillAnswer a;
    a.values = v.values;
    a.row = MakeDecisionRow(d, v);
    a.best = v.values.IsBest(static_cast<exact::HoldMask>(d.held));
    if (!answered_) {
        hand.streak = a.best ? hand.streak + 1 : 0;
        leaving_ = hand.streak >= kStreakToLeave;
        ++tally_.answered;
        if (a.best) ++tally_.best;
        tally_.creditsLost += a.row.Cost() > 0 && !a.best ? a.row.Cost() : 0;
        if (leaving_) ++tally_.mastered;
        if (append_) append_(a.row);
        answered_ = true;
    }
    a.leaves = leaving_;
    return a;
}

void PracticeDrill::Next() {
    if (!answered_) return;
    answered_ = false;
    DrillHand hand = queue_.front();
    queue_.pop_front();
    if (!leaving_) {
        const auto at = std::min<std::size_t>(static_cast<std::size_t>(kGap), queue_.size());
        queue_.insert(queue_.begin() + static_cast<std::ptrdiff_t>(at), hand);
    }
    leaving_ = false;
    TopUp();
}

} // namespace quintaro
