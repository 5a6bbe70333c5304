#pragma once
// One running copy per settings file. Two copies over one file would each
// write their own credits and options at exit, the later one silently undoing
// the other's. The first copy holds an advisory lock on "Quintaro.ini.lock"
// beside the settings file (beside the file a link points to, when the
// settings file is a link) for as long as it runs; the system lets go of the
// lock when the process ends in any way, so a crashed copy never locks the
// player out.

#include <filesystem>
#include <string>

namespace quintaro {

class RunLock {
public:
    enum class State {
        Held,          // this copy holds the lock and may run
        HeldElsewhere, // another running copy holds it
        Unavailable,   // no lock could be made (a read-only folder): run without one
    };

    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // Tries once, without waiting. Creates the settings folder if needed.
    State Acquire(const std::filesystem::path& settingsFile);
    // Lets go of the lock (the destructor does too).
    void Release();

    State Current() const { return state_; }
    // Why the lock was unavailable.
    const std::string& Problem() const { return problem_; }

    // The lock file for a settings file.
    static std::filesystem::path LockPathFor(const std::filesystem::path& settingsFile);
    // A short name that is the same for every copy using the same settings
    // file, and different for other files ("quintaro-" and 16 hexadecimal
    // digits); the first copy listens under it for a second one.
    static std::string InstanceKey(const std::filesystem::path& settingsFile);

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string problem_;
};

} // namespace quintaro
