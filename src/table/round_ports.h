#pragma once
// What the play round needs from the world around it, as three narrow seams:
// the session (money, options, meters, bar, sounds, statistics), the screen
// (what the player sees and the pacing between steps) and the strategy advice.
// The game screen implements the view; the program binds the session seam to
// the one session object; tests record every call.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/card.h"
#include "core/evaluation.h"
#include "core/pay_table.h"
#include "exact/exact_analysis.h"

namespace quintaro {

class GameEngine;

// The session's part in a round. Fields are handed out by reference because
// every window reads and changes them in place.
class RoundSession {
public:
    virtual ~RoundSession() = default;

    virtual std::int32_t& Credits() = 0;
    virtual std::int32_t& WinMeter() = 0;
    virtual std::int32_t WhichSpeed() const = 0;
    virtual bool& AutoHold() = 0;
    virtual bool& ShowMistakes() = 0;
    // Perfect Play: Auto Hold and Show Mistakes judge holds by their exact
    // values instead of the list. A seam without the option keeps it off here.
    virtual bool& PerfectPlay() { return perfectPlay_; }
    virtual bool& FastCredits() = 0;
    virtual bool& Sound() = 0;
    virtual bool& DealSlotEnabled() = 0;

    // The button-bar table: state 0..8, slot 1..7 (left to right), tile number.
    virtual int BarCell(int state, int slot) const = 0;
    virtual void SetBarCell(int state, int slot, int tile) = 0;
    virtual int BarState() const = 0;

    virtual void DrawCreditMeter() = 0;
    virtual void DrawButtonBar(int state) = 0; // -1: the current state
    virtual int ButtonBarHitTest(int x, int y) const = 0;
    virtual void PressBarButton(int slotIndex) = 0; // 0..6
    virtual void CycleSpeed() = 0;
    virtual void CountUpWin(std::int32_t amount) = 0;
    virtual void PlayEffect(int effect) = 0;
    virtual bool InsertBills() = 0;
    virtual void ShowGameHelp() = 0;

    // Statistics of the run.
    virtual void CountHandStarted(int game) = 0;
    virtual void CountFinishedHand(int game, int coins, HandCategory category,
                                   std::int32_t paid) = 0;
    virtual std::int32_t CreditsBet(int game) const = 0;

private:
    bool perfectPlay_ = false;
};

enum class RowColour { Yellow, Red, White };

// The exact figures of a stopped draw, in credits for the coins bet.
struct MistakeFigures {
    int coins = 1;
    double player = 0; // the player's hold
    double list = 0;   // the strategy list's hold
    double best = 0;   // a best hold
    bool perfectPlay = false;
    // What the player's choice costs against the best hold.
    double Cost() const { return best - player; }
    // Whether the player's hold is worth at least as much as the list's, so
    // the list is not right for this hand.
    bool PlayerMatchesList() const { return player >= list - exact::kTieTolerance * coins; }
};

// A hand whose 32 holds are to be valued; playerHold is the player's own hold
// as a position mask, or -1 for none.
struct HoldValuesQuery {
    int game = 0;
    int choice = 0;
    int coins = 1;
    std::array<Card, 5> cards{};
    int playerHold = -1;
    // A named table's name and pays; none for the built-in table of choice.
    std::string tableName;
    std::optional<PaySchedule> pays;
};

// What a game screen shows, named after what the player sees.
class TableView {
public:
    virtual ~TableView() = default;

    virtual void ShowCardFace(int position, Card card) = 0;
    virtual void ShowCardBack(int position) = 0;
    virtual void ShowHeld(int position, bool held) = 0; // both HELD captions
    // Pay-table panel: a row caption, one pay cell, the red mark of a coin column.
    virtual void SetRowColour(HandCategory row, RowColour colour) = 0;
    virtual void SetCellColour(HandCategory row, int coins, RowColour colour) = 0;
    virtual void MarkCoinColumn(int coins, bool marked) = 0;
    virtual void ShowPayCells() = 0;     // the cells changed (a pay-table switch)
    virtual void ShowBet(int coins) = 0; // both bet captions
    virtual void ShowWinCaption(const std::string& text) = 0;
    virtual void HideWinCaption() = 0;
    virtual void ShowWinMeter(bool shown) = 0; // the WIN picture and the win meter
    virtual void ShowInfoLines(bool shown) = 0;
    virtual void ShowGameOver(bool shown) = 0;
    virtual void ShowPlayMode(const std::string& text) = 0;
    // The mistake panel: HOLD labels by position, entry name, rank and value.
    virtual void ShowMistakePanel(const std::array<bool, 5>& holdLabels, const std::string& name,
                                  const std::string& rank, const std::string& value) = 0;
    virtual void HideMistakePanel() = 0;
    // The exact figures of the stop, shown on the mistake panel with it (called
    // just before ShowMistakePanel when the advice has exact values).
    virtual void ShowMistakeFigures(const MistakeFigures& figures) { (void)figures; }
    // Opens the values of every hold of a hand beside the table.
    virtual void OpenHoldValues(const HoldValuesQuery& query) { (void)query; }
    virtual void OpenStrategyTable(bool selectCurrent) = 0;
    // A message to the player that needs no answer (a pay table that is gone).
    virtual void ShowNotice(const std::string& text) { (void)text; }
    virtual void AllowPopupMenu(bool allowed) = 0;
    virtual void SetBlinkTimer(bool running) = 0;
    virtual void CloseScreen() = 0;
    // Pacing: a blocking pause, and letting pending input and paints run.
    virtual void Pause(int ms) = 0;
    virtual void ProcessMessages() = 0;
};

// The expert hold for the hand on the table.
struct HoldAdvice {
    std::int32_t strategyIndex = 0; // 1-based entry of the active list
    std::array<bool, 5> hold{};
    bool altValid = false;
    std::array<bool, 5> altHold{};
    std::string name; // the entry's name
    double ev = 0;    // the entry's expected value per coin
};

class HoldAdvisor {
public:
    virtual ~HoldAdvisor() = default;
    // Analyses the engine's hand afresh and classifies it against the active list.
    virtual HoldAdvice Advise(GameEngine& engine) = 0;
    // The exact values of the 32 holds of a hand for a game, pay-table choice
    // and coins, or nothing when this advisor has none.
    virtual std::optional<exact::HoldValues> Values(int game, int choice, int coins,
                                                    const std::array<Card, 5>& cards) {
        (void)game;
        (void)choice;
        (void)coins;
        (void)cards;
        return std::nullopt;
    }
    // The advice of the named table's own list for the engine's hand, or
    // nothing while that list is not ready (or this advisor has none).
    virtual std::optional<HoldAdvice> AdviseNamed(GameEngine& engine) {
        (void)engine;
        return std::nullopt;
    }
    // The same for any pay table.
    virtual std::optional<exact::HoldValues> Values(int game, const PaySchedule& pays, int coins,
                                                    const std::array<Card, 5>& cards) {
        (void)game;
        (void)pays;
        (void)coins;
        (void)cards;
        return std::nullopt;
    }
    // The hold of the list generated for a pay table, or nothing while that
    // list is not ready (or this advisor has none).
    virtual std::optional<exact::HoldMask> NamedListHold(int game, const PaySchedule& pays,
                                                         const std::array<Card, 5>& cards) {
        (void)game;
        (void)pays;
        (void)cards;
        return std::nullopt;
    }
};

} // namespace quintaro
