#pragma once
// The play round of a game screen: bet, deal, hold, draw and pay, the blinking
// of the DEAL tile and the winning row, the opening display of the last hand,
// the advice of the play modes, and the mapping of keys and mouse input onto
// the round's commands. All nine games share it; they differ only in their
// engine. It talks to the screen, the session and the advice through the
// seams of round_ports.h, in the same order every time, so a test can drive
// whole rounds and check every step.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/game_engine.h"
#include "record/decision.h"
#include "table/game_section_store.h"
#include "table/named_table_book.h"
#include "table/round_ports.h"

namespace quintaro {

enum class RoundState : std::uint8_t {
    Opening = 0,
    Betting = 1,
    Holding = 2,
    Drawing = 3,
    GameOver = 4,
};

// Keys of the table, already mapped from the keyboard.
enum class TableKey {
    Card0,    // Z, N, numeric pad 1
    Card1,    // X, M, numeric pad 2
    Card2,    // C, comma, numeric pad 3
    Card3,    // V, full stop, numeric pad 4
    Card4,    // B, slash, numeric pad 5
    BetOne,   // Control pressed and released alone, numeric pad plus
    DealDraw, // Enter, Space
};

enum class PlayMode { Normal, AutoHold, ShowMistakes };

// Card area geometry: position i spans x 145 i .. 145 i + 120, y 0 .. 180.
inline constexpr int kCardPitch = 145;
inline constexpr int kCardWidth = 120;
inline constexpr int kCardHeight = 180;
// The position whose card contains the point (left/top inclusive), or -1.
int CardAt(int x, int y);

// Play-mode caption from the session flags.
std::string PlayModeCaption(bool autoHold, bool showMistakes);
// The same, marked when Perfect Play is on: "Auto Hold · Perfect".
std::string PlayModeCaption(bool autoHold, bool showMistakes, bool perfectPlay);

// The exact judgement of a decision: the list's hold, a best hold and the
// values per coin of those and of the hold drawn.
struct DecisionValues {
    exact::HoldMask list = 0;
    exact::HoldMask best = 0;
    double heldPerCoin = 0;
    double listPerCoin = 0;
    double bestPerCoin = 0;
    exact::HoldValues values;
};

class TableRound {
public:
    // The engine's game section is read from `sections` (when given) by Open and
    // written back by Close. winPanelEnabled is the scheme's CntrPnlVis.
    TableRound(std::unique_ptr<GameEngine> engine, RoundSession& session, TableView& view,
               HoldAdvisor* advisor, GameSectionStore* sections, bool winPanelEnabled = true);

    // Where every draw's decision goes: the hand dealt and the hold drawn, told
    // before the replacement cards are shown. None by default.
    void SetDecisionPort(DecisionPort* port) { decisions_ = port; }
    // Where the named tables a game section may name are found. None: only
    // the built-in tables.
    void SetPayTableBook(const NamedTableBook* book) { book_ = book; }

    // Screen creation: reads the game section, applies the pay table, shows the last hand.
    void Open();

    // Commands.
    void BetOne();
    void BetMax();
    void DealOrDraw();
    void RebetAndDeal();
    void SetRoundState(int s); // 1, 2 or 3
    void StartRound();
    void ToggleHold(int position);
    void ShowLastHand();
    void Timer1Timer();
    void InsertBills1Click();
    void ChoosePlayMode(PlayMode mode);
    void ChoosePayTable(int choice);
    // A table of the catalogue or of one's own, by the same rules.
    void ChooseNamedTable(const NamedPayTable& table);
    void StrategyTableCommand();
    // Turns Perfect Play on or off (between hands, like the play modes).
    void TogglePerfectPlay();
    // "Hold Values...": the values of every hold of the hand on the table.
    void HoldValuesCommand();
    // The hand "Hold Values..." shows: while holding, the dealt hand; at game
    // over after a draw, the hand as dealt with the hold drawn; else none.
    std::optional<HoldValuesQuery> HoldValuesHand() const;
    bool HoldValuesEnabled() const { return HoldValuesHand().has_value(); }

    // Show Mistakes panel buttons.
    void ContinueClick();      // "Continue"
    void CancelClick();        // "Cancel"
    void StrategyTableClick(); // "Strategy Table..."

    // Input as the screen receives it.
    void KeyDown(TableKey key);
    // The Control key bets one coin only as a key of its own: when it goes up with
    // no other key pressed since it went down (so Ctrl+M and the like bet nothing).
    void ControlKeyDown();
    void OtherKeyDown(); // any other key, or the screen losing the keyboard
    void ControlKeyUp();
    void CardsMouseDown(int x, int y, bool leftButton);
    // Returns whether the cursor is the hand point.
    bool CardsMouseMove(int x, int y, bool leftButtonHeld);
    void ButtonsMouseDown(int x, int y, bool leftButton);
    bool ButtonsMouseMove(int x, int y) const;

    // Closing is allowed only at game over; Close writes the game section and
    // says whether that worked (success when there is no settings file).
    bool CanClose() const { return state_ == RoundState::GameOver; }
    FileResult Close();

    // What the menu and the painting read.
    RoundState State() const { return state_; }
    GameEngine& Engine() { return *engine_; }
    const GameEngine& Engine() const { return *engine_; }
    bool Busy() const { return busy_; }
    bool Holding() const { return holding_; }
    bool DealShown() const { return dealShown_; }
    bool WinBlink() const { return winBlink_; }
    bool MistakePanelUp() const { return panelUp_; }
    // The entry of the last advice (1-based), 0 before any this visit.
    std::int32_t StrategyIndex() const { return strategyIndex_; }
    int BlinkPhase() const { return blinkPhase_; }
    HandCategory DealtCategory() const { return dealtCategory_; }
    int LastToggled() const { return lastToggled_; }
    RowColour RowColourOf(HandCategory row) const { return rowColour_[row]; }
    int RowCount() const { return rowCount_; } // pay rows, categories 1..RowCount()
    bool WinPanelEnabled() const { return winPanelEnabled_; }
    // The amount a pay-table cell shows: the per-coin entry times the coins,
    // with the royal rule of that column (so column 5 of the royal row shows 4000).
    std::int32_t PanelCell(HandCategory row, int coins) const;
    // The text of the win caption for a category at the coins in force.
    std::string WinCaptionText(HandCategory c) const;
    // Menu enablement of the game commands.
    bool StatisticsEnabled() const;
    bool GameOverOnly() const { return state_ == RoundState::GameOver; }
    // The last draw of this visit, or none before the first.
    const std::optional<Decision>& LastDraw() const { return lastDraw_; }
    // The exact judgement of a decision, when the advice has exact values.
    std::optional<DecisionValues> Judge(const Decision& decision) const;
    // Whether a menu command may run now: none while a deal or draw is under way;
    // while the mistake panel waits for an answer, only those that leave the hand
    // and its holds alone.
    bool CommandAllowed(bool changesHand) const { return !busy_ && !(panelUp_ && changesHand); }

private:
    RoundState state_ = RoundState::GameOver;

    void PaceCard();
    void ShowCards(RoundState forState);
    void ScoreDeal();
    void ScoreDraw();
    void ShowWinCaption(HandCategory c);
    void AddCoin();
    void SetRow(HandCategory row, RowColour colour);
    void SetRowAndCell(HandCategory row, int coins, RowColour colour);
    void AutoHoldAfterDeal();
    void CheckHoldOnDraw();
    void DrawNow();
    void RunGuarded(void (TableRound::*command)());
    std::optional<exact::HoldValues> TableHandValues() const;
    void NoteDeal();
    // Keeps the draw as the last decision and hands it to the record.
    void RecordDraw();
    // BET 1 and MAX BET of the betting bar, lit exactly when a press on them acts.
    void SetBetTiles();

    std::unique_ptr<GameEngine> engine_;
    RoundSession& session_;
    TableView& view_;
    HoldAdvisor* advisor_;
    GameSectionStore* sections_;
    DecisionPort* decisions_ = nullptr;
    const NamedTableBook* book_ = nullptr;

    std::int32_t strategyIndex_ = 0;
    bool busy_ = false;
    bool holding_ = false;
    bool dealShown_ = false;
    int blinkPhase_ = 0;
    bool winBlink_ = false;
    HandCategory dealtCategory_ = 0;
    int lastToggled_ = 0;
    bool winPanelEnabled_ = true;
    bool panelUp_ = false;
    bool roundBegun_ = false;   // a round was begun during this visit
    bool controlAlone_ = false; // Control is down and no other key came since
    int rowCount_ = 0;
    std::array<RowColour, 14> rowColour_{};
    std::optional<Decision> lastDraw_;
};

} // namespace quintaro
