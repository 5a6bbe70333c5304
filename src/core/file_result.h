#pragma once
// The outcome of writing or reading one of the program's files.

#include <string>
#include <utility>

namespace quintaro {

// Outcome of a file operation; `error` says why it failed in words a player
// can be shown.
struct FileResult {
    bool ok = true;
    std::string error;

    explicit operator bool() const { return ok; }
    static FileResult Success() { return {}; }
    static FileResult Failure(std::string why) { return {false, std::move(why)}; }
};

} // namespace quintaro
