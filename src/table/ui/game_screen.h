#pragma once
// TGameScreen: the window of one game. It lays out the pay-table panel, the
// five cards, the meters, the button bar and the captions at their fixed
// pixel places, shows what the play round tells it, and turns keys, mouse
// presses and drags, and the right-click menu into the round's commands.
// The nine game classes differ only by their game index.

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "shell/schemes.h"
#include "shell/session_round_port.h"
#include "table/round_ports.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QActionGroup;

namespace quintaro {

class TVantaSession;
class SessionView;
class CreditMeterBox;
class WinMeterBox;
class ButtonBarBox;
struct GameScreenContext;
namespace ui {
class PressButton;
}

class TGameScreen;

// A caption drawn twice: a black (or scheme) shadow under the coloured front.
struct ShadowCaption {
    QLabel* front = nullptr;
    QLabel* shadow = nullptr;
    void SetText(const QString& text);
    void SetVisible(bool visible);
    bool IsVisible() const;
};

class TGameScreen : public QDialog, public TableView {
    Q_OBJECT

public:
    TGameScreen(int game, const GameScreenContext& context, QWidget* parent = nullptr);
    ~TGameScreen() override;

    int Game() const { return m_game; }
    TableRound& Round() { return *m_round; }
    QMenu* PopupMenu1() const { return m_menu; }
    QFrame* MistakePanel() const { return m_panel5; }
    QLabel* MistakeFiguresLabel() const { return m_figures; }
    QLabel* MistakeVerdictLabel() const { return m_verdict; }
    QWidget* CardsBox() const { return m_cards; }
    QWidget* ButtonsBox() const;
    QTimer& Timer1() { return m_timer; }
    QLabel* WinCaptionLabel() const { return m_winCaption.front; }
    QFrame* WinCaptionPanel() const { return m_panelCenter; }
    QWidget* CreditBox() const;
    QString CreditHint() const;
    QAction* Action(const char* name) const;
    // Sets the enabled flags and checks of the menu from the current state.
    void PopupMenu1Popup();
    // The picture of one card face (a blank face with the card's parts).
    QImage CardFace(int position, Card card);

    // TableView
    void ShowCardFace(int position, Card card) override;
    void ShowCardBack(int position) override;
    void ShowHeld(int position, bool held) override;
    void SetRowColour(HandCategory row, RowColour colour) override;
    void SetCellColour(HandCategory row, int coins, RowColour colour) override;
    void MarkCoinColumn(int coins, bool marked) override;
    void ShowPayCells() override;
    void ShowNotice(const std::string& text) override;
    void ShowBet(int coins) override;
    void ShowWinCaption(const std::string& text) override;
    void HideWinCaption() override;
    void ShowWinMeter(bool shown) override;
    void ShowInfoLines(bool shown) override;
    void ShowGameOver(bool shown) override;
    void ShowPlayMode(const std::string& text) override;
    void ShowMistakePanel(const std::array<bool, 5>& holdLabels, const std::string& name,
                          const std::string& rank, const std::string& value) override;
    void HideMistakePanel() override;
    void ShowMistakeFigures(const MistakeFigures& figures) override;
    void OpenHoldValues(const HoldValuesQuery& query) override;
    void OpenStrategyTable(bool selectCurrent) override;
    void AllowPopupMenu(bool allowed) override;
    void SetBlinkTimer(bool running) override;
    void CloseScreen() override;
    void Pause(int ms) override;
    void ProcessMessages() override;

    // Card area painting and input (the card box forwards here).
    void PntBoxCardsPaint(QPainter& painter);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Port;
    enum class Shown { Nothing, Back, Face };

    void BuildLayout();
    void BuildPayPanel();
    void FillNamedTables();
    void CheckNamedTable();
    void WarmNamedList();
    void BuildMistakePanel();
    void BuildMenu();
    void LoadArt();
    void BuildCardImages();
    QLabel* Label(QWidget* parent, const QString& text, int x, int y, const QFont& font,
                  const QColor& colour);
    ShadowCaption Caption(const QString& text, int x, int y, int shadowOffset, const QFont& font,
                          const QColor& front, const QColor& shadow);
    void RunCommand(const std::function<void()>& command, bool changesHand = false);
    void WithTimerOff(const std::function<void()>& command);
    QColor Colour(RowColour colour) const;

    const int m_game;
    TVantaSession& m_session;
    SessionView& m_view;
    std::unique_ptr<Port> m_port;
    StrategyHoldAdvisor m_advisor;
    std::unique_ptr<TableRound> m_round;
    GameScheme m_scheme;
    std::filesystem::path m_schemeDir; // empty: the built-in look

    // Pictures of the screen.
    QImage m_skin;      // the whole tiled background, 792 x 592
    QImage m_cardSheet; // Cards.bmp / PokerGraphics
    QImage m_rankSheet; // CrdValue.bmp / CrdValue
    QImage m_mask;
    std::array<QImage, 5> m_backs;
    std::array<QImage, 5> m_blanks;
    bool m_firstPaint = true;
    std::array<Shown, 5> m_shown{};
    std::array<Card, 5> m_shownCards{};

    QWidget* m_cards = nullptr;
    CreditMeterBox* m_creditBox = nullptr;
    WinMeterBox* m_winBox = nullptr;
    ButtonBarBox* m_barBox = nullptr;
    QFrame* m_panelCenter = nullptr;
    QLabel* m_winPicture = nullptr;
    QFrame* m_panel5 = nullptr;
    std::array<ShadowCaption, 5> m_heldCaptions;
    std::array<ShadowCaption, 5> m_warnLabels;
    QLabel* m_strategyName = nullptr;
    QLabel* m_strategyRank = nullptr;
    QLabel* m_strategyEV = nullptr;
    QLabel* m_figures = nullptr; // the exact figures of the stop
    QLabel* m_verdict = nullptr; // when the player's hold is as good as the list's
    ui::PressButton* m_continue = nullptr;
    ui::PressButton* m_cancel = nullptr;
    ui::PressButton* m_tableButton = nullptr;
    ShadowCaption m_winCaption;
    ShadowCaption m_betCaption;
    ShadowCaption m_betCount;
    ShadowCaption m_playMode;
    ShadowCaption m_gameName;
    ShadowCaption m_gameStatus;
    QLabel* m_info1 = nullptr;
    QLabel* m_info2 = nullptr;
    std::array<QFrame*, 6> m_coinPanels{};
    std::array<QLabel*, 14> m_rowCaptions{};
    std::array<std::array<QLabel*, 14>, 6> m_cells{};

    QMenu* m_menu = nullptr;
    QMenu* m_payMenu = nullptr;
    QActionGroup* m_payGroup = nullptr;
    std::vector<NamedPayTable> m_namedTables; // the named items of the pay-table menu
    bool m_popupAllowed = true;
    bool m_closing = false;
    QTimer m_timer;
};

// The nine game screens.
#define QUINTARO_GAME_SCREEN(Class, gameIndex)                                                     \
    class Class : public TGameScreen {                                                             \
    public:                                                                                        \
        explicit Class(const GameScreenContext& context, QWidget* parent = nullptr)                \
            : TGameScreen(gameIndex, context, parent) {}                                           \
    };
QUINTARO_GAME_SCREEN(TDrawPoker, 0)
QUINTARO_GAME_SCREEN(TBonusDeluxePoker, 1) // plays Bonus Poker
QUINTARO_GAME_SCREEN(TBonusPoker, 2)       // plays Bonus Deluxe
QUINTARO_GAME_SCREEN(TDeucesPoker, 3)
QUINTARO_GAME_SCREEN(TDoublBonus, 4)
QUINTARO_GAME_SCREEN(TDblDblBonus, 5)
QUINTARO_GAME_SCREEN(TSuperDblBns, 6)
QUINTARO_GAME_SCREEN(TTripDblBonus, 7)
QUINTARO_GAME_SCREEN(TSuperAce, 8)
#undef QUINTARO_GAME_SCREEN

// The screen of a game index, or null for an invalid index.
TGameScreen* MakeGameScreen(const GameScreenContext& context, QWidget* parent = nullptr);

// Puts the game screens and the strategy table into the program's window registry.
void RegisterTableWindows();

} // namespace quintaro
