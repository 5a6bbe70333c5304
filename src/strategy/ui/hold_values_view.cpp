#include "strategy/ui/hold_values_view.h"
#include "generate/list_return.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include <algorithm>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "core/game_variant.h"
#include "media/sheet_loader.h"
#include "strategy/hand_builder.h"
#include "strategy/ui/hold_values_window.h"

namespace quintaro {

namespace {

using ui::kMaroon;
using ui::kNavy;
using ui::kYellow;
using ui::MakeLabel;
using ui::Text;

// The colours of the neighbouring windows (the hand builder and the strategy table).
const QColor kFormGrey(128, 128, 128);
using ui::kAqua;

// Where the parts stand.
constexpr int kCardTop = 62;
constexpr int kCardWidth = 72; // 0.6 of the table's card
constexpr int kCardHeight = 108;
constexpr int kCardPitch = 88;
constexpr int kCardsLeft = (THoldValuesView::kWidth - (4 * kCardPitch + kCardWidth)) / 2;
constexpr int kHoldTop = kCardTop + kCardHeight + 4;
constexpr int kSelectionTop = kHoldTop + 24;
constexpr int kHeadTop = kSelectionTop + 22;
constexpr int kListTop = kHeadTop + 19;
constexpr int kBottomHeight = 57;
// Eight whole rows inside the list's two-pixel frame.
constexpr int kListHeight = 8 * THoldValuesView::kRowHeight + 4;
static_assert(kListTop + kListHeight <= THoldValuesView::kHeight - kBottomHeight);
// The small cards of a row: the corner of a card (rank and small suit).
constexpr int kCornerWidth = 52;
constexpr int kCornerHeight = 82;
constexpr int kMiniWidth = 20;
constexpr int kMiniHeight = 32;
constexpr int kMiniPitch = 23;
// Columns of a row (left edges; the figures are right-aligned at their ends).
constexpr int kRankRight = 28;
constexpr int kMiniLeft = 40;
constexpr int kPerCoinRight = 236;
constexpr int kCreditsRight = 322;
constexpr int kShortRight = 412;
constexpr int kMarksLeft = 424;

QString Fixed4(double v) {
    return QString::number(v, 'f', 4);
}

// One of the five cards at the top: the card as the table draws it, dimmed
// when the selected hold does not keep it.
class CardBox : public QWidget {
public:
    CardBox(QWidget* parent, QImage picture) : QWidget(parent), m_picture(std::move(picture)) {}
    void SetHeld(bool held) {
        m_held = held;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_picture);
        if (!m_held) {
            QPainterPath card;
            card.addRoundedRect(QRectF(rect()), 4, 4);
            p.fillPath(card, QColor(64, 64, 64, 150));
        }
    }

private:
    QImage m_picture;
    bool m_held = true;
};

// A small tag in a row: "List", "Yours".
void DrawTag(QPainter& p, int x, int y, const QString& text, const QColor& back,
             const QColor& front) {
    const QFontMetrics fm(p.font());
    const QRect r(x, y, fm.horizontalAdvance(text) + 10, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(front);
    p.drawText(r, Qt::AlignCenter, text);
}

// Paints a row of the list from the view's rows.
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(const THoldValuesView* view, QObject* parent)
        : QStyledItemDelegate(parent), m_view(view) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int i = index.row();
        if (i < 0 || i >= static_cast<int>(m_view->Rows().size())) return;
        const HoldValueRow& row = m_view->Rows()[static_cast<std::size_t>(i)];
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::SmoothPixmapTransform);
        p->fillRect(r, selected ? kNavy : (i % 2 ? QColor(240, 240, 240) : QColor(Qt::white)));
        const QColor ink = selected ? QColor(Qt::white) : QColor(Qt::black);
        QFont font = ui::SansFont(12, true);
        p->setFont(font);
        p->setPen(ink);
        const int mid = r.top() + r.height() / 2;
        const QRect line(r.left(), mid - 9, 0, 18);
        p->drawText(QRect(r.left(), line.top(), kRankRight, 18), Qt::AlignRight | Qt::AlignVCenter,
                    QString::number(i + 1));
        // The held cards, each at its position; a kept place stays empty.
        for (int pos = 0; pos < 5; ++pos) {
            const QRect place(r.left() + kMiniLeft + kMiniPitch * pos, mid - kMiniHeight / 2,
                              kMiniWidth, kMiniHeight);
            if ((row.hold >> pos) & 1) {
                QPainterPath outline;
                outline.addRoundedRect(QRectF(place), 3, 3);
                p->save();
                p->setClipPath(outline);
                p->drawImage(place, m_view->CornerPicture(pos));
                p->restore();
                p->setPen(QPen(QColor(96, 96, 96), 1));
                p->setBrush(Qt::NoBrush);
                p->drawPath(outline);
            } else if (row.hold != 0) {
                p->setPen(
                    QPen(selected ? QColor(96, 96, 192) : QColor(200, 200, 200), 1, Qt::DotLine));
                p->setBrush(Qt::NoBrush);
                p->drawRoundedRect(QRectF(place).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            }
        }
        if (row.hold == 0) {
            p->setPen(selected ? QColor(Qt::white) : QColor(96, 96, 96));
            p->drawText(QRect(r.left() + kMiniLeft, line.top(), 5 * kMiniPitch, 18),
                        Qt::AlignCenter, "draw five new cards");
        }
        p->setPen(ink);
        const auto right = [&](int end, int width, const QString& text) {
            p->drawText(QRect(r.left() + end - width, line.top(), width, 18),
                        Qt::AlignRight | Qt::AlignVCenter, text);
        };
        right(kPerCoinRight, 80, Fixed4(row.perCoin));
        right(kCreditsRight, 84, Fixed4(row.credits));
        right(kShortRight, 84, row.best ? QStringLiteral("best") : Fixed4(row.shortfall));
        font.setPixelSize(11);
        p->setFont(font);
        int x = r.left() + kMarksLeft;
        if (row.list) {
            DrawTag(*p, x, mid - 8, "List", selected ? kYellow : kNavy, selected ? kNavy : kYellow);
            x += 40;
        }
        if (row.player) DrawTag(*p, x, mid - 8, "Yours", kMaroon, Qt::white);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, THoldValuesView::kRowHeight};
    }

private:
    const THoldValuesView* m_view;
};

} // namespace

THoldValuesView::THoldValuesView(const HoldValuesQuery& request, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_request(request) {
    m_request.game = IsValidGame(request.game) ? request.game : 0;
    m_request.choice = request.choice ? 1 : 0;
    m_request.coins = std::clamp(request.coins, 1, 5);
    if (request.playerHold < 0 || request.playerHold >= exact::kHoldCount)
        m_request.playerHold = -1;
    setObjectName("HoldValuesView");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    // A named table has no list of its own yet: its best hold stands for the list's.
    if (m_request.pays) {
        m_values =
            exact::AnalyseHolds(m_request.game, *m_request.pays, m_request.coins, m_request.cards);
        m_listHold = m_values.best;
    } else {
        m_values =
            exact::AnalyseHolds(m_request.game, m_request.choice, m_request.coins, m_request.cards);
        m_listHold = quintaro::ListHold(m_request.game, m_request.choice, m_request.cards);
    }
    m_rows = HoldValueRows(m_values, m_listHold, m_request.playerHold);

    const std::string title =
        m_request.pays
            ? "(" + m_request.tableName + ") " + std::string(GameInfoFor(m_request.game).name)
            : HandBuilderTitle(m_request.game, m_request.choice, GameInfoFor(m_request.game).name);
    setWindowTitle("Hold Values for " + Text(title));
    m_titleShadow = MakeLabel(this, Text(title), QRect(41, 10, 484, 28), ui::SansFont(21, true),
                              kNavy, Qt::AlignCenter);
    m_titleShadow->setObjectName("LbTitleShadow");
    m_title = MakeLabel(this, Text(title), QRect(39, 8, 484, 28), ui::SansFont(21, true), Qt::white,
                        Qt::AlignCenter);
    m_title->setObjectName("LbTitle");
    const QString coins =
        m_request.coins == 1 ? "1 coin" : QString("%1 coins").arg(m_request.coins);
    auto* sub =
        MakeLabel(this, "Every hold of this hand, best first, for " + coins + " bet",
                  QRect(8, 38, kWidth - 16, 18), ui::SansFont(12, true), kAqua, Qt::AlignCenter);
    sub->setObjectName("LbSubtitle");

    BuildCards();
    m_selection = MakeLabel(this, QString(), QRect(8, kSelectionTop, kWidth - 16, 18),
                            ui::SansFont(12, true), kAqua, Qt::AlignCenter);
    m_selection->setObjectName("LbSelection");
    BuildList();
    BuildBottomPanel();

    // The player's own hold when there is one, else the best.
    int first = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].player) first = static_cast<int>(i);
    m_list->setCurrentRow(first);
    m_list->scrollToItem(m_list->item(first), QAbstractItemView::PositionAtCenter);
    ShowRow(first);
    ui::CentreOnScreen(this);
}

void THoldValuesView::BuildCards() {
    using sheets::Sheet;
    SheetLoader& loader = SheetLoader::Instance();
    const QImage& cardSheet = loader.Image(Sheet::PokerGraphics);
    const QImage& rankSheet = loader.Image(Sheet::CrdValue);
    const QImage& mask = loader.Image(Sheet::Mask);
    QImage under(sheets::kCardWidth, sheets::kCardHeight, QImage::Format_RGB32);
    under.fill(kFormGrey);
    const QImage blank = ComposeThroughMask(under, cardSheet, sheets::kBlankFace, mask);
    QImage white(sheets::kCardWidth, sheets::kCardHeight, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QImage cornerBlank = ComposeThroughMask(white, cardSheet, sheets::kBlankFace, mask);
    const QFont holdFont = ui::SansFont(16, true);
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Card card = m_request.cards[k];
        QImage face = blank.copy();
        DrawCardParts(face, RankOf(card), SuitOf(card), m_request.game == kDeucesWild, cardSheet,
                      rankSheet);
        m_faces[k] = face;
        QImage corner = cornerBlank.copy();
        DrawCardParts(corner, RankOf(card), SuitOf(card), m_request.game == kDeucesWild, cardSheet,
                      rankSheet);
        m_corners[k] =
            corner.copy(0, 0, kCornerWidth, kCornerHeight)
                .scaled(kMiniWidth, kMiniHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        auto* box = new CardBox(this, face.scaled(kCardWidth, kCardHeight, Qt::IgnoreAspectRatio,
                                                  Qt::SmoothTransformation));
        box->setObjectName(QString("Card%1").arg(i));
        const int x = kCardsLeft + kCardPitch * i;
        box->setGeometry(x, kCardTop, kCardWidth, kCardHeight);
        m_cardBoxes[k] = box;
        m_holdLabels[k] = MakeLabel(this, "HOLD", QRect(x - 6, kHoldTop, kCardWidth + 12, 20),
                                    holdFont, Qt::white, Qt::AlignCenter);
        m_holdLabels[k]->setObjectName(QString("LbHold%1").arg(i));
    }
}

void THoldValuesView::BuildList() {
    const QFont headFont = ui::SansFont(13, true);
    const QString coins =
        m_request.coins == 1 ? "1 Coin" : QString("%1 Coins").arg(m_request.coins);
    struct Head {
        const char* name;
        QString text;
        int right; // right edge in the list, or -1 for a left-aligned heading
        int left;
    };
    const Head heads[] = {
        {"LbRankHead", "Rank", kRankRight + 8, 0},        {"LbHoldHead", "Hold", -1, kMiniLeft},
        {"LbPerCoinHead", "Per Coin", kPerCoinRight, 0},  {"LbCoinsHead", coins, kCreditsRight, 0},
        {"LbShortHead", "Short of Best", kShortRight, 0}, {"LbMarksHead", "Marks", -1, kMarksLeft}};
    for (const Head& h : heads) {
        QLabel* l = MakeLabel(this, h.text, QRect(0, kHeadTop, 120, 18), headFont, Qt::black,
                              h.right < 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
        l->setObjectName(h.name);
        // The list's frame is two pixels wide; the rows start inside it.
        if (h.right < 0)
            l->move(8 + 2 + h.left, kHeadTop);
        else
            l->move(8 + 2 + h.right - 120, kHeadTop);
    }

    m_list = new QListWidget(this);
    m_list->setObjectName("ListHolds");
    // Whole rows only, whatever the style's frame.
    m_list->setGeometry(8, kListTop, kWidth - 16, kListHeight - 4 + 2 * m_list->frameWidth());
    m_list->setItemDelegate(new RowDelegate(this, m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const HoldValueRow& row = m_rows[i];
        QString text = QString("%1  ").arg(i + 1);
        for (int pos = 0; pos < 5; ++pos)
            if ((row.hold >> pos) & 1)
                text += Text(CardName(m_request.cards[static_cast<std::size_t>(pos)])) + " ";
        text += Fixed4(row.perCoin) + " " + Fixed4(row.credits) + " " + Fixed4(row.shortfall);
        if (row.list) text += " List";
        if (row.player) text += " Yours";
        auto* item = new QListWidgetItem(text, m_list);
        item->setSizeHint(QSize(0, kRowHeight));
    }
    connect(m_list, &QListWidget::currentRowChanged, this, &THoldValuesView::ShowRow);
}

void THoldValuesView::BuildBottomPanel() {
    QWidget* panel =
        ui::AddBrandStrip(this, QRect(0, kHeight - kBottomHeight, kWidth, kBottomHeight));
    QString legendText = "List: the strategy list's hold";
    if (m_request.playerHold >= 0) legendText += "\nYours: the hold you drew with";
    auto* legend =
        MakeLabel(panel, legendText, QRect(96, 8, 290, 40), ui::SansFont(12, true), kYellow);
    legend->setObjectName("LbLegend");

    m_close = new ui::PressButton("Close", panel);
    m_close->setObjectName("CloseBtn");
    m_close->setGeometry(414, 13, 136, 31);
    m_close->setFont(ui::SansFont(13, true));
    m_close->setStyleSheet(
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }");
    m_close->setAutoDefault(false);
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void THoldValuesView::ShowRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const HoldValueRow& r = m_rows[static_cast<std::size_t>(row)];
    m_shown = r.hold;
    for (int i = 0; i < 5; ++i) {
        const bool held = (r.hold >> i) & 1;
        static_cast<CardBox*>(m_cardBoxes[static_cast<std::size_t>(i)])->SetHeld(held);
        m_holdLabels[static_cast<std::size_t>(i)]->setVisible(held);
    }
    QString line = QString("Rank %1: %2 per coin, %3 credits")
                       .arg(row + 1)
                       .arg(Fixed4(r.perCoin), Fixed4(r.credits));
    line += r.best ? QString(", a best hold")
                   : QString(", %1 per coin short of the best").arg(Fixed4(r.shortfall));
    m_selection->setText(line);
}

void THoldValuesView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

QWidget* OpenHoldValues(QWidget* parent, const HoldValuesQuery& request) {
    auto* view = new THoldValuesView(request, parent);
    view->show();
    view->raise();
    view->activateWindow();
    return view;
}

} // namespace quintaro
