// The windows on a real X server with a window manager (run by
// run_with_window_manager.sh: openbox on Xvfb), where frames, placement, mapping and
// exposure are the window manager's business and the offscreen platform shows none of
// it: message boxes over a parent paint at once, the strategy table opens in the same
// centred place every time, and a menu minimized before a game comes back from it.

// The strategy headers before any Qt header: a list field is named like a Qt keyword.
#include "strategy/classifier.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

#include "components/window_kit.h"
#include "media/embedded_fonts.h"
#include "screenshot.h"
#include "shell/session.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/session_view.h"
#include "shell/ui/startup.h"
#include "shell/ui/statistics_form.h"
#include "shell/ui/vanta_menu.h"
#include "strategy/ui/analysis_windows.h"
#include "strategy/ui/strategy_table.h"
#include "table/ui/game_screen.h"
#include "when_up.h"

using namespace quintaro;

namespace {

// The share of pixels of a window, frame included, that are not black on the screen.
double LitShare(QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QImage shot = window->screen()
                            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) return 0;
    qint64 lit = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) lit += qGray(line[x]) > 24;
    }
    return double(lit) / (double(shot.width()) * shot.height());
}

// Milliseconds until a window shows more than `share` of its pixels lit, at most `limit`.
qint64 MillisecondsToPaint(QWidget* window, qint64 limit, double share = 0.5) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limit) {
        if (window->windowHandle() && window->windowHandle()->isExposed() &&
            LitShare(window) > share)
            return clock.elapsed();
        QTest::qWait(20);
    }
    return limit + 1;
}

// Waits until a window is shown and the window manager has left it in place.
void Settle(QWidget* window) {
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QRect last;
    int still = 0;
    for (int i = 0; i < 100 && still < 5; ++i) {
        QTest::qWait(20);
        still = window->geometry() == last ? still + 1 : 0;
        last = window->geometry();
    }
}

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AutoWindows> m_windows;
    TVantaSession* m_session = nullptr;

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server with a window manager (run_with_window_manager.sh)");
        RegisterEmbeddedFonts();
        SessionView::SetAudible(false);
        RegisterTableWindows();
        RegisterAnalysisWindows();
        const std::filesystem::path root = m_dir.path().toStdString();
        m_windows = std::make_unique<AutoWindows>(
            CreateAutoWindows(SessionConfig{root / "Quintaro.ini", {root / "Schemes"}}));
        m_windows->menu->SetReportSaveFailure(false);
        m_session = &m_windows->menu->Session();
        m_windows->menu->show();
        Settle(m_windows->menu.get());
    }

    void messageBoxesOverAParentPaintAtOnce() {
        // The confirmation of the statistics page's reset, over the statistics page.
        m_session->Statistics.HandStarted(kJacksOrBetter);
        m_session->Statistics.HandFinished(kJacksOrBetter, 0, 5, 0);
        qint64 confirmation = -1;
        testing::WhenUp<TTableBuilderForm>([&](TTableBuilderForm* statistics) {
            Settle(statistics);
            testing::WhenUp<QMessageBox>([&](QMessageBox* box) {
                confirmation = MillisecondsToPaint(box, 3000);
                SaveScreenshot(box, "window_manager_reset_confirmation");
                box->button(QMessageBox::No)->click();
            });
            statistics->findChild<QPushButton*>("ResetAllStatsBtn")->click();
            statistics->reject();
        });
        m_windows->menu->StatisticsPage1Click();
        QVERIFY2(confirmation >= 0 && confirmation <= 1000,
                 qPrintable(QString("painted after %1 ms (-1: none)").arg(confirmation)));
        QCOMPARE(m_session->Statistics.TotalHandsPlayed(), std::int64_t{1});

        // The overflow notice over the menu.
        qint64 notice = -1;
        testing::WhenUp<QMessageBox>([&](QMessageBox* box) {
            notice = MillisecondsToPaint(box, 3000);
            box->accept();
        });
        m_session->Credits = kMaxMeterCredits + 5;
        m_session->DrawCreditMeter();
        QVERIFY2(notice >= 0 && notice <= 1000,
                 qPrintable(QString("painted after %1 ms (-1: none)").arg(notice)));
        QCOMPARE(m_session->Credits, kMaxMeterCredits + 5 - kOverflowBlock);
    }

    void strategyTableOpensCentredEveryTime() {
        auto* table = qobject_cast<TStrategyTable*>(m_windows->strategyTable.get());
        QVERIFY(table);
        QList<QRect> placed;
        for (int opening = 0; opening < 4; ++opening) {
            testing::WhenUp<TStrategyTable>([&](TStrategyTable* up) {
                Settle(up);
                placed << up->geometry();
                up->accept();
            });
            table->ShowStrategyTable(kJacksOrBetter, 0, 1, 10);
        }
        QCOMPARE(placed.size(), 4);
        // The window's own area in the middle of the screen, the frame around it.
        const QRect screen = table->screen()->geometry();
        const QRect centred((screen.width() - 466) / 2, (screen.height() - 537) / 2, 466, 537);
        for (const QRect& area : placed) QCOMPARE(area, centred);
    }

    void aMinimizedMenuComesBackFromAGame() {
        TVantaTBMenu& menu = *m_windows->menu;
        const QString xdotool = QStandardPaths::findExecutable("xdotool");
        if (xdotool.isEmpty()) QSKIP("needs xdotool to restore a window as a task bar does");
        for (int visit = 0; visit < 2; ++visit) {
            menu.Action("Minimize1")->trigger();
            QTRY_VERIFY(!menu.windowHandle()->isExposed());
            // The player brings it back from the desktop (the window manager is asked
            // to activate it, as a task bar does), then plays a game.
            QCOMPARE(QProcess::execute(xdotool, {"windowactivate", QString::number(menu.winId())}),
                     0);
            QTRY_VERIFY(menu.windowHandle()->isExposed());
            testing::WhenUp<TGameScreen>([](TGameScreen* screen) {
                QTest::qWait(200);
                screen->close();
            });
            menu.LaunchGame(kJacksOrBetter);
            QTRY_VERIFY(menu.windowHandle()->isExposed());
            QVERIFY(!menu.isMinimized());
            QVERIFY(MillisecondsToPaint(&menu, 2000, 0.2) <= 2000);
        }
    }

    void cleanupTestCase() { m_windows.reset(); }
};

QTEST_MAIN(TestWindowManager)
#include "test_window_manager.moc"
