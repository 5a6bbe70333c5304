// Scheme.ini on any bytes: the menu's and the game screens' parts of a scheme
// are always usable, and the web-link area is on only with a sound rectangle
// and a safe address.

#include "fuzz_check.h"
#include "shell/schemes.h"

#include <string>

using namespace quintaro;

namespace {

bool HasBlankOrControl(std::string_view s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F) return true;
    }
    return false;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(fuzz::AsText(data, size));
    const IniDocument ini(input);
    const std::string_view configured = "https://configured.example/";

    const MenuScheme menu = ReadMenuScheme(ini, configured);
    const WebLinkArea& link = menu.link;
    if (link.enabled) {
        FUZZ_CHECK(ini.ReadBool(kMenuDataSection, "URLAreaActive", false));
        FUZZ_CHECK(IsSafeWebAddress(link.address));
        FUZZ_CHECK(link.width >= 0 && link.height >= 0);
        FUZZ_CHECK(link.hintOn == !link.hint.empty());
    } else {
        FUZZ_CHECK(!link.hintOn && link.hint.empty());
    }
    if (!menu.gameTypeNamesVisible) FUZZ_CHECK(menu.gameTypeNameFontColour == 65535);
    FUZZ_CHECK(!SchemeCaption(ini, "Folder").empty());

    const GameScheme game = ReadGameScheme(ini);
    if (!game.centreWinPanel) FUZZ_CHECK(!game.winPanelFontColour && !game.winPanelShadowColour);
    for (const auto& colour :
         {game.payPanelShapeColour, game.winPanelFontColour, game.winPanelShadowColour,
          game.holdFontColour, game.holdShadowColour})
        if (colour) FUZZ_CHECK(RgbToColour(ColourToRgb(*colour)) == (*colour & 0xFFFFFF));

    // Every line taken as a web address: only http(s) with a host and mailto
    // pass, never with blanks or control characters.
    std::string_view rest = input;
    while (!rest.empty()) {
        const std::string_view line = fuzz::TakeLine(rest);
        if (!IsSafeWebAddress(line)) continue;
        FUZZ_CHECK(!HasBlankOrControl(line));
        FUZZ_CHECK(StartsWithNoCase(line, "http://") || StartsWithNoCase(line, "https://") ||
                   StartsWithNoCase(line, "mailto:"));
    }
    return 0;
}
