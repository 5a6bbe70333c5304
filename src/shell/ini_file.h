#pragma once
// A small INI-file layer with the behaviour of the classic private-profile
// services, which is what the settings file and the scheme files are written
// for:
//   - section and key names are compared without regard to ASCII case;
//   - the first occurrence wins when a section or a key appears twice;
//   - a write changes one value in place and leaves every other line of the
//     file exactly as it was (comments, unknown keys, other sections, order,
//     blank lines, line endings, a UTF-8 byte-order mark);
//   - a missing file, section or key reads as the caller's default;
//   - integers are decimal, or hexadecimal with a "$" or "0x" prefix as
//     scheme authors write colours; the leading number of a value is read and
//     whatever follows it is ignored ("250 ; my note" is 250); a value that
//     does not start with a number, or one outside 32 bits, reads as the
//     default; booleans are integers, non-zero is true;
//   - a string is written so that it reads back exactly: one that would lose
//     blanks or quotes at its ends is written inside double quotes.
// Lines that are neither "[section]" nor "key=value" are kept but never match;
// lines starting with ';' are comments.
//
// A document is read from disk once, queried and changed in memory, and
// written back with SaveIniFileAtomically, which replaces the old file only
// after the new one has been written completely.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_result.h"

namespace quintaro {

// Reads the 32-bit integer a value starts with, as the profile services do:
// leading blanks, then an optional sign and decimal digits, or "$"/"0x"
// followed by up to 32 bits of hexadecimal digits (taken as the bit pattern,
// so $FFFFFFFF is -1). Whatever follows the number is ignored. Nothing when
// the value does not start with a number or the number needs more than 32
// bits.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);
// The same, but the whole value (apart from surrounding blanks) must be the
// number; for lists of numbers such as a stored hand.
std::optional<std::int32_t> ParseWholeInteger(std::string_view text);

// ASCII case-insensitive equality and ordering, as the profile services and
// the scheme list compare names.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool LessNoCase(std::string_view a, std::string_view b);

class IniDocument {
public:
    IniDocument() = default;
    // Takes the raw bytes of a file. CRLF and LF endings both work, a UTF-8
    // byte-order mark is skipped (and kept on output), other bytes are taken
    // as they are.
    explicit IniDocument(std::string text);

    // The value of the first `key` in the first `section`, trimmed of blanks,
    // one pair of matching surrounding quotes removed; nothing when absent.
    // ReadString gives back exactly what WriteString wrote (line breaks aside).
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    bool HasSection(std::string_view section) const;

    // Sets a value. An existing key keeps its line position and spelling; a new
    // key goes after the last entry of its section; a new section goes at the
    // end of the file. Line breaks in `value` become blanks so a value can never
    // add lines of its own. A value with blanks or a pair of quotes at its ends
    // is written inside double quotes, so that reading it gives it back whole.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's bytes as they would be saved.
    std::string Text() const;

private:
    struct Line {
        std::string text;   // without its line ending
        std::string ending; // "\n", "\r\n" or "" for an unterminated last line
    };
    enum class Kind { Other, Section, Entry };
    struct Parsed {
        Kind kind = Kind::Other;
        std::string_view name;  // section name or key, trimmed
        std::string_view value; // entry value, trimmed
    };
    static Parsed ParseLine(std::string_view line);
    // Index of the first "[section]" line, or npos.
    std::size_t FindSection(std::string_view section) const;
    std::string NewLineEnding() const;

    std::string bom_;
    std::vector<Line> lines_;
};

// The largest settings or scheme file that is read. Real ones are a few
// hundred bytes; anything this large is not ours and is left alone.
inline constexpr std::size_t kMaxIniFileBytes = 4 * 1024 * 1024;

// Reads a file. A missing file gives an empty document and success; a file
// that exists but cannot be read gives an empty document and the reason. Only
// a regular file (reached through links, if any) of at most `maxBytes` is
// read: a folder, a device, a pipe or a socket is "not a regular file", and a
// larger file is "too large"; opening never waits for a pipe's writer.
struct IniLoad {
    IniDocument document;
    FileResult result;
    bool existed = false;
};
IniLoad LoadIniFile(const std::filesystem::path& path, std::size_t maxBytes = kMaxIniFileBytes);

// Writes `contents` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. Creates the folder if needed. On any failure the old
// file is left untouched, the temporary file is removed, and the reason is
// returned.
//
// Only a regular file is ever replaced, or a new one created. A link to a
// regular file stays a link and the file it points to is replaced (as
// configuration managers link such files); a link that points nowhere yet
// creates its target. When `path` (or its link's target) is a folder, a
// device, a pipe or a socket, nothing is written and the save fails.
FileResult SaveFileAtomically(const std::filesystem::path& path, std::string_view contents);

// The temporary files a save writes beside `path` are named after the file
// that is replaced: "Quintaro.ini.XXXXXX" with six letters or digits. A save
// that was killed leaves one behind. This removes every regular file of that
// exact pattern beside the file (or beside its link's target); other names,
// links and folders stay. Only safe while no other copy of the program can be
// saving the same file. Returns how many were removed.
int RemoveStaleSaveFiles(const std::filesystem::path& path);

inline FileResult SaveIniFileAtomically(const std::filesystem::path& path,
                                        const IniDocument& document) {
    return SaveFileAtomically(path, document.Text());
}

} // namespace quintaro
