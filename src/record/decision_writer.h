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
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "exact/exact_analysis.h"
#include "record/decision.h"
#include "record/training_record.h"

namespace quintaro {

struct GeneratedList;

// The strategy list generated for a named table's pays when it is ready, else
// null (asking may start its making). The program binds it to its cache of
// generated lists; without one a named table is judged by perfect play.
using ListFinder =
    std::function<std::shared_ptr<const GeneratedList>(int game, const PaySchedule& pays)>;

// What the record stores about a dealt hand: the values of its holds and the list's hold.
struct HandValues {
    exact::HoldValues values;
    exact::HoldMask listHold = 0;
};

// The exact values of a dealt hand at a bet, and the strategy list's hold.
HandValues ComputeHandValues(int game, int payTable, int coins, const std::array<Card, 5>& dealt);
// The same on a named table's pays: the list's hold is the generated list's
// when the finder has it, else a best hold.
HandValues ComputeNamedHandValues(int game, const PaySchedule& pays, int coins,
                                  const std::array<Card, 5>& dealt, const ListFinder& lists);
// The row a decision becomes: its hold, the list's and a best hold (the
// list's when it is among the best), with their values in credits.
DecisionRow MakeDecisionRow(const Decision& decision, const HandValues& values);

class DecisionWriter : public DecisionPort {
public:
    explicit DecisionWriter(TrainingRecord& record) : record_(record) {}
    ~DecisionWriter() override;

    void HandDealt(int game, int payTable, int coins, const std::array<Card, 5>& dealt) override;
    void NamedHandDealt(int game, const PaySchedule& pays, int coins,
                        const std::array<Card, 5>& dealt) override;
    void HandDrawn(const Decision& decision) override;
    // Where the lists of named tables come from.
    void SetListFinder(ListFinder lists) { lists_ = std::move(lists); }
    const ListFinder& Lists() const { return lists_; }

    // Values the decision's hand (reusing the dealt hand's values when they
    // match) and appends its row. The row as written, or nothing when the
    // record keeps nothing.
    std::optional<DecisionRow> Record(const Decision& decision);

private:
    struct Pending {
        int game = 0;
        int payTable = 0;
        int coins = 0;
        std::optional<PaySchedule> pays;
        std::array<Card, 5> dealt{};
        std::future<HandValues> values;
    };

    void Start(Pending p);

    TrainingRecord& record_;
    ListFinder lists_;
    std::optional<Pending> pending_;
};

} // namespace quintaro
