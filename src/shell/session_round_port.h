#pragma once
// The round's session seam bound to the program's one session object.

#include "shell/session.h"
#include "table/round_ports.h"

namespace quintaro {

class SessionRoundPort : public RoundSession {
public:
    explicit SessionRoundPort(TVantaSession& session) : session_(session) {}

    TVantaSession& Session() { return session_; }

    std::int32_t& Credits() override { return session_.Credits; }
    std::int32_t& WinMeter() override { return session_.WinMeter; }
    std::int32_t WhichSpeed() const override { return session_.WhichSpeed; }
    bool& AutoHold() override { return session_.AutoHold; }
    bool& ShowMistakes() override { return session_.ShowMistakes; }
    bool& PerfectPlay() override { return session_.PerfectPlay; }
    bool& FastCredits() override { return session_.FastCredits; }
    bool& Sound() override { return session_.Sound; }
    bool& DealSlotEnabled() override { return session_.DealSlotEnabled; }

    int BarCell(int state, int slot) const override;
    void SetBarCell(int state, int slot, int tile) override;
    int BarState() const override { return session_.BarState; }

    void DrawCreditMeter() override { session_.DrawCreditMeter(); }
    void DrawButtonBar(int state) override { session_.DrawButtonBar(state); }
    int ButtonBarHitTest(int x, int y) const override { return session_.ButtonBarHitTest(x, y); }
    void PressBarButton(int slotIndex) override { session_.PressBarButton(slotIndex); }
    void CycleSpeed() override { session_.CycleSpeed(); }
    void CountUpWin(std::int32_t amount) override { session_.CountUpWin(amount); }
    void PlayEffect(int effect) override { session_.PlayEffect(effect); }
    bool InsertBills() override { return session_.InsertBills(); }
    void ShowGameHelp() override { session_.ShowGameHelp(); }

    void CountHandStarted(int game) override { session_.Statistics.HandStarted(game); }
    void CountFinishedHand(int game, int coins, HandCategory category, std::int32_t paid) override {
        session_.Statistics.HandFinished(game, category, coins, paid);
    }
    std::int32_t CreditsBet(int game) const override;

private:
    TVantaSession& session_;
};

} // namespace quintaro
