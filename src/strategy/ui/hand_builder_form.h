#pragma once
// THandBuilderForm: the player composes a five-card hand from a picture of the
// 52 cards (four rows of thirteen, one row per suit) and sees at once what the
// strategy of the open game and pay table says about it: the cards to hold,
// the entry's name and rank, and its value for the coins bet. From there the
// strategy table opens with the built hand's entry selected.
//
// The form is created once and shown modally from the game screens. Every
// opening starts with an empty hand. The built hand is judged on its own
// analysis record, so the advice for the hand waiting on the table is left
// as it was.

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/named_pay_table.h"
#include "strategy/hand_builder.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quintaro {

class GameEngine;
class TVantaSession;
namespace ui {
class PressButton;
}

class THandBuilderForm : public QDialog {
    Q_OBJECT

public:
    // Opens the strategy table for a game, pay-table choice and coins with a
    // 1-based entry selected.
    using StrategyTableOpener = std::function<void(int game, int choice, int coins, int rank)>;
    // The same for a named pay table (rank 0: none selected).
    using NamedStrategyTableOpener =
        std::function<void(const NamedPayTable& table, int coins, int rank)>;
    // The engine of the open game screen, or null: its pay-table choice and
    // coins bet are the ones a built hand is judged with.
    using EngineSource = std::function<const GameEngine*()>;

    // Where the parts stand in the form.
    static constexpr int kSmallCardWidth = 35;
    static constexpr int kSmallCardHeight = 46;
    static constexpr int SmallCardLeft(int rank) { return 21 + 40 * rank; }
    static constexpr int SmallCardTop(int suit) {
        constexpr int tops[4] = {45, 97, 152, 205};
        return tops[suit];
    }
    static constexpr int PlaceLeft(int place) {
        constexpr int lefts[5] = {78, 163, 246, 328, 411};
        return lefts[place];
    }
    static constexpr int kPlaceTop = 260;
    static constexpr int kPlaceWidth = 68;
    static constexpr int kPlaceHeight = 106;

    explicit THandBuilderForm(TVantaSession* session, QWidget* parent = nullptr);

    void SetStrategyTableOpener(StrategyTableOpener opener) { m_openTable = std::move(opener); }
    void SetNamedStrategyTableOpener(NamedStrategyTableOpener opener) {
        m_openNamedTable = std::move(opener);
    }
    void SetEngineSource(EngineSource source) { m_engine = std::move(source); }

    // The next opening shows this hand, built and judged for a game, pay-table
    // choice (or named table) and coins, instead of an empty hand for the open
    // game. Later openings are plain again.
    void LoadHand(int game, int choice, int coins, const std::array<Card, 5>& cards,
                  const std::optional<NamedPayTable>& named = std::nullopt);

    // FormShow's work: the title, the game remembered, the hand cleared.
    void FormShow();
    // A mouse press on any of the three controls of the small card `card`.
    void ClickOnSmallCards(Card card, Qt::MouseButton button);
    void BtnClearHandClick();
    void StrategyBtnClick();
    // "Hold Values...": the values of every hold of the built hand.
    QWidget* HoldValuesBtnClick();

    const BuiltHand& Hand() const { return m_hand; }
    int Game() const { return m_game; }
    // The choice and coins the built hand is judged with; a named table when
    // one is chosen.
    int Choice() const { return m_choice; }
    const std::optional<NamedPayTable>& NamedTable() const { return m_named; }
    int Coins() const;
    // The tables the pay-table choice offers after the two built-in ones: the
    // player's own of the game, then the catalogue's.
    const std::vector<NamedPayTable>& NamedTables() const { return m_tables; }
    // Chooses item `index` of the pay-table choice (0, 1: built-in; then NamedTables()).
    void ChoosePayTable(int index);

    // The components, for the program's tests.
    QWidget* SmallCardShape(Card card) const { return m_shapes[static_cast<std::size_t>(card)]; }
    QLabel* SmallCardRank(Card card) const { return m_ranks[static_cast<std::size_t>(card)]; }
    QLabel* SmallCardSuit(Card card) const { return m_suits[static_cast<std::size_t>(card)]; }
    QWidget* Place(int place) const { return m_places[static_cast<std::size_t>(place)]; }
    bool PlaceShowsBack(int place) const;
    QLabel* PlaceRank(int place) const { return m_placeRanks[static_cast<std::size_t>(place)]; }
    QLabel* PlaceSuit(int place) const { return m_placeSuits[static_cast<std::size_t>(place)]; }
    QLabel* HoldLabel(int place) const { return m_holds[static_cast<std::size_t>(place)]; }
    QLabel* StrategyLabel() const { return m_lbStrategy; }
    QLabel* RankLabel() const { return m_lbRankVal; }
    QLabel* ValueLabel() const { return m_lbRankEV; }
    QLabel* TitleLabel() const { return m_title; }
    QLabel* TitleShadow() const { return m_titleShadow; }
    QComboBox* PayTableChoice() const { return m_payChoice; }
    QPushButton* StrategyButton() const { return m_strategyBtn; }
    QPushButton* HoldValuesButton() const { return m_valuesBtn; }
    ui::PressButton* ClearButton() const { return m_clearBtn; }
    ui::PressButton* CloseButton() const { return m_cancelBtn; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPicker();
    void BuildHandArea();
    void BuildBottomPanel();
    void ShowResult();
    void ShowTitle();
    void FillPayChoice();
    void ShowResultLines(bool shown);
    void SetSmallCardTaken(Card card, bool taken);
    // Puts a card into the next place, judging the hand once it is complete.
    void AddToHand(Card card);

    TVantaSession* m_session;
    const GameEngine* Engine() const { return m_engine ? m_engine() : nullptr; }

    struct LoadedHand {
        int game = 0;
        int choice = 0;
        int coins = 1;
        std::array<Card, 5> cards{};
        std::optional<NamedPayTable> named;
    };
    std::optional<LoadedHand> m_toLoad; // for the next opening
    std::optional<LoadedHand> m_loaded; // the hand this opening shows
    StrategyTableOpener m_openTable;
    NamedStrategyTableOpener m_openNamedTable;
    int m_choice = 0;
    std::optional<NamedPayTable> m_named;
    std::vector<NamedPayTable> m_tables;
    QComboBox* m_payChoice = nullptr;
    EngineSource m_engine;
    BuiltHand m_hand;
    int m_game = 0;
    BuiltHandResult m_result;
    std::array<QWidget*, kCardCount> m_shapes{};
    std::array<QLabel*, kCardCount> m_ranks{};
    std::array<QLabel*, kCardCount> m_suits{};
    std::array<QWidget*, 5> m_places{};
    std::array<QLabel*, 5> m_placeRanks{};
    std::array<QLabel*, 5> m_placeSuits{};
    std::array<QLabel*, 5> m_holds{};
    QLabel* m_title = nullptr;
    QLabel* m_titleShadow = nullptr;
    QLabel* m_lbStrategy = nullptr;
    QLabel* m_lbRank = nullptr;
    QLabel* m_lbRankVal = nullptr;
    QLabel* m_lbEV = nullptr;
    QLabel* m_lbRankEV = nullptr;
    QPushButton* m_strategyBtn = nullptr;
    QPushButton* m_valuesBtn = nullptr;
    ui::PressButton* m_clearBtn = nullptr;
    ui::PressButton* m_cancelBtn = nullptr;
};

} // namespace quintaro
