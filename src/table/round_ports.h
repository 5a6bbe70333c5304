#pragma once
// What the play round needs from the world around it, as three narrow seams:
// the session (money, options, meters, bar, sounds, statistics), the screen
// (what the player sees and the pacing between steps) and the strategy advice.
// The game screen implements the view; the program binds the session seam to
// the one session object; tests record every call.

#include <array>
#include <cstdint>
#include <string>

#include "core/card.h"
#include "core/evaluation.h"

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
};

enum class RowColour { Yellow, Red, White };

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
    virtual void OpenStrategyTable(bool selectCurrent) = 0;
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
    // Analyses the engine's hand afresh, classifies it against the active list
    // and records the strategy index in the engine.
    virtual HoldAdvice Advise(GameEngine& engine) = 0;
};

} // namespace quintaro
