#include "record/ui/practice_drill_form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "components/window_kit.h"
#include "core/game_variant.h"
#include "core/pay_table.h"
#include "record/progress.h"
#include "shell/pay_table_file.h"
#include "shell/ui/game_launch.h"

namespace quintaro {

namespace {

using ui::kYellow;
using ui::Text;

const QColor kFelt = ui::FromColorRef(482356);
using ui::kLime;
const QColor kSoftRed(255, 80, 80);

QLabel* Caption(QWidget* parent, const QRect& rect, int size, const QColor& colour,
                bool bold = true) {
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setFont(ui::SansFont(size, bold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

void Colour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

QString Credits(double v) {
    return QString::number(v, 'f', 4) + " credits";
}

// The hold keys of the table: Z X C V B, N M , . /, and the numeric pad's 1 to 5.
int PositionOfKey(const QKeyEvent* e) {
    const bool pad = e->modifiers() & Qt::KeypadModifier;
    switch (e->key()) {
    case Qt::Key_Z:
    case Qt::Key_N:
        return 0;
    case Qt::Key_X:
    case Qt::Key_M:
        return 1;
    case Qt::Key_C:
    case Qt::Key_Comma:
        return 2;
    case Qt::Key_V:
    case Qt::Key_Period:
        return 3;
    case Qt::Key_B:
    case Qt::Key_Slash:
        return 4;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        return pad ? e->key() - Qt::Key_1 : -1;
    default:
        return -1;
    }
}

// The named tables a drill of a game offers: those played in the record (as
// they were played), then the player's own and the catalogue's not among them.
std::vector<NamedPayTable> DrillTables(const TrainingRecord& record, int game) {
    std::vector<NamedPayTable> out = record.NamedTables(game);
    std::vector<const NamedPayTable*> more = ThePayTableBook().OwnFor(game);
    for (const NamedPayTable* t : CatalogueTablesFor(game)) more.push_back(t);
    for (const NamedPayTable* t : more)
        if (std::find(out.begin(), out.end(), *t) == out.end()) out.push_back(*t);
    return out;
}

// A table's caption in the choice; a name met twice (a table edited since it
// was played) is told apart by its place.
QString TableCaption(const std::vector<NamedPayTable>& tables, std::size_t i) {
    QString caption = QString::fromStdString(tables[i].name);
    std::size_t same = 0;
    for (std::size_t k = 0; k < i; ++k) same += tables[k].name == tables[i].name;
    if (same > 0) caption += QString(" (%1)").arg(same + 1);
    return caption;
}

} // namespace

TPracticeDrillForm::TPracticeDrillForm(TrainingRecord& record, const QString& schemeDir, int game,
                                       int payTable, std::uint32_t seed, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_record(record), m_pictures(schemeDir), m_seed(seed) {
    setObjectName("PracticeDrillForm");
    setWindowTitle("Practice Drill");
    setFixedSize(800, 560);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFelt);
    setPalette(pal);
    setAutoFillBackground(true);

    Caption(this, QRect(16, 10, 220, 30), 22, kYellow)->setText("Practice Drill");
    const QString comboStyle = "QComboBox { background: #c0c0c0; color: black; "
                               "border: 2px outset #e8e8e8; padding-left: 4px; }";
    m_gameChoice = new QComboBox(this);
    m_gameChoice->setObjectName("GameChoice");
    for (int g = 0; g < kGameCount; ++g) m_gameChoice->addItem(Text(GameInfoFor(g).name));
    m_gameChoice->setGeometry(420, 12, 220, 26);
    m_payChoice = new QComboBox(this);
    m_payChoice->setObjectName("PayTableChoice");
    m_payChoice->setGeometry(650, 12, 130, 26);
    // Named tables have longer names than the narrow choice shows.
    m_payChoice->view()->setMinimumWidth(300);
    for (QComboBox* box : {m_gameChoice, m_payChoice}) {
        box->setFont(ui::SansFont(13, true));
        box->setStyleSheet(comboStyle);
        box->setFocusPolicy(Qt::NoFocus);
    }

    m_origin = Caption(this, QRect(16, 46, 768, 22), 15, Qt::white);
    m_origin->setObjectName("Origin");
    for (int i = 0; i < 5; ++i) {
        QLabel* held = Caption(this, QRect(kCardsLeft + kCardPitch * i, kCardsTop - 26, 120, 22),
                               17, QColor(192, 192, 192));
        held->setFont(ui::SansFont(17, true));
        held->setAlignment(Qt::AlignCenter);
        held->setText("HELD");
        held->hide();
        m_heldCaptions[static_cast<std::size_t>(i)] = held;
    }

    auto* panel = new QFrame(this);
    panel->setObjectName("ResultPanel");
    panel->setGeometry(16, 300, 768, 138);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    panel->setAutoFillBackground(true);
    for (int k = 0; k < 5; ++k) {
        m_result[static_cast<std::size_t>(k)] =
            Caption(panel, QRect(14, 8 + 25 * k, 740, 22), 15, kLime);
        m_result[static_cast<std::size_t>(k)]->setObjectName(QString("Result%1").arg(k));
    }

    m_tally = Caption(this, QRect(16, 448, 768, 22), 15, kYellow);
    m_tally->setObjectName("Tally");
    Caption(this, QRect(16, 474, 768, 20), 12, Qt::white, false)
        ->setText("Hold cards with Z X C V B (or a click on the card), then Check with Enter. "
                  "A hand leaves the drill after three best holds in a row.");

    const QString buttonStyle =
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { border: 2px inset #808080; }";
    m_check = new QPushButton("Check", this);
    m_check->setObjectName("CheckButton");
    m_check->setGeometry(520, 508, 128, 34);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseButton");
    close->setGeometry(656, 508, 128, 34);
    for (QPushButton* b : {m_check, close}) {
        b->setFont(ui::SansFont(15, true));
        b->setStyleSheet(buttonStyle);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    m_kindLabel = Caption(this, QRect(16, 508, 490, 34), 13, kYellow);
    m_kindLabel->setObjectName("KindLabel");
    m_kindLabel->setWordWrap(true);
    connect(m_check, &QPushButton::clicked, this, [this] { CheckOrNext(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    Start(IsValidGame(game) ? game : 0, payTable ? 1 : 0);
    connect(m_gameChoice, &QComboBox::currentIndexChanged, this,
            [this](int g) { Start(g, m_payChoice->currentIndex()); });
    connect(m_payChoice, &QComboBox::currentIndexChanged, this, [this](int p) {
        if (p >= 2 && static_cast<std::size_t>(p - 2) < m_named.size()) {
            const NamedPayTable table = m_named[static_cast<std::size_t>(p - 2)];
            StartNamed(table);
        } else if (p >= 0) {
            Start(m_gameChoice->currentIndex(), p);
        }
    });
    ui::CentreOnScreen(this);
}

void TPracticeDrillForm::Start(int game, int payTable) {
    m_kind.reset();
    Begin(game, payTable);
}

void TPracticeDrillForm::StartNamed(const NamedPayTable& table) {
    m_kind.reset();
    Begin(table.game, 0, &table);
}

void TPracticeDrillForm::StartKind(int game, int payTable, int entry) {
    if (EntryText(game, payTable, entry).empty()) return;
    m_kind = entry;
    Begin(game, payTable);
}

void TPracticeDrillForm::Begin(int game, int payTable, const NamedPayTable* named) {
    if (!IsValidGame(game)) return;
    const std::optional<NamedPayTable> table =
        named ? std::optional<NamedPayTable>(*named) : std::nullopt;
    const QSignalBlocker blockGame(m_gameChoice);
    const QSignalBlocker blockPay(m_payChoice);
    m_gameChoice->setCurrentIndex(game);
    m_payChoice->clear();
    for (int c = 0; c < 2; ++c) m_payChoice->addItem(Text(PayTableMenuCaption(game, c)));
    m_named = DrillTables(m_record, game);
    for (std::size_t i = 0; i < m_named.size(); ++i) m_payChoice->addItem(TableCaption(m_named, i));
    int shown = payTable;
    if (table) {
        auto at = std::find(m_named.begin(), m_named.end(), *table);
        if (at == m_named.end()) at = m_named.insert(m_named.end(), *table);
        if (m_payChoice->count() < 2 + static_cast<int>(m_named.size()))
            m_payChoice->addItem(TableCaption(m_named, m_named.size() - 1));
        shown = 2 + static_cast<int>(at - m_named.begin());
    }
    m_payChoice->setCurrentIndex(shown);

    RowQuery all;
    all.game = game;
    all.payTable = payTable;
    all.named = table;
    all.source.reset();
    std::vector<DecisionRow> rows = m_record.Rows(all);
    if (m_kind) {
        const int entry = *m_kind;
        std::erase_if(rows, [entry](const DecisionRow& r) { return StrategyEntryOf(r) != entry; });
    }
    std::vector<DrillHand> mistakes = PendingMistakes(rows, {});
    std::vector<DrillHand> listDiffers = ListDiffersHands(rows, mistakes);
    m_drill = std::make_unique<PracticeDrill>(game, payTable, std::move(mistakes),
                                              std::move(listDiffers), m_seed);
    if (table) m_drill->SetNamedTable(*table, Windows().generatedList);
    TrainingRecord* record = &m_record;
    m_drill->SetAppend([record](DecisionRow& row) { return record->Append(row); });
    m_kindLabel->clear();
    if (m_kind) {
        DecisionRow probe;
        probe.game = game;
        probe.payTable = payTable;
        const int entry = *m_kind;
        m_drill->SetHandFilter([probe, entry](const std::array<Card, 5>& dealt) mutable {
            probe.dealt = dealt;
            return StrategyEntryOf(probe) == entry;
        });
        m_kindLabel->setText(QString("Only hands of the kind \"%1\"")
                                 .arg(QString::fromStdString(EntryText(game, payTable, entry))));
    }
    setWindowTitle(QString("Practice Drill - %1 (%2)")
                       .arg(Text(GameInfoFor(game).name))
                       .arg(table ? QString::fromStdString(table->name)
                                  : Text(PayTableMenuCaption(game, payTable))));
    ShowHand();
}

void TPracticeDrillForm::ShowHand() {
    const DrillHand& hand = m_drill->Current();
    m_answer.reset();
    m_held = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        m_faces[i] = m_pictures.Face(hand.dealt[i], hand.game);
        m_heldCaptions[i]->hide();
    }
    QString origin;
    switch (hand.origin) {
    case DrillHand::Origin::Mistake:
        origin = QString("One of your mistakes: it cost %1.").arg(Credits(hand.cost));
        break;
    case DrillHand::Origin::ListDiffers:
        origin = "A hand where the strategy list's hold is not the best.";
        break;
    case DrillHand::Origin::Random:
        origin = "A random hand.";
        break;
    }
    origin += QString("   %1 coin%2").arg(hand.coins).arg(hand.coins == 1 ? "" : "s");
    if (hand.streak > 0)
        origin += QString("   Best in a row: %1 of %2")
                      .arg(hand.streak)
                      .arg(PracticeDrill::kStreakToLeave);
    m_origin->setText(origin);
    for (QLabel* l : m_result) l->clear();
    m_result[0]->setText("Hold the cards you would keep, then Check.");
    Colour(m_result[0], Qt::white);
    m_check->setText("Check");
    ShowTally();
    update();
}

void TPracticeDrillForm::ToggleHold(int position) {
    if (position < 0 || position > 4 || m_answer) return;
    m_held = static_cast<std::uint8_t>(m_held ^ (1u << position));
    m_heldCaptions[static_cast<std::size_t>(position)]->setVisible((m_held >> position) & 1);
    ui::PlayEffect(kEffectClick);
}

void TPracticeDrillForm::CheckOrNext() {
    if (m_answer) {
        m_drill->Next();
        ShowHand();
        return;
    }
    m_answer = m_drill->Answer(m_held);
    ShowAnswer();
}

void TPracticeDrillForm::ShowAnswer() {
    const DrillAnswer& a = *m_answer;
    const DrillHand& hand = m_drill->Current();
    const DecisionRow& r = a.row;
    QStringList bests;
    for (int m = 0; m < exact::kHoldCount; ++m)
        if (a.values.IsBest(static_cast<exact::HoldMask>(m))) bests << HoldText(hand.dealt, m);
    m_result[0]->setText(a.best ? QString("Best hold!  Your hold: %1 = %2")
                                      .arg(HoldText(hand.dealt, r.held), Credits(r.evHeld))
                                : QString("Mistake.  Your hold: %1 = %2")
                                      .arg(HoldText(hand.dealt, r.held), Credits(r.evHeld)));
    Colour(m_result[0], a.best ? kLime : kSoftRed);
    m_result[1]->setText(
        QString("Best hold%1: %2 = %3")
            .arg(bests.size() > 1 ? "s" : "", bests.join("  or  "), Credits(r.evBest)));
    m_result[2]->setText(QString("The list's hold: %1 = %2")
                             .arg(HoldText(hand.dealt, r.listHold), Credits(r.evList)));
    m_result[3]->setText(QString("Cost: %1").arg(Credits(a.best ? 0.0 : r.Cost())));
    m_result[4]->setText(a.leaves
                             ? QString("Three best holds in a row: this hand leaves the drill.")
                             : QString("Best holds in a row for this hand: %1 of %2")
                                   .arg(hand.streak)
                                   .arg(PracticeDrill::kStreakToLeave));
    for (int k = 1; k < 5; ++k)
        Colour(m_result[static_cast<std::size_t>(k)], k == 1 ? kYellow : kLime);
    m_check->setText("Next Hand");
    ShowTally();
}

void TPracticeDrillForm::ShowTally() {
    const DrillTally& t = m_drill->Tally();
    const QString share =
        t.answered ? QString::number(100.0 * t.best / t.answered, 'f', 2) + "%" : QString("-");
    QString text = QString("Answered %1   Best %2 (%3)   Credits lost %4   Hands mastered %5")
                       .arg(t.answered)
                       .arg(t.best)
                       .arg(share)
                       .arg(QString::number(t.creditsLost, 'f', 2))
                       .arg(t.mastered);
    if (!m_record.Usable()) text += "   (not recorded)";
    m_tally->setText(text);
}

void TPracticeDrillForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        CheckOrNext();
        return;
    }
    const int position = PositionOfKey(event);
    if (position >= 0) {
        ToggleHold(position);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPracticeDrillForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        for (int i = 0; i < 5; ++i) {
            const QRect card(kCardsLeft + kCardPitch * i, kCardsTop, 120, 180);
            if (card.contains(p)) {
                ToggleHold(i);
                return;
            }
        }
    }
    QDialog::mousePressEvent(event);
}

void TPracticeDrillForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    for (int i = 0; i < 5; ++i)
        p.drawImage(kCardsLeft + kCardPitch * i, kCardsTop, m_faces[static_cast<std::size_t>(i)]);
    ui::DrawWindowFrame(p, rect());
}

} // namespace quintaro
