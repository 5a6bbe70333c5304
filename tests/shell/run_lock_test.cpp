#include "shell/run_lock.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace quintaro {
namespace {

using testing::ScratchDir;
using testing::WriteFile;

// What a fresh process finds when it tries the lock (a lock held by this
// process would be granted to this process again).
RunLock::State StateInAnotherProcess(const std::filesystem::path& settings) {
    const pid_t child = fork();
    if (child == 0) {
        RunLock lock;
        _exit(static_cast<int>(lock.Acquire(settings)));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return static_cast<RunLock::State>(WEXITSTATUS(status));
}

TEST(RunLock, OneHolderPerSettingsFileUntilItLetsGo) {
    ScratchDir dir;
    const auto settings = dir / "config" / "Quintaro" / "Quintaro.ini";
    RunLock lock;
    EXPECT_EQ(lock.Acquire(settings), RunLock::State::Held); // the folder is made for it
    EXPECT_EQ(RunLock::LockPathFor(settings), dir / "config" / "Quintaro" / "Quintaro.ini.lock");
    EXPECT_EQ(StateInAnotherProcess(settings), RunLock::State::HeldElsewhere);
    // Another settings file is another lock.
    EXPECT_EQ(StateInAnotherProcess(dir / "other" / "Quintaro.ini"), RunLock::State::Held);
    lock.Release();
    EXPECT_EQ(StateInAnotherProcess(settings), RunLock::State::Held);
    EXPECT_FALSE(std::filesystem::exists(settings)); // the settings file itself is not touched
    // Two links to one settings file are one lock, at the link's target.
    WriteFile(dir / "dotfiles" / "quintaro.conf", "");
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    std::filesystem::create_symlink(dir / "dotfiles" / "quintaro.conf", dir / "a" / "Quintaro.ini");
    std::filesystem::create_symlink("../dotfiles/quintaro.conf", dir / "b" / "Quintaro.ini");
    ASSERT_EQ(lock.Acquire(dir / "a" / "Quintaro.ini"), RunLock::State::Held);
    EXPECT_EQ(StateInAnotherProcess(dir / "b" / "Quintaro.ini"), RunLock::State::HeldElsewhere);
    EXPECT_EQ(RunLock::InstanceKey(dir / "a" / "Quintaro.ini"),
              RunLock::InstanceKey(dir / "b" / "Quintaro.ini"));
    EXPECT_NE(RunLock::InstanceKey(dir / "a" / "Quintaro.ini"),
              RunLock::InstanceKey(dir / "c" / "Quintaro.ini"));
}

TEST(RunLock, AProcessThatDiesLetsGo) {
    ScratchDir dir;
    const auto settings = dir / "Quintaro.ini";
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        RunLock lock;
        const char state = static_cast<char>(lock.Acquire(settings));
        [[maybe_unused]] const auto n = write(ready[1], &state, 1);
        pause();
        _exit(0);
    }
    char state = 0;
    ASSERT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(static_cast<RunLock::State>(state), RunLock::State::Held);
    EXPECT_EQ(StateInAnotherProcess(settings), RunLock::State::HeldElsewhere);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_EQ(StateInAnotherProcess(settings), RunLock::State::Held);
    close(ready[0]);
    close(ready[1]);
}

} // namespace
} // namespace quintaro
