#pragma once
// TVantaTBMenu: the main menu. Nine game buttons with the selection frame,
// the credit meter with its CREDITS picture, the credit-value picture, an
// information line that blinks and hands over to a scrolling banner, the
// Help and Exit buttons, the web-link area over the maker's plate, and the
// right-button command menu. Choosing a game hides the menu and shows that
// game's screen modally until the player leaves it.
//
// The menu creates the session (which reads the Menu section of the
// settings file and loads the scheme's sheets) and destroys it when it goes,
// which writes the section back.

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "shell/schemes.h"
#include "shell/session.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace quintaro {

class SessionView;
class CreditMeterBox;
class TBanner;
class TURLLabel;

class TVantaTBMenu : public QWidget {
    Q_OBJECT

public:
    // The built-in banner text, used when a scheme has none.
    static const QString kBuiltInBannerText;
    static constexpr int kInfoTicksBeforeBanner = 21;
    static constexpr int kMenuPageInterval = 500;

    explicit TVantaTBMenu(const SessionConfig& config = SessionConfig::Default(),
                          QWidget* parent = nullptr);
    ~TVantaTBMenu() override;

    TVantaSession& Session() { return *m_session; }
    SessionView& View() { return *m_view; }

    // The hit rectangle of a game button in PntBoxLogos coordinates.
    static QRect ButtonRect(int game);
    // Where a game's "  Poker " label is written: left + 54, bottom + 5.
    static QPoint LabelPosition(int game);

    QWidget* PntBoxLogos() const { return m_logos; }
    CreditMeterBox* PntBoxCreditValue() const { return m_creditBox; }
    QLabel* PntBoxImageCredits() const { return m_creditsPicture; }
    QWidget* PntBoxValue() const { return m_valueBox; }
    QPushButton* ExitButton() const { return m_exitButton; }
    QPushButton* HelpButton() const { return m_helpButton; }
    QLabel* InfoLine() const { return m_infoPlain; }
    TBanner* Banner() const { return m_banner; }
    TURLLabel* WebLink() const { return m_webLink; }
    QFrame* CreditPanel() const { return m_panel27; }
    QTimer& MenuPageTimer() { return m_pageTimer; }
    QMenu* PopupMenu1() const { return m_menu1; }
    QMenu* PopupMenu2() const { return m_menu2; }
    QAction* Action(const char* name) const;
    bool Launching() const { return m_launching; }
    int BannerScrollEnd() const { return m_scrollEnd; }
    const MenuScheme& Scheme() const { return m_scheme; }
    // The game-button area as it is drawn now.
    const QImage& LogosImage() const { return m_logosImage; }

    // A failed save of the settings at exit is shown in a message box unless
    // switched off (tests).
    void SetReportSaveFailure(bool report) { m_reportSaveFailure = report; }

    // Event handlers and operations of the menu.
    void FormKeyDown(int key);
    void PntBoxLogosMouseDown(Qt::MouseButton button, int x, int y);
    void PntBoxLogosMouseMove(int x, int y);
    void PntBoxValueMouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void MenuPageTimerTimer();
    void Banner1Scroll();
    void PopupMenu1Popup();
    void LaunchGame(int game);
    void UpdateInfoLine();
    void ApplyMenuScheme(int position);
    void InsertBills1Click();
    void ChangeCreditValue(int value);
    void Scheme1Click(int position);
    void Help1Click();
    void About1Click();
    void StatisticsPage1Click();
    void CashOut1Click();
    // The training record's windows for the last game.
    void Mistakes1Click();
    void TrainingProgress1Click();
    void PracticeDrill1Click();
    void PayTableAnalysis1Click();
    void ExitItemClick();

    void DrawPicker(int game);
    void ErasePicker(int game);
    void MovePicker(int from, int to);
    void AnimateButtonPress(int from, int to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildComponents();
    void BuildMenus();
    void LoadMenuPictures(int position);
    void PntBoxLogosPaint();
    void DrawButtonCell(QPainter& painter, int game);
    void DrawLabels(QPainter& painter);
    void SelectGame(int game);
    // Runs a modal window the way the menu needs it: the arrow-key route
    // taken out, the page timer and the banner stopped, all put back after.
    void RunModal(const std::function<void()>& show);
    void InstallHooks();
    void RemoveHooks();
    // Whether the banner is the one shown of the two lines (whatever the
    // window's own visibility, which is off while a game runs).
    bool BannerShown() const;
    // The banner stops scrolling while another window has the player, and
    // goes on where it was when the menu is back.
    void SuspendBanner();
    void ResumeBanner();

    std::unique_ptr<SessionView> m_view;
    std::unique_ptr<TrainingRecord> m_record; // the run's, handed to the session
    std::unique_ptr<TVantaSession> m_session;

    // The sheets of the menu's scheme.
    QImage m_gameButtons;
    QImage m_valueSheet;
    QImage m_picker;
    QImage m_logosImage;
    MenuScheme m_scheme;

    QFrame* m_panel8 = nullptr;
    QWidget* m_logos = nullptr;
    QLabel* m_suiteName = nullptr;
    QWidget* m_valueBox = nullptr;
    TBanner* m_banner = nullptr;
    QLabel* m_infoPlain = nullptr;
    QFrame* m_menuPanel = nullptr;
    QLabel* m_imageMenu = nullptr;
    QFrame* m_panel27 = nullptr;
    CreditMeterBox* m_creditBox = nullptr;
    QLabel* m_creditsPicture = nullptr;
    QFrame* m_panelExit = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    TURLLabel* m_webLink = nullptr;
    QMenu* m_menu1 = nullptr;
    QMenu* m_menu2 = nullptr;
    QMenu* m_schemeMenu = nullptr;
    QActionGroup* m_schemeGroup = nullptr;
    std::array<QAction*, 3> m_valueItems1{};
    std::array<QAction*, 3> m_valueItems2{};
    QTimer m_pageTimer;

    bool m_launching = false;
    bool m_hooksInstalled = false;
    bool m_minimizedOnce = false; // the Minimize command ran during this run
    bool m_reportSaveFailure = true;
    int m_page = 0;
    int m_ticks = 0;
    int m_scrollEnd = 0;
};

} // namespace quintaro
