#include "table/table_round.h"
#include "generate/list_return.h"

#include <cstdio>
#include <string>

#include "core/bar_tiles.h"
#include "core/hand_names.h"
#include "core/sound_numbers.h"

namespace quintaro {

namespace {

// Bar states and tiles the round writes.
constexpr int kBarBlank = 0;
constexpr int kBarFewCredits = 6;
constexpr int kBarBetting = 7;
constexpr int kBarHolding = 8;

// Bar slot indices for PressBarButton.
constexpr int kSlotMenu = 1;
constexpr int kSlotBetOne = 4;
constexpr int kSlotMaxBet = 5;
constexpr int kSlotDeal = 6;

} // namespace

int CardAt(int x, int y) {
    if (y < 0 || y >= kCardHeight || x < 0) return -1;
    const int position = x / kCardPitch;
    if (position > 4) return -1;
    return x - position * kCardPitch < kCardWidth ? position : -1;
}

std::string PlayModeCaption(bool autoHold, bool showMistakes) {
    if (autoHold) return "Auto Hold";
    if (showMistakes) return "Show Mistakes";
    return "Normal";
}

std::string PlayModeCaption(bool autoHold, bool showMistakes, bool perfectPlay) {
    std::string caption = PlayModeCaption(autoHold, showMistakes);
    if (perfectPlay) caption += " \u00b7 Perfect";
    return caption;
}

TableRound::TableRound(std::unique_ptr<GameEngine> engine, RoundSession& session, TableView& view,
                       HoldAdvisor* advisor, GameSectionStore* sections, bool winPanelEnabled)
    : engine_(std::move(engine)), session_(session), view_(view), advisor_(advisor),
      sections_(sections), winPanelEnabled_(winPanelEnabled) {
    rowCount_ = static_cast<int>(CategoryNamesFor(engine_->game).size()) - 1;
    rowColour_.fill(RowColour::Yellow);
}

void TableRound::Open() {
    busy_ = false;
    blinkPhase_ = 0;
    holding_ = false;
    winBlink_ = false;
    dealShown_ = false;
    GameEngine& e = *engine_;
    e.bet = 0;
    strategyIndex_ = 0;
    GameSettings stored; // the built-in hand unless the file has a valid one
    if (sections_) stored = sections_->LoadGame(e.game);
    e.lastBet = stored.LastBet < 1 ? 1 : (stored.LastBet > 5 ? 5 : stored.LastBet);
    e.altPayTable = stored.AltPayTable ? 1 : 0;
    for (int p = 0; p < 5; ++p) {
        e.hand[static_cast<std::size_t>(p)].card = stored.LastDrawn[static_cast<std::size_t>(p)];
        e.hand[static_cast<std::size_t>(p)].held = stored.LastHeld[static_cast<std::size_t>(p)];
    }
    view_.ShowPlayMode(
        PlayModeCaption(session_.AutoHold(), session_.ShowMistakes(), session_.PerfectPlay()));
    e.ApplyPayTable(e.altPayTable);
    if (!stored.PayTableName.empty()) {
        const NamedPayTable* named = book_ ? book_->Find(e.game, stored.PayTableName) : nullptr;
        if (named) {
            e.ApplyNamedTable(*named);
        } else {
            // Said once: the name is not written back when the screen closes.
            view_.ShowNotice("The pay table \"" + stored.PayTableName +
                             "\" no longer exists; the game plays its built-in table " +
                             std::string(PayTableMenuCaption(e.game, e.altPayTable)) + ".");
        }
    }
    view_.ShowPayCells();
    ShowLastHand();
}

std::int32_t TableRound::PanelCell(HandCategory row, int coins) const {
    PayTables column = engine_->payTables;
    column.ApplyRoyalRule(engine_->game, coins);
    return column.Cell(engine_->game, row, coins);
}

std::string TableRound::WinCaptionText(HandCategory c) const {
    const GameEngine& e = *engine_;
    const int coins = state_ == RoundState::Opening ? e.lastBet : e.bet;
    const auto names = CategoryNamesFor(e.game);
    std::string text(names[static_cast<std::size_t>(c)].winName);
    text += "  wins  ";
    text += std::to_string(e.PayRowInForce()[static_cast<std::size_t>(c)] * coins);
    return text;
}

bool TableRound::StatisticsEnabled() const {
    return state_ == RoundState::GameOver && session_.CreditsBet(engine_->game) > 0;
}

void TableRound::SetRow(HandCategory row, RowColour colour) {
    if (row < 1 || row > rowCount_) return;
    rowColour_[static_cast<std::size_t>(row)] = colour;
    view_.SetRowColour(row, colour);
}

void TableRound::SetRowAndCell(HandCategory row, int coins, RowColour colour) {
    if (row < 1 || row > rowCount_) return;
    SetRow(row, colour);
    view_.SetCellColour(row, coins, colour);
}

void TableRound::ShowWinCaption(HandCategory c) {
    view_.ShowWinCaption(WinCaptionText(c));
}

void TableRound::ShowLastHand() {
    GameEngine& e = *engine_;
    state_ = RoundState::Opening;
    const HandCategory c = e.EvaluateTable();
    e.ApplyRoyalRule(e.lastBet);
    view_.MarkCoinColumn(e.lastBet, true);
    session_.DealSlotEnabled() = false;
    if (c == 0) {
        view_.ShowInfoLines(true);
    } else {
        session_.WinMeter() = e.PayRowInForce()[static_cast<std::size_t>(c)] * e.lastBet;
        if (winPanelEnabled_) ShowWinCaption(c);
        view_.ShowWinMeter(true);
        SetRowAndCell(c, e.lastBet, RowColour::White);
    }
    session_.SetBarCell(kBarBetting, 4, kTileBlank);
    session_.SetBarCell(kBarBetting, 7, kTileBlank);
    session_.SetBarCell(kBarBetting, 5, session_.Credits() >= 1 ? kTileBetOne : kTileBlank);
    session_.SetBarCell(kBarBetting, 6, session_.Credits() >= 5 ? kTileMaxBet : kTileBlank);
    session_.DrawButtonBar(kBarBetting);
    for (int p = 0; p < 5; ++p) {
        view_.ShowCardFace(p, e.hand[static_cast<std::size_t>(p)].card);
        view_.ShowHeld(p, e.hand[static_cast<std::size_t>(p)].held);
    }
    state_ = RoundState::GameOver;
}

void TableRound::StartRound() {
    GameEngine& e = *engine_;
    state_ = RoundState::Betting;
    roundBegun_ = true;
    view_.HideWinCaption();
    session_.CountHandStarted(e.game);
    view_.ShowGameOver(false);
    view_.ShowInfoLines(false);
    session_.WinMeter() = 0;
    view_.ShowWinMeter(false);
    e.bet = 1;
    view_.MarkCoinColumn(e.lastBet, false);
    view_.MarkCoinColumn(1, true);
    winBlink_ = false;
    for (HandCategory row = 1; row <= rowCount_; ++row)
        if (rowColour_[static_cast<std::size_t>(row)] != RowColour::Yellow)
            SetRowAndCell(row, e.lastBet, RowColour::Yellow);
    e.DealHand();
    view_.ShowBet(1);
    session_.Credits() -= 1;
    if (session_.Credits() > 0) {
        session_.SetBarCell(kBarBetting, 5, kTileBetOne);
        session_.SetBarCell(kBarBetting, 6, session_.Credits() >= 4 ? kTileMaxBet : kTileBlank);
    } else {
        session_.SetBarCell(kBarBetting, 5, kTileBlank);
        session_.SetBarCell(kBarBetting, 6, kTileBlank);
    }
    session_.DrawButtonBar(-1);
    session_.DrawCreditMeter();
    for (int p = 0; p < 5; ++p) {
        e.hand[static_cast<std::size_t>(p)].held = false;
        view_.ShowHeld(p, false);
    }
    ShowCards(RoundState::Betting);
}

void TableRound::AddCoin() {
    GameEngine& e = *engine_;
    view_.MarkCoinColumn(e.bet, false);
    e.bet += 1;
    session_.Credits() -= 1;
    view_.ShowBet(e.bet);
    session_.DrawCreditMeter();
    view_.MarkCoinColumn(e.bet, true);
    view_.ProcessMessages();
}

void TableRound::BetOne() {
    GameEngine& e = *engine_;
    const RoundState state = state_;
    if ((state != RoundState::GameOver && state != RoundState::Betting) || session_.Credits() < 1)
        return;
    if (state == RoundState::Betting && e.bet >= 5) return;
    session_.PressBarButton(kSlotBetOne);
    if (state == RoundState::GameOver) {
        session_.SetBarCell(kBarBetting, 2, kTileBlank);
        session_.SetBarCell(kBarBetting, 7, kTileDeal);
        blinkPhase_ = 2;
        session_.DealSlotEnabled() = true;
        dealShown_ = false;
        StartRound();
    } else {
        AddCoin();
        if (e.bet >= 5) {
            view_.AllowPopupMenu(false);
            SetRoundState(2);
        }
    }
    if (session_.Credits() <= 0) {
        session_.SetBarCell(kBarBetting, 5, kTileBlank);
        session_.SetBarCell(kBarBetting, 6, kTileBlank);
        session_.DrawButtonBar(-1);
    }
}

void TableRound::BetMax() {
    GameEngine& e = *engine_;
    const RoundState state = state_;
    const bool allowed = (state == RoundState::GameOver && session_.Credits() >= 5) ||
                         (state == RoundState::Betting && session_.Credits() >= 5 - e.bet);
    if (!allowed) return;
    session_.PressBarButton(kSlotMaxBet);
    view_.AllowPopupMenu(false);
    if (state == RoundState::GameOver) {
        session_.DealSlotEnabled() = false;
        session_.DrawButtonBar(kBarBlank);
        StartRound();
        view_.ShowBet(1);
        session_.DrawCreditMeter();
        view_.ProcessMessages();
    }
    while (e.bet < 5) AddCoin();
    SetRoundState(2);
}

void TableRound::DealOrDraw() {
    GameEngine& e = *engine_;
    if (!dealShown_) {
        if (e.bet > 0 && state_ == RoundState::Betting) {
            view_.AllowPopupMenu(false);
            session_.PressBarButton(kSlotDeal);
            SetRoundState(2);
        }
    } else if (holding_) {
        view_.AllowPopupMenu(false);
        if (session_.ShowMistakes() && advisor_) {
            CheckHoldOnDraw();
        } else {
            session_.PressBarButton(kSlotDeal);
            SetRoundState(3);
        }
    } else if (state_ == RoundState::GameOver) {
        if (e.lastBet > 0 && e.lastBet <= session_.Credits()) RebetAndDeal();
    }
    view_.ProcessMessages();
}

void TableRound::RebetAndDeal() {
    GameEngine& e = *engine_;
    view_.AllowPopupMenu(false);
    session_.DealSlotEnabled() = false;
    session_.PressBarButton(kSlotDeal);
    session_.DrawButtonBar(kBarBlank);
    StartRound();
    view_.ShowBet(e.bet);
    session_.DrawCreditMeter();
    view_.ProcessMessages();
    while (e.bet < e.lastBet) AddCoin();
    SetRoundState(2);
}

void TableRound::PaceCard() {
    view_.Pause(engine_->cardPause[static_cast<std::size_t>(
        session_.WhichSpeed() < 0 || session_.WhichSpeed() > 2 ? 2 : session_.WhichSpeed())]);
}

void TableRound::ShowCards(RoundState forState) {
    GameEngine& e = *engine_;
    switch (forState) {
    case RoundState::Betting:
        for (int p = 0; p < 5; ++p) view_.ShowCardBack(p);
        break;
    case RoundState::Holding:
        for (int p = 0; p < 5; ++p) {
            view_.ShowCardFace(p, e.hand[static_cast<std::size_t>(p)].card);
            if (!holding_) {
                session_.PlayEffect(kEffectClick);
                PaceCard();
            }
        }
        session_.SetBarCell(kBarHolding, 7, kTileDraw);
        session_.DrawButtonBar(kBarHolding);
        holding_ = true;
        break;
    case RoundState::Drawing:
        holding_ = false;
        for (int p = 0; p < 5; ++p)
            if (!e.hand[static_cast<std::size_t>(p)].held) view_.ShowCardBack(p);
        PaceCard();
        for (int p = 0; p < 5; ++p) {
            if (e.hand[static_cast<std::size_t>(p)].held) continue;
            e.DrawCard(p);
            session_.PlayEffect(kEffectClick);
            view_.ShowCardFace(p, e.hand[static_cast<std::size_t>(p)].card);
            PaceCard();
        }
        e.lastBet = e.bet;
        break;
    default:
        break;
    }
}

void TableRound::SetRoundState(int s) {
    GameEngine& e = *engine_;
    if (s == 1) {
        StartRound();
    } else if (s == 2) {
        state_ = RoundState::Holding;
        session_.DealSlotEnabled() = false;
        session_.DrawButtonBar(kBarBlank);
        e.ApplyRoyalRule(e.bet);
        NoteDeal();
        ShowCards(RoundState::Holding);
        ScoreDeal();
        view_.ShowBet(e.bet);
        view_.ProcessMessages();
        dealShown_ = true;
        view_.AllowPopupMenu(true);
    } else if (s == 3) {
        RecordDraw();
        state_ = RoundState::Drawing;
        session_.DrawButtonBar(kBarBlank);
        if (dealtCategory_ > 0) SetRow(dealtCategory_, RowColour::Yellow);
        ShowCards(RoundState::Drawing);
        ScoreDraw();
        state_ = RoundState::GameOver;
        view_.ShowGameOver(true);
        session_.SetBarCell(kBarBetting, 2, kTileMenu);
        if (session_.Credits() >= e.bet) {
            session_.SetBarCell(kBarBetting, 5, kTileBetOne);
            session_.SetBarCell(kBarBetting, 6, session_.Credits() >= 5 ? kTileMaxBet : kTileBlank);
            session_.SetBarCell(kBarBetting, 7, kTileDeal);
            session_.DrawButtonBar(kBarBetting);
            blinkPhase_ = 0;
            session_.DealSlotEnabled() = true;
        } else {
            if (session_.Credits() > 0) {
                session_.SetBarCell(kBarFewCredits, 5, kTileBetOne);
            } else {
                session_.SetBarCell(kBarFewCredits, 5, kTileBlank);
                InsertBills1Click();
                // Bills inserted here make BET 1 possible again on this bar.
                if (session_.Credits() > 0) session_.SetBarCell(kBarFewCredits, 5, kTileBetOne);
            }
            session_.DrawButtonBar(session_.DealSlotEnabled() ? kBarBetting : kBarFewCredits);
        }
        view_.AllowPopupMenu(true);
    }
}

void TableRound::NoteDeal() {
    if (!decisions_) return;
    const GameEngine& e = *engine_;
    std::array<Card, 5> dealt{};
    for (std::size_t p = 0; p < 5; ++p) dealt[p] = e.hand[p].card;
    if (e.NamedTableInForce())
        decisions_->NamedHandDealt(e.game, e.ScheduleInForce(), e.bet, dealt);
    else
        decisions_->HandDealt(e.game, e.altPayTable, e.bet, dealt);
}

void TableRound::ScoreDeal() {
    GameEngine& e = *engine_;
    dealtCategory_ = e.EvaluateTable();
    if (session_.AutoHold()) AutoHoldAfterDeal();
    if (dealtCategory_ >= 1) {
        SetRow(dealtCategory_, RowColour::Red);
        session_.PlayEffect(kEffectWinningDeal);
    }
}

void TableRound::ScoreDraw() {
    GameEngine& e = *engine_;
    e.finalCategory = e.EvaluateTable();
    const HandCategory c = e.finalCategory;
    if (c == 0) {
        session_.CountFinishedHand(e.game, e.bet, c, 0);
        view_.ShowInfoLines(true);
        return;
    }
    const std::int32_t win = e.PayRowInForce()[static_cast<std::size_t>(c)] * e.bet;
    session_.CountFinishedHand(e.game, e.bet, c, win);
    if (dealtCategory_ != 0) SetRow(dealtCategory_, RowColour::Yellow);
    SetRowAndCell(c, e.bet, RowColour::White);
    if (winPanelEnabled_) ShowWinCaption(c);
    view_.ShowWinMeter(true);
    session_.CountUpWin(win);
    winBlink_ = true;
}

void TableRound::ToggleHold(int position) {
    if (position < 0 || position > 4) return;
    CardSlot& slot = engine_->hand[static_cast<std::size_t>(position)];
    slot.held = !slot.held;
    view_.ShowHeld(position, slot.held);
    session_.PlayEffect(kEffectClick);
}

void TableRound::Timer1Timer() {
    blinkPhase_ = (blinkPhase_ + 1) % 3;
    if (!session_.DealSlotEnabled()) return;
    const GameEngine& e = *engine_;
    if (blinkPhase_ == 2) {
        session_.SetBarCell(kBarBetting, 7, kTileBlank);
        if (winBlink_) SetRowAndCell(e.finalCategory, e.bet, RowColour::Yellow);
    } else {
        session_.SetBarCell(kBarBetting, 7, kTileDeal);
        if (winBlink_) SetRowAndCell(e.finalCategory, e.bet, RowColour::White);
    }
    session_.DrawButtonBar(kBarBetting);
}

void TableRound::InsertBills1Click() {
    view_.SetBlinkTimer(false);
    if (session_.InsertBills()) {
        const GameEngine& e = *engine_;
        const RoundState state = state_;
        if (state == RoundState::GameOver) {
            SetBetTiles();
            // DEAL bets the last round's coins again: lit exactly when the credits allow it.
            const bool canDeal = e.bet > 0 && session_.Credits() >= e.bet;
            if (canDeal && !session_.DealSlotEnabled()) {
                blinkPhase_ = 2;
                session_.SetBarCell(kBarBetting, 7, kTileDeal);
                session_.DealSlotEnabled() = true;
            } else if (!canDeal) {
                session_.SetBarCell(kBarBetting, 7, kTileBlank);
                session_.DealSlotEnabled() = false;
            }
            session_.DrawButtonBar(kBarBetting);
        } else if (state == RoundState::Betting) {
            if (e.bet < 5) {
                SetBetTiles();
                session_.DrawButtonBar(-1);
            }
        }
    }
    view_.SetBlinkTimer(true);
}

void TableRound::SetBetTiles() {
    const GameEngine& e = *engine_;
    const std::int32_t credits = session_.Credits();
    bool betOne = false;
    bool maxBet = false;
    if (state_ == RoundState::GameOver) {
        betOne = credits >= 1;
        maxBet = credits >= 5;
    } else if (state_ == RoundState::Betting && e.bet < 5) {
        betOne = credits >= 1;
        maxBet = credits >= 5 - e.bet;
    }
    session_.SetBarCell(kBarBetting, 5, betOne ? kTileBetOne : kTileBlank);
    session_.SetBarCell(kBarBetting, 6, maxBet ? kTileMaxBet : kTileBlank);
}

void TableRound::ChoosePlayMode(PlayMode mode) {
    bool& autoHold = session_.AutoHold();
    bool& showMistakes = session_.ShowMistakes();
    switch (mode) {
    case PlayMode::AutoHold:
        if (autoHold) return;
        session_.PlayEffect(kEffectClick);
        autoHold = true;
        showMistakes = false;
        break;
    case PlayMode::ShowMistakes:
        if (showMistakes) return;
        showMistakes = true;
        autoHold = false;
        break;
    case PlayMode::Normal:
        if (!autoHold && !showMistakes) return;
        session_.PlayEffect(kEffectClick);
        autoHold = false;
        showMistakes = false;
        break;
    }
    view_.ShowPlayMode(PlayModeCaption(autoHold, showMistakes, session_.PerfectPlay()));
}

void TableRound::TogglePerfectPlay() {
    if (state_ != RoundState::GameOver) return;
    bool& perfect = session_.PerfectPlay();
    perfect = !perfect;
    session_.PlayEffect(kEffectClick);
    view_.ShowPlayMode(PlayModeCaption(session_.AutoHold(), session_.ShowMistakes(), perfect));
}

std::optional<exact::HoldValues> TableRound::TableHandValues() const {
    if (!advisor_) return std::nullopt;
    const GameEngine& e = *engine_;
    std::array<Card, 5> cards{};
    for (std::size_t p = 0; p < 5; ++p) cards[p] = e.hand[p].card;
    const int coins = e.bet > 0 ? e.bet : e.lastBet;
    if (e.NamedTableInForce()) return advisor_->Values(e.game, e.ScheduleInForce(), coins, cards);
    return advisor_->Values(e.game, e.altPayTable, coins, cards);
}

std::optional<HoldValuesQuery> TableRound::HoldValuesHand() const {
    const GameEngine& e = *engine_;
    HoldValuesQuery query;
    query.game = e.game;
    if (state_ == RoundState::Holding && holding_) {
        query.choice = e.altPayTable;
        if (e.NamedTableInForce()) {
            query.tableName = e.payTableName;
            query.pays = e.ScheduleInForce();
        }
        query.coins = e.bet;
        for (std::size_t p = 0; p < 5; ++p) query.cards[p] = e.hand[p].card;
        return query;
    }
    if (state_ == RoundState::GameOver && lastDraw_) {
        query.choice = lastDraw_->payTable;
        query.tableName = lastDraw_->tableName;
        query.pays = lastDraw_->pays;
        query.coins = lastDraw_->coins;
        query.cards = lastDraw_->dealt;
        query.playerHold = lastDraw_->held;
        return query;
    }
    return std::nullopt;
}

void TableRound::HoldValuesCommand() {
    if (auto query = HoldValuesHand()) view_.OpenHoldValues(*query);
}

void TableRound::RecordDraw() {
    const GameEngine& e = *engine_;
    Decision d;
    d.game = e.game;
    d.payTable = e.altPayTable;
    if (e.NamedTableInForce()) {
        d.tableName = e.payTableName;
        d.pays = e.ScheduleInForce();
    }
    d.coins = e.bet;
    for (std::size_t p = 0; p < 5; ++p) {
        d.dealt[p] = e.hand[p].card;
        if (e.hand[p].held) d.held = static_cast<std::uint8_t>(d.held | (1u << p));
    }
    d.mode = session_.AutoHold()       ? DecisionMode::AutoHold
             : session_.ShowMistakes() ? DecisionMode::ShowMistakes
                                       : DecisionMode::Normal;
    d.perfectPlay = session_.PerfectPlay();
    d.source = DecisionSource::Table;
    lastDraw_ = d;
    if (decisions_) decisions_->HandDrawn(d);
}

std::optional<DecisionValues> TableRound::Judge(const Decision& d) const {
    if (!advisor_) return std::nullopt;
    auto values = d.pays ? advisor_->Values(d.game, *d.pays, d.coins, d.dealt)
                         : advisor_->Values(d.game, d.payTable, d.coins, d.dealt);
    if (!values) return std::nullopt;
    DecisionValues out;
    // A named table is judged by perfect play until it has a list of its own.
    if (d.pays)
        out.list = advisor_->NamedListHold(d.game, *d.pays, d.dealt).value_or(values->best);
    else
        out.list = ListHold(d.game, d.payTable, d.dealt);
    out.best = exact::PerfectHold(*values, out.list);
    out.heldPerCoin = values->PerCoin(d.held);
    out.listPerCoin = values->PerCoin(out.list);
    out.bestPerCoin = values->PerCoin(out.best);
    out.values = *values;
    return out;
}

void TableRound::ChoosePayTable(int choice) {
    GameEngine& e = *engine_;
    choice = choice ? 1 : 0;
    if (state_ != RoundState::GameOver || (choice == e.altPayTable && !e.NamedTableInForce()))
        return;
    session_.PlayEffect(kEffectClick);
    const bool fromNamed = e.NamedTableInForce();
    e.altPayTable = static_cast<std::uint8_t>(choice);
    e.ApplyPayTable(choice);
    if (fromNamed) e.ApplyRoyalRule(e.lastBet);
    view_.ShowPayCells();
}

void TableRound::ChooseNamedTable(const NamedPayTable& table) {
    GameEngine& e = *engine_;
    if (state_ != RoundState::GameOver || table.game != e.game) return;
    if (e.payTableName == table.name && e.ScheduleInForce() == table.pays) return;
    session_.PlayEffect(kEffectClick);
    e.ApplyNamedTable(table);
    e.ApplyRoyalRule(e.lastBet);
    view_.ShowPayCells();
}

void TableRound::AutoHoldAfterDeal() {
    if (!advisor_) return;
    // A named table's own list advises once it is ready; exact values meanwhile.
    const auto named =
        engine_->NamedTableInForce() ? advisor_->AdviseNamed(*engine_) : std::nullopt;
    const HoldAdvice advice = named ? *named : advisor_->Advise(*engine_);
    strategyIndex_ = advice.strategyIndex;
    std::array<bool, 5> hold = advice.hold;
    if (session_.PerfectPlay() || (engine_->NamedTableInForce() && !named))
        if (const auto values = TableHandValues())
            hold = exact::HeldOf(exact::PerfectHold(*values, exact::MaskOf(advice.hold)));
    for (int p = 0; p < 5; ++p) {
        if (!hold[static_cast<std::size_t>(p)]) continue;
        engine_->hand[static_cast<std::size_t>(p)].held = true;
        view_.ShowHeld(p, true);
    }
}

void TableRound::CheckHoldOnDraw() {
    GameEngine& e = *engine_;
    const auto named = e.NamedTableInForce() ? advisor_->AdviseNamed(e) : std::nullopt;
    const bool listless = e.NamedTableInForce() && !named;
    const HoldAdvice advice = named ? *named : advisor_->Advise(e);
    strategyIndex_ = advice.strategyIndex;
    auto same = [&](const std::array<bool, 5>& want) {
        for (std::size_t p = 0; p < 5; ++p)
            if (e.hand[p].held != want[p]) return false;
        return true;
    };
    std::array<bool, 5> held{};
    for (std::size_t p = 0; p < 5; ++p) held[p] = e.hand[p].held;
    const exact::HoldMask playerHold = exact::MaskOf(held);
    const exact::HoldMask listHold = exact::MaskOf(advice.hold);

    // With Perfect Play every hold as good as the best passes, and the panel
    // shows a best hold; otherwise the list decides and shows its own hold.
    std::optional<exact::HoldValues> values;
    std::array<bool, 5> shown = advice.hold;
    bool mistake = false;
    const bool perfect = session_.PerfectPlay() || listless;
    if (perfect && (values = TableHandValues())) {
        mistake = values->IsMistake(playerHold);
        shown = exact::HeldOf(exact::PerfectHold(*values, listHold));
    } else {
        mistake = !same(advice.hold) && !(advice.altValid && same(advice.altHold));
    }
    if (!mistake) {
        DrawNow();
        return;
    }
    session_.PlayEffect(kEffectMistake);
    panelUp_ = true;
    if (!values) values = TableHandValues();
    if (values) {
        MistakeFigures figures;
        figures.coins = values->coins;
        figures.player = values->Credits(playerHold);
        figures.list = values->Credits(listHold);
        figures.best = values->Credits(values->best);
        figures.perfectPlay = perfect;
        view_.ShowMistakeFigures(figures);
    }
    char value[32];
    if (listless && values) {
        std::snprintf(value, sizeof value, "%.4f", values->PerCoin(values->best));
        view_.ShowMistakePanel(shown, "Perfect play", "-", value);
        return;
    }
    std::snprintf(value, sizeof value, "%.4f", advice.ev);
    view_.ShowMistakePanel(shown, advice.name, std::to_string(advice.strategyIndex), value);
}

void TableRound::DrawNow() {
    session_.PressBarButton(kSlotDeal);
    SetRoundState(3);
}

void TableRound::ContinueClick() {
    if (!panelUp_) return;
    panelUp_ = false;
    view_.HideMistakePanel();
    // The draw lets input run between cards; keys and bar presses wait as they do
    // during a draw begun from the keyboard.
    busy_ = true;
    SetRoundState(3);
    busy_ = false;
}

void TableRound::CancelClick() {
    if (!panelUp_) return;
    panelUp_ = false;
    view_.HideMistakePanel();
    view_.AllowPopupMenu(true);
}

void TableRound::StrategyTableClick() {
    view_.OpenStrategyTable(true);
}

void TableRound::StrategyTableCommand() {
    if (state_ == RoundState::Holding) {
        // The table's own hand is analysed again: the record may have been
        // replaced by another analysis (the hand builder) since the deal.
        if (advisor_) strategyIndex_ = advisor_->Advise(*engine_).strategyIndex;
        view_.OpenStrategyTable(true);
    } else {
        view_.OpenStrategyTable(false);
    }
}

void TableRound::RunGuarded(void (TableRound::*command)()) {
    busy_ = true;
    (this->*command)();
    busy_ = false;
}

void TableRound::KeyDown(TableKey key) {
    if (busy_ || panelUp_) return;
    busy_ = true;
    const int card = static_cast<int>(key);
    if (key <= TableKey::Card4 && holding_) {
        ToggleHold(card);
    } else {
        switch (key) {
        case TableKey::Card0:
            session_.ShowGameHelp();
            break;
        case TableKey::Card1:
            if (session_.BarCell(kBarBetting, 2) == kTileMenu && state_ == RoundState::GameOver) {
                session_.PressBarButton(kSlotMenu);
                view_.CloseScreen();
            }
            break;
        case TableKey::Card2:
            session_.CycleSpeed();
            break;
        case TableKey::Card3:
            break;
        case TableKey::Card4:
            BetMax();
            break;
        case TableKey::BetOne:
            if (session_.Credits() >= 1 && state_ != RoundState::Holding) BetOne();
            break;
        case TableKey::DealDraw:
            DealOrDraw();
            break;
        }
    }
    busy_ = false;
}

void TableRound::ControlKeyDown() {
    controlAlone_ = true;
}

void TableRound::OtherKeyDown() {
    controlAlone_ = false;
}

void TableRound::ControlKeyUp() {
    if (!controlAlone_) return;
    controlAlone_ = false;
    KeyDown(TableKey::BetOne);
}

void TableRound::CardsMouseDown(int x, int y, bool leftButton) {
    if (panelUp_ || !holding_ || !leftButton) return;
    const int position = CardAt(x, y);
    if (position < 0) return;
    ToggleHold(position);
    lastToggled_ = position;
}

bool TableRound::CardsMouseMove(int x, int y, bool leftButtonHeld) {
    if (panelUp_ || !holding_) return false;
    const int position = CardAt(x, y);
    if (leftButtonHeld) {
        if (position >= 0 && position != lastToggled_) {
            ToggleHold(position);
            lastToggled_ = position;
        }
        return position >= 0;
    }
    return position >= 0;
}

void TableRound::ButtonsMouseDown(int x, int y, bool leftButton) {
    if (busy_ || !leftButton) return;
    busy_ = true;
    switch (session_.ButtonBarHitTest(x, y)) {
    case 1:
        session_.ShowGameHelp();
        break;
    case 2:
        if (state_ == RoundState::GameOver) {
            session_.PressBarButton(kSlotMenu);
            view_.CloseScreen();
        }
        break;
    case 3:
        session_.CycleSpeed();
        break;
    case 5:
        BetOne();
        break;
    case 6:
        BetMax();
        break;
    case 7:
        DealOrDraw();
        break;
    default:
        break;
    }
    busy_ = false;
}

bool TableRound::ButtonsMouseMove(int x, int y) const {
    return session_.ButtonBarHitTest(x, y) != 0;
}

FileResult TableRound::Close() {
    if (!sections_) return FileResult::Success();
    const GameEngine& e = *engine_;
    std::array<Card, 5> drawn{};
    std::array<bool, 5> held{};
    for (std::size_t p = 0; p < 5; ++p) {
        drawn[p] = e.hand[p].card;
        held[p] = e.hand[p].held;
    }
    return sections_->SaveGame(e.game, e.altPayTable != 0, roundBegun_ ? e.lastBet : 0, drawn, held,
                               e.payTableName);
}

} // namespace quintaro
