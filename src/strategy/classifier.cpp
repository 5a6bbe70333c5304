#include "strategy/classifier.h"

#include <cassert>

#include "core/game_variant.h"

namespace quintaro {
namespace {

template <int Game>
void ClassifyGame(const HandAnalysis& a, std::int32_t altPayTable, Recommendation& r) {
    const StrategyList& list = StrategyListFor(Game, altPayTable);
    if constexpr (Game == kDeucesWild)
        ClassifyDeuces(list, a, r);
    else
        ClassifyNatural(list, a, r);
}

constexpr Classifier kClassifiers[kGameCount] = {
    ClassifyGame<0>, ClassifyGame<1>, ClassifyGame<2>, ClassifyGame<3>, ClassifyGame<4>,
    ClassifyGame<5>, ClassifyGame<6>, ClassifyGame<7>, ClassifyGame<8>,
};

} // namespace

Classifier ClassifierFor(int game) {
    assert(IsValidGame(game));
    return kClassifiers[game];
}

void AnalyseForGame(int game, const std::array<Card, 5>& cards, HandAnalysis& a) {
    if (game == kDeucesWild)
        AnalyseDeuces(cards, a);
    else
        a.Analyse(cards);
}

void AdviseHand(int game, int choice, const std::array<Card, 5>& cards, HandAnalysis& a,
                Recommendation& r) {
    AnalyseForGame(game, cards, a);
    ClassifierFor(game)(a, choice, r);
}

} // namespace quintaro
