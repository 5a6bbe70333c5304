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
        {"AutoHold=0\nShowMistakes=0", 150, 2, 1, 0, false, false},
        {"Credits=lots\nWhichSpeed=fast", 150, 2, 1, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        WriteSettings(std::string("[Menu]\n") + c.settings + "\n");
        auto s = Make();
        EXPECT_EQ(std::tie(s->Credits, s->WhichSpeed, s->CreditValue, s->LastGame, s->AutoHold,
                           s->ShowMistakes),
                  std::tie(c.credits, c.speed, c.value, c.game, c.autoHold, c.showMistakes));
        for (int state : kSpeedStates) EXPECT_EQ(s->ButtonBarTable[state][2], 4 + c.speed);
        s->Close();
    }
}

// The training record handed to the session; when it cannot be used the
// player is told once, in a notice, and the session goes on without it.
TEST_F(SessionTest, ATrainingRecordThatCannotBeUsedIsToldOnce) {
    SessionConfig config = Config();
    WriteFile(dir.path() / "blocked", "a file where the record's folder should be");
    config.recordFile = dir.path() / "blocked" / "training.sqlite3";
    const auto blocked = OpenTrainingRecord(config.recordFile, rec.Services().dialogs);
    TVantaSession broken(config, rec.Services(), blocked.get());
    EXPECT_FALSE(broken.Record().Usable());
    Decision d;
    d.dealt = {0, 1, 2, 3, 4};
    broken.Decisions().HandDealt(0, 0, 1, d.dealt);
    broken.Decisions().HandDrawn(d);
    const auto count = [&](const std::string& prefix) {
        return std::count_if(rec.log.begin(), rec.log.end(),
                             [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    };
    ASSERT_EQ(count("notice"), 1);
    EXPECT_EQ(count("notice Quintaro Notice: The training record"), 1);

    rec.log.clear();
    config.recordFile = dir.path() / "data" / "training.sqlite3";
    const auto usable = OpenTrainingRecord(config.recordFile, rec.Services().dialogs);
    TVantaSession working(config, rec.Services(), usable.get());
    EXPECT_TRUE(working.Record().Usable());
    // Without a record (as in the program's tests) nothing is kept and nothing told.
    TVantaSession none(Config(), rec.Services());
    EXPECT_FALSE(none.Record().Usable());
    EXPECT_EQ(count("notice"), 0);
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
    // An invalid value changes nothing; a huge amount saturates instead of wrapping.
    s->CreditValue = kNickel;
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

TEST(Formats, ThousandsAndMoney) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(-1234), "-1,234");
    EXPECT_EQ(FormatThousands(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatCreditMoney(150, kQuarter), "$37.50");
    EXPECT_EQ(FormatCreditMoney(7, kNickel), "$0.35");
    EXPECT_EQ(FormatCreditMoney(0, kNickel), "$0.00");
    EXPECT_EQ(FormatCreditMoney(1234, kDollar), "$1,234.00");
    EXPECT_EQ(FormatCreditMoney(999999, kQuarter), "$249,999.75");
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
    }
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

} // namespace
} // namespace quintaro
