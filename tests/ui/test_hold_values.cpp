// The hold values view: every hold of a hand against the exact engine, in
// both pay tables at one and five coins, with screenshots (the hand builder's
// test opens it from there).

#include "generate/list_return.h"
#include "strategy/ui/hold_values_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"

using namespace quintaro;

namespace {

// Ace, King, Queen and Jack of spades with the Nine of hearts.
constexpr std::array<Card, 5> kFourToARoyal{CardOf(kAce, kSpades), CardOf(kKing, kSpades),
                                            CardOf(kQueen, kSpades), CardOf(kJack, kSpades),
                                            CardOf(kNine, kHearts)};

THoldValuesView* Open(const HoldValuesQuery& request) {
    return qobject_cast<THoldValuesView*>(OpenHoldValues(nullptr, request));
}

} // namespace

class TestHoldValues : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        RegisterEmbeddedFonts();
        ui::SetPauseScale(0);
    }

    void everyHoldBestFirstAgainstTheEngine() {
        struct Case {
            int choice;
            int coins;
            int playerHold;
            const char* shot;
        };
        const Case cases[] = {{0, 1, -1, "hold_values_8_5_one_coin"},
                              {1, 5, 0b10000, "hold_values_9_6_five_coins_player_hold"}};
        for (const Case& c : cases) {
            HoldValuesQuery request{kJacksOrBetter, c.choice,      c.coins, kFourToARoyal,
                                    c.playerHold,   std::string(), {}};
            QPointer<THoldValuesView> view = Open(request);
            QVERIFY(view);
            QVERIFY(QTest::qWaitForWindowExposed(view));
            QVERIFY(!view->isModal());
            QVERIFY(view->TitleLabel()->text().startsWith(c.choice ? "(9/6)" : "(8/5)"));
            const exact::HoldValues expected =
                exact::AnalyseHolds(kJacksOrBetter, c.choice, c.coins, kFourToARoyal);
            const exact::HoldMask list = ListHold(kJacksOrBetter, c.choice, kFourToARoyal);
            const auto& rows = view->Rows();
            QCOMPARE(rows.size(), std::size_t{32});
            QCOMPARE(view->List()->count(), 32);
            std::uint32_t seen = 0;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const HoldValueRow& r = rows[i];
                seen |= 1u << r.hold;
                QCOMPARE(r.perCoin, expected.PerCoin(r.hold));
                QCOMPARE(r.credits, expected.Credits(r.hold));
                QCOMPARE(r.shortfall, expected.ShortfallPerCoin(r.hold));
                QCOMPARE(r.list, r.hold == list);
                QCOMPARE(r.player, int(r.hold) == c.playerHold);
                if (i > 0) QVERIFY(rows[i - 1].perCoin >= r.perCoin);
            }
            QCOMPARE(seen, 0xFFFFFFFFu);
            QVERIFY(rows[0].best);
            // The row text carries the figures for the coins bet.
            QVERIFY(
                view->List()->item(0)->text().contains(QString::number(rows[0].credits, 'f', 4)));

            // The player's hold is selected first when there is one, else the best.
            const exact::HoldMask first =
                c.playerHold >= 0 ? exact::HoldMask(c.playerHold) : rows[0].hold;
            QCOMPARE(view->ShownHold(), first);
            SaveScreenshot(view, c.shot);
            // Selecting a row shows its hold on the cards.
            for (int row : {0, 5, 31}) {
                view->List()->setCurrentRow(row);
                const exact::HoldMask m = rows[static_cast<std::size_t>(row)].hold;
                QCOMPARE(view->ShownHold(), m);
                for (int p = 0; p < 5; ++p)
                    QCOMPARE(view->HoldLabel(p)->isVisible(), bool((m >> p) & 1));
                QVERIFY(view->SelectionLine()->text().startsWith(QString("Rank %1:").arg(row + 1)));
            }
            if (c.coins == 1)
                view->CloseButton()->click();
            else
                QTest::keyClick(view->List(), Qt::Key_Escape);
            QTRY_VERIFY(!view); // closing frees the window
        }
    }
};

QTEST_MAIN(TestHoldValues)
#include "test_hold_values.moc"
