#pragma once
// The program's window registry. The menu opens game screens, the session opens
// the shared windows, and one folder's windows open another's, without knowing
// their classes: the libraries that define those windows fill the registry at
// start-up (RegisterTableWindows, RegisterAnalysisWindows, RegisterRecordWindows;
// the statistics window of this folder is there from the start), and a test may
// fill it with small windows of its own.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "table/round_ports.h"

class QDialog;
class QWidget;

namespace quintaro {

class GameEngine;
struct GeneratedList;
struct NamedPayTable;
class TVantaSession;
class SessionView;

// What a game screen is made from: the game index and the session with its
// Qt side (sheets, sounds, shared dialogs).
struct GameScreenContext {
    int game;
    TVantaSession& session;
    SessionView& view;
};

struct WindowRegistry {
    // A new game screen of context.game; it frees itself when closed (the
    // launcher also deletes it when the event loop has not). Null for an
    // invalid game.
    std::function<QDialog*(const GameScreenContext& context, QWidget* parent)> gameScreens;

    // The windows created once at start-up and shown modally as often as needed.
    using SharedWindowFactory =
        std::function<QDialog*(TVantaSession& session, SessionView& view, QWidget* parent)>;
    SharedWindowFactory strategyTable;
    SharedWindowFactory statistics;
    SharedWindowFactory handBuilder;

    // The training record's windows, opened on demand for a game (and the
    // drill for a pay-table choice, or the named table when one is given);
    // both run modally and free themselves.
    std::function<void(TVantaSession& session, SessionView& view, QWidget* parent, int game,
                       int payTable, const NamedPayTable* named)>
        practiceDrill;
    std::function<void(TVantaSession& session, SessionView& view, QWidget* parent, int game)>
        mistakes;
    // The training progress window (grades, charts over time, the costliest
    // kinds of hands); it runs modally and frees itself.
    std::function<void(TVantaSession& session, SessionView& view, QWidget* parent)>
        trainingProgress;

    // The pay table analysis of a game, its built-in pay table (or, when named
    // is given, that table instead) and the coins bet; runs modally and frees
    // itself.
    std::function<void(TVantaSession& session, QWidget* parent, int game, int payTable, int coins,
                       const NamedPayTable* named)>
        payTableAnalysis;
    // The pay-table editor, modal, opened on a game's tables.
    std::function<void(QWidget* parent, int game)> payTableEditor;

    // The analysis of a hand (game, pay-table choice or named table, coins, cards, the
    // player's hold), from the strategy views: the values of its 32 holds in a
    // window beside `parent` (not modal), the strategy table of the game engine's hand (the
    // entry of selectedIndex selected, none for 0), and a hand put into the hand builder,
    // with the values of its holds beside it, shown modally.
    std::function<QWidget*(QWidget* parent, const HoldValuesQuery& hand)> holdValues;
    std::function<void(TVantaSession& session, SessionView& view, QWidget* parent,
                       const GameEngine& engine, int selectedIndex)>
        engineStrategyTable;
    std::function<void(TVantaSession& session, SessionView& view, const HoldValuesQuery& hand)>
        handInBuilder;

    // The engine of the game screen that is open, or null; from the table views.
    std::function<const GameEngine*()> openGameEngine;
    // The strategy list generated for a named table's pays when it is ready,
    // else null (asking starts its making); from the table views' cache.
    std::function<std::shared_ptr<const GeneratedList>(int game, const PaySchedule& pays)>
        generatedList;
};

// The program-wide registry (GUI thread only).
WindowRegistry& Windows();

} // namespace quintaro
