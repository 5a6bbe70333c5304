#include "strategy/ui/analysis_windows.h"

#include <QPointer>
#include <QTimer>

#include <memory>

#include "components/window_kit.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "strategy/ui/hand_builder_form.h"
#include "strategy/ui/hold_values_view.h"
#include "strategy/ui/strategy_table.h"

namespace quintaro {

namespace {

// The hand builder the session shares, or a new one for this hand alone.
THandBuilderForm* Builder(TVantaSession& session, SessionView& view,
                          std::unique_ptr<QDialog>& own) {
    QDialog* window = view.Dialogs().handBuilder;
    if (!window && Windows().handBuilder) {
        own.reset(Windows().handBuilder(session, view, FrontWindow()));
        window = own.get();
    }
    return qobject_cast<THandBuilderForm*>(window);
}

} // namespace

void RegisterAnalysisWindows() {
    WindowRegistry& registry = Windows();
    registry.strategyTable = [](TVantaSession& session, SessionView& view,
                                QWidget* parent) -> QDialog* {
        return new TStrategyTable(&session, &view, parent);
    };
    registry.handBuilder = [](TVantaSession& session, SessionView&, QWidget* parent) -> QDialog* {
        auto* form = new THandBuilderForm(&session, parent);
        // The builder judges hands with the open game screen's pay table and bet.
        form->SetEngineSource([]() -> const GameEngine* {
            return Windows().openGameEngine ? Windows().openGameEngine() : nullptr;
        });
        TVantaSession* s = &session;
        form->SetStrategyTableOpener([s](int game, int choice, int coins, int rank) {
            TStrategyTable* table = TStrategyTable::Instance();
            if (!table) return;
            table->Fill(game, choice, coins, rank, ui::Text(s->GameName(game)));
            table->exec();
        });
        form->SetNamedStrategyTableOpener([s](const NamedPayTable& named, int coins, int rank) {
            TStrategyTable* table = TStrategyTable::Instance();
            if (!table) return;
            table->FillNamed(named.game, named.name, named.pays, ui::Text(s->GameName(named.game)),
                             coins, rank);
            table->exec();
        });
        return form;
    };
    registry.holdValues = [](QWidget* parent, const HoldValuesQuery& hand) {
        return OpenHoldValues(parent, hand);
    };
    registry.engineStrategyTable = [](TVantaSession& session, SessionView& view, QWidget* parent,
                                      const GameEngine& engine, int selectedIndex) {
        TStrategyTable* table = TStrategyTable::Instance();
        std::unique_ptr<TStrategyTable> own;
        if (!table) {
            own = std::make_unique<TStrategyTable>(&session, &view, parent);
            table = own.get();
        }
        table->ShowStrategyTable(engine, selectedIndex);
    };
    registry.handInBuilder = [](TVantaSession& session, SessionView& view,
                                const HoldValuesQuery& hand) {
        std::unique_ptr<QDialog> own;
        THandBuilderForm* builder = Builder(session, view, own);
        if (!builder) return;
        std::optional<NamedPayTable> named;
        if (hand.pays) named = NamedPayTable{hand.game, hand.tableName, *hand.pays};
        builder->LoadHand(hand.game, hand.choice, hand.coins, hand.cards, named);
        QPointer<QDialog> guard = builder;
        QTimer::singleShot(0, builder, [guard, hand] {
            if (guard) OpenHoldValues(guard, hand);
        });
        session.PlayEffect(kEffectClick);
        builder->exec();
    };
}

} // namespace quintaro
