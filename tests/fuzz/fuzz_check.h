#pragma once
// Checks inside fuzz targets: a failed check prints where and aborts, which
// libFuzzer records as a crash with the input that caused it, and which fails
// the corpus replay in ctest.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace quintaro::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Splits off the text before the first line break (the whole text when there
// is none); `rest` keeps what follows the break.
inline std::string_view TakeLine(std::string_view& rest) {
    const std::size_t nl = rest.find('\n');
    const std::string_view line = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
    return line;
}

} // namespace quintaro::fuzz
