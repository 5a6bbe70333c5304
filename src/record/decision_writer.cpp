#include "record/decision_writer.h"

#include "generate/list_return.h"

namespace quintaro {

HandValues ComputeHandValues(int game, int payTable, int coins, const std::array<Card, 5>& dealt) {
    HandValues v;
    v.values = exact::AnalyseHolds(game, payTable, coins, dealt);
    v.listHold = ListHold(game, payTable, dealt);
    return v;
}

DecisionRow MakeDecisionRow(const Decision& d, const HandValues& v) {
    DecisionRow row;
    row.game = d.game;
    row.payTable = d.payTable;
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

void DecisionWriter::HandDealt(int game, int payTable, int coins,
                               const std::array<Card, 5>& dealt) {
    if (!record_.Usable()) return;
    if (pending_ && pending_->values.valid()) pending_->values.wait();
    Pending p;
    p.game = game;
    p.payTable = payTable;
    p.coins = coins;
    p.dealt = dealt;
    p.values = std::async(std::launch::async,
                          [=] { return ComputeHandValues(game, payTable, coins, dealt); });
    pending_ = std::move(p);
}

void DecisionWriter::HandDrawn(const Decision& decision) {
    Record(decision);
}

std::optional<DecisionRow> DecisionWriter::Record(const Decision& d) {
    if (!record_.Usable()) return std::nullopt;
    std::optional<HandValues> values;
    if (pending_ && pending_->values.valid() && pending_->game == d.game &&
        pending_->payTable == d.payTable && pending_->coins == d.coins &&
        pending_->dealt == d.dealt)
        values = pending_->values.get();
    if (pending_ && pending_->values.valid()) pending_->values.wait();
    pending_.reset();
    if (!values) values = ComputeHandValues(d.game, d.payTable, d.coins, d.dealt);
    DecisionRow row = MakeDecisionRow(d, *values);
    if (!record_.Append(row)) return std::nullopt;
    return row;
}

} // namespace quintaro
