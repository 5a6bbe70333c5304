#include "shell/ui/vanta_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>

#include "components/banner.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"
#include "shell/pay_table_file.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/help_form.h"
#include "shell/ui/session_view.h"

namespace quintaro {

namespace {

using ui::kNavy;
using ui::kYellow;
using ui::SetTextColour;
using ui::Text;

using ui::kRed;

QRect ToQRect(const sheets::CellRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

void SetFill(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Button, colour);
    widget->setPalette(pal);
}

// A box whose painting and mouse input the menu does.
class PaintBox : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(QPainter&)> onPaint;
    std::function<void(QMouseEvent*)> onMouseDown;
    std::function<void(QMouseEvent*)> onMouseMove;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (onPaint) onPaint(p);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (onMouseDown) onMouseDown(event);
        // The right button goes on to the window, which opens the command menu.
        if (event->button() != Qt::LeftButton) event->ignore();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (onMouseMove) onMouseMove(event);
    }
};

// The black frame of the credit display: an outer raised and an inner
// lowered bevel, one pixel each, when the scheme wants a border. The meter
// box reaches into the inner bevel's column, so the bevels are drawn by a
// layer above the frame's children that lets the mouse through.
class CreditFrame : public QFrame {
public:
    explicit CreditFrame(QWidget* parent) : QFrame(parent), m_bevels(new Bevels(this)) {}
    void SetBorder(bool on) {
        m_bevels->setVisible(on);
        update();
    }
    // Puts the bevels above the children made after them.
    void RaiseBevels() { m_bevels->raise(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
    }
    void resizeEvent(QResizeEvent*) override { m_bevels->setGeometry(rect()); }

private:
    class Bevels : public QWidget {
    public:
        explicit Bevels(QWidget* parent) : QWidget(parent) {
            setAttribute(Qt::WA_TransparentForMouseEvents);
        }

    protected:
        void paintEvent(QPaintEvent*) override {
            QPainter p(this);
            const QColor light(255, 255, 255), dark(128, 128, 128);
            // The corners of a QRect are its outermost pixels, right and bottom included.
            const QRect r = rect();
            auto edge = [&p](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
                p.setPen(topLeft);
                p.drawLine(box.topLeft(), box.topRight());
                p.drawLine(box.topLeft(), box.bottomLeft());
                p.setPen(bottomRight);
                p.drawLine(box.bottomLeft(), box.bottomRight());
                p.drawLine(box.topRight(), box.bottomRight());
            };
            edge(r, light, dark);
            edge(r.adjusted(1, 1, -1, -1), dark, light);
        }
    };
    Bevels* m_bevels;
};

// The panel around Help and Exit: its colour with a one-pixel raised edge in
// a lighter and a darker shade of it, so the edge suits any scheme's colour.
class ExitPanel : public QFrame {
public:
    using QFrame::QFrame;
    QColor colour{128, 0, 0};

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, colour);
        p.setPen(colour.lighter(175));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(colour.darker(250));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
};

// The hit rectangles of the nine game buttons (left, top, right, bottom).
constexpr std::array<std::array<int, 4>, kGameCount> kButtonRects{{
    {38, 48, 179, 116},
    {222, 48, 363, 116},
    {406, 48, 547, 116},
    {592, 48, 733, 116},
    {130, 172, 271, 240},
    {316, 172, 457, 240},
    {502, 172, 643, 240},
    {38, 295, 179, 363},
    {592, 295, 733, 363},
}};

// The frame goes around a button: left - 38, top - 48, right + 38, bottom + 40.
QRect PickerRect(int game) {
    const QRect b = TVantaTBMenu::ButtonRect(game);
    return QRect(QPoint(b.left() - 38, b.top() - 48),
                 QPoint(b.left() + b.width() + 38 - 1, b.top() + b.height() + 40 - 1));
}

const char* const kLabelText = "  Poker ";

} // namespace

const QString TVantaTBMenu::kBuiltInBannerText = QStringLiteral(
    "***  We now have an active Web Site link on this screen.  ***  Click on the 'Ostrelwyn' "
    "logo on the bottom-right of the screen. By visiting our site occassionally you will be "
    "able to stay on top of new games, upgrades, special offers and themes.  ***  Don't forget "
    "to read the 'Help' this is different in the 'Menu' and 'Games' screens.  ***  Thanks, and "
    "good luck  ***  Pass our link to your friends and your favorite casino's Webmaster.  ***");

QRect TVantaTBMenu::ButtonRect(int game) {
    if (game < 0 || game >= kGameCount) return {};
    const auto& r = kButtonRects[static_cast<std::size_t>(game)];
    return QRect(r[0], r[1], r[2] - r[0], r[3] - r[1]);
}

QPoint TVantaTBMenu::LabelPosition(int game) {
    const auto& r = kButtonRects[static_cast<std::size_t>(game)];
    return {r[0] + 54, r[3] + 5};
}

TVantaTBMenu::TVantaTBMenu(const SessionConfig& config, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("TVantaTBMenu");
    setWindowTitle("Quintaro");
    // The session comes first: it reads the settings and loads its sheets. The
    // training record is opened before it and handed to it; a record that cannot
    // be used is told through the view.
    m_view = std::make_unique<SessionView>();
    m_record = OpenTrainingRecord(config.recordFile, m_view->Services().dialogs);
    m_session = std::make_unique<TVantaSession>(config, m_view->Services(), m_record.get());
    m_view->SetSession(m_session.get());
    m_launching = false;
    BuildComponents();
    BuildMenus();
    FormCreate();
}

TVantaTBMenu::~TVantaTBMenu() {
    // FormDestroy: the session goes, saving the Menu section.
    m_pageTimer.stop();
    RemoveHooks();
    m_session->AttachDisplays(nullptr, nullptr, nullptr);
    const FileResult saved = m_session->Close();
    if (!saved && m_reportSaveFailure)
        ui::ReportSaveFailure(nullptr, "Your credits and options could not be saved.", saved.error);
    m_view->SetSession(nullptr);
    m_session.reset();
}

// ---- construction ----------------------------------------------------------------------------

void TVantaTBMenu::BuildComponents() {
    SetFill(this, Qt::black);
    setFixedSize(800, 600);
    setFocusPolicy(Qt::StrongFocus);

    m_panel8 = new QFrame(this);
    m_panel8->setObjectName("Panel8");
    m_panel8->setGeometry(14, 8, 780, 403);
    SetFill(m_panel8, Qt::black);

    auto* logos = new PaintBox(m_panel8);
    logos->setObjectName("PntBoxLogos");
    logos->setGeometry(0, 0, 780, 403);
    logos->setMouseTracking(true);
    logos->onPaint = [this](QPainter& p) { p.drawImage(0, 0, m_logosImage); };
    logos->onMouseDown = [this](QMouseEvent* e) {
        const QPoint pt = e->position().toPoint();
        PntBoxLogosMouseDown(e->button(), pt.x(), pt.y());
    };
    logos->onMouseMove = [this](QMouseEvent* e) {
        const QPoint pt = e->position().toPoint();
        PntBoxLogosMouseMove(pt.x(), pt.y());
    };
    m_logos = logos;
    for (int g = 0; g < kGameCount; ++g) {
        // The invisible shapes that carry the buttons' bounds.
        auto* shape = new QWidget(m_panel8);
        shape->setObjectName(QString("P%1").arg(g));
        shape->setGeometry(ButtonRect(g));
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        shape->hide();
    }

    m_suiteName = new QLabel(m_panel8);
    m_suiteName->setObjectName("ImageSuiteName");
    m_suiteName->move(307, 297);
    m_suiteName->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* panel9 = new QFrame(m_panel8);
    panel9->setObjectName("Panel9");
    panel9->setGeometry(344, 330, 89, 55);
    auto* value = new PaintBox(panel9);
    value->setObjectName("PntBoxValue");
    value->setGeometry(0, 0, 89, 55);
    value->setCursor(Qt::PointingHandCursor);
    value->setToolTip("Change credit value");
    value->onPaint = [this](QPainter& p) {
        // PntBoxValuePaint: the picture of the current credit value.
        const int v = std::clamp(m_session->CreditValue, 0, 2);
        p.fillRect(0, 0, 89, 55, Qt::black);
        p.drawImage(QRect(0, 0, 89, 55), m_valueSheet, ToQRect(sheets::CreditValuePicture(v)));
    };
    value->onMouseDown = [this](QMouseEvent* e) {
        PntBoxValueMouseDown(e->button(), e->globalPosition().toPoint());
    };
    m_valueBox = value;

    m_banner = new TBanner(this);
    m_banner->setObjectName("Banner1");
    m_banner->setGeometry(91, 415, 618, 28);
    m_banner->SetAutoEnable(false);
    m_banner->SetColor(Qt::black);
    m_banner->SetFontColor(kYellow);
    m_banner->setFont(ui::RoundedFont(21, true));
    m_banner->SetScrollInterval(20);
    m_banner->SetScrollPixels(2);
    m_banner->hide();
    connect(m_banner, &TBanner::OnScroll, this, [this] { Banner1Scroll(); });

    m_infoPlain = new QLabel("Touch a Screen Button and Select a Game", this);
    m_infoPlain->setObjectName("LbInfoPlain");
    m_infoPlain->setGeometry(99, 417, 618, 25);
    m_infoPlain->setAlignment(Qt::AlignCenter);
    m_infoPlain->setFont(ui::RoundedFont(21, true));
    SetTextColour(m_infoPlain, kYellow);

    m_menuPanel = new QFrame(this);
    m_menuPanel->setObjectName("MenuPanel");
    m_menuPanel->setGeometry(3, 444, 793, 150);
    SetFill(m_menuPanel, kNavy);
    m_imageMenu = new QLabel(m_menuPanel);
    m_imageMenu->setObjectName("ImageMenu");
    m_imageMenu->setGeometry(0, 0, 793, 150);

    auto* image7 = new QLabel(m_menuPanel);
    image7->setObjectName("Image7");
    image7->setGeometry(217, 66, 342, 29);
    SetFill(image7, Qt::black);

    auto* panel27 = new CreditFrame(m_menuPanel);
    panel27->setObjectName("Panel27");
    panel27->setGeometry(211, 65, 371, 48);
    m_panel27 = panel27;
    m_creditBox = new CreditMeterBox(m_view->Sheets(), panel27);
    m_creditBox->setObjectName("PntBoxCreditValue");
    m_creditBox->setGeometry(1, 3, 165, 42);
    m_creditBox->SetBackground(Qt::black);
    m_creditBox->setCursor(Qt::PointingHandCursor);
    m_creditBox->installEventFilter(this);
    connect(m_creditBox, &MeterBox::Clicked, this, [this] {
        if (!m_launching) InsertBills1Click();
    });
    m_creditsPicture = new QLabel(panel27);
    m_creditsPicture->setObjectName("PntBoxImageCredits");
    m_creditsPicture->setGeometry(166, 4, 201, 40);
    m_creditsPicture->setToolTip("Click to insert money");
    m_creditsPicture->setCursor(Qt::PointingHandCursor);
    m_creditsPicture->installEventFilter(this);
    panel27->RaiseBevels();

    m_panelExit = new ExitPanel(m_menuPanel);
    m_panelExit->setObjectName("PanelExit");
    m_panelExit->setGeometry(10, 95, 45, 44);
    auto speedButton = [this](const char* name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, m_panelExit);
        b->setObjectName(name);
        b->setGeometry(2, top, 41, 19);
        b->setFont(ui::SansFont(12, true));
        b->setFlat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    m_helpButton = speedButton("SpeedButton1", "Help", 3);
    m_exitButton = speedButton("ExitButton", "Exit", 22);
    connect(m_helpButton, &QPushButton::clicked, this, [this] {
        if (!m_launching) Help1Click();
    });
    connect(m_exitButton, &QPushButton::clicked, this, [this] {
        if (!m_launching) ExitItemClick();
    });

    m_webLink = new TURLLabel(m_menuPanel);
    m_webLink->setObjectName("URLLabel1");
    m_webLink->setText(QString());
    m_webLink->setCursor(Qt::PointingHandCursor);

    m_pageTimer.setInterval(kMenuPageInterval);
    connect(&m_pageTimer, &QTimer::timeout, this, [this] { MenuPageTimerTimer(); });
}

void TVantaTBMenu::BuildMenus() {
    m_menu1 = new QMenu(this);
    m_menu1->setObjectName("PopupMenu1");
    auto add = [this](QMenu* menu, const char* name, const QString& caption,
                      const QKeySequence& key, std::function<void()> action) {
        QAction* a = ui::AddCommand(this, menu, name, caption, key);
        connect(a, &QAction::triggered, this, [this, action] {
            if (!m_launching) action();
        });
        return a;
    };
    add(m_menu1, "InsertBills1", "&Insert Bills...", Qt::Key_F2, [this] { InsertBills1Click(); });
    add(m_menu1, "StatisticsPage1", "Statistics Page...", Qt::Key_F10,
        [this] { StatisticsPage1Click(); });
    add(m_menu1, "CashOut1", "Cash &Out", QKeySequence(), [this] { CashOut1Click(); });
    add(m_menu1, "Mistakes1", "Mistakes...", QKeySequence(), [this] { Mistakes1Click(); });
    add(m_menu1, "TrainingProgress1", "Training Progress...", QKeySequence(),
        [this] { TrainingProgress1Click(); });
    add(m_menu1, "PracticeDrill1", "Practice &Drill...", QKeySequence(Qt::Key_F12),
        [this] { PracticeDrill1Click(); });
    add(m_menu1, "PayTableAnalysis1", "Pay Table Analysis...", QKeySequence(),
        [this] { PayTableAnalysis1Click(); });
    add(m_menu1, "EditPayTables1", "Edit Pay Tables...", QKeySequence(), [this] {
        if (Windows().payTableEditor) Windows().payTableEditor(this, m_session->LastGame);
    });
    m_menu1->addSeparator()->setObjectName("N3");
    add(m_menu1, "FastCredits1", "Fast Credits", Qt::Key_F3, [this] {
        m_session->PlayEffect(kEffectClick);
        m_session->FastCredits = !m_session->FastCredits;
    })->setCheckable(true);
    add(m_menu1, "Sound_On_Off", "&Sound", Qt::Key_F4, [this] {
        m_session->Sound = !m_session->Sound;
        m_session->PlayEffect(kEffectClick);
    })->setCheckable(true);

    QMenu* modes = m_menu1->addMenu("Playing Modes");
    modes->menuAction()->setObjectName("PlayingModes1");
    auto* modeGroup = new QActionGroup(this);
    auto mode = [&](const char* name, const char* caption, Qt::Key key,
                    std::function<void()> action) {
        QAction* a = add(modes, name, caption, key, std::move(action));
        a->setCheckable(true);
        modeGroup->addAction(a);
    };
    mode("AutoHold1", "Auto Hold", Qt::Key_F5, [this] {
        if (m_session->AutoHold) return;
        m_session->PlayEffect(kEffectClick);
        m_session->AutoHold = true;
        m_session->ShowMistakes = false;
    });
    mode("ShowMistakes1", "Show Mistakes", Qt::Key_F6, [this] {
        if (m_session->ShowMistakes) return;
        m_session->ShowMistakes = true;
        m_session->AutoHold = false;
    });
    mode("Normal1", "Normal", Qt::Key_F7, [this] {
        if (!m_session->AutoHold && !m_session->ShowMistakes) return;
        m_session->PlayEffect(kEffectClick);
        m_session->AutoHold = false;
        m_session->ShowMistakes = false;
    });
    modes->addSeparator();
    add(modes, "PerfectPlay1", "Perfect Play", QKeySequence(), [this] {
        m_session->PlayEffect(kEffectClick);
        m_session->PerfectPlay = !m_session->PerfectPlay;
    })->setCheckable(true);
    m_menu1->addSeparator()->setObjectName("N4");

    QMenu* values = m_menu1->addMenu("&Credit Value");
    values->menuAction()->setObjectName("CreditValue1");
    auto* valueGroup = new QActionGroup(this);
    const char* names1[] = {"MenuNickel", "MenuQuarter", "MenuDollar"};
    const char* captions1[] = {"$0. 05 ( nickel ]", "$0. 25 [ quarter ]", "$1. 00 [ dollar ]"};
    for (int v = 0; v < 3; ++v) {
        QAction* a = add(values, names1[v], captions1[v], QKeySequence(),
                         [this, v] { ChangeCreditValue(v); });
        a->setCheckable(true);
        valueGroup->addAction(a);
        m_valueItems1[static_cast<std::size_t>(v)] = a;
    }

    m_schemeMenu = m_menu1->addMenu("Scheme");
    m_schemeMenu->menuAction()->setObjectName("Scheme1");
    m_schemeGroup = new QActionGroup(this);
    QAction* builtIn =
        add(m_schemeMenu, "default1", "default", QKeySequence(), [this] { Scheme1Click(0); });
    builtIn->setCheckable(true);
    builtIn->setData(0);
    m_schemeGroup->addAction(builtIn);

    m_menu1->addSeparator()->setObjectName("N1");
    add(m_menu1, "Help1", "Help", Qt::Key_F1, [this] { Help1Click(); });
    add(m_menu1, "About1", "&About", QKeySequence(), [this] { About1Click(); });
    m_menu1->addSeparator()->setObjectName("N2");
    add(m_menu1, "Minimize1", "&Minimize", QKeySequence(Qt::CTRL | Qt::Key_M), [this] {
        m_session->PlayEffect(kEffectClick);
        m_minimizedOnce = true;
        showMinimized();
    });
    add(m_menu1, "Exit1", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X), [this] { ExitItemClick(); });
    connect(m_menu1, &QMenu::aboutToShow, this, &TVantaTBMenu::PopupMenu1Popup);

    // The credit-value menu of the coin picture; it opens only on a click there.
    m_menu2 = new QMenu(this);
    m_menu2->setObjectName("PopupMenu2");
    auto* valueGroup2 = new QActionGroup(this);
    const char* names2[] = {"N005nickel1", "N025quarter1", "N100dollar1"};
    const char* captions2[] = {"$0. 05  [ nickel ]", "$0. 25 [ quarter ]", "$1. 00 [ dollar ]"};
    for (int v = 0; v < 3; ++v) {
        auto* a = new QAction(captions2[v], this);
        a->setObjectName(names2[v]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, v] { ChangeCreditValue(v); });
        m_menu2->addAction(a);
        valueGroup2->addAction(a);
        m_valueItems2[static_cast<std::size_t>(v)] = a;
    }
}

void TVantaTBMenu::FormCreate() {
    resize(800, 600);
    ui::CentreOnScreen(this);
    InstallHooks();
    m_session->AttachDisplays(m_creditBox, nullptr, nullptr);

    // The Scheme submenu: one radio item per installed scheme after "default".
    const SchemeListType& list = m_session->SchemeList;
    for (std::size_t i = 1; i < list.size(); ++i) {
        const std::string caption = SchemeCaption(LoadSchemeIni(list[i].directory), list[i].name);
        auto* a = new QAction(Text(caption), this);
        a->setObjectName(QString("SchemeItem%1").arg(i));
        a->setCheckable(true);
        a->setData(static_cast<int>(i));
        const int position = static_cast<int>(i);
        connect(a, &QAction::triggered, this, [this, position] {
            if (!m_launching) Scheme1Click(position);
        });
        m_schemeMenu->addAction(a);
        m_schemeGroup->addAction(a);
    }

    int position = FindScheme(list, m_session->SchemeName);
    if (position < 0) {
        m_session->SchemeName = std::string(kDefaultSchemeName);
        position = 0;
    }
    ApplyMenuScheme(position);
    m_session->DrawCreditMeter();

    UpdateInfoLine();
    // The banner scrolls at the first tick.
    m_page = 0;
    m_infoPlain->hide();
    m_ticks = kInfoTicksBeforeBanner - 1;
    m_pageTimer.start();
}

// ---- the scheme ------------------------------------------------------------------------------

void TVantaTBMenu::LoadMenuPictures(int position) {
    // The folder as the file system names it: a name that is not UTF-8 still works.
    std::filesystem::path dir;
    if (position >= 1) {
        if (auto folder = m_session->SchemeDirectory(position)) dir = *folder;
    }
    SheetLoader& loader = SheetLoader::Instance();
    m_creditsPicture->setPixmap(loader.Pixmap(sheets::Sheet::Credits1, dir));
    m_imageMenu->setPixmap(
        QPixmap::fromImage(loader.Image(sheets::Sheet::InfoArea, dir)
                               .scaled(sheets::kInfoAreaShownWidth, sheets::kInfoAreaShownHeight,
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_gameButtons = loader.Image(sheets::Sheet::GameTyps, dir);
    m_valueSheet = loader.Image(sheets::Sheet::Value, dir);
    m_suiteName->setPixmap(loader.Pixmap(sheets::Sheet::SuiteName, dir));
    m_suiteName->adjustSize();
    m_picker = loader.Image(sheets::Sheet::Picker1, dir);
}

void TVantaTBMenu::ApplyMenuScheme(int position) {
    m_scheme = LoadMenuScheme(m_session->SchemeList, position);
    LoadMenuPictures(position);

    SetFill(m_panelExit, ui::FromColorRef(m_scheme.exitPanelColour));
    static_cast<ExitPanel*>(m_panelExit)->colour = ui::FromColorRef(m_scheme.exitPanelColour);
    m_panelExit->update();
    SetTextColour(m_helpButton, kYellow);
    SetTextColour(m_exitButton, ui::FromColorRef(m_scheme.exitButtonFontColour));
    static_cast<CreditFrame*>(m_panel27)->SetBorder(m_scheme.showCreditBorder);

    const WebLinkArea& link = m_scheme.link;
    if (link.enabled) {
        m_webLink->SetURL(Text(link.address));
        m_webLink->setGeometry(link.left, link.top, link.width, link.height);
        m_webLink->setToolTip(link.hintOn ? Text(link.hint) : QString());
        m_webLink->setEnabled(true);
        m_webLink->show();
        m_webLink->raise();
    } else {
        // An inactive area takes no clicks and shows no hint.
        m_webLink->setToolTip(QString());
        m_webLink->setEnabled(false);
        m_webLink->hide();
    }

    const bool wasOn = m_banner->Enabled();
    m_banner->SetScrollText(m_scheme.menuString.empty() ? kBuiltInBannerText
                                                        : Text(m_scheme.menuString));
    m_scrollEnd = m_banner->Bitmap().width() + m_banner->width() - m_banner->ScrollPixels();
    // The banner's position is 16 bits wide and starts again at 0 after its
    // largest value: a text too long for it hands back at the last position
    // the banner reaches instead of never.
    m_scrollEnd = std::min(m_scrollEnd, 65536 - std::max(1, m_banner->ScrollPixels()));
    if (wasOn) {
        m_banner->SetPosition(0);
        m_banner->SetEnabled(true);
    }
    PntBoxLogosPaint();
    m_valueBox->update();
}

// ---- the game buttons --------------------------------------------------------------------------

void TVantaTBMenu::DrawButtonCell(QPainter& painter, int game) {
    painter.drawImage(ButtonRect(game), m_gameButtons, ToQRect(sheets::GameButton(game)));
}

void TVantaTBMenu::DrawLabels(QPainter& painter) {
    if (!m_scheme.gameTypeNamesVisible) return;
    painter.setFont(ui::SansFont(11));
    painter.setPen(ui::FromColorRef(m_scheme.gameTypeNameFontColour));
    // On a black box of their own: the labels are written again after every
    // move of the frame, and smoothed edges drawn over themselves would thicken.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    const QFontMetrics metrics(painter.font());
    for (int g = 0; g < kGameCount; ++g) {
        const QPoint at = LabelPosition(g);
        painter.drawText(at.x(), at.y() + metrics.ascent(), kLabelText);
    }
}

void TVantaTBMenu::PntBoxLogosPaint() {
    if (m_logosImage.size() != QSize(780, 403))
        m_logosImage = QImage(780, 403, QImage::Format_RGB32);
    m_logosImage.fill(Qt::black);
    {
        QPainter p(&m_logosImage);
        for (int g = 0; g < kGameCount; ++g) DrawButtonCell(p, g);
        DrawLabels(p);
    }
    DrawPicker(m_session->LastGame);
}

void TVantaTBMenu::DrawPicker(int game) {
    if (game < 0 || game >= kGameCount) return;
    {
        QPainter p(&m_logosImage);
        p.drawImage(PickerRect(game), m_picker, ToQRect(sheets::kPickerCell));
        DrawButtonCell(p, game);
        DrawLabels(p);
    }
    m_logos->update();
}

void TVantaTBMenu::ErasePicker(int game) {
    if (game < 0 || game >= kGameCount) return;
    {
        QPainter p(&m_logosImage);
        p.fillRect(PickerRect(game), Qt::black);
        DrawButtonCell(p, game);
    }
    m_logos->update();
}

void TVantaTBMenu::MovePicker(int from, int to) {
    ErasePicker(from);
    DrawPicker(to);
}

void TVantaTBMenu::AnimateButtonPress(int from, int to) {
    if (to != from) {
        MovePicker(from, to);
        ui::Pause(25);
    }
    const QRect area = ButtonRect(to).adjusted(-1, -1, 1, 1);
    const QImage before = m_logosImage.copy(area);
    {
        QPainter p(&m_logosImage);
        p.drawImage(area.topLeft() + QPoint(1, 1), before);
    }
    m_logos->repaint();
    ui::Pause(200);
    {
        QPainter p(&m_logosImage);
        p.drawImage(area.topLeft(), before);
    }
    m_logos->repaint();
    ui::Pause(25);
}

void TVantaTBMenu::SelectGame(int game) {
    MovePicker(m_session->LastGame, game);
    m_session->LastGame = game;
    UpdateInfoLine();
}

// ---- input -----------------------------------------------------------------------------------

void TVantaTBMenu::FormKeyDown(int key) {
    if (m_launching) return;
    const int current = std::clamp(m_session->LastGame, 0, kGameCount - 1);
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_B:
    case Qt::Key_Slash:
    case Qt::Key_Question:
        SelectGame(current == kGameCount - 1 ? 0 : current + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_N:
    case Qt::Key_Z:
        SelectGame(current == 0 ? kGameCount - 1 : current - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        LaunchGame(current);
        break;
    default:
        break;
    }
}

void TVantaTBMenu::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        event->ignore();
        return;
    }
    FormKeyDown(event->key());
}

void TVantaTBMenu::PntBoxLogosMouseDown(Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton || m_launching) return;
    for (int g = 0; g < kGameCount; ++g) {
        if (ButtonRect(g).contains(x, y)) {
            LaunchGame(g);
            return;
        }
    }
}

void TVantaTBMenu::PntBoxLogosMouseMove(int x, int y) {
    if (m_launching) return;
    bool over = false;
    for (int g = 0; g < kGameCount && !over; ++g) over = ButtonRect(g).contains(x, y);
    m_logos->setCursor(over ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TVantaTBMenu::PntBoxValueMouseDown(Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::LeftButton || m_launching) return;
    const int v = std::clamp(m_session->CreditValue, 0, 2);
    m_valueItems2[static_cast<std::size_t>(v)]->setChecked(true);
    m_menu2->exec(globalPos);
}

void TVantaTBMenu::contextMenuEvent(QContextMenuEvent* event) {
    if (m_launching) return;
    PopupMenu1Popup();
    m_menu1->exec(event->globalPos());
}

bool TVantaTBMenu::eventFilter(QObject* watched, QEvent* event) {
    // Installed on the application, the filter sees the keys of every control of this
    // window before the control does: the arrow keys always move the selection instead
    // of moving the focus between controls.
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (widget && widget->window() == this && !QApplication::activePopupWidget() &&
            !QApplication::activeModalWidget() &&
            (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
             key == Qt::Key_Down)) {
            FormKeyDown(key);
            return true;
        }
    }
    if (watched == m_creditBox && event->type() == QEvent::ToolTip) {
        // The credit meter's hint is the money the credits are worth.
        m_creditBox->setToolTip(
            QString::fromStdString(FormatCreditMoney(m_session->Credits, m_session->CreditValue)));
    } else if (watched == m_creditsPicture && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !m_launching) {
            InsertBills1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TVantaTBMenu::InstallHooks() {
    if (m_hooksInstalled || !qApp) return;
    qApp->installEventFilter(this);
    m_hooksInstalled = true;
}

void TVantaTBMenu::RemoveHooks() {
    if (!m_hooksInstalled || !qApp) return;
    qApp->removeEventFilter(this);
    m_hooksInstalled = false;
}

// ---- the information line and the banner ----------------------------------------------------

void TVantaTBMenu::UpdateInfoLine() {
    if (m_session->Credits > 0) {
        m_infoPlain->setText("Click a Screen Button to Select a Game");
        SetTextColour(m_infoPlain, kYellow);
    } else {
        m_infoPlain->setText("Add Credits and Click one of the Game Buttons. Good Luck!");
        SetTextColour(m_infoPlain, kRed);
    }
    m_ticks = 0;
    if (BannerShown()) {
        m_banner->hide();
        m_banner->SetEnabled(false);
        m_infoPlain->show();
        m_page = 2;
    }
}

void TVantaTBMenu::MenuPageTimerTimer() {
    m_page = (m_page + 1) % 3;
    ++m_ticks;
    if (!m_banner->Enabled() && m_ticks >= kInfoTicksBeforeBanner) {
        m_banner->SetPosition(0);
        try {
            m_banner->SetEnabled(true);
        } catch (const BannerError&) {
            return; // nothing to scroll: the line keeps blinking
        }
        m_banner->show();
        m_infoPlain->hide();
        m_banner->update();
    }
    if (!m_banner->Enabled()) m_infoPlain->setVisible(m_page < 2);
}

void TVantaTBMenu::Banner1Scroll() {
    if (m_banner->Position() >= m_scrollEnd) UpdateInfoLine();
}

// ---- the command menu ------------------------------------------------------------------------

QAction* TVantaTBMenu::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void TVantaTBMenu::PopupMenu1Popup() {
    Action("StatisticsPage1")->setEnabled(m_session->Statistics.TotalHandsPlayed() > 0);
    Action("CashOut1")->setEnabled(m_session->Credits >= 1);
    Action("Sound_On_Off")->setChecked(m_session->Sound);
    Action("FastCredits1")->setChecked(m_session->FastCredits);
    Action(m_session->AutoHold       ? "AutoHold1"
           : m_session->ShowMistakes ? "ShowMistakes1"
                                     : "Normal1")
        ->setChecked(true);
    Action("PerfectPlay1")->setChecked(m_session->PerfectPlay);
    const int v = std::clamp(m_session->CreditValue, 0, 2);
    m_valueItems1[static_cast<std::size_t>(v)]->setChecked(true);
    const int scheme = m_session->SchemePosition();
    for (QAction* a : m_schemeGroup->actions())
        if (a->data().toInt() == scheme) a->setChecked(true);
}

bool TVantaTBMenu::BannerShown() const {
    return !m_banner->isHidden();
}

void TVantaTBMenu::SuspendBanner() {
    if (m_banner->Enabled()) m_banner->SetEnabled(false);
}

void TVantaTBMenu::ResumeBanner() {
    if (!BannerShown() || m_banner->Enabled()) return;
    try {
        m_banner->SetEnabled(true);
    } catch (const BannerError&) {
        UpdateInfoLine(); // nothing to scroll: back to the plain line
    }
}

void TVantaTBMenu::RunModal(const std::function<void()>& show) {
    RemoveHooks();
    m_pageTimer.stop();
    SuspendBanner();
    show();
    ResumeBanner();
    m_pageTimer.start();
    InstallHooks();
}

void TVantaTBMenu::InsertBills1Click() {
    RunModal([this] {
        if (m_session->InsertBills() && !BannerShown()) UpdateInfoLine();
    });
}

void TVantaTBMenu::ChangeCreditValue(int value) {
    if (value < 0 || value > 2) return;
    m_session->SetCreditValue(value);
    m_valueBox->update();
    m_session->DrawCreditMeter();
    if (m_session->Credits == 0) UpdateInfoLine();
}

void TVantaTBMenu::Scheme1Click(int position) {
    m_session->PlayEffect(kEffectClick);
    if (m_session->SelectScheme(position)) {
        ApplyMenuScheme(position);
        m_logos->update();
        m_valueBox->update();
    }
}

void TVantaTBMenu::Help1Click() {
    RunModal([this] {
        m_session->PlayEffect(kEffectClick);
        // The help window frees itself when it closes.
        auto* help = new TMenuHelpForm(this);
        help->exec();
    });
}

void TVantaTBMenu::About1Click() {
    RunModal([this] { m_session->ShowAbout(); });
}

void TVantaTBMenu::StatisticsPage1Click() {
    // The shortcut works while the menu is closed, so the rule is checked here too.
    if (m_session->Statistics.TotalHandsPlayed() <= 0) return;
    RemoveHooks();
    m_session->ShowStatistics();
    InstallHooks();
}

void TVantaTBMenu::Mistakes1Click() {
    if (!Windows().mistakes) return;
    RunModal([this] { Windows().mistakes(*m_session, *m_view, this, m_session->LastGame); });
}

void TVantaTBMenu::TrainingProgress1Click() {
    if (!Windows().trainingProgress) return;
    RunModal([this] { Windows().trainingProgress(*m_session, *m_view, this); });
}

void TVantaTBMenu::PracticeDrill1Click() {
    if (!Windows().practiceDrill) return;
    // The drill starts in the last game at the pay table that game was left with.
    const int game = m_session->LastGame;
    const auto settings = m_session->Settings().LoadGame(game);
    const int payTable = settings.AltPayTable ? 1 : 0;
    const NamedPayTable* named = settings.PayTableName.empty()
                                     ? nullptr
                                     : ThePayTableBook().Find(game, settings.PayTableName);
    RunModal([this, game, payTable, named] {
        Windows().practiceDrill(*m_session, *m_view, this, game, payTable, named);
    });
}

void TVantaTBMenu::PayTableAnalysis1Click() {
    if (!Windows().payTableAnalysis) return;
    // The last game at the pay table and bet that game was left with.
    const int game = m_session->LastGame;
    const GameSettings settings = m_session->Settings().LoadGame(game);
    RunModal([this, game, settings] {
        const NamedPayTable* named = settings.PayTableName.empty()
                                         ? nullptr
                                         : ThePayTableBook().Find(game, settings.PayTableName);
        Windows().payTableAnalysis(*m_session, this, game, settings.AltPayTable ? 1 : 0,
                                   settings.LastBet, named);
    });
}

void TVantaTBMenu::CashOut1Click() {
    if (m_session->Credits < 1) return;
    m_session->CashOut();
    UpdateInfoLine();
}

void TVantaTBMenu::ExitItemClick() {
    m_session->PlayEffect(kEffectButtonPress);
    close();
}

// ---- launching a game ------------------------------------------------------------------------

void TVantaTBMenu::LaunchGame(int game) {
    if (game < 0 || game >= kGameCount || m_launching) return;
    m_launching = true;
    m_session->PlayEffect(kEffectButtonPress);
    AnimateButtonPress(m_session->LastGame, game);
    m_session->LastGame = game;
    RemoveHooks();
    m_pageTimer.stop();
    // The banner waits behind the game like the information line.
    SuspendBanner();

    const WindowRegistry& registry = Windows();
    QPointer<QDialog> screen;
    if (registry.gameScreens)
        screen = registry.gameScreens(GameScreenContext{game, *m_session, *m_view}, nullptr);
    if (screen) {
        hide();
        screen->exec();
        // A screen that did not free itself on closing goes now.
        delete screen.data();
    }

    InstallHooks();
    m_session->AttachDisplays(m_creditBox, nullptr, nullptr);
    m_session->DrawCreditMeter();
    // A menu minimized once and restored by the desktop since keeps an old "minimized"
    // record in the window system (on X11 the hint a window is mapped with) that would
    // show it minimized again: the state is set through minimized to normal, which
    // writes that record afresh, before the menu is shown.
    if (m_minimizedOnce || isMinimized()) {
        setWindowState(windowState() | Qt::WindowMinimized);
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    activateWindow();
    if (BannerShown())
        ResumeBanner();
    else
        UpdateInfoLine();
    // The game may have played the run's first hand: the F10 shortcut of the
    // statistics works from now on, not only after the command menu opened.
    PopupMenu1Popup();
    m_pageTimer.start();
    m_launching = false;
}

// ---- painting --------------------------------------------------------------------------------

void TVantaTBMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::DrawWindowFrame(p, rect());
}

} // namespace quintaro
