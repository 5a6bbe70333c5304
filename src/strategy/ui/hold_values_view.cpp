#include "strategy/ui/hold_values_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "exact/exact_analysis.h"

namespace quintaro {

namespace {

QString HoldText(const std::array<Card, 5>& cards, exact::HoldMask mask) {
    QStringList held;
    for (int p = 0; p < 5; ++p)
        if ((mask >> p) & 1)
            held << QString::fromStdString(CardName(cards[static_cast<std::size_t>(p)]));
    return held.isEmpty() ? QStringLiteral("(discard all)") : held.join(' ');
}

} // namespace

// The 32 holds of a hand, best first, with their exact values.
QWidget* OpenHoldValues(QWidget* parent, const HoldValuesRequest& request) {
    const exact::HoldValues values =
        exact::AnalyseHolds(request.game, request.choice, request.coins, request.cards);
    auto* window = new QWidget(parent, Qt::Window);
    window->setObjectName("HoldValuesView");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Hold Values");
    auto* layout = new QVBoxLayout(window);
    QStringList dealt;
    for (Card c : request.cards) dealt << QString::fromStdString(CardName(c));
    layout->addWidget(new QLabel(QString("Dealt: %1   (%2 coin%3)")
                                     .arg(dealt.join(' '))
                                     .arg(request.coins)
                                     .arg(request.coins == 1 ? "" : "s"),
                                 window));
    auto* table = new QTableWidget(exact::kHoldCount, 3, window);
    table->setHorizontalHeaderLabels({"Hold", "Per Coin", "Credits"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto ranked = exact::RankHolds(values);
    for (int i = 0; i < exact::kHoldCount; ++i) {
        const exact::HoldMask m = ranked[static_cast<std::size_t>(i)];
        QString hold = HoldText(request.cards, m);
        if (request.playerHold == m) hold += "   <- your hold";
        table->setItem(i, 0, new QTableWidgetItem(hold));
        table->setItem(i, 1, new QTableWidgetItem(QString::number(values.PerCoin(m), 'f', 4)));
        table->setItem(i, 2, new QTableWidgetItem(QString::number(values.Credits(m), 'f', 4)));
        if (values.IsBest(m))
            for (int c = 0; c < 3; ++c) table->item(i, c)->setBackground(QColor(200, 255, 200));
    }
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(table);
    window->resize(460, 560);
    window->show();
    return window;
}

} // namespace quintaro
