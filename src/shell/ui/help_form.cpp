#include "shell/ui/help_form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "components/press_button.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "shell/ui/maker_info.h"

namespace quintaro {

namespace {

using ui::kMaroon;
using ui::kYellow;

constexpr std::array<HelpPageText, 3> kGameHelpPages{{
    {"<h3>Playing a hand</h3>"
     "<p><b>Bet</b> with the {Ctrl} key (one credit a press), or click {BET 1} for one credit "
     "or {MAX BET} for five. {MAX BET} deals at once.</p>"
     "<p><b>Deal</b> after betting less than five credits with the {Space bar}, {Enter} or the "
     "{DEAL} button.</p>"
     "<p><b>Hold</b> a card by clicking it, or with the bottom row of keys: {Z} or {N} holds "
     "card 1, {X} or {M} card 2, {C} or {,} (comma) card 3, {V} or {.} (full stop) card 4, {B} or "
     "{/} card 5. Press "
     "again to release it. Dragging across the cards with the left button held toggles each "
     "card once.</p>"
     "<p>While the <b>Insert Bills</b> window is open, the keys {1} to {5} insert the bills.</p>"
     "<p><b>Draw</b> with {Enter}, the {Space bar} or the {DRAW} button: new cards replace the "
     "ones you did not hold, and a win is paid into your credits.</p>"
     "<p>The {SPEED} button changes how fast the cards are dealt.</p>"
     "<p>{F10} shows the statistics of each game and of the whole run. It becomes active once "
     "at least one hand has been played.</p>"},
    {"<h3>Playing modes and pay tables</h3>"
     "<p>The current playing mode is shown at the bottom left of the game screen, below the "
     "{HELP} button.</p>"
     "<p>{F5} <b>Auto Hold</b> holds the best cards after every deal, for this game and the pay "
     "table in use.</p>"
     "<p>{F6} <b>Show Mistakes</b> is the teaching mode. It stays on for all games until you "
     "switch it off. When you draw with a hold that is not the expert play, it stops the draw "
     "and shows you what the strategy holds.</p>"
     "<p>{F7} <b>Normal</b> play gives no warnings and no help.</p>"
     "<p><b>Perfect Play</b> in the same menu makes Auto Hold and Show Mistakes judge a hold by "
     "its exact value, so every hold as good as the best passes.</p>"
     "<p><b>Pay tables.</b> Most games offer two pay tables in the right-click menu. A name "
     "like {9/6} gives the one-coin pay of a full house (9) and of a flush (6). Higher pays "
     "return more: Jacks or Better on the {9/6} table returns 99.5 % with perfect play. The "
     "correct play depends on the pay table, so the strategy is computed for each one.</p>"},
    {"<h3>Tools and fair play</h3>"
     "<p>{F8} <b>Build Hand</b> lets you pick any five cards and shows the recommended hold "
     "for the current game and pay table.</p>"
     "<p>{F9} <b>Strategy Table</b> shows the whole ranked strategy of the current game and "
     "pay table, the one Auto Hold and Show Mistakes use, with the entry of the hand on the "
     "table selected.</p>"
     "<p>{F11} <b>Hold Values</b> shows the exact value of every hold of the hand, best first; "
     "after the draw, with your own hold marked.</p>"
     "<p>{F3} <b>Fast Credits</b> pays a win at once instead of counting it up, which speeds "
     "the game up. {Esc} during a count-up pays the rest at once.</p>"
     "<p>Changing the scheme, or letting a hand sit for a long time while holding four to a "
     "royal, does not change the outcome of the draw.</p>"
     "<p>Replacement cards are dealt in order: the first card drawn goes into the first "
     "discarded position from the left, and so on.</p>"
     "<p>The read-me file and the description of each scheme hold more information. New "
     "games, schemes and news are on our web site. Thank you for playing!</p>"},
}};

constexpr std::array<HelpPageText, 3> kMenuHelpPages{{
    {"<h3>Finding your way</h3>"
     "<p>A <b>right click</b> on any screen opens its pop-up menu with the options that apply "
     "there.</p>"
     "<p>Wherever the pointer turns into a hand, a click does something: the game buttons, the "
     "credit meter, the coin that shows the credit value and the other pictures of the menu.</p>"
     "<p>For help on playing, use the {HELP} button of any game screen, or {F1} there.</p>"
     "<p>Choose a game by clicking one of the nine game buttons, or move the green frame with "
     "the arrow keys.</p>"
     "<p>End the program with {Exit} in the pop-up menu ({Ctrl+X}) or the {Exit} button.</p>"
     "<p>Rest the mouse on the credit meter to see the cash value of your credits.</p>"
     "<p>A clickable area in the bottom panel of the menu leads to a web site: ours with the "
     "built-in look, or one chosen by the scheme in use.</p>"},
    {"<h3>Money and keys</h3>"
     "<p>Insert credits with {F2}, by clicking the credit meter, or with {Insert Bills...} in "
     "the pop-up menu of any game screen.</p>"
     "<p>Change the credit value with {Credit Value} in the pop-up menu, or by clicking the "
     "coin. Your credits are converted to the new value and rounded down.</p>"
     "<p>{Enter} or the {Space bar} starts the selected game.</p>"
     "<p>{Esc} during the counting of a large win adds the remaining credits at once and ends "
     "the hand.</p>"
     "<p>{Cash Out} in the pop-up menu removes all credits.</p>"
     "<p>Every game can be played from the keyboard; the {HELP} of each game lists its keys.</p>"
     "<p>{F4} switches the sound on or off.</p>"},
    {"<h3>Schemes and requirements</h3>"
     "<p>Change the look of the games with {Scheme} in the pop-up menu. Schemes can be made, "
     "obtained and shared; the read-me file tells how to start one from the built-in look.</p>"
     "<p>{Auto Hold} plays the correct strategy for the game and its pay table. It, the "
     "strategy table and the hand builder are reached with a right click on a game screen.</p>"
     "<p>Quintaro needs a screen of at least 800 by 600 pixels in High Color (16 bits) or True "
     "Color. A 133&nbsp;MHz processor or better is recommended.</p>"
     "<p>Questions, ideas for new games and schemes of your own are welcome on our web "
     "site.</p>"},
}};

} // namespace

QString HelpFormBase::Highlight(const char* text) {
    QString out;
    const QString in = QString::fromUtf8(text);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '{') {
            const qsizetype end = in.indexOf('}', i);
            if (end > i) {
                out += "<span style=\"color:#ffff00; font-weight:bold\">" +
                       in.mid(i + 1, end - i - 1).toHtmlEscaped() + "</span>";
                i = end;
                continue;
            }
        }
        out += in[i];
    }
    return out;
}

HelpFormBase::HelpFormBase(const Layout& layout, const QString& title,
                           const std::array<HelpPageText, 3>& pages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_layout(layout) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(800, 600);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(layout.notebook);
    QPalette pagePal = m_pages->palette();
    pagePal.setColor(QPalette::Window, kMaroon);
    pagePal.setColor(QPalette::WindowText, Qt::white);
    m_pages->setPalette(pagePal);
    m_pages->setAutoFillBackground(true);

    const QString buttonStyle =
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e0e0e0; }"
        "QPushButton:pressed { border: 2px inset #808080; }"
        "QPushButton:focus { border: 2px solid black; }";

    for (int i = 0; i < 3; ++i) {
        auto* page = new QWidget(m_pages);
        m_titleShadow[i] = new QLabel(title, page);
        m_titleShadow[i]->setGeometry(21, 12, 560, 36);
        m_titleShadow[i]->setFont(ui::SansFont(28, true));
        m_titleShadow[i]->setStyleSheet("color: black");
        m_title[i] = new QLabel(title, page);
        m_title[i]->setGeometry(20, 10, 560, 36);
        m_title[i]->setFont(ui::SansFont(28, true));
        m_title[i]->setStyleSheet("color: #ffff00");

        m_pageNumber[i] = new QLabel(QString("Page %1.").arg(i + 1), page);
        m_pageNumber[i]->setGeometry(630, 16, 100, 24);
        m_pageNumber[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_pageNumber[i]->setFont(ui::SansFont(16, true));
        m_pageNumber[i]->setStyleSheet("color: white");

        m_text[i] = new QLabel(page);
        m_text[i]->setGeometry(30, 52, 690, 418);
        m_text[i]->setTextFormat(Qt::RichText);
        m_text[i]->setWordWrap(true);
        m_text[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_text[i]->setFont(ui::SansFont(16));
        m_text[i]->setStyleSheet("color: white");
        m_text[i]->setText(Highlight(pages[i].text));

        auto makeButton = [&](const char* caption, int x) {
            auto* b = new ui::PressButton(caption, page);
            b->setGeometry(x, 483, 144, 36);
            b->setFont(ui::SansFont(15, true));
            b->setStyleSheet(buttonStyle);
            return b;
        };
        if (i < 2) {
            m_next[i] = makeButton("Next Page", 102);
            connect(m_next[i], &QPushButton::clicked, this, &HelpFormBase::NextPageClick);
        }
        if (i > 0) {
            m_previous[i] = makeButton("Previous Page", 302);
            connect(m_previous[i], &QPushButton::clicked, this, &HelpFormBase::PreviousPageClick);
        }
        m_exit[i] = makeButton("Exit Help", 502);
        connect(m_exit[i], &QPushButton::clicked, this, &HelpFormBase::ExitHelpClick);
        m_pages->addWidget(page);
    }

    // The last page ends with the way to the maker's web site.
    m_link = new TURLLabel(m_pages->widget(2));
    m_link->setText(QString("www.ostrelwyn.example"));
    m_link->SetURL(kMakerWebAddress);
    m_link->setFont([] {
        QFont f = ui::SansFont(16, true);
        f.setUnderline(true);
        return f;
    }());
    m_link->SetColorNormal(kYellow);
    m_link->SetColorMoveOver(Qt::white);
    m_link->setToolTip(kMakerLinkHint);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setGeometry(30, 440, 300, 26);

    ShowPage(0);
    ui::CentreOnScreen(this);
}

void HelpFormBase::ShowPage(int index) {
    m_pages->setCurrentIndex(index);
    for (int i = 0; i < 3; ++i) m_exit[i]->setDefault(i == index);
}

void HelpFormBase::NextPageClick() {
    if (PageIndex() < 2) ShowPage(PageIndex() + 1);
}

void HelpFormBase::PreviousPageClick() {
    if (PageIndex() == 1) {
        ShowPage(0);
    } else if (PageIndex() == 2) {
        ShowPage(1);
        m_previous[1]->setFocus(Qt::OtherFocusReason);
    }
}

void HelpFormBase::ExitHelpClick() {
    accept();
}

void HelpFormBase::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_exit[PageIndex()]->setFocus(Qt::OtherFocusReason);
}

void HelpFormBase::keyPressEvent(QKeyEvent* event) {
    // Esc is the Exit Help button's, and it closes with a positive result.
    if (event->key() == Qt::Key_Escape) {
        m_exit[PageIndex()]->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HelpFormBase::paintEvent(QPaintEvent*) {
    QImage frame(size(), QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter p(&frame);
    ui::DrawWindowFrame(p, rect());
    QPen pen(kYellow, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(18 + 1, 25 + 1, 764 - 2, m_layout.frameHeight - 2));
    p.end();
    QPainter(this).drawImage(0, 0, frame);
}

QString TGameHelpForm::TitleFor(const QString& gameName) {
    // Names that already end in "Poker" are not given a second one.
    if (gameName.endsWith(" Poker")) return gameName + " Help";
    return gameName + " Poker Help";
}

TGameHelpForm::TGameHelpForm(const QString& gameName, QWidget* parent)
    : HelpFormBase({540, QRect(27, 32, 751, 527)}, TitleFor(gameName), kGameHelpPages, parent) {
    setObjectName("TGameHelpForm");
}

TMenuHelpForm::TMenuHelpForm(QWidget* parent)
    : HelpFormBase({545, QRect(25, 32, 751, 532)}, "Quintaro Menu Help", kMenuHelpPages, parent) {
    setObjectName("TMenuHelpForm");
}

} // namespace quintaro
