#pragma once
// TStrategyTable: the whole strategy list of the current game and pay table,
// one line per entry (rank, name, value for the coins bet), with the entry of
// the hand waiting for holds selected and scrolled to the middle. Created once
// and shown modally as often as needed.

#include <QDialog>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "core/named_pay_table.h"
#include "core/pay_table.h"

class QLabel;
class QListWidget;
class QFrame;

namespace quintaro {

class GameEngine;
class TVantaSession;
class SessionView;
namespace ui {
class PressButton;
}

class TStrategyTable : public QDialog {
    Q_OBJECT

public:
    static constexpr int kItemHeight = 12;
    static constexpr int kListHeight = 412;
    static constexpr int kListHeightWithLegend = 340;

    TStrategyTable(TVantaSession* session, SessionView* view, QWidget* parent = nullptr);
    ~TStrategyTable() override;

    // The program's strategy table (the last one created), or null.
    static TStrategyTable* Instance();

    // Fills the table for a game, pay-table choice and coins; selectedIndex is
    // the 1-based strategy index to select, 0 for none.
    void Fill(int game, int choice, int coins, int selectedIndex, const QString& gameName);
    // Fills the table for a named pay table: titled with its name; until the
    // table has a list of its own, perfect play's return and a word saying so.
    void FillNamed(int game, const std::string& tableName, const PaySchedule& pays,
                   const QString& gameName, int coins = 5, int selectedIndex = 0);
    // Fills the table for an engine's game and pay table in force, the 1-based entry
    // of its current hand selected (0: none), and shows it modally.
    void ShowStrategyTable(const GameEngine& engine, int selectedIndex);
    // The same for a game, choice and coins with a 1-based entry to select (0: none);
    // the hand builder's strategy button opens the table this way.
    void ShowStrategyTable(int game, int choice, int coins, int selectedIndex);

    QListWidget* ListBox() const { return m_list; }
    QFrame* Legend() const { return m_legend; }
    // Opens the pay table analysis of the table shown.
    ui::PressButton* AnalysisButton() const { return m_analysis; }
    // The returns of the list and of perfect play for the pay table and coins
    // shown; a placeholder until a worker has computed them.
    QLabel* ReturnsLabel() const { return m_returns; }
    void ShowReturns();
    int TopLine() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetListHeight(int height);
    void Recentre();
    void LegendClick();
    void HideLegend();

    TVantaSession* m_session;
    SessionView* m_view;
    QListWidget* m_list = nullptr;
    QFrame* m_legend = nullptr;
    QLabel* m_ackLine = nullptr;
    ui::PressButton* m_legendButton = nullptr;
    ui::PressButton* m_analysis = nullptr;
    ui::PressButton* m_close = nullptr;
    int m_selected = -1;
    QLabel* m_returns = nullptr;
    int m_returnGame = 0;
    int m_returnChoice = 0;
    int m_returnCoins = 1;
    // The named table shown, when one is.
    std::optional<NamedPayTable> m_named;
};

} // namespace quintaro
