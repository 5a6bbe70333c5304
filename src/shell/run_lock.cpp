#include "shell/run_lock.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quintaro {
namespace {

// The settings file as the file system finally names it: links followed,
// even to a target that does not exist yet.
std::filesystem::path ResolvedSettings(const std::filesystem::path& settingsFile) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path absolute = fs::absolute(settingsFile, ec);
    if (ec) absolute = settingsFile;
    fs::path current = absolute;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(current, ec)) break;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    const fs::path canonical = fs::weakly_canonical(current, ec);
    return ec ? current.lexically_normal() : canonical;
}

} // namespace

RunLock::~RunLock() {
    Release();
}

std::filesystem::path RunLock::LockPathFor(const std::filesystem::path& settingsFile) {
    std::filesystem::path lock = ResolvedSettings(settingsFile);
    lock += ".lock";
    return lock;
}

std::string RunLock::InstanceKey(const std::filesystem::path& settingsFile) {
    // FNV-1a over the resolved path's bytes and the user: stable across runs.
    std::uint64_t hash = 14695981039346656037ULL;
    auto mix = [&hash](const std::string& bytes) {
        for (unsigned char c : bytes) {
            hash ^= c;
            hash *= 1099511628211ULL;
        }
    };
    mix(ResolvedSettings(settingsFile).native());
    mix(std::to_string(::getuid()));
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("quintaro-") + text;
}

RunLock::State RunLock::Acquire(const std::filesystem::path& settingsFile) {
    Release();
    problem_.clear();
    const std::filesystem::path lock = LockPathFor(settingsFile);
    std::error_code ec;
    std::filesystem::create_directories(lock.parent_path(), ec);
    fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        problem_ = "Cannot make " + lock.string() + ": " + std::strerror(errno);
        return state_ = State::Unavailable;
    }
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        if (err == EWOULDBLOCK) return state_ = State::HeldElsewhere;
        problem_ = "Cannot lock " + lock.string() + ": " + std::strerror(err);
        return state_ = State::Unavailable;
    }
    return state_ = State::Held;
}

void RunLock::Release() {
    if (fd_ >= 0) {
        // The file stays: removing it could let two copies lock two different files.
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
    fd_ = -1;
    state_ = State::Unavailable;
}

} // namespace quintaro
