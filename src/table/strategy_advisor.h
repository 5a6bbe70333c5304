#pragma once
// The expert advice of the strategy lists for the hand on the table, and the
// lines of the strategy table view.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "table/round_ports.h"

namespace quintaro {

struct StrategyList;

// Advice from the game's classifier over the active strategy list. Every call
// analyses the table's five cards afresh, so the advice is for the hand on the
// table even when another analysis (the hand builder) ran in between.
class GeneratedLists;

class StrategyHoldAdvisor : public HoldAdvisor {
public:
    HoldAdvice Advise(GameEngine& engine) override;
    // Named tables are advised by their generated lists from `lists` once
    // ready; without lists, never.
    void UseGeneratedLists(GeneratedLists* lists) { lists_ = lists; }
    std::optional<HoldAdvice> AdviseNamed(GameEngine& engine) override;
    // The exact engine's values; the last hand's are kept, since one hand is
    // asked about several times (the deal, the draw, the panel, the view).
    std::optional<exact::HoldValues> Values(int game, int choice, int coins,
                                            const std::array<Card, 5>& cards) override;
    std::optional<exact::HoldValues> Values(int game, const PaySchedule& pays, int coins,
                                            const std::array<Card, 5>& cards) override;
    std::optional<exact::HoldMask> NamedListHold(int game, const PaySchedule& pays,
                                                 const std::array<Card, 5>& cards) override;

private:
    struct Key {
        int game = -1;
        PaySchedule pays;
        int coins = 0;
        std::array<Card, 5> cards{};
        bool operator==(const Key&) const = default;
    };
    Key lastKey_;
    GeneratedLists* lists_ = nullptr;
    exact::HoldValues lastValues_;
};

// "Strategy Table for (9/6) Jacks or Better".
std::string StrategyTableCaption(int game, int choice, std::string_view gameName);

// The coins the values are shown for: the bet of the round, or the last bet
// when no coin is bet.
int StrategyTableCoins(const GameEngine& engine);

// One line per entry, rank 1 first: "   %2d   %-33s %9.4f" of rank, name and
// the entry's value for the coins (EntryValue).
std::vector<std::string> StrategyTableLines(const StrategyList& list, int coins);

// The first visible line that puts the selected line in the middle of a list
// showing listHeight / itemHeight lines, kept within the list (a selection
// below 0 means none and shows the top).
int StrategyTableTopLine(int selected, int lineCount, int listHeight, int itemHeight = 12);

} // namespace quintaro
