#include "shell/ini_file.h"

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

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;

    std::string_view hex;
    if (text.front() == '$')
        hex = text.substr(1);
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        hex = text.substr(2);
    if (!hex.empty() || text == "$") {
        if (hex.empty()) return std::nullopt;
        std::uint64_t value = 0;
        for (char c : hex) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFULL) return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
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

IniLoad LoadIniFile(const std::filesystem::path& path) {
    IniLoad load;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found) {
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
            load.result = FileResult::Failure("Cannot read " + path.string() + ": " + ec.message());
        return load;
    }
    load.existed = true;
    if (std::filesystem::is_directory(status)) {
        load.result = FileResult::Failure("Cannot read " + path.string() + ": it is a folder");
        return load;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        load.result = FileResult::Failure("Cannot read " + path.string() + ": " + ErrnoText(errno));
        return load;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        load.result = FileResult::Failure("Cannot read " + path.string() + ": " + ErrnoText(errno));
        return load;
    }
    load.document = IniDocument(std::move(buffer).str());
    return load;
}

FileResult SaveFileAtomically(const std::filesystem::path& requested, std::string_view contents) {
    namespace fs = std::filesystem;
    const std::string shown = requested.string();
    std::error_code ec;
    // A settings file that is a link (as configuration managers make them)
    // stays a link: the file it points to is the one replaced.
    fs::path path = requested;
    if (fs::is_symlink(requested, ec)) {
        const fs::path target = fs::weakly_canonical(requested, ec);
        if (!ec) path = target;
        ec.clear();
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::create_directories(folder, ec);
    if (ec)
        return FileResult::Failure("Cannot create the folder " + folder.string() + ": " +
                                   ec.message());
    if (fs::is_directory(path, ec))
        return FileResult::Failure("Cannot save " + shown + ": a folder has that name");

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

} // namespace quintaro
