#include "record/ui/record_windows.h"

#include <QDateTime>

#include "record/ui/mistakes_form.h"
#include "record/ui/practice_drill_form.h"
#include "record/ui/progress_form.h"
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
    HoldValuesQuery hand;
    hand.game = row.game;
    hand.choice = row.payTable;
    if (row.pays) {
        hand.tableName = row.tableName;
        hand.pays = row.pays;
    }
    hand.coins = row.coins;
    hand.cards = row.dealt;
    hand.playerHold = row.held;
    Windows().handInBuilder(session, view, hand);
}

std::uint32_t DrillSeed() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

void OpenMistakes(TVantaSession& session, SessionView& view, QWidget* parent, int game,
                  const CostlyKind* kind) {
    session.PlayEffect(kEffectClick);
    TMistakesForm form(session.Record(), SchemeDir(session), game, parent);
    if (kind) form.ShowKind(kind->game, kind->payTable, kind->entry);
    TVantaSession* s = &session;
    SessionView* v = &view;
    form.SetHandOpener([s, v](const DecisionRow& row) { OpenHand(*s, *v, row); });
    form.exec();
}

} // namespace

void RegisterRecordWindows() {
    WindowRegistry& registry = Windows();
    registry.practiceDrill = [](TVantaSession& session, SessionView&, QWidget* parent, int game,
                                int payTable, const NamedPayTable* named) {
        session.PlayEffect(kEffectClick);
        TPracticeDrillForm form(session.Record(), SchemeDir(session), game, payTable, DrillSeed(),
                                parent);
        if (named && named->game == game) form.StartNamed(*named);
        form.exec();
    };
    registry.mistakes = [](TVantaSession& session, SessionView& view, QWidget* parent, int game) {
        OpenMistakes(session, view, parent, game, nullptr);
    };
    registry.trainingProgress = [](TVantaSession& session, SessionView& view, QWidget* parent) {
        session.PlayEffect(kEffectClick);
        TrainingRecord& record = session.Record();
        TTrainingProgressForm form(record, record.Path(), session.LastGame, parent);
        TVantaSession* s = &session;
        SessionView* v = &view;
        QWidget* owner = &form;
        form.SetMistakesOpener([s, v, owner](const CostlyKind& kind) {
            OpenMistakes(*s, *v, owner, kind.game, &kind);
        });
        form.SetDrillOpener([s, owner](const CostlyKind& kind) {
            s->PlayEffect(kEffectClick);
            TPracticeDrillForm drill(s->Record(), SchemeDir(*s), kind.game, kind.payTable,
                                     DrillSeed(), owner);
            drill.StartKind(kind.game, kind.payTable, kind.entry);
            drill.exec();
        });
        form.exec();
    };
}

} // namespace quintaro
