// The INI layer on any bytes: the first line names a section, the second a
// key, the rest is the document.
//   - a document gives back exactly the bytes it was made from;
//   - reading never depends on anything but the first section and key found;
//   - a value written is read back, also after the text is parsed again;
//   - a new section goes after everything that was there.

#include "fuzz_check.h"
#include "shell/ini_file.h"

#include <string>

using namespace quintaro;

namespace {

bool IsBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Names the program could write: no line breaks, no padding, and nothing that
// would make the line read as something else.
bool IsPlainName(std::string_view name, std::string_view forbidden) {
    if (name.empty() || IsBlankByte(name.front()) || IsBlankByte(name.back())) return false;
    if (name.front() == ';' || name.front() == '[') return false;
    return name.find_first_of(forbidden) == std::string_view::npos &&
           name.find('\n') == std::string_view::npos;
}

// Values read back as written: no line breaks, no padding, no quotes at the ends.
bool IsPlainValue(std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) return false;
    if (value.empty()) return true;
    if (IsBlankByte(value.front()) || IsBlankByte(value.back())) return false;
    return value.front() != '"' && value.front() != '\'';
}

void CheckReads(const IniDocument& ini, std::string_view section, std::string_view key) {
    const auto found = ini.Find(section, key);
    FUZZ_CHECK(ini.ReadString(section, key,
                              "\x01"
                              "fallback") == found.value_or("\x01"
                                                            "fallback"));
    if (found) FUZZ_CHECK(ini.HasSection(section));
    const std::int32_t a = ini.ReadInteger(section, key, 0);
    const std::int32_t b = ini.ReadInteger(section, key, 1);
    // Either the value is a number, or each read gives its own fallback.
    FUZZ_CHECK(a == b || (a == 0 && b == 1));
    if (!found) FUZZ_CHECK(a == 0 && b == 1);
    FUZZ_CHECK(ini.ReadBool(section, key, false) == (a != 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest = fuzz::AsText(data, size);
    const std::string section(fuzz::TakeLine(rest));
    const std::string key(fuzz::TakeLine(rest));
    const std::string input(rest);

    // Parsing keeps every byte.
    IniDocument ini(input);
    FUZZ_CHECK(ini.Text() == input);

    // Any integer read back from its decimal form is the same integer.
    if (const auto n = ParseProfileInteger(section)) {
        FUZZ_CHECK(ParseProfileInteger(std::to_string(*n)) == n);
        FUZZ_CHECK(ParseProfileInteger(" " + std::to_string(*n) + "\t") == n);
    }

    for (std::string_view s : {std::string_view("Menu"), std::string_view(section)})
        for (std::string_view k : {std::string_view("Credits"), std::string_view(key)})
            CheckReads(ini, s, k);
    FUZZ_CHECK(EqualsNoCase(section, key) == EqualsNoCase(key, section));
    FUZZ_CHECK(!(LessNoCase(section, key) && LessNoCase(key, section)));

    // A section that is not there yet goes after everything that is.
    const std::string_view fresh = "Fuzz \x7f New Section";
    if (!ini.HasSection(fresh)) {
        IniDocument added = ini;
        added.WriteInteger(fresh, "Value", 7);
        const std::string text = added.Text();
        FUZZ_CHECK(text.compare(0, input.size(), input) == 0);
        FUZZ_CHECK(added.ReadInteger(fresh, "Value", 0) == 7);
    }

    if (!IsPlainName(section, "]") || !IsPlainName(key, "=")) return 0;
    // Values written under names the program could use are read back, and
    // the document parsed again from its text reads the same.
    const std::int32_t number = static_cast<std::int32_t>(size * 2654435761u);
    ini.WriteInteger(section, key, number);
    FUZZ_CHECK(ini.ReadInteger(section, key, number ^ 1) == number);
    FUZZ_CHECK(IniDocument(ini.Text()).ReadInteger(section, key, number ^ 1) == number);
    ini.WriteBool(section, key, false);
    FUZZ_CHECK(!ini.ReadBool(section, key, true));

    std::string_view value = rest.substr(0, rest.find_first_of("\r\n"));
    if (IsPlainValue(value)) {
        ini.WriteString(section, key, value);
        FUZZ_CHECK(ini.ReadString(section, key, "") == value);
        FUZZ_CHECK(IniDocument(ini.Text()).ReadString(section, key, "") == value);
    }
    // Line breaks in a value never make lines of their own.
    IniDocument broken = ini;
    broken.WriteString(section, key, rest.substr(0, 64));
    const IniDocument reread(broken.Text());
    FUZZ_CHECK(reread.Find(section, key).has_value());
    FUZZ_CHECK(reread.Text() == broken.Text());
    return 0;
}
