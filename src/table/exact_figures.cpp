#include "table/exact_figures.h"

#include <cstdio>

namespace quintaro {

std::string CreditsText(double credits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", credits);
    return text;
}

MistakeFigureText MistakeText(const MistakeFigures& f) {
    MistakeFigureText text;
    text.figures = "Credits for " + std::to_string(f.coins) + (f.coins == 1 ? " coin" : " coins") +
                   ":  yours " + CreditsText(f.player) + "  \u00b7  list's " + CreditsText(f.list) +
                   "  \u00b7  best " + CreditsText(f.best) + "  \u00b7  cost " +
                   CreditsText(f.Cost());
    if (f.PlayerMatchesList()) {
        const bool more = f.player > f.list + exact::kTieTolerance * f.coins;
        text.verdict = more ? "The list is imperfect for this hand: your hold is worth more."
                            : "The list is imperfect for this hand: your hold is worth as much.";
    }
    return text;
}

std::vector<HoldValueRow> HoldValueRows(const exact::HoldValues& values, exact::HoldMask listHold,
                                        int playerHold) {
    std::vector<HoldValueRow> rows;
    rows.reserve(exact::kHoldCount);
    for (const exact::HoldMask m : exact::RankHolds(values)) {
        HoldValueRow row;
        row.hold = m;
        row.perCoin = values.PerCoin(m);
        row.credits = values.Credits(m);
        row.shortfall = values.ShortfallPerCoin(m);
        row.best = values.IsBest(m);
        row.list = m == listHold;
        row.player = playerHold == m;
        rows.push_back(row);
    }
    return rows;
}

std::string ReturnCaption(const exact::PayTableReturn& r) {
    char text[96];
    std::snprintf(text, sizeof text, "This list returns %.4f %%, perfect play %.4f %%",
                  r.strategy * 100.0, r.optimal * 100.0);
    return text;
}

std::optional<exact::PayTableReturn> ReturnStore::Find(int game, int choice, int coins) const {
    std::lock_guard lock(mutex_);
    const auto it = entries_.find({game, choice, coins});
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

bool ReturnStore::Claim(int game, int choice, int coins) {
    std::lock_guard lock(mutex_);
    return entries_.try_emplace({game, choice, coins}).second;
}

void ReturnStore::Store(int game, int choice, int coins, const exact::PayTableReturn& r) {
    std::lock_guard lock(mutex_);
    entries_[{game, choice, coins}] = r;
}

ReturnStore& TheReturnStore() {
    // Never destroyed: a worker may still store into it while the program ends.
    static auto* store = new ReturnStore;
    return *store;
}

} // namespace quintaro
