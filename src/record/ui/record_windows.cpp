#include "record/ui/record_windows.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <memory>

#include "record/ui/mistakes_form.h"
#include "record/ui/practice_drill_form.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "strategy/ui/hand_builder_form.h"
#include "strategy/ui/hold_values_view.h"

namespace quintaro {

namespace {

QString SchemeDir(const TVantaSession& session) {
    const auto dir = session.GameSchemeDirectory();
    return dir ? QString::fromStdString(dir->string()) : QString();
}

// The hand of a row in the hand builder, with the values of every hold beside it.
void OpenHand(TVantaSession& session, SessionView& view, const DecisionRow& row) {
    std::unique_ptr<QDialog> own;
    QDialog* window = view.Dialogs().handBuilder;
    if (!window && Windows().handBuilder) {
        own.reset(Windows().handBuilder(session, view, FrontWindow()));
        window = own.get();
    }
    auto* builder = qobject_cast<THandBuilderForm*>(window);
    if (!builder) return;
    builder->LoadHand(row.game, row.payTable, row.coins, row.dealt);
    HoldValuesRequest request;
    request.game = row.game;
    request.choice = row.payTable;
    request.coins = row.coins;
    request.cards = row.dealt;
    request.playerHold = row.held;
    QPointer<QDialog> guard = builder;
    QTimer::singleShot(0, builder, [guard, request] {
        if (guard) OpenHoldValues(guard, request);
    });
    session.PlayEffect(kEffectClick);
    builder->exec();
}

} // namespace

void RegisterRecordWindows() {
    WindowRegistry& registry = Windows();
    registry.practiceDrill = [](TVantaSession& session, SessionView&, QWidget* parent, int game,
                                int payTable) {
        session.PlayEffect(kEffectClick);
        const auto seed = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
        TPracticeDrillForm form(session.Record(), SchemeDir(session), game, payTable, seed, parent);
        form.exec();
    };
    registry.mistakes = [](TVantaSession& session, SessionView& view, QWidget* parent, int game) {
        session.PlayEffect(kEffectClick);
        TMistakesForm form(session.Record(), SchemeDir(session), game, parent);
        TVantaSession* s = &session;
        SessionView* v = &view;
        form.SetHandOpener([s, v](const DecisionRow& row) { OpenHand(*s, *v, row); });
        form.exec();
    };
}

} // namespace quintaro
