// The generated list before any Qt header: a list field is named like a Qt keyword.
#include "generate/generated_list.h"
#include "strategy/strategy_list.h"

#include "strategy/ui/hand_builder_form.h"

#include <algorithm>
#include <utility>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_engine.h"
#include "exact/exact_analysis.h"
#include "shell/pay_table_file.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "strategy/ui/hold_values_view.h"

namespace quintaro {

namespace {

using ui::kMaroon;
using ui::kNavy;
using ui::kYellow;
using ui::MakeLabel;
using ui::SetTextColour;
using ui::Text;

const QColor kFormGrey(128, 128, 128);
using ui::kAqua;
using ui::kRed;
using ui::kTeal;

// The suit symbols come from a face that has them at every size.
QFont SymbolFont(int pixelSize) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Symbol"});
    font.setPixelSize(pixelSize);
    return font;
}

QColor SuitColour(std::int32_t suit) {
    return IsRedSuit(suit) ? kRed : Qt::black;
}

// The rounded rectangle of a small card: solid white while the card can be
// picked, a teal cross-hatch once it is in the hand.
class PickerShape : public QWidget {
public:
    explicit PickerShape(QWidget* parent) : QWidget(parent) {}
    void SetTaken(bool taken) {
        m_taken = taken;
        update();
    }
    bool Taken() const { return m_taken; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, 5, 5);
        if (m_taken) {
            p.setBrush(QBrush(kTeal, Qt::DiagCrossPattern));
            p.drawRoundedRect(r, 5, 5);
        }
    }

private:
    bool m_taken = false;
};

// A place of the hand: a navy cross-hatched back with a white border while
// empty, a plain white face once a card is in it.
class CardPlace : public QWidget {
public:
    explicit CardPlace(QWidget* parent) : QWidget(parent) {}
    void SetBack(bool back) {
        m_back = back;
        update();
    }
    bool Back() const { return m_back; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, 6, 6);
        if (m_back) {
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(kNavy, Qt::DiagCrossPattern));
            p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 4, 4);
        }
    }

private:
    bool m_back = true;
};

// The black rounded rectangle every place stands on.
class BlackShape : public QWidget {
public:
    explicit BlackShape(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(rect()), 8, 8);
    }
};

} // namespace

THandBuilderForm::THandBuilderForm(TVantaSession* session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("HandBuilderForm");
    setWindowTitle("Select the 5 cards to check for hold. Strategy varies with the game type.");
    setFixedSize(562, 532);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    m_titleShadow = MakeLabel(this, QString(), QRect(41, 10, 484, 28), ui::SansFont(21, true),
                              kNavy, Qt::AlignCenter);
    m_titleShadow->setObjectName("LbGamePageShad");
    m_title = MakeLabel(this, QString(), QRect(39, 8, 484, 28), ui::SansFont(21, true), Qt::white,
                        Qt::AlignCenter);
    m_title->setObjectName("LbGamePage");

    BuildPicker();
    BuildHandArea();
    BuildBottomPanel();
    BtnClearHandClick();
    ui::CentreOnScreen(this);
}

void THandBuilderForm::BuildPicker() {
    const QFont rankFont = ui::SansFont(14, true);
    const QFont suitFont = SymbolFont(27);
    for (Card n = 0; n < kCardCount; ++n) {
        const std::int32_t rank = RankOf(n);
        const std::int32_t suit = SuitOf(n);
        const int x = SmallCardLeft(rank);
        const int y = SmallCardTop(suit);
        const auto i = static_cast<std::size_t>(n);
        auto* shape = new PickerShape(this);
        shape->setObjectName(QString("sc%1").arg(n));
        shape->setGeometry(x, y, kSmallCardWidth, kSmallCardHeight);
        m_shapes[i] = shape;
        m_ranks[i] = MakeLabel(this, QString(), QRect(x + 1, y + 2, kSmallCardWidth - 2, 16),
                               rankFont, SuitColour(suit), Qt::AlignCenter);
        m_ranks[i]->setObjectName(QString("v%1").arg(n));
        m_suits[i] = MakeLabel(this, QString(), QRect(x + 1, y + 16, kSmallCardWidth - 2, 28),
                               suitFont, SuitColour(suit), Qt::AlignCenter);
        m_suits[i]->setObjectName(QString("s%1").arg(n));
        for (QWidget* w : {static_cast<QWidget*>(shape), static_cast<QWidget*>(m_ranks[i]),
                           static_cast<QWidget*>(m_suits[i])}) {
            w->setProperty("tag", n);
            w->installEventFilter(this);
        }
    }
}

void THandBuilderForm::BuildHandArea() {
    const QFont holdFont = ui::SansFont(16, true);
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int x = PlaceLeft(i);
        auto* under = new BlackShape(this);
        under->setGeometry(x - 3, kPlaceTop - 3, kPlaceWidth + 6, kPlaceHeight + 6);
        auto* place = new CardPlace(this);
        place->setObjectName(QString("sh%1").arg(i));
        place->setGeometry(x, kPlaceTop, kPlaceWidth, kPlaceHeight);
        m_places[k] = place;
        m_placeRanks[k] =
            MakeLabel(this, QString(), QRect(x + 2, kPlaceTop + 6, kPlaceWidth - 4, 34),
                      ui::SansFont(27, true), Qt::black, Qt::AlignCenter);
        m_placeRanks[k]->setObjectName(QString("lbValue%1").arg(i));
        m_placeSuits[k] =
            MakeLabel(this, QString(), QRect(x + 2, kPlaceTop + 42, kPlaceWidth - 4, 56),
                      SymbolFont(46), Qt::black, Qt::AlignCenter);
        m_placeSuits[k]->setObjectName(QString("lbSuite%1").arg(i));
        m_holds[k] = MakeLabel(this, "HOLD", QRect(x - 6, 372, kPlaceWidth + 12, 20), holdFont,
                               Qt::white, Qt::AlignCenter);
        m_holds[k]->setObjectName(QString("LbHold%1").arg(i));
        m_holds[k]->hide();
    }

    const QFont resultFont = ui::SansFont(12, true);
    m_lbStrategy = MakeLabel(this, QString(), QRect(25, 400, 390, 17), resultFont, kAqua);
    m_lbStrategy->setObjectName("LbStrategy");
    m_lbRank = MakeLabel(this, "Rank:", QRect(25, 420, 40, 17), resultFont, kAqua);
    m_lbRankVal = MakeLabel(this, QString(), QRect(66, 420, 120, 17), resultFont, kAqua);
    m_lbRankVal->setObjectName("LbRankVal");
    m_lbEV = MakeLabel(this, "Expected Value:", QRect(201, 420, 100, 17), resultFont, kAqua);
    m_lbEV->setObjectName("LbEV");
    m_lbRankEV = MakeLabel(this, QString(), QRect(301, 420, 140, 17), resultFont, kAqua);
    m_lbRankEV->setObjectName("LbRankEV");
}

void THandBuilderForm::BuildBottomPanel() {
    // The pay table hands are judged with: the built-in two, the player's own, the catalogue's.
    MakeLabel(this, "Pay Table:", QRect(25, 444, 80, 22), ui::SansFont(12, true), kAqua);
    m_payChoice = new QComboBox(this);
    m_payChoice->setObjectName("PayTableChoice");
    m_payChoice->setGeometry(106, 442, 290, 24);
    m_payChoice->setFont(ui::SansFont(12, true));
    m_payChoice->setStyleSheet("QComboBox { background: #c0c0c0; color: black; "
                               "border: 2px outset #e8e8e8; padding-left: 4px; }");
    m_payChoice->setFocusPolicy(Qt::NoFocus);
    connect(m_payChoice, &QComboBox::activated, this, [this](int index) {
        ui::PlayEffect(kEffectClick);
        ChoosePayTable(index);
    });

    QWidget* panel = ui::AddBrandStrip(this, QRect(0, 475, 562, 57));

    const QString style =
        "QPushButton { background: #c0c0c0; color: %1; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }";
    const QFont buttonFont = ui::SansFont(13, true);
    m_strategyBtn = new QPushButton("Strategy Table...", panel);
    m_strategyBtn->setObjectName("StrategyBtn");
    m_strategyBtn->setGeometry(106, 13, 136, 31);
    m_strategyBtn->setCursor(Qt::PointingHandCursor);
    m_strategyBtn->setStyleSheet(style.arg("black"));
    m_clearBtn = new ui::PressButton("Clear the Hand", panel);
    m_clearBtn->setObjectName("BtnClearHand");
    m_clearBtn->setGeometry(260, 13, 136, 31);
    m_clearBtn->setStyleSheet(style.arg("#ff0000"));
    m_cancelBtn = new ui::PressButton("Close the Form", panel);
    m_cancelBtn->setObjectName("CancelBtn");
    m_cancelBtn->setGeometry(414, 13, 136, 31);
    m_cancelBtn->setStyleSheet(style.arg("black"));
    for (QPushButton* b : {m_strategyBtn, static_cast<QPushButton*>(m_clearBtn),
                           static_cast<QPushButton*>(m_cancelBtn)}) {
        b->setFont(buttonFont);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_strategyBtn, &QPushButton::clicked, this, &THandBuilderForm::StrategyBtnClick);

    // Beside the result: the exact values of every hold of the built hand.
    m_valuesBtn = new QPushButton("Hold Values...", this);
    m_valuesBtn->setObjectName("HoldValuesBtn");
    m_valuesBtn->setGeometry(424, 401, 126, 31);
    m_valuesBtn->setCursor(Qt::PointingHandCursor);
    m_valuesBtn->setStyleSheet(style.arg("black"));
    m_valuesBtn->setFont(buttonFont);
    m_valuesBtn->setAutoDefault(false);
    m_valuesBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_valuesBtn, &QPushButton::clicked, this, [this] { HoldValuesBtnClick(); });
    connect(m_clearBtn, &QPushButton::clicked, this, &THandBuilderForm::BtnClearHandClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int THandBuilderForm::Coins() const {
    if (m_loaded) return m_loaded->coins;
    const GameEngine* engine = Engine();
    if (!engine) return 1;
    return engine->bet > 0 ? engine->bet : engine->lastBet;
}

bool THandBuilderForm::PlaceShowsBack(int place) const {
    return static_cast<CardPlace*>(m_places[static_cast<std::size_t>(place)])->Back();
}

void THandBuilderForm::LoadHand(int game, int choice, int coins, const std::array<Card, 5>& cards,
                                const std::optional<NamedPayTable>& named) {
    m_toLoad = LoadedHand{game, choice ? 1 : 0, std::clamp(coins, 1, 5), cards, named};
    if (m_toLoad->named && m_toLoad->named->game != game) m_toLoad->named.reset();
}

void THandBuilderForm::FillPayChoice() {
    m_tables.clear();
    for (const NamedPayTable* t : ThePayTableBook().OwnFor(m_game)) m_tables.push_back(*t);
    for (const NamedPayTable* t : CatalogueTablesFor(m_game)) m_tables.push_back(*t);
    // A table that is no longer in the book (a hand from the record) is offered as it was.
    if (m_named && std::find(m_tables.begin(), m_tables.end(), *m_named) == m_tables.end())
        m_tables.push_back(*m_named);
    const QSignalBlocker block(m_payChoice);
    m_payChoice->clear();
    for (int c = 0; c < 2; ++c) m_payChoice->addItem(Text(PayTableMenuCaption(m_game, c)));
    for (const NamedPayTable& t : m_tables) m_payChoice->addItem(QString::fromStdString(t.name));
    int index = m_choice;
    if (m_named)
        index = 2 + static_cast<int>(std::find(m_tables.begin(), m_tables.end(), *m_named) -
                                     m_tables.begin());
    m_payChoice->setCurrentIndex(index);
}

void THandBuilderForm::ChoosePayTable(int index) {
    if (index < 0 || index >= 2 + static_cast<int>(m_tables.size())) return;
    if (index < 2) {
        m_choice = index;
        m_named.reset();
    } else {
        m_named = m_tables[static_cast<std::size_t>(index - 2)];
    }
    if (m_payChoice->currentIndex() != index) {
        const QSignalBlocker block(m_payChoice);
        m_payChoice->setCurrentIndex(index);
    }
    ShowTitle();
    if (m_hand.Complete()) ShowResult();
}

void THandBuilderForm::ShowTitle() {
    const std::string_view name = GameInfoFor(m_game).windowName;
    const QString title =
        m_named ? QString("(%1) %2").arg(QString::fromStdString(m_named->name)).arg(Text(name))
                : Text(HandBuilderTitle(m_game, m_choice, name));
    m_title->setText(title);
    m_titleShadow->setText(title);
}

void THandBuilderForm::FormShow() {
    m_loaded = std::exchange(m_toLoad, std::nullopt);
    const GameEngine* engine = Engine();
    m_game = engine ? engine->game : (m_session ? m_session->LastGame : 0);
    if (m_loaded) m_game = m_loaded->game;
    if (!IsValidGame(m_game)) m_game = 0;
    m_named.reset();
    if (m_loaded) {
        m_choice = m_loaded->choice;
        m_named = m_loaded->named;
    } else {
        m_choice = engine && engine->altPayTable ? 1 : 0;
        if (engine && engine->NamedTableInForce())
            m_named = NamedPayTable{engine->game, engine->payTableName, engine->ScheduleInForce()};
    }
    FillPayChoice();
    ShowTitle();
    // Values opened for the hands of an earlier visit go with it.
    for (QWidget* view : findChildren<QWidget*>("HoldValuesView", Qt::FindDirectChildrenOnly))
        view->close();
    BtnClearHandClick();
    if (m_loaded)
        for (Card c : m_loaded->cards) AddToHand(c);
}

void THandBuilderForm::SetSmallCardTaken(Card card, bool taken) {
    const auto i = static_cast<std::size_t>(card);
    static_cast<PickerShape*>(m_shapes[i])->SetTaken(taken);
    m_ranks[i]->setText(taken ? QString() : Text(RankText(RankOf(card))));
    m_suits[i]->setText(taken ? QString() : Text(SuitSymbol(SuitOf(card))));
    const Qt::CursorShape cursor = taken ? Qt::ArrowCursor : Qt::PointingHandCursor;
    for (QWidget* w :
         {m_shapes[i], static_cast<QWidget*>(m_ranks[i]), static_cast<QWidget*>(m_suits[i])})
        w->setCursor(cursor);
}

void THandBuilderForm::ClickOnSmallCards(Card card, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !IsValidCard(card)) return;
    ui::PlayEffect(kEffectClick);
    AddToHand(card);
}

void THandBuilderForm::AddToHand(Card card) {
    if (!IsValidCard(card)) return;
    const int place = m_hand.Count();
    if (m_hand.Add(card) != BuiltHand::Pick::Added) return;

    SetSmallCardTaken(card, true);
    const auto k = static_cast<std::size_t>(place);
    static_cast<CardPlace*>(m_places[k])->SetBack(false);
    const QColor colour = SuitColour(SuitOf(card));
    m_placeSuits[k]->setText(Text(SuitSymbol(SuitOf(card))));
    SetTextColour(m_placeSuits[k], colour);
    m_placeRanks[k]->setText(Text(RankText(RankOf(card))));
    SetTextColour(m_placeRanks[k], colour);

    if (!m_hand.Complete()) return;
    for (std::size_t i = 0; i < kCardCount; ++i)
        for (QWidget* w :
             {m_shapes[i], static_cast<QWidget*>(m_ranks[i]), static_cast<QWidget*>(m_suits[i])})
            w->setCursor(Qt::ArrowCursor);
    ShowResult();
}

void THandBuilderForm::ShowResult() {
    if (m_named) {
        // A named table is judged by its generated list once it is ready, by
        // perfect play on its pays until then.
        const std::array<Card, 5>& cards = m_hand.Cards();
        m_result = {};
        const auto list =
            Windows().generatedList ? Windows().generatedList(m_game, m_named->pays) : nullptr;
        if (list) {
            HandAnalysis analysis;
            Recommendation advice;
            AdviseGenerated(*list, cards, analysis, advice);
            const StrategyEntry& entry = list->list.Entry(advice.strategyIndex);
            for (std::size_t p = 0; p < 5; ++p) m_result.hold[p] = advice.hold[p] != 0;
            m_result.rank = advice.strategyIndex;
            m_result.name = entry.name ? entry.name : "";
            m_result.rankText = std::to_string(advice.strategyIndex);
            m_result.valueText = FormatStrategyValue(entry.ev);
        } else {
            const exact::HoldValues values =
                exact::AnalyseHolds(m_game, m_named->pays, Coins(), cards);
            m_result.hold = exact::HeldOf(values.best);
            m_result.name = std::string("Perfect play");
            m_result.rankText = std::string("-");
            m_result.valueText = FormatStrategyValue(values.PerCoin(values.best));
        }
    } else {
        m_result = JudgeBuiltHand(m_game, Choice(), Coins(), m_hand.Cards());
    }
    for (std::size_t i = 0; i < 5; ++i) m_holds[i]->setVisible(m_result.hold[i]);
    m_lbStrategy->setText(QString::fromStdString(m_result.name));
    m_lbRankVal->setText(QString::fromStdString(m_result.rankText));
    m_lbRankEV->setText(QString::fromStdString(m_result.valueText));
    ShowResultLines(true);
}

void THandBuilderForm::ShowResultLines(bool shown) {
    for (QWidget* w : {static_cast<QWidget*>(m_lbStrategy), static_cast<QWidget*>(m_lbRank),
                       static_cast<QWidget*>(m_lbRankVal), static_cast<QWidget*>(m_lbEV),
                       static_cast<QWidget*>(m_lbRankEV), static_cast<QWidget*>(m_strategyBtn)})
        w->setVisible(shown);
    if (m_valuesBtn) m_valuesBtn->setVisible(shown);
}

void THandBuilderForm::BtnClearHandClick() {
    for (int place = 0; place < 5; ++place) {
        const auto k = static_cast<std::size_t>(place);
        m_placeRanks[k]->clear();
        m_placeSuits[k]->clear();
        static_cast<CardPlace*>(m_places[k])->SetBack(true);
        m_holds[k]->hide();
    }
    m_hand.Clear();
    // Every small card back in the picker, with the hand cursor.
    for (Card n = 0; n < kCardCount; ++n) SetSmallCardTaken(n, false);
    m_result = {};
    ShowResultLines(false);
}

void THandBuilderForm::StrategyBtnClick() {
    if (!m_hand.Complete()) return;
    if (m_named) {
        if (m_openNamedTable) m_openNamedTable(*m_named, Coins(), m_result.rank);
        return;
    }
    if (m_result.rank < 1) return;
    if (m_openTable) m_openTable(m_game, Choice(), Coins(), m_result.rank);
}

QWidget* THandBuilderForm::HoldValuesBtnClick() {
    if (!m_hand.Complete()) return nullptr;
    HoldValuesQuery request;
    request.game = m_game;
    request.choice = Choice();
    if (m_named) {
        request.tableName = m_named->name;
        request.pays = m_named->pays;
    }
    request.coins = Coins();
    request.cards = m_hand.Cards();
    return OpenHoldValues(this, request);
}

void THandBuilderForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    ui::CentreOnScreen(this);
}

bool THandBuilderForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const QVariant tag = watched->property("tag");
        if (tag.isValid()) {
            ClickOnSmallCards(tag.toInt(), static_cast<QMouseEvent*>(event)->button());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quintaro
