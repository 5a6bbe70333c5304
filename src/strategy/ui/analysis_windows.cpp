#include "strategy/ui/analysis_windows.h"

#include <QApplication>

#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/statistics_form.h"
#include "strategy/ui/hand_builder_form.h"
#include "strategy/ui/strategy_table.h"
#include "table/ui/game_screen.h"

namespace quintaro {

namespace {

// Only one game screen exists at a time; the builder judges hands with its
// pay table and bet.
const GameEngine* OpenGameEngine() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<TGameScreen*>(w); screen && screen->isVisible())
            return &screen->Round().Engine();
    return nullptr;
}

} // namespace

void RegisterAnalysisWindows() {
    WindowRegistry& registry = Windows();
    registry.statistics = [](TVantaSession& session, SessionView& view,
                             QWidget* parent) -> QDialog* {
        auto* form = new TTableBuilderForm(&session, parent);
        TVantaSession* s = &session;
        SessionView* v = &view;
        form->SetProgressOpener([s, v, form] {
            if (Windows().trainingProgress) Windows().trainingProgress(*s, *v, form);
        });
        return form;
    };
    registry.handBuilder = [](TVantaSession& session, SessionView&, QWidget* parent) -> QDialog* {
        auto* form = new THandBuilderForm(&session, parent);
        form->SetEngineSource(&OpenGameEngine);
        TVantaSession* s = &session;
        form->SetStrategyTableOpener([s](int game, int choice, int coins, int rank) {
            TStrategyTable* table = TStrategyTable::Instance();
            if (!table) return;
            const std::string_view name = s->GameName(game);
            table->Fill(game, choice, coins, rank,
                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
            table->exec();
        });
        return form;
    };
}

} // namespace quintaro
