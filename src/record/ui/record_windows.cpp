#include "record/ui/record_windows.h"

#include <QDateTime>

#include "record/ui/mistakes_form.h"
#include "record/ui/practice_drill_form.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"

namespace quintaro {

namespace {

QString SchemeDir(const TVantaSession& session) {
    const auto dir = session.GameSchemeDirectory();
    return dir ? QString::fromStdString(dir->string()) : QString();
}

// The hand of a row in the hand builder, with the values of every hold beside it.
void OpenHand(TVantaSession& session, SessionView& view, const DecisionRow& row) {
    if (!Windows().handInBuilder) return;
    HandRequest hand;
    hand.game = row.game;
    hand.choice = row.payTable;
    hand.coins = row.coins;
    hand.cards = row.dealt;
    hand.playerHold = row.held;
    Windows().handInBuilder(session, view, hand);
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
