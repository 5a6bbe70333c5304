#include "shell/session.h"

#include "session_recorder.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace quintaro {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::SessionRecorder;
using testing::WriteFile;
using Log = std::vector<std::string>;

// A session over a scratch folder: settings file and one scheme root.
class SessionTest : public ::testing::Test {
protected:
    SessionConfig Config() const { return {dir / "config" / "Quintaro.ini", {dir / "Schemes"}}; }
    void WriteSettings(const std::string& text) { WriteFile(Config().settingsFile, text); }
    std::unique_ptr<TVantaSession> Make() {
        auto s = std::make_unique<TVantaSession>(Config(), rec.Services());
        rec.AttachAll(*s);
        return s;
    }

    ScratchDir dir;
    SessionRecorder rec;
};

TEST_F(SessionTest, FirstStartWithoutASettingsFile) {
    auto s = Make();
    EXPECT_EQ(s->Credits, 150);
    EXPECT_EQ(s->CreditValue, kQuarter);
    EXPECT_EQ(s->WhichSpeed, 2);
    EXPECT_EQ(s->LastGame, 0);
    EXPECT_TRUE(s->Sound);
    EXPECT_FALSE(s->FastCredits);
    EXPECT_FALSE(s->AutoHold);
    EXPECT_TRUE(s->ShowMistakes);
    EXPECT_EQ(s->SchemeName, "default");
    EXPECT_EQ(s->SchemeList.size(), 1u);
    EXPECT_EQ(s->SchemePosition(), 0);
    EXPECT_FALSE(s->GameSchemeDirectory());
    EXPECT_EQ(s->WinMeter, 0);
    EXPECT_FALSE(s->DealSlotEnabled);
    EXPECT_EQ(s->Statistics.TotalHandsPlayed(), 0);
    // The built-in sheets only, loaded once during construction.
    EXPECT_EQ(rec.log, (Log{"sheets - -"}));
    EXPECT_FALSE(std::filesystem::exists(Config().settingsFile));
}

TEST_F(SessionTest, RepairsValuesOutOfRange) {
    struct Case {
        const char* settings;
        std::int32_t credits, speed, value, game;
        bool autoHold, showMistakes;
    };
    const Case cases[] = {
        {"Credits=-5", 150, 2, 1, 0, false, true},
        {"WhichSpeed=7", 150, 2, 1, 0, false, true},
        {"WhichSpeed=-1\nCreditValue=3", 150, 2, 1, 0, false, true},
        {"CreditValue=-1\nLastGame=12", 150, 2, 1, 0, false, true},
        {"LastGame=-1\nWhichSpeed=0\nCreditValue=2", 150, 0, 2, 0, false, true},
        {"LastGame=8\nCredits=0\nWhichSpeed=1\nCreditValue=0", 0, 1, 0, 8, false, true},
        {"AutoHold=1\nShowMistakes=1", 150, 2, 1, 0, true, false},
        {"AutoHold=1", 150, 2, 1, 0, true, false},
        {"AutoHold=1\nShowMistakes=0", 150, 2, 1, 0, true, false},
        {"AutoHold=0\nShowMistakes=0", 150, 2, 1, 0, false, false},
        {"Credits=lots\nWhichSpeed=fast", 150, 2, 1, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteSettings(std::string("[Menu]\n") + c.settings + "\n");
        auto s = Make();
        EXPECT_EQ(s->Credits, c.credits);
        EXPECT_EQ(s->WhichSpeed, c.speed);
        EXPECT_EQ(s->CreditValue, c.value);
        EXPECT_EQ(s->LastGame, c.game);
        EXPECT_EQ(s->AutoHold, c.autoHold);
        EXPECT_EQ(s->ShowMistakes, c.showMistakes);
        for (int state : kSpeedStates) EXPECT_EQ(s->ButtonBarTable[state][2], 4 + c.speed);
        s->Close();
    }
}

TEST_F(SessionTest, PerfectPlayIsOffByDefaultAnyNonZeroIsOnAndItSurvivesARun) {
    struct Case {
        const char* settings;
        bool perfect;
    };
    const Case cases[] = {{"", false},
                          {"PerfectPlay=0", false},
                          {"PerfectPlay=1", true},
                          {"PerfectPlay=7", true},
                          {"PerfectPlay=-1", true},
                          {"PerfectPlay=yes", false},
                          {"PerfectPlay=", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteSettings(std::string("[Menu]\n") + c.settings + "\n");
        auto s = Make();
        EXPECT_EQ(s->PerfectPlay, c.perfect);
        s->Close();
        // Written back as 0 or 1 at exit, whatever the file held.
        const std::string text = ReadFile(Config().settingsFile);
        EXPECT_NE(text.find(c.perfect ? "PerfectPlay=1\n" : "PerfectPlay=0\n"), std::string::npos);
    }
    {
        auto s = Make();
        s->PerfectPlay = !s->PerfectPlay;
    } // the destructor saves
    EXPECT_TRUE(Make()->PerfectPlay);
}

TEST_F(SessionTest, UnknownSchemeNameBecomesDefault) {
    WriteFile(dir / "Schemes" / "Blue" / "Scheme.ini", "");
    WriteFile(dir / "Schemes" / "Blue" / "DIGITALS.BMP", "");
    WriteSettings("[Menu]\nSchemeName=Missing\n");
    {
        auto s = Make();
        EXPECT_EQ(s->SchemeName, "default");
        EXPECT_EQ(rec.log, (Log{"sheets - -"}));
        ASSERT_EQ(s->SchemeList.size(), 2u);
        EXPECT_EQ(s->SchemeList[1].name, "Blue");
    }
    EXPECT_NE(ReadFile(Config().settingsFile).find("SchemeName=default\n"), std::string::npos);

    rec.Clear();
    WriteSettings("[Menu]\nSchemeName=blue\n");
    auto s = Make();
    EXPECT_EQ(s->SchemeName, "Blue");
    EXPECT_EQ(s->SchemePosition(), 1);
    EXPECT_EQ(s->GameSchemeDirectory(), dir / "Schemes" / "Blue");
    // The scheme's digits, the built-in button sheet (the scheme has none).
    EXPECT_EQ(rec.log, (Log{"sheets DIGITALS.BMP -"}));
}

TEST_F(SessionTest, CloseWritesTheMenuSectionOnce) {
    WriteSettings("; mine\n[Menu]\nCredits=-5\nAutoHold=1\n[DrawPoker]\nAltPayTable=1\n");
    auto s = Make();
    s->Credits = 400;
    s->LastGame = 5;
    s->FastCredits = true;
    ASSERT_TRUE(s->Close());
    const std::string expected = "; mine\n[Menu]\nCredits=400\nAutoHold=1\nWhichSpeed=2\n"
                                 "CreditValue=1\nLastGame=5\nSound=1\nFastCredits=1\n"
                                 "ShowMistakes=0\nPerfectPlay=0\nSchemeName=default\n[DrawPoker]\n"
                                 "AltPayTable=1\n";
    EXPECT_EQ(ReadFile(Config().settingsFile), expected);
    s->Credits = 1;
    EXPECT_TRUE(s->Close());
    s.reset(); // the destructor does not save again
    EXPECT_EQ(ReadFile(Config().settingsFile), expected);
}

TEST_F(SessionTest, DestructionSavesAndTheNextRunReadsItBack) {
    {
        auto s = Make();
        s->Credits = 1234;
        s->CreditValue = kDollar;
        s->WhichSpeed = 0;
        s->Sound = false;
        s->AutoHold = true;
        s->ShowMistakes = false;
    }
    auto s = Make();
    EXPECT_EQ(s->Credits, 1234);
    EXPECT_EQ(s->CreditValue, kDollar);
    EXPECT_EQ(s->WhichSpeed, 0);
    EXPECT_FALSE(s->Sound);
    EXPECT_TRUE(s->AutoHold);
    EXPECT_FALSE(s->ShowMistakes);
}

TEST_F(SessionTest, AFailedSaveIsReported) {
    std::filesystem::create_directories(Config().settingsFile); // a folder in the way
    auto s = Make();
    const FileResult r = s->Close();
    EXPECT_FALSE(r);
    EXPECT_NE(r.error.find("Quintaro.ini"), std::string::npos);
}

// The training record opens with the session; when it cannot be used the
// player is told once, in a notice, and the session goes on without it.
TEST_F(SessionTest, ATrainingRecordThatCannotBeUsedIsToldOnce) {
    SessionConfig config = Config();
    WriteFile(dir.path() / "blocked", "a file where the record's folder should be");
    config.recordFile = dir.path() / "blocked" / "training.sqlite3";
    TVantaSession broken(config, rec.Services());
    EXPECT_FALSE(broken.Record().Usable());
    Decision d;
    d.dealt = {0, 1, 2, 3, 4};
    broken.Decisions().HandDealt(0, 0, 1, d.dealt);
    broken.Decisions().HandDrawn(d);
    auto notices = std::vector<std::string>{};
    for (const std::string& line : rec.log)
        if (line.rfind("notice", 0) == 0) notices.push_back(line);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].rfind("notice Quintaro Notice: The training record", 0), 0u) << notices[0];

    rec.log.clear();
    config.recordFile = dir.path() / "data" / "training.sqlite3";
    TVantaSession working(config, rec.Services());
    EXPECT_TRUE(working.Record().Usable());
    for (const std::string& line : rec.log) EXPECT_NE(line.rfind("notice", 0), 0u) << line;
    // Without a path (as in the program's tests) there is no record and no notice.
    TVantaSession none(Config(), rec.Services());
    EXPECT_FALSE(none.Record().Usable());
    for (const std::string& line : rec.log) EXPECT_NE(line.rfind("notice", 0), 0u) << line;
}

TEST_F(SessionTest, BadSettingsFilesStartWithDefaultsAndKeepTheirBytes) {
    std::string big = "[Menu]\r\nCredits=12\r\n";
    while (big.size() < kMaxIniFileBytes - 1000)
        big += "[Filler]\r\nKey=" + std::string(200, 'x') + "\r\n";
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7919 % 256);
    const std::pair<std::string, std::int32_t> files[] = {
        {"", 150},
        {"garbage without any structure", 150},
        {binary, 150},
        {"[Menu]\nCredits\nCredits=\nCredits=9\n", 150}, // the first Credits line with "=" wins
        {"[Menu]\nCredits=8\nCredits=9\n", 8},
        {big, 12}}; // large, but within the limit
    // Over the limit the file is not read and not written: the run keeps its
    // default credits and the save at its end fails, as for any unreadable file.
    std::string tooBig = big + std::string(kMaxIniFileBytes, '\n');
    for (const auto& [bytes, credits] : files) {
        WriteSettings(bytes);
        auto s = Make();
        EXPECT_EQ(s->Credits, credits);
        EXPECT_EQ(s->SchemeName, "default");
        ASSERT_TRUE(s->Close());
        const std::string after = ReadFile(Config().settingsFile);
        if (bytes.find("[Menu]") == std::string::npos) {
            EXPECT_EQ(after.compare(0, bytes.size(), bytes), 0); // untouched, Menu appended
        } else {
            EXPECT_GE(after.size(), bytes.size());
        }
        auto again = Make();
        EXPECT_EQ(again.get()->Credits, credits);
        again->Close();
    }
    WriteSettings(tooBig);
    auto s = Make();
    EXPECT_EQ(s->Credits, 150);
    EXPECT_FALSE(s->Close());
    EXPECT_EQ(ReadFile(Config().settingsFile), tooBig);
}

TEST_F(SessionTest, EverySchemeThatIsListedCanBeChosenAgainAfterARestart) {
    // Folder names with blanks or quotes at their ends, and bytes that are not
    // UTF-8: the name is written so that it reads back whole.
    const std::string names[] = {" Blue",  "Blue ", "  Blue Sky  ", "\"Quoted\"", "'Single'",
                                 "\"Half", "Half'", "Caf\xE9",      "Plain"};
    for (const std::string& name : names) WriteFile(dir / "Schemes" / name / "Scheme.ini", "");
    const std::size_t count = std::size(names) + 1;
    for (std::size_t position = 1; position < count; ++position) {
        std::string chosen;
        {
            auto s = Make();
            ASSERT_EQ(s->SchemeList.size(), count);
            chosen = s->SchemeList[position].name;
            SCOPED_TRACE("[" + chosen + "]");
            s->SelectScheme(static_cast<int>(position));
            ASSERT_TRUE(s->Close());
        }
        SCOPED_TRACE("[" + chosen + "]");
        auto again = Make();
        EXPECT_EQ(again->SchemeName, chosen);
        EXPECT_EQ(again->SchemePosition(), static_cast<int>(position));
        EXPECT_EQ(again->GameSchemeDirectory(), dir / "Schemes" / chosen);
        again->Close();
    }
    // Files saved before names were quoted hold them raw: they are still found.
    for (const auto& [raw, folder] :
         {std::pair{"  Blue Sky  ", "  Blue Sky  "}, std::pair{"\"Quoted\"", "\"Quoted\""},
          std::pair{"BLUE ", " Blue"}}) {
        WriteSettings(std::string("[Menu]\nSchemeName=") + raw + "\n");
        auto s = Make();
        EXPECT_EQ(s->SchemeName, folder) << raw;
        s->Close();
    }
}

TEST_F(SessionTest, ARunEndedFromOutsideWritesTheOpenGameAndTheMenu) {
    WriteSettings("[Menu]\nCredits=250\n");
    auto s = Make();
    s->Credits = 650;
    int gameWrites = 0;
    int hand = 9;
    s->SetOpenGameWriter([&] {
        ++gameWrites;
        return s->Settings().SaveGame(kDeucesWild, true, 3, {hand, 22, 35, 48, 10},
                                      {true, false, false, true, true});
    });
    // The desktop asks for the state before a logout: both sections, and the run goes on.
    ASSERT_TRUE(s->SaveNow());
    EXPECT_EQ(gameWrites, 1);
    EXPECT_EQ(s->Settings().LoadMenu().Credits, 650);
    EXPECT_EQ(s->Settings().LoadGame(kDeucesWild).LastDrawn[0], 9);
    s->Credits = 700;
    hand = 11;
    // A signal ends the run: both sections as at a normal exit, then nothing more.
    ASSERT_TRUE(s->EndRun());
    EXPECT_EQ(gameWrites, 2);
    EXPECT_EQ(s->Settings().LoadMenu().Credits, 700);
    EXPECT_EQ(s->Settings().LoadGame(kDeucesWild).LastDrawn[0], 11);
    s->Credits = 1;
    EXPECT_TRUE(s->EndRun());
    EXPECT_TRUE(s->Close());
    s.reset();
    EXPECT_EQ(gameWrites, 2);
    EXPECT_EQ(Make()->Credits, 700);
}

TEST_F(SessionTest, ARunEndedFromOutsideReportsTheFirstFailedSave) {
    auto s = Make();
    s->Credits = 650;
    // The game's section fails: the Menu section is still written.
    s->SetOpenGameWriter([] { return FileResult::Failure("Cannot save the game"); });
    const FileResult game = s->EndRun();
    EXPECT_FALSE(game);
    EXPECT_EQ(game.error, "Cannot save the game");
    EXPECT_EQ(s->Settings().LoadMenu().Credits, 650);

    // Without a game open only the Menu section is written; its failure is returned.
    std::filesystem::remove_all(Config().settingsFile.parent_path());
    std::filesystem::create_directories(Config().settingsFile);
    auto t = Make();
    t->SetOpenGameWriter({});
    const FileResult menu = t->EndRun();
    EXPECT_FALSE(menu);
    EXPECT_NE(menu.error.find("Quintaro.ini"), std::string::npos);
}

TEST_F(SessionTest, GameNames) {
    auto s = Make();
    const char* names[] = {"Jacks or Better",    "Bonus Poker",         "Bonus Deluxe",
                           "Deuces Wild",        "Double Bonus",        "Double Double Bonus",
                           "Super Double Bonus", "Triple Double Bonus", "Super Aces Bonus"};
    for (int g = 0; g < kGameCount; ++g) EXPECT_EQ(s->GameName(g), names[g]);
    s->LastGame = 3;
    EXPECT_EQ(s->GameName(), "Deuces Wild");
    EXPECT_EQ(s->GameName(-1), "Deuces Wild");
    EXPECT_EQ(s->GameName(9), "");
    EXPECT_EQ(s->GameName(-2), "");
}

TEST_F(SessionTest, CreditValueConversionsKeepTheMoney) {
    auto s = Make();
    // Rows: from nickel, quarter, dollar; columns: to nickel, quarter, dollar.
    struct Case {
        std::int32_t credits;
        std::int32_t expected[3][3];
    };
    const Case cases[] = {
        {7, {{7, 1, 0}, {35, 7, 1}, {140, 28, 7}}},
        {100, {{100, 20, 5}, {500, 100, 25}, {2000, 400, 100}}},
        {0, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
        {19, {{19, 3, 0}, {95, 19, 4}, {380, 76, 19}}},
    };
    for (const Case& c : cases)
        for (int from = 0; from < 3; ++from)
            for (int to = 0; to < 3; ++to) {
                s->CreditValue = from;
                s->Credits = c.credits;
                rec.Clear();
                s->SetCreditValue(to);
                EXPECT_EQ(s->Credits, c.expected[from][to]) << c.credits << " " << from << to;
                EXPECT_EQ(s->CreditValue, to);
                EXPECT_EQ(rec.log, (Log{"effect 3"})); // the caller redraws
            }
    // Nickel to quarter with 7 credits leaves 1; back gives 5.
    s->CreditValue = kNickel;
    s->Credits = 7;
    s->SetCreditValue(kQuarter);
    EXPECT_EQ(s->Credits, 1);
    s->SetCreditValue(kNickel);
    EXPECT_EQ(s->Credits, 5);
    // An invalid value changes nothing; a huge amount saturates instead of wrapping.
    s->SetCreditValue(3);
    EXPECT_EQ(s->CreditValue, kNickel);
    s->CreditValue = kDollar;
    s->Credits = 200'000'000;
    s->SetCreditValue(kNickel);
    EXPECT_EQ(s->Credits, INT32_MAX);
}

TEST_F(SessionTest, InsertBillsAddsCreditsByCreditValue) {
    auto s = Make();
    struct Case {
        std::optional<std::int32_t> dollars;
        std::int32_t value;
        bool added;
        std::int32_t credits;
    };
    const Case cases[] = {
        {20, kQuarter, true, 180},
        {20, kNickel, true, 500},
        {20, kDollar, true, 120},
        {0, kQuarter, false, 100},
        {std::nullopt, kQuarter, false, 100},
        {600, kNickel, true, 10100},
        {500, kDollar, true, 600},
        {1, kQuarter, true, 104},
        {-3, kQuarter, false, 100},
    };
    for (const Case& c : cases) {
        s->Credits = 100;
        s->CreditValue = c.value;
        rec.billsAnswer = c.dollars;
        rec.Clear();
        EXPECT_EQ(s->InsertBills(), c.added);
        EXPECT_EQ(s->Credits, c.credits);
        Log expected{"effect 3", "bills dialog"};
        if (c.added) expected.push_back("credits " + std::to_string(c.credits));
        EXPECT_EQ(rec.log, expected);
    }
}

TEST(BillsTotal, StopsAtFiveHundredDollars) {
    BillsTotal bills;
    EXPECT_EQ(bills.Text(), "$ 0.00");
    bills.Add(20);
    EXPECT_EQ(bills.Text(), "$ 20.00");
    for (int i = 0; i < 5; ++i) bills.Add(100);
    EXPECT_EQ(bills.Total(), 500);
    EXPECT_EQ(bills.Text(), "$ 500.00");
    bills.Add(1);
    EXPECT_EQ(bills.Total(), 500);
    bills.Clear();
    EXPECT_EQ(bills.Total(), 0);
    bills.Add(-5);
    EXPECT_EQ(bills.Total(), 0);
}

TEST(Formats, ThousandsAndMoney) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(900000), "900,000");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-1234), "-1,234");
    EXPECT_EQ(FormatThousands(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatCreditMoney(150, kQuarter), "$37.50");
    EXPECT_EQ(FormatCreditMoney(7, kNickel), "$0.35");
    EXPECT_EQ(FormatCreditMoney(0, kNickel), "$0.00");
    EXPECT_EQ(FormatCreditMoney(1234, kDollar), "$1,234.00");
    EXPECT_EQ(FormatCreditMoney(999999, kQuarter), "$249,999.75");
}

TEST_F(SessionTest, OverflowCashOutAboveTheMeterLimit) {
    auto s = Make();
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {999'999, 999'999},   {1'000'000, 100'000}, {1'234'567, 334'567},
        {1'899'999, 999'999}, {1'900'000, 100'000}, {2'000'000, 200'000}};
    for (const auto& [before, after] : cases) {
        s->Credits = before;
        rec.Clear();
        s->DrawCreditMeter();
        EXPECT_EQ(s->Credits, after) << before;
        Log expected;
        if (before > 999'999)
            expected.push_back("notice Quintaro Notice: " + OverflowNoticeText(before - after));
        expected.push_back("credits " + std::to_string(after));
        EXPECT_EQ(rec.log, expected);
    }
    EXPECT_EQ(OverflowNoticeText(900'000), "900,000 credits are\nbeing cashed out!");
    s->Credits = INT32_MAX;
    s->DrawCreditMeter();
    EXPECT_GT(s->Credits, 99'999);
    EXPECT_LE(s->Credits, 999'999);
    EXPECT_EQ((std::int64_t{INT32_MAX} - s->Credits) % 900'000, 0);
    // Cash Out empties the meter.
    rec.Clear();
    s->CashOut();
    EXPECT_EQ(s->Credits, 0);
    EXPECT_EQ(rec.log, (Log{"effect 3", "credits 0"}));
}

TEST_F(SessionTest, ButtonBarTableStartsAsDesigned) {
    auto s = Make();
    const BarRow expected[9] = {
        {0, 0, 0, 0, 0, 0, 0},  {1, 10, 6, 3, 0, 0, 0}, {1, 7, 6, 3, 8, 0, 2},
        {1, 0, 0, 1, 0, 0, 0},  {1, 10, 6, 3, 0, 0, 2}, {1, 0, 0, 11, 0, 13, 0},
        {1, 10, 6, 0, 0, 0, 0}, {1, 10, 6, 0, 0, 0, 9}, {1, 0, 6, 0, 0, 0, 14},
    };
    for (int state = 0; state < 9; ++state) EXPECT_EQ(s->ButtonBarTable[state], expected[state]);
    rec.Clear();
    s->DrawButtonBar(7);
    EXPECT_EQ(s->BarState, 7);
    s->DrawButtonBar();
    s->DrawButtonBar(12); // not a state: the current one is drawn
    EXPECT_EQ(s->BarState, 7);
    EXPECT_EQ(rec.log,
              (Log{"bar 7: 1 10 6 0 0 0 9", "bar 7: 1 10 6 0 0 0 9", "bar 7: 1 10 6 0 0 0 9"}));
}

TEST_F(SessionTest, HitTestFindsTheSlotThatTakesThePress) {
    auto s = Make();
    s->BarState = 6; // 1, 10, S, 0, 0, 0, 0
    struct Case {
        std::int32_t x, y;
        bool dealEnabled;
        int slot;
    };
    const Case cases[] = {
        {0, 0, false, 1},   {106, 26, false, 1}, {107, 5, false, 0}, {108, 5, false, 2},
        {250, 5, false, 3}, {330, 5, false, 0},  {700, 5, false, 0}, {700, 5, true, 7},
        {450, 5, true, 0},  {755, 5, true, 0},   {10, 27, false, 0}, {10, -1, false, 0},
        {-1, 5, false, 0},  {648, 0, true, 7},   {754, 26, true, 7},
    };
    for (const Case& c : cases) {
        s->DealSlotEnabled = c.dealEnabled;
        EXPECT_EQ(s->ButtonBarHitTest(c.x, c.y), c.slot) << c.x << "," << c.y;
    }
    s->BarState = 7; // the deal slot shows its tile
    s->DealSlotEnabled = false;
    EXPECT_EQ(s->ButtonBarHitTest(700, 5), 7);
}

TEST_F(SessionTest, PressBarButtonShowsThePressedLook) {
    auto s = Make();
    s->BarState = 7;
    rec.Clear();
    s->PressBarButton(1);
    EXPECT_EQ(rec.log,
              (Log{"effect 5", "slot 1 = 10 pressed", "pause 120", "slot 1 = 10", "pause 35"}));
    // A blank deal slot gets the DEAL tile first.
    s->BarState = 6;
    rec.Clear();
    s->PressBarButton(6);
    EXPECT_EQ(s->ButtonBarTable[6][6], 9);
    EXPECT_EQ(rec.log, (Log{"effect 5", "slot 6 = 9", "pause 35", "slot 6 = 9 pressed", "pause 120",
                            "slot 6 = 9", "pause 35"}));
    // Without sound the press looks and lasts the same.
    s->Sound = false;
    rec.Clear();
    s->PressBarButton(0);
    EXPECT_EQ(rec.log, (Log{"slot 0 = 1 pressed", "pause 120", "slot 0 = 1", "pause 35"}));
    rec.Clear();
    s->PressBarButton(7);
    s->PressBarButton(-1);
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(SessionTest, CycleSpeedWrapsAndRewritesTheSpeedCells) {
    auto s = Make();
    s->BarState = 8;
    const int speeds[] = {0, 1, 2, 0};
    for (int expected : speeds) {
        rec.Clear();
        s->CycleSpeed();
        EXPECT_EQ(s->WhichSpeed, expected);
        for (int state : kSpeedStates) EXPECT_EQ(s->ButtonBarTable[state][2], 4 + expected);
        const std::string tile = std::to_string(4 + expected);
        EXPECT_EQ(rec.log, (Log{"effect 5", "slot 2 = " + tile + " pressed", "pause 120",
                                "slot 2 = " + tile, "pause 35"}));
    }
    EXPECT_EQ(s->ButtonBarTable[3][2], 0); // not a speed cell
}

Log CountUpSteps(std::int32_t credits, const std::vector<std::int32_t>& steps) {
    Log log{"win 0", "escape?"};
    std::int32_t win = 0;
    int tone = 1;
    for (std::int32_t step : steps) {
        credits += step;
        win += step;
        log.push_back("tone " + std::to_string(tone));
        log.push_back("credits " + std::to_string(credits));
        log.push_back("win " + std::to_string(win));
        log.push_back("pause 45");
        log.push_back("escape?");
        log.push_back("events");
        tone = tone % 18 + 1;
    }
    log.push_back("tone 0");
    return log;
}

// The step follows what is left to count: by 27, 9, 3 and 1 below 751, 151 and 31;
// tones run 1..18 and start again at 1.
TEST_F(SessionTest, CountUpStepSizesFollowTheRemainingAmount) {
    auto s = Make();
    for (const auto& [credits, win] : {std::pair{150, 100}, std::pair{0, 1000}}) {
        s->Credits = credits;
        s->WinMeter = 0;
        rec.Clear();
        s->CountUpWin(win);
        std::vector<std::int32_t> steps;
        for (std::int32_t left = win; left > 0;) {
            const std::int32_t step = left < 31 ? 1 : left < 151 ? 3 : left < 751 ? 9 : 27;
            steps.push_back(step);
            left -= step;
        }
        EXPECT_EQ(rec.log, CountUpSteps(credits, steps));
        EXPECT_EQ(s->Credits, credits + win);
        EXPECT_EQ(s->WinMeter, win);
        if (win == 100) {
            EXPECT_EQ(steps.size(), 24u + 28u); // 100, 97, ..., 31 by 3, then by 1
        } else {
            EXPECT_GT(std::count(rec.log.begin(), rec.log.end(), "tone 18"), 1);
        }
    }
}

TEST_F(SessionTest, EscapeFinishesTheCountAtOnce) {
    auto s = Make();
    rec.escapeAnswers = {true, false, true}; // a press from before, then one after step 2
    rec.Clear();
    s->CountUpWin(100);
    EXPECT_EQ(rec.log, (Log{"win 0", "escape?", //
                            "tone 1", "credits 153", "win 3", "pause 45", "escape?", "events",
                            "tone 2", "credits 156", "win 6", "pause 45", "escape?", //
                            "tone 3", "credits 250", "win 100", "pause 45", "events", "tone 0"}));
    EXPECT_EQ(s->Credits, 250);
    EXPECT_EQ(s->WinMeter, 100);
}

TEST_F(SessionTest, FastCreditsPayInOneStepWithOneTone) {
    auto s = Make();
    s->FastCredits = true;
    s->WinMeter = 4;
    rec.Clear();
    s->CountUpWin(100);
    EXPECT_EQ(rec.log, (Log{"win 4", "credits 250", "win 104", "tone 1"}));
    EXPECT_EQ(s->Credits, 250);
}

TEST_F(SessionTest, CountUpWithoutSoundStillPaces) {
    auto s = Make();
    s->Sound = false;
    rec.Clear();
    s->CountUpWin(2);
    EXPECT_EQ(rec.log, (Log{"win 0", "escape?", "credits 151", "win 1", "pause 45", "escape?",
                            "events", "credits 152", "win 2", "pause 45", "escape?", "events"}));
}

TEST_F(SessionTest, CountUpOverTheMeterLimitCashesOut) {
    auto s = Make();
    s->Credits = 999'998;
    s->FastCredits = true;
    rec.Clear();
    s->CountUpWin(5);
    EXPECT_EQ(s->Credits, 100'003);
    EXPECT_EQ(rec.log,
              (Log{"win 0", "notice Quintaro Notice: 900,000 credits are\nbeing cashed out!",
                   "credits 100003", "win 5", "tone 1"}));
}

TEST_F(SessionTest, DialogsComeAfterTheirSound) {
    auto s = Make();
    s->BarState = 8;
    rec.Clear();
    s->ShowAbout();
    s->ShowStatistics();
    s->ShowHandBuilder();
    s->ShowGameHelp();
    EXPECT_EQ(rec.log, (Log{"effect 3", "about", "effect 3", "statistics", "effect 3",
                            "hand builder", "effect 5", "slot 0 = 1 pressed", "pause 120",
                            "slot 0 = 1", "pause 35", "game help"}));
}

TEST_F(SessionTest, SelectSchemeReloadsTheSheets) {
    WriteFile(dir / "Schemes" / "Blue" / "Scheme.ini", "");
    WriteFile(dir / "Schemes" / "Blue" / "vantabtns.bmp", "");
    WriteFile(dir / "Schemes" / "green" / "scheme.ini", "");
    auto s = Make();
    ASSERT_EQ(s->SchemeList.size(), 3u);
    rec.Clear();
    EXPECT_TRUE(s->SelectScheme(1));
    EXPECT_EQ(s->SchemeName, "Blue");
    EXPECT_FALSE(s->SelectScheme(1));
    EXPECT_FALSE(s->SelectScheme(3));
    EXPECT_FALSE(s->SelectScheme(-1));
    EXPECT_TRUE(s->SelectScheme(2));
    EXPECT_TRUE(s->SelectScheme(0));
    EXPECT_EQ(rec.log, (Log{"sheets - vantabtns.bmp", "credits 150", "sheets - -", "credits 150",
                            "sheets - -", "credits 150"}));
    EXPECT_EQ(s->SchemeDirectory(2), dir / "Schemes" / "green");
    EXPECT_FALSE(s->SchemeDirectory(0));
}

TEST_F(SessionTest, UnboundDisplaysDrawNothing) {
    auto s = Make();
    s->AttachDisplays(&rec, nullptr, nullptr); // as the menu does
    rec.Clear();
    s->DrawWinMeter();
    s->DrawButtonBar(7);
    s->PressBarButton(1);
    s->DrawCreditMeter();
    EXPECT_EQ(rec.log, (Log{"effect 5", "pause 120", "pause 35", "credits 150"}));
    // A session without any services works too.
    TVantaSession bare(Config());
    bare.CountUpWin(40);
    EXPECT_EQ(bare.Credits, 190);
    EXPECT_FALSE(bare.InsertBills());
}

TEST(MeterLayout, CreditMeterIsRightAligned) {
    const MeterLayout zero = CreditMeterLayout(0);
    ASSERT_EQ(zero.glyphs.size(), 1u);
    EXPECT_EQ(zero.glyphs[0].glyph, 0);
    EXPECT_EQ(zero.glyphs[0].target, (Rect{136, 0, 161, 41}));
    EXPECT_EQ(zero.blank, (Rect{0, 0, 136, 41}));

    const MeterLayout thousand = CreditMeterLayout(1000);
    ASSERT_EQ(thousand.glyphs.size(), 5u);
    EXPECT_EQ(thousand.glyphs[0].target, (Rect{50, 0, 75, 41}));
    EXPECT_EQ(thousand.glyphs[1].glyph, kCommaGlyph);
    EXPECT_EQ(thousand.glyphs[1].source, (Rect{250, 0, 261, 41}));
    EXPECT_EQ(thousand.glyphs[1].target, (Rect{75, 0, 86, 41}));
    EXPECT_EQ(thousand.glyphs[4].target, (Rect{136, 0, 161, 41}));
    EXPECT_EQ(thousand.blank, (Rect{0, 0, 50, 41}));

    const MeterLayout full = CreditMeterLayout(987'654);
    ASSERT_EQ(full.glyphs.size(), 7u);
    EXPECT_EQ(full.blank.Width(), 0);
    EXPECT_EQ(full.glyphs[0].source, (Rect{225, 0, 250, 41}));
    EXPECT_EQ(full.glyphs[3].glyph, kCommaGlyph);
}

TEST(MeterLayout, WinMeterIsLeftAligned) {
    const MeterLayout five = WinMeterLayout(5);
    ASSERT_EQ(five.glyphs.size(), 1u);
    EXPECT_EQ(five.glyphs[0].target, (Rect{0, 0, 25, 41}));
    EXPECT_EQ(five.blank, (Rect{25, 0, 161, 41}));
    const MeterLayout win = WinMeterLayout(4000);
    ASSERT_EQ(win.glyphs.size(), 5u);
    EXPECT_EQ(win.glyphs[0].target, (Rect{0, 0, 25, 41}));
    EXPECT_EQ(win.glyphs[1].target, (Rect{25, 0, 36, 41}));
    EXPECT_EQ(win.glyphs[4].target, (Rect{86, 0, 111, 41}));
    EXPECT_EQ(win.blank, (Rect{111, 0, 161, 41}));
    // The button sheet's tiles, plain and pressed.
    EXPECT_EQ(BarTileRect(18), (Rect{0, 504, 107, 531}));
    EXPECT_EQ(BarTileRect(18, true), (Rect{108, 504, 215, 531}));
}

} // namespace
} // namespace quintaro
