#include "core/game_engine.h"

#include <ctime>

namespace quintaro {

std::int64_t GameEngine::SystemClock() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

GameEngine::GameEngine(int game_, PayTables& tables)
    : game(game_), gameKey(GameInfoFor(game_).settingsSection), payTables(tables) {
    for (int p = 0; p < 5; ++p) hand[p] = CardSlot{kFallbackHand[p], true};
    analysis.Reset();
}

void GameEngine::AnalyseHand(const Hand& h, HandAnalysis& out) const {
    out.Analyse(CardsOf(h));
}

HandCategory GameEngine::Evaluate(const Hand& h, HandAnalysis& out) const {
    AnalyseHand(h, out);
    return CategoryFor(Family(), out);
}

void GameEngine::DealHand() {
    deck.count = 52;
    random.Seed(static_cast<std::uint32_t>(clock()));
    for (int p = 0; p < 5; ++p) DrawCard(p);
}

void GameEngine::DrawCard(int position) {
    // A round takes at most ten cards; an empty deck would be a caller's bug,
    // and then the card at position 1 is reused rather than reading outside.
    if (deck.count <= 0) {
        hand[position].card = deck.cards[0];
        return;
    }
    const int k = random.Next() % deck.count;
    const Card drawn = deck.cards[k];
    --deck.count;
    deck.cards[k] = deck.cards[deck.count];
    deck.cards[deck.count] = drawn;
    hand[position].card = drawn;
}

void GameEngine::DrawReplacements() {
    for (int p = 0; p < 5; ++p)
        if (!hand[p].held) DrawCard(p);
}

void GameEngine::ApplyNamedTable(const NamedPayTable& table) {
    payTableName = table.name;
    payTables.ApplySchedule(game, table.pays);
}

PaySchedule GameEngine::ScheduleInForce() const {
    if (const PaySchedule* s = payTables.ScheduleInForce(game)) return *s;
    return BuiltInSchedule(game, altPayTable);
}

ChangedRows GameEngine::ApplyPayTable(int choice) {
    payTableName.clear();
    altPayTable = choice ? 1 : 0;
    return payTables.Apply(game, altPayTable);
}

void DeucesEngine::AnalyseHand(const Hand& h, HandAnalysis& out) const {
    AnalyseDeuces(CardsOf(h), out);
}

std::unique_ptr<GameEngine> MakeGameEngine(int game, PayTables& tables) {
    switch (GameInfoFor(game).family) {
    case EvaluationFamily::Natural:
        return std::make_unique<GameEngine>(game, tables);
    case EvaluationFamily::Bonus:
        return std::make_unique<BonusEngine>(game, tables);
    case EvaluationFamily::Deuces:
        return std::make_unique<DeucesEngine>(tables);
    case EvaluationFamily::SuperDouble:
        return std::make_unique<SuperDoubleEngine>(tables);
    case EvaluationFamily::DoubleDouble:
        return std::make_unique<DoubleDoubleEngine>(tables);
    case EvaluationFamily::TripleDouble:
        return std::make_unique<TripleDoubleEngine>(tables);
    }
    return nullptr;
}

} // namespace quintaro
