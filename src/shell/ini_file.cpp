#include "shell/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define QUINTARO_POSIX_FILES 1
#endif

namespace quintaro {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t npos = std::string::npos;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string ErrnoText(int err) {
    return std::strerror(err);
}

// The path a chain of links ends at, whether or not that exists yet; the path
// itself when it is not a link (or the chain is too long to be real).
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec)) return hops == 0 ? path : current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) return path;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return path;
}

} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

bool LessNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

namespace {

// The number at the start of `text` (after blanks) and where it ends; nothing
// when there is no number there or it needs more than 32 bits.
std::optional<std::int32_t> LeadingNumber(std::string_view text, std::size_t& end) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::string_view rest = text.substr(i);

    std::size_t hexStart = 0;
    if (!rest.empty() && rest.front() == '$')
        hexStart = 1;
    else if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
             HexDigit(rest[2]) >= 0)
        hexStart = 2;
    if (hexStart > 0) {
        std::size_t j = hexStart;
        std::uint64_t value = 0;
        while (j < rest.size() && HexDigit(rest[j]) >= 0) {
            value = value * 16 + static_cast<std::uint64_t>(HexDigit(rest[j]));
            if (value > 0xFFFFFFFFULL) return std::nullopt;
            ++j;
        }
        if (j == hexStart) return std::nullopt;
        end = i + j;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    std::size_t j = 0;
    bool negative = false;
    if (j < rest.size() && (rest[j] == '+' || rest[j] == '-')) {
        negative = rest[j] == '-';
        ++j;
    }
    const std::size_t digits = j;
    std::int64_t value = 0;
    while (j < rest.size() && rest[j] >= '0' && rest[j] <= '9') {
        value = value * 10 + (rest[j] - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
        ++j;
    }
    if (j == digits) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    end = i + j;
    return static_cast<std::int32_t>(value);
}

// Whether a string written as it is would read back otherwise: blanks at its
// ends are trimmed and a pair of matching quotes around it is removed.
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (IsBlank(value.front()) || IsBlank(value.back())) return true;
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

} // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    std::size_t end = 0;
    return LeadingNumber(text, end);
}

std::optional<std::int32_t> ParseWholeInteger(std::string_view text) {
    std::size_t end = 0;
    const auto value = LeadingNumber(text, end);
    if (!value || !Trim(text.substr(end)).empty()) return std::nullopt;
    return value;
}

IniDocument::IniDocument(std::string text) {
    std::string_view rest = text;
    if (rest.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bom_ = kUtf8Bom;
        rest.remove_prefix(kUtf8Bom.size());
    }
    while (!rest.empty()) {
        const std::size_t nl = rest.find('\n');
        Line line;
        if (nl == npos) {
            line.text = rest;
            rest = {};
        } else {
            std::string_view body = rest.substr(0, nl);
            if (!body.empty() && body.back() == '\r') {
                body.remove_suffix(1);
                line.ending = "\r\n";
            } else {
                line.ending = "\n";
            }
            line.text = body;
            rest.remove_prefix(nl + 1);
        }
        lines_.push_back(std::move(line));
    }
}

IniDocument::Parsed IniDocument::ParseLine(std::string_view line) {
    Parsed p;
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return p;
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == npos) return p;
        p.kind = Kind::Section;
        p.name = Trim(t.substr(1, close - 1));
        return p;
    }
    const std::size_t eq = t.find('=');
    if (eq == npos) return p;
    const std::string_view key = Trim(t.substr(0, eq));
    if (key.empty()) return p;
    p.kind = Kind::Entry;
    p.name = key;
    p.value = Trim(t.substr(eq + 1));
    return p;
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = ParseLine(lines_[i].text);
        if (p.kind == Kind::Section && EqualsNoCase(p.name, section)) return i;
    }
    return npos;
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != npos;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const std::size_t start = FindSection(section);
    if (start == npos) return std::nullopt;
    for (std::size_t i = start + 1; i < lines_.size(); ++i) {
        const Parsed p = ParseLine(lines_[i].text);
        if (p.kind == Kind::Section) break;
        if (p.kind == Kind::Entry && EqualsNoCase(p.name, key)) {
            std::string_view v = p.value;
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    if (auto v = Find(section, key)) return *v;
    return std::string(fallback);
}

std::int32_t IniDocument::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const {
    if (auto v = Find(section, key))
        if (auto n = ParseProfileInteger(*v)) return *n;
    return fallback;
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::string IniDocument::NewLineEnding() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\n";
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    std::string clean(value);
    for (char& c : clean)
        if (c == '\n' || c == '\r') c = ' ';
    if (NeedsQuotes(clean)) clean = '"' + clean + '"';
    const std::string eol = NewLineEnding();

    const std::size_t start = FindSection(section);
    if (start == npos) {
        if (!lines_.empty()) {
            if (lines_.back().ending.empty()) lines_.back().ending = eol;
            if (!Trim(lines_.back().text).empty()) lines_.push_back({"", eol});
        }
        lines_.push_back({"[" + std::string(section) + "]", eol});
        lines_.push_back({std::string(key) + "=" + clean, eol});
        return;
    }

    std::size_t lastContent = start; // last non-blank line of the section
    std::size_t i = start + 1;
    for (; i < lines_.size(); ++i) {
        const Parsed p = ParseLine(lines_[i].text);
        if (p.kind == Kind::Section) break;
        if (p.kind == Kind::Entry && EqualsNoCase(p.name, key)) {
            lines_[i].text = std::string(p.name) + "=" + clean;
            return;
        }
        if (!Trim(lines_[i].text).empty()) lastContent = i;
    }
    if (lines_[lastContent].ending.empty()) lines_[lastContent].ending = eol;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1),
                  Line{std::string(key) + "=" + clean, eol});
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniDocument::Text() const {
    std::string out = bom_;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

IniLoad LoadIniFile(const std::filesystem::path& path, std::size_t maxBytes) {
    IniLoad load;
    const std::string shown = path.string();
    auto fail = [&](const std::string& why) {
        load.result = FileResult::Failure("Cannot read " + shown + ": " + why);
        return std::move(load);
    };
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found) {
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
            return fail(ec.message());
        return load;
    }
    load.existed = true;
    if (std::filesystem::is_directory(status)) return fail("it is a folder");
    if (!std::filesystem::is_regular_file(status)) return fail("it is not a regular file");

#ifdef QUINTARO_POSIX_FILES
    // The type is checked again on the open file: the name may have changed
    // meanwhile, and opening a pipe without O_NONBLOCK would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fail(ErrnoText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail("it is not a regular file");
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return fail("it is too large");
    }
    std::string bytes;
    char buffer[16 * 1024];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return fail(ErrnoText(err));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is cut off at the limit.
        if (bytes.size() > maxBytes) {
            ::close(fd);
            return fail("it is too large");
        }
    }
    ::close(fd);
#else
    if (std::filesystem::file_size(path, ec) > maxBytes || ec) return fail("it is too large");
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(ErrnoText(errno));
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return fail(ErrnoText(errno));
    std::string bytes = std::move(buffer).str();
    if (bytes.size() > maxBytes) return fail("it is too large");
#endif
    load.document = IniDocument(std::move(bytes));
    return load;
}

FileResult SaveFileAtomically(const std::filesystem::path& requested, std::string_view contents) {
    namespace fs = std::filesystem;
    const std::string shown = requested.string();
    std::error_code ec;
    // A settings file that is a link (as configuration managers make them)
    // stays a link: the file it points to is the one replaced.
    const fs::path path = FollowLinks(requested);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::create_directories(folder, ec);
    if (ec)
        return FileResult::Failure("Cannot create the folder " + folder.string() + ": " +
                                   ec.message());
    // Only a regular file is replaced: a rename over a device or a pipe would
    // put a plain file in its place.
    const fs::file_status existing = fs::status(path, ec);
    if (fs::is_directory(existing))
        return FileResult::Failure("Cannot save " + shown + ": a folder has that name");
    if (fs::exists(existing) && !fs::is_regular_file(existing))
        return FileResult::Failure("Cannot save " + shown + ": it is not a regular file");

#ifdef QUINTARO_POSIX_FILES
    std::string temp = (folder / (path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return FileResult::Failure("Cannot save " + shown + ": " + ErrnoText(errno));
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return FileResult::Failure("Cannot save " + shown + ": " + ErrnoText(err));
    };
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileResult::Failure("Cannot save " + shown + ": " + ErrnoText(err));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FileResult::Failure("Cannot save " + shown + ": " + ErrnoText(err));
    }
    // Make the rename itself durable; a failure here no longer risks the data.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return FileResult::Success();
#else
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return FileResult::Failure("Cannot save " + shown + ": " + ErrnoText(errno));
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return FileResult::Failure("Cannot save " + shown + ": the disk may be full");
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return FileResult::Failure("Cannot save " + shown + ": " + ec.message());
    }
    return FileResult::Success();
#endif
}

namespace {

bool IsTempSuffixCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

int RemoveStaleSaveFiles(const std::filesystem::path& requested) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Saves write beside the file a link points to, so that is where they are left.
    const fs::path path = FollowLinks(requested);
    const std::string prefix = path.filename().string() + ".";
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        if (!std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                         IsTempSuffixCharacter))
            continue;
        // The entry itself, not what a link points to: only our own plain files go.
        std::error_code typeError;
        if (it->symlink_status(typeError).type() == fs::file_type::regular)
            stale.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& file : stale) {
        std::error_code removeError;
        if (fs::remove(file, removeError)) ++removed;
    }
    return removed;
}

} // namespace quintaro
