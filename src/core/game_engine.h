#pragma once
// The table state of one open game screen: the deck and hand, the bet, the pay
// table in force, and the game's evaluation. One subclass per evaluation family.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "core/deck.h"
#include "core/evaluation.h"
#include "core/game_variant.h"
#include "core/hand_analysis.h"
#include "core/named_pay_table.h"
#include "core/pay_table.h"
#include "core/random_source.h"

namespace quintaro {

class GameEngine {
public:
    // Seconds of the calendar clock; injectable so deals are reproducible.
    using Clock = std::function<std::int64_t()>;
    static std::int64_t SystemClock();

    explicit GameEngine(int game, PayTables& tables = ThePayTables());
    virtual ~GameEngine() = default;
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Fills a record from the five cards in position order.
    virtual void AnalyseHand(const Hand& hand, HandAnalysis& out) const;
    // Analyses the hand into the record and maps it to the category of the game's family.
    HandCategory Evaluate(const Hand& hand, HandAnalysis& out) const;

    // The same on the table's own hand and record.
    void AnalyseTable() { AnalyseHand(hand, analysis); }
    HandCategory EvaluateTable() { return Evaluate(hand, analysis); }

    // Start of a round: count back to 52, reseed from the clock, deal positions 0..4.
    void DealHand();
    // Takes one undealt card at random into a hand position.
    void DrawCard(int position);
    // The draw: every unheld position, left to right, gets a new card.
    void DrawReplacements();

    // Writes the chosen pay table (0 first, 1 second) into the game's row.
    ChangedRows ApplyPayTable(int choice);
    // Puts a named table (the catalogue's or the player's) in force; the
    // built-in choice stays remembered in altPayTable.
    void ApplyNamedTable(const NamedPayTable& table);
    bool NamedTableInForce() const { return !payTableName.empty(); }
    // The schedule of the table in force, named or built-in.
    PaySchedule ScheduleInForce() const;
    // The royal rule for the given coins.
    void ApplyRoyalRule(int coins) { payTables.ApplyRoyalRule(game, coins); }
    std::int32_t Payout(HandCategory category, int coins) const {
        return payTables.Payout(game, category, coins);
    }
    const PayRow& PayRowInForce() const { return payTables.Row(game); }

    EvaluationFamily Family() const { return GameInfoFor(game).family; }

    const int game;
    const std::string_view gameKey; // settings section
    PayTables& payTables;
    const std::array<std::int32_t, 3> cardPause{400, 200, 100};
    std::int32_t lastBet = 1;
    Deck deck;
    Hand hand;
    std::int32_t bet = 0;
    HandCategory finalCategory = 0;
    std::uint8_t altPayTable = 0;
    std::string payTableName; // the named table in force, empty for a built-in one

    HandAnalysis analysis; // the record of the table's hand, most recently analysed
    RandomSource random;
    Clock clock = &GameEngine::SystemClock;
};

class DeucesEngine : public GameEngine {
public:
    explicit DeucesEngine(PayTables& tables = ThePayTables()) : GameEngine(kDeucesWild, tables) {}
    void AnalyseHand(const Hand& hand, HandAnalysis& out) const override;
};

// The four families that split four of a kind; each evaluates by the family its game
// has.
class BonusEngine : public GameEngine {
public:
    using GameEngine::GameEngine;
};

class SuperDoubleEngine : public GameEngine {
public:
    explicit SuperDoubleEngine(PayTables& tables = ThePayTables())
        : GameEngine(kSuperDoubleBonus, tables) {}
};

class DoubleDoubleEngine : public GameEngine {
public:
    explicit DoubleDoubleEngine(PayTables& tables = ThePayTables())
        : GameEngine(kDoubleDoubleBonus, tables) {}
};

class TripleDoubleEngine : public GameEngine {
public:
    explicit TripleDoubleEngine(PayTables& tables = ThePayTables())
        : GameEngine(kTripleDoubleBonus, tables) {}
};

// The engine of a game's evaluation family.
std::unique_ptr<GameEngine> MakeGameEngine(int game, PayTables& tables = ThePayTables());

} // namespace quintaro
