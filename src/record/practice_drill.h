#pragma once
// The practice drill: hands dealt without credits from the player's own
// mistakes in one game and pay table (the costliest first, then the most
// recent), then from hands where the strategy list's hold is not a best hold,
// then random hands. The player holds cards and checks; the drill values the
// answer exactly, keeps a tally, and records the answer as a drill decision.
//
// A hand stays in the drill until it has been answered with a best hold three
// times in a row; in between, other hands are shown when there are any, so
// the same hand does not come back at once.
//
// Usage:
//     PracticeDrill drill(game, payTable, PendingMistakes(mistakes, drills), seed);
//     drill.SetAppend([&](DecisionRow& row) { return record.Append(row); });
//     const DrillHand& hand = drill.Current();   // show hand.dealt
//     DrillAnswer a = drill.Answer(heldMask);     // show a.values, a.row.bestHold ...
//     drill.Next();

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "record/decision_writer.h"
#include "record/training_record.h"

namespace quintaro {

struct DrillHand {
    enum class Origin { Mistake, ListDiffers, Random };
    int game = 0;
    int payTable = 0;
    int coins = 5;
    std::array<Card, 5> dealt{};
    Origin origin = Origin::Random;
    int streak = 0;  // best answers in a row so far
    double cost = 0; // what the recorded mistake cost, in credits
};

// The mistakes of the table rows still to drill: one hand per dealt hand and
// bet, the costliest first and then the most recent, without the hands whose
// latest drill answers since their latest mistake were three best holds in a
// row; a hand keeps the run of best answers it has (one or two).
// `tableMistakes` are mistake rows of the table, `drillRows` drill rows, both
// of one game and pay table, any order.
std::vector<DrillHand> PendingMistakes(const std::vector<DecisionRow>& tableMistakes,
                                       const std::vector<DecisionRow>& drillRows);

// The hands of rows whose list hold is not a best hold, newest first, one per
// dealt hand and bet, leaving out those in `skip`.
std::vector<DrillHand> ListDiffersHands(const std::vector<DecisionRow>& rows,
                                        const std::vector<DrillHand>& skip);

struct DrillAnswer {
    DecisionRow row; // as recorded: held, list, best, values, source drill
    exact::HoldValues values;
    bool best = false;
    bool leaves = false; // the third best answer in a row: the hand leaves the drill
};

struct DrillTally {
    int answered = 0;
    int best = 0;
    double creditsLost = 0;
    int mastered = 0; // hands that left the drill
};

class PracticeDrill {
public:
    static constexpr int kStreakToLeave = 3;
    // Hands shown between two showings of the same hand, when there are any.
    static constexpr int kGap = 2;
    // Random deals tried for one hand whose list hold is not a best hold.
    static constexpr int kListDiffersTries = 40;
    // The most time one such search may take.
    static constexpr std::chrono::milliseconds kListDiffersBudget{50};

    using Valuer = std::function<HandValues(int game, int payTable, int coins,
                                            const std::array<Card, 5>& dealt)>;
    using Append = std::function<bool(DecisionRow& row)>;
    // Which dealt hands the drill may deal of its own (a kind of hand); unset: any.
    using HandFilter = std::function<bool(const std::array<Card, 5>& dealt)>;
    // Random deals tried for one hand that passes the filter.
    static constexpr int kFilterTries = 20000;

    PracticeDrill(int game, int payTable, std::vector<DrillHand> mistakes,
                  std::vector<DrillHand> listDiffers, std::uint32_t seed, int coins = 5);

    void SetValuer(Valuer valuer) { valuer_ = std::move(valuer); }
    // Drills a named table: its hands are valued on its pays (the list's hold
    // from its generated list when the finder has it) and recorded under its
    // name. Sets the valuer.
    void SetNamedTable(const NamedPayTable& table, ListFinder lists);
    // The named table drilled, or none for a built-in table.
    const std::optional<NamedPayTable>& NamedTable() const { return named_; }
    void SetAppend(Append append) { append_ = std::move(append); }
    void SetHandFilter(HandFilter filter) { filter_ = std::move(filter); }

    int Game() const { return game_; }
    int PayTable() const { return payTable_; }
    // The hand to answer now.
    const DrillHand& Current();
    // Values the hold (a position mask) for the current hand, records it and
    // counts it. The hand moves on with Next().
    DrillAnswer Answer(std::uint8_t held);
    // Moves to the next hand after an answer.
    void Next();
    bool Answered() const { return answered_; }
    const DrillTally& Tally() const { return tally_; }
    // Hands waiting, the current one included.
    std::size_t Waiting() const { return queue_.size(); }

private:
    void TopUp();
    DrillHand Generated();

    int game_;
    int payTable_;
    std::optional<NamedPayTable> named_;
    int coins_;
    std::deque<DrillHand> queue_;
    std::vector<DrillHand> listDiffers_;
    std::size_t listDiffersNext_ = 0;
    bool generatedListDiffers_ = true;
    std::mt19937 rng_;
    Valuer valuer_;
    Append append_;
    HandFilter filter_;
    DrillTally tally_;
    bool answered_ = false;
    bool leaving_ = false;
};

} // namespace quintaro
