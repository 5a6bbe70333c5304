#pragma once
// Recording stand-ins for the session, the screen and the advice, so the
// round's tests can read what it asked for, in order.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game_engine.h"
#include "shell/session.h"
#include "strategy/classifier.h"
#include "table/round_ports.h"
#include "table/table_round.h"

namespace quintaro::testing {

using Log = std::vector<std::string>;

// Entries of a log that start with a prefix.
inline std::vector<std::string> Only(const Log& log, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& s : log)
        if (s.rfind(prefix, 0) == 0) out.push_back(s);
    return out;
}

class FakeSession : public RoundSession {
public:
    // The program's starting bar, with the speed tile of this speed written as the
    // session writes it.
    explicit FakeSession(Log& log) : log_(log) {
        for (int s = 0; s < 9; ++s)
            for (int i = 0; i < 7; ++i) table[s][i] = kInitialButtonBarTable[s][i];
        for (int s : kSpeedStates) table[s][kSpeedSlot] = kTileSpeed1 + speed;
    }

    std::int32_t credits = 100;
    std::int32_t winMeter = 0;
    std::int32_t speed = 2;
    bool autoHold = false;
    bool showMistakes = false;
    bool fastCredits = false;
    bool sound = true;
    bool dealSlotEnabled = false;
    int table[9][7]{};
    int barState = 0;
    // What the bills dialog adds (0: cancelled).
    std::int32_t billsToAdd = 0;
    std::function<void()> onProcess;
    std::array<std::int32_t, 9> handsPlayed{};
    std::array<std::int32_t, 9> creditsBet{};
    std::array<std::array<std::int32_t, 14>, 9> handCount{};
    std::array<std::array<std::int32_t, 14>, 9> creditsPaid{};

    std::int32_t& Credits() override { return credits; }
    std::int32_t& WinMeter() override { return winMeter; }
    std::int32_t WhichSpeed() const override { return speed; }
    bool& AutoHold() override { return autoHold; }
    bool& ShowMistakes() override { return showMistakes; }
    bool& FastCredits() override { return fastCredits; }
    bool& Sound() override { return sound; }
    bool& DealSlotEnabled() override { return dealSlotEnabled; }
    int BarCell(int state, int slot) const override { return table[state][slot - 1]; }
    void SetBarCell(int state, int slot, int tile) override { table[state][slot - 1] = tile; }
    int BarState() const override { return barState; }
    void DrawCreditMeter() override { log_.push_back("credits " + std::to_string(credits)); }
    void DrawButtonBar(int state) override {
        if (state >= 0) barState = state;
        std::string s = "bar " + std::to_string(barState) + ":";
        for (int i = 0; i < 7; ++i) s += " " + std::to_string(table[barState][i]);
        log_.push_back(s);
    }
    // Slots of 108 pixels; a blank tile takes no press except the last slot
    // while the deal slot is enabled.
    int ButtonBarHitTest(int x, int y) const override {
        if (y < 0 || y >= 27 || x < 0) return 0;
        const int i = x / 108;
        if (i > 6 || x - 108 * i >= 107) return 0;
        if (table[barState][i] != 0) return i + 1;
        return (i == 6 && dealSlotEnabled) ? 7 : 0;
    }
    void PressBarButton(int slotIndex) override {
        log_.push_back("press " + std::to_string(slotIndex + 1));
    }
    void CycleSpeed() override { log_.push_back("speed"); }
    void CountUpWin(std::int32_t amount) override {
        log_.push_back("countup " + std::to_string(amount));
        credits += amount;
        winMeter += amount;
    }
    void PlayEffect(int effect) override { log_.push_back("effect " + std::to_string(effect)); }
    bool InsertBills() override {
        log_.push_back("bills");
        if (billsToAdd <= 0) return false;
        credits += billsToAdd;
        return true;
    }
    void ShowGameHelp() override { log_.push_back("help"); }
    void CountHandStarted(int game) override { ++handsPlayed[game]; }
    void CountFinishedHand(int game, int coins, HandCategory c, std::int32_t paid) override {
        creditsBet[game] += coins;
        handCount[game][c] += 1;
        creditsPaid[game][c] += paid;
    }
    std::int32_t CreditsBet(int game) const override { return creditsBet[game]; }

    std::vector<int> Row(int state) const { return {table[state], table[state] + 7}; }

private:
    Log& log_;
};

inline const char* ColourName(RowColour c) {
    return c == RowColour::Yellow ? "yellow" : c == RowColour::Red ? "red" : "white";
}

class FakeView : public TableView {
public:
    explicit FakeView(Log& log) : log_(log) {}

    std::function<void()> onProcess; // runs inside ProcessMessages and Pause
    std::array<bool, 5> shownHeld{};
    std::array<bool, 5> panelLabels{};
    std::string panelName, panelRank, panelValue, winCaption;
    bool panelShown = false;
    std::optional<MistakeFigures> figures; // the last figures shown
    bool lastTableSelected = false;

    void ShowCardFace(int p, Card c) override {
        log_.push_back("face " + std::to_string(p) + " " + CardName(c));
    }
    void ShowCardBack(int p) override { log_.push_back("back " + std::to_string(p)); }
    void ShowHeld(int p, bool held) override {
        shownHeld[static_cast<std::size_t>(p)] = held;
        log_.push_back("held " + std::to_string(p) + (held ? " on" : " off"));
    }
    void SetRowColour(HandCategory row, RowColour c) override {
        log_.push_back("row " + std::to_string(row) + " " + ColourName(c));
    }
    void SetCellColour(HandCategory row, int coins, RowColour c) override {
        log_.push_back("cell " + std::to_string(row) + " " + std::to_string(coins) + " " +
                       ColourName(c));
    }
    void MarkCoinColumn(int coins, bool marked) override {
        log_.push_back("column " + std::to_string(coins) + (marked ? " on" : " off"));
    }
    void ShowPayCells() override { log_.push_back("paycells"); }
    void ShowNotice(const std::string& text) override { log_.push_back("notice " + text); }
    void ShowBet(int coins) override { log_.push_back("bet " + std::to_string(coins)); }
    void ShowWinCaption(const std::string& text) override {
        winCaption = text;
        log_.push_back("wincaption " + text);
    }
    void HideWinCaption() override { log_.push_back("wincaption off"); }
    void ShowWinMeter(bool shown) override { log_.push_back(shown ? "win on" : "win off"); }
    void ShowInfoLines(bool shown) override { log_.push_back(shown ? "info on" : "info off"); }
    void ShowGameOver(bool shown) override {
        log_.push_back(shown ? "gameover on" : "gameover off");
    }
    void ShowPlayMode(const std::string& text) override { log_.push_back("mode " + text); }
    void ShowMistakePanel(const std::array<bool, 5>& labels, const std::string& name,
                          const std::string& rank, const std::string& value) override {
        panelShown = true;
        panelLabels = labels;
        panelName = name;
        panelRank = rank;
        panelValue = value;
        log_.push_back("panel on");
    }
    void HideMistakePanel() override {
        panelShown = false;
        log_.push_back("panel off");
    }
    void ShowMistakeFigures(const MistakeFigures& f) override {
        figures = f;
        log_.push_back("figures");
    }
    void OpenHoldValues(const HoldValuesQuery&) override { log_.push_back("hold values"); }
    void OpenStrategyTable(bool select) override {
        lastTableSelected = select;
        log_.push_back(select ? "strategy selected" : "strategy plain");
    }
    void AllowPopupMenu(bool allowed) override {
        log_.push_back(allowed ? "popup on" : "popup off");
    }
    void SetBlinkTimer(bool running) override {
        log_.push_back(running ? "timer on" : "timer off");
    }
    void CloseScreen() override { log_.push_back("close"); }
    void Pause(int ms) override {
        log_.push_back("pause " + std::to_string(ms));
        if (onProcess) onProcess();
    }
    void ProcessMessages() override {
        if (onProcess) onProcess();
    }

private:
    Log& log_;
};

// Advice fixed by the test.
class FixedAdvisor : public HoldAdvisor {
public:
    HoldAdvice advice;
    int calls = 0;
    HoldAdvice Advise(GameEngine&) override {
        ++calls;
        return advice;
    }
};

// Fixed advice with exact values made up by the test.
class ValuedAdvisor : public FixedAdvisor {
public:
    exact::HoldValues values;
    int valueCalls = 0;
    std::optional<exact::HoldValues> Values(int, int, int, const std::array<Card, 5>&) override {
        ++valueCalls;
        return values;
    }
    // Values per coin by mask; ties within the tolerance count as best.
    void SetValues(const std::array<double, exact::kHoldCount>& perCoin, int coins = 1) {
        values = {};
        values.coins = coins;
        values.perCoin = perCoin;
        for (int m = 0; m < exact::kHoldCount; ++m)
            if (perCoin[static_cast<std::size_t>(m)] > perCoin[values.best])
                values.best = static_cast<exact::HoldMask>(m);
        for (int m = 0; m < exact::kHoldCount; ++m)
            if (perCoin[values.best] - perCoin[static_cast<std::size_t>(m)] <= exact::kTieTolerance)
                values.bestSet |= 1u << m;
    }
};

// The decisions the round tells, logged in order with the screen's steps.
class FakeDecisions : public DecisionPort {
public:
    explicit FakeDecisions(Log& log) : log_(log) {}
    std::vector<Decision> drawn;
    std::vector<std::array<Card, 5>> dealt;
    std::vector<int> dealtCoins;
    void HandDealt(int game, int payTable, int coins, const std::array<Card, 5>& cards) override {
        dealt.push_back(cards);
        dealtCoins.push_back(coins);
        log_.push_back("dealt " + std::to_string(game) + " " + std::to_string(payTable) + " " +
                       std::to_string(coins));
    }
    void HandDrawn(const Decision& d) override {
        drawn.push_back(d);
        log_.push_back("decision " + std::to_string(d.held));
    }

private:
    Log& log_;
};

// A seed (calendar second) for the engine's next deal for which `wanted`
// holds of the dealt (and, when drawing, drawn) hand. The search replays the
// deal on a scratch engine that starts from the same deck order.
inline std::int64_t FindSeed(const GameEngine& engine,
                             const std::function<bool(GameEngine&)>& wanted, std::int64_t from = 1,
                             std::int64_t limit = 20000000) {
    auto scratch = MakeGameEngine(engine.game, engine.payTables);
    for (std::int64_t s = from; s < from + limit; ++s) {
        scratch->deck = engine.deck;
        scratch->clock = [s] { return s; };
        scratch->DealHand();
        if (wanted(*scratch)) return s;
    }
    return -1;
}

// The held flags of the engine's hand.
inline std::array<bool, 5> HeldFlags(const GameEngine& g) {
    std::array<bool, 5> held{};
    for (std::size_t p = 0; p < 5; ++p) held[p] = g.hand[p].held;
    return held;
}

// The strategy list's advice for the engine's hand.
inline Recommendation AdviceFor(const GameEngine& g) {
    HandAnalysis a;
    Recommendation r;
    AdviseHand(g.game, g.altPayTable, CardsOf(g.hand), a, r);
    return r;
}

// Three Twos with an Ace and a card that is no kicker: Triple Double Bonus's
// list drops the Ace that the best hold keeps.
inline bool TwosWithAnAce(GameEngine& g) {
    int twos = 0, aces = 0, kickers = 0;
    for (const auto& s : g.hand) {
        const int r = RankOf(s.card);
        twos += r == kTwo;
        aces += r == kAce;
        kickers += r == kThree || r == kFour;
    }
    return twos == 3 && aces == 1 && kickers == 0;
}

} // namespace quintaro::testing
