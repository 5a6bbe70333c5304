#pragma once
// DecisionWriter: the training record's side of the round's DecisionPort.
// When a hand is dealt it starts working out the exact values of the hand's
// holds on a worker thread, so the draw finds them ready and only a short
// insert runs before the replacement cards are shown.
//
// Usage:
//     TrainingRecord record(path, notice);
//     DecisionWriter writer(record);
//     round.SetDecisionPort(&writer);
//     writer.Record(drillDecision); // a drill answer, values worked out at once

#include <array>
#include <future>
#include <optional>

#include "exact/exact_analysis.h"
#include "record/decision.h"
#include "record/training_record.h"

namespace quintaro {

// What the record stores about a dealt hand: the values of its holds and the list's hold.
struct HandValues {
    exact::HoldValues values;
    exact::HoldMask listHold = 0;
};

// The exact values of a dealt hand at a bet, and the strategy list's hold.
HandValues ComputeHandValues(int game, int payTable, int coins, const std::array<Card, 5>& dealt);
// The row a decision becomes: its hold, the list's and a best hold (the
// list's when it is among the best), with their values in credits.
DecisionRow MakeDecisionRow(const Decision& decision, const HandValues& values);

class DecisionWriter : public DecisionPort {
public:
    explicit DecisionWriter(TrainingRecord& record) : record_(record) {}
    ~DecisionWriter() override;

    void HandDealt(int game, int payTable, int coins, const std::array<Card, 5>& dealt) override;
    void HandDrawn(const Decision& decision) override;

    // Values the decision's hand (reusing the dealt hand's values when they
    // match) and appends its row. The row as written, or nothing when the
    // record keeps nothing.
    std::optional<DecisionRow> Record(const Decision& decision);

private:
    struct Pending {
        int game = 0;
        int payTable = 0;
        int coins = 0;
        std::array<Card, 5> dealt{};
        std::future<HandValues> values;
    };

    TrainingRecord& record_;
    std::optional<Pending> pending_;
};

} // namespace quintaro
