#include "shell/schemes.h"

#include "shell/settings.h"

#include <algorithm>
#include <system_error>

namespace quintaro {
namespace fs = std::filesystem;

namespace {

bool HasControlCharacter(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

// The folder itself if it exists, else a sibling whose name matches it
// without regard to case.
std::optional<fs::path> FindFolderNoCase(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return folder;
    const fs::path parent = folder.has_parent_path() ? folder.parent_path() : fs::path(".");
    const std::string wanted = folder.filename().string();
    std::optional<fs::path> found;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (EqualsNoCase(name, wanted) && it->is_directory(ec) &&
            (!found || name < found->filename().string()))
            found = it->path();
    }
    return found;
}

std::int32_t RectanglePart(std::string_view part) {
    return ParseProfileInteger(part).value_or(0);
}

} // namespace

std::vector<fs::path> DefaultSchemeRoots() {
    std::error_code ec;
    fs::path here = fs::current_path(ec);
    std::vector<fs::path> roots;
    roots.push_back(ec ? fs::path("Schemes") : here / "Schemes");
    roots.push_back(UserDataDirectory() / "Schemes");
    return roots;
}

std::optional<fs::path> FindFileNoCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    const fs::path exact = folder / fs::path(std::string(name));
    if (fs::is_regular_file(exact, ec)) return exact;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        std::error_code typeError;
        if (EqualsNoCase(entry, name) && it->is_regular_file(typeError) &&
            (!found || entry < found->filename().string()))
            found = it->path();
    }
    return found;
}

SchemeListType ScanSchemes(const std::vector<fs::path>& roots) {
    SchemeListType found;
    for (const fs::path& root : roots) {
        const auto folder = FindFolderNoCase(root);
        if (!folder) continue;
        SchemeListType here;
        std::error_code ec;
        for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (name.empty() || name.front() == '.' || !it->is_directory(typeError)) continue;
            if (EqualsNoCase(name, kDefaultSchemeName) || HasControlCharacter(name)) continue;
            if (!FindFileNoCase(it->path(), kSchemeIniName)) continue;
            here.push_back({name, it->path()});
        }
        // Directory order is arbitrary; sort each root so that the choice
        // between names differing only in case is repeatable.
        std::sort(here.begin(), here.end(),
                  [](const SchemeEntry& a, const SchemeEntry& b) { return a.name < b.name; });
        for (SchemeEntry& entry : here)
            if (FindScheme(found, entry.name) < 0) found.push_back(std::move(entry));
    }
    std::stable_sort(found.begin(), found.end(), [](const SchemeEntry& a, const SchemeEntry& b) {
        return LessNoCase(a.name, b.name);
    });
    found.insert(found.begin(), SchemeEntry{std::string(kDefaultSchemeName), {}});
    return found;
}

int FindScheme(const SchemeListType& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EqualsNoCase(list[i].name, name)) return static_cast<int>(i);
    return -1;
}

IniDocument LoadSchemeIni(const fs::path& schemeDirectory) {
    const auto file = FindFileNoCase(schemeDirectory, kSchemeIniName);
    if (!file) return {};
    return LoadIniFile(*file).document;
}

std::optional<fs::path> ResolveSchemePicture(const std::optional<fs::path>& schemeDirectory,
                                             std::string_view fileName) {
    if (!schemeDirectory || schemeDirectory->empty()) return std::nullopt;
    return FindFileNoCase(*schemeDirectory, fileName);
}

bool IsSafeWebAddress(std::string_view address) {
    if (address.empty() || HasControlCharacter(address) ||
        address.find(' ') != std::string_view::npos)
        return false;
    if (StartsWithNoCase(address, "mailto:")) return address.size() > 7;
    for (std::string_view prefix : {std::string_view("http://"), std::string_view("https://")}) {
        if (!StartsWithNoCase(address, prefix)) continue;
        const std::string_view rest = address.substr(prefix.size());
        const std::size_t hostEnd = rest.find_first_of("/?#");
        return hostEnd != 0 && !rest.empty();
    }
    return false;
}

MenuScheme BuiltInMenuScheme(std::string_view configuredAddress) {
    MenuScheme m;
    m.link.address = std::string(configuredAddress);
    return m;
}

MenuScheme ReadMenuScheme(const IniDocument& ini, std::string_view configuredAddress) {
    const std::string_view s = kMenuDataSection;
    MenuScheme m = BuiltInMenuScheme(configuredAddress);
    m.menuString = ini.ReadString(s, "MenuString", "");
    m.exitPanelColour = ini.ReadInteger(s, "ExitPnlClr", 128);
    m.exitButtonFontColour = ini.ReadInteger(s, "ExitBtnFntClr", 255);
    m.gameTypeNamesVisible = ini.ReadBool(s, "GameTypeNamesVisible", true);
    if (m.gameTypeNamesVisible)
        m.gameTypeNameFontColour = ini.ReadInteger(s, "GameTypeNameFontColor", 65535);
    m.showCreditBorder = ini.ReadBool(s, "ShowCreditBorder", true);

    WebLinkArea& link = m.link;
    link.enabled = ini.ReadBool(s, "URLAreaActive", false);
    std::int32_t bounds[4] = {link.left, link.top, link.width, link.height};
    if (link.enabled) {
        const std::string rectText = ini.ReadString(s, "URLAreaRectangle", "");
        std::string_view rect = rectText;
        int parts = 0;
        while (parts < 4) {
            const std::size_t comma = rect.find(',');
            bounds[parts++] = RectanglePart(rect.substr(0, comma));
            if (comma == std::string_view::npos) break;
            rect.remove_prefix(comma + 1);
        }
        if (parts < 4) link.enabled = false;
    }
    if (link.enabled) {
        const std::string address = ini.ReadString(s, "URLAreaAddress", "");
        if (address.empty() || !IsSafeWebAddress(address))
            link.enabled = false;
        else
            link.address = address;
    }
    if (link.enabled) {
        link.left = bounds[0];
        link.top = bounds[1];
        link.width = std::max(0, bounds[2]);
        link.height = std::max(0, bounds[3]);
        link.hint = ini.ReadString(s, "URLAreaHintText", "");
        link.hintOn = !link.hint.empty();
    } else {
        link.hintOn = false;
        link.hint.clear();
    }
    return m;
}

std::string SchemeCaption(const IniDocument& ini, std::string_view folderName) {
    std::string name = ini.ReadString(kMenuDataSection, "Name", "");
    return name.empty() ? std::string(folderName) : name;
}

GameScheme ReadGameScheme(const IniDocument& ini) {
    const std::string_view s = kGameDataSection;
    auto colour = [&](std::string_view key) -> std::optional<std::int32_t> {
        if (auto v = ini.Find(s, key)) return ParseProfileInteger(*v);
        return std::nullopt;
    };
    GameScheme g;
    g.payPanelShapeColour = colour("ShpPysPnlClr");
    g.centreWinPanel = ini.ReadBool(s, "CntrPnlVis", true);
    if (g.centreWinPanel) {
        g.winPanelFontColour = colour("PysPnlFntClr");
        g.winPanelShadowColour = colour("PysPnlFntShdwClr");
    }
    g.holdFontColour = colour("HoldFontColor");
    g.holdShadowColour = colour("HoldShadowFontColor");
    return g;
}

MenuScheme LoadMenuScheme(const SchemeListType& list, int position,
                          std::string_view configuredAddress) {
    if (position < 1 || position >= static_cast<int>(list.size()))
        return BuiltInMenuScheme(configuredAddress);
    return ReadMenuScheme(LoadSchemeIni(list[static_cast<std::size_t>(position)].directory),
                          configuredAddress);
}

GameScheme LoadGameScheme(const std::optional<fs::path>& schemeDirectory) {
    if (!schemeDirectory || schemeDirectory->empty()) return {};
    return ReadGameScheme(LoadSchemeIni(*schemeDirectory));
}

} // namespace quintaro
