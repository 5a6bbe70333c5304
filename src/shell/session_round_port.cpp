#include "shell/session_round_port.h"

namespace quintaro {

int SessionRoundPort::BarCell(int state, int slot) const {
    if (state < 0 || state >= kBarStates || slot < 1 || slot > kBarSlots) return 0;
    return session_
        .ButtonBarTable[static_cast<std::size_t>(state)][static_cast<std::size_t>(slot - 1)];
}

void SessionRoundPort::SetBarCell(int state, int slot, int tile) {
    if (state < 0 || state >= kBarStates || slot < 1 || slot > kBarSlots) return;
    session_.ButtonBarTable[static_cast<std::size_t>(state)][static_cast<std::size_t>(slot - 1)] =
        tile;
}

std::int32_t SessionRoundPort::CreditsBet(int game) const {
    if (!IsValidGame(game)) return 0;
    return session_.Statistics.CreditsBet[static_cast<std::size_t>(game)];
}

} // namespace quintaro
