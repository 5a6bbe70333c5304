#include "record/decision_writer.h"

#include "generate/generated_list.h"
#include "generate/list_return.h"

namespace quintaro {

HandValues ComputeHandValues(int game, int payTable, int coins, const std::array<Card, 5>& dealt) {
    HandValues v;
    v.values = exact::AnalyseHolds(game, payTable, coins, dealt);
    v.listHold = ListHold(game, payTable, dealt);
    return v;
}

HandValues ComputeNamedHandValues(int game, const PaySchedule& pays, int coins,
                                  const std::array<Card, 5>& dealt, const ListFinder& lists) {
    HandValues v;
    v.values = exact::AnalyseHolds(game, pays, coins, dealt);
    const auto list = lists ? lists(game, pays) : nullptr;
    // Until the table has a list of its own, perfect play stands for it, as
    // it does at the table.
    v.listHold = list ? GeneratedHold(*list, dealt) : v.values.best;
    return v;
}

DecisionRow MakeDecisionRow(const Decision& d, const HandValues& v) {
    DecisionRow row;
    row.game = d.game;
    row.payTable = d.payTable;
    if (d.pays) {
        row.tableName = d.tableName;
        row.pays = d.pays;
    }
    row.coins = d.coins;
    row.dealt = d.dealt;
    row.held = d.held & 31;
    row.listHold = v.listHold;
    row.bestHold = exact::PerfectHold(v.values, v.listHold);
    row.evHeld = v.values.Credits(static_cast<exact::HoldMask>(row.held));
    row.evList = v.values.Credits(v.listHold);
    row.evBest = v.values.Credits(static_cast<exact::HoldMask>(row.bestHold));
    row.mode = d.mode;
    row.perfectPlay = d.perfectPlay;
    row.source = d.source;
    return row;
}

DecisionWriter::~DecisionWriter() {
    // A worker still valuing a hand is waited for, not abandoned.
    if (pending_ && pending_->values.valid()) pending_->values.wait();
}

namespace {

HandValues Compute(const Decision& d, const ListFinder& lists) {
    if (d.pays) return ComputeNamedHandValues(d.game, *d.pays, d.coins, d.dealt, lists);
    return ComputeHandValues(d.game, d.payTable, d.coins, d.dealt);
}

} // namespace

void DecisionWriter::Start(Pending p) {
    if (!record_.Usable()) return;
    if (pending_ && pending_->values.valid()) pending_->values.wait();
    Decision d;
    d.game = p.game;
    d.payTable = p.payTable;
    d.pays = p.pays;
    d.coins = p.coins;
    d.dealt = p.dealt;
    // The worker keeps its own copy of the finder: the writer's may be set anew meanwhile.
    p.values = std::async(std::launch::async, [lists = lists_, d] { return Compute(d, lists); });
    pending_ = std::move(p);
}

void DecisionWriter::HandDealt(int game, int payTable, int coins,
                               const std::array<Card, 5>& dealt) {
    Start({game, payTable, coins, std::nullopt, dealt, {}});
}

void DecisionWriter::NamedHandDealt(int game, const PaySchedule& pays, int coins,
                                    const std::array<Card, 5>& dealt) {
    Start({game, 0, coins, pays, dealt, {}});
}

void DecisionWriter::HandDrawn(const Decision& decision) {
    Record(decision);
}

std::optional<DecisionRow> DecisionWriter::Record(const Decision& d) {
    if (!record_.Usable()) return std::nullopt;
    std::optional<HandValues> values;
    if (pending_ && pending_->values.valid() && pending_->game == d.game &&
        pending_->pays == d.pays && (d.pays || pending_->payTable == d.payTable) &&
        pending_->coins == d.coins && pending_->dealt == d.dealt)
        values = pending_->values.get();
    if (pending_ && pending_->values.valid()) pending_->values.wait();
    pending_.reset();
    if (!values) values = Compute(d, lists_);
    DecisionRow row = MakeDecisionRow(d, *values);
    if (!record_.Append(row)) return std::nullopt;
    return row;
}

} // namespace quintaro
