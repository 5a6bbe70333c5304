#pragma once
// Colour schemes: one folder per scheme, holding Scheme.ini (sections
// Menu_Data and Game_Data) and optional replacement pictures. Schemes are
// looked for in "Schemes" under the current directory and under the user's
// data folder; file names inside a scheme folder are matched without regard
// to case because schemes are made on systems that ignore case.
//
// Everything here reads files into plain values; loading the pictures and
// applying the colours is the windows' business.

#include "shell/ini_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

inline constexpr std::string_view kSchemeIniName = "Scheme.ini";
inline constexpr std::string_view kMenuDataSection = "Menu_Data";
inline constexpr std::string_view kGameDataSection = "Game_Data";

// The address the built-in look's web-link area opens.
inline constexpr std::string_view kBuiltInWebAddress = "https://www.ostrelwyn.example/";

// One entry of the scheme list. The first entry is always "default", the
// built-in look, with an empty directory.
struct SchemeEntry {
    std::string name;
    std::filesystem::path directory;
};
using SchemeListType = std::vector<SchemeEntry>;

// "Schemes" in the current directory, then in the user's data folder.
std::vector<std::filesystem::path> DefaultSchemeRoots();

// Builds the scheme list: "default", then every folder of the roots whose name
// does not begin with "." and that holds a Scheme.ini, sorted without regard
// to case. A name found in an earlier root hides the same name (in any case)
// in later ones. Folders named "default" (reserved for the built-in look) and
// names with control characters are skipped. Unreadable folders are skipped.
SchemeListType ScanSchemes(const std::vector<std::filesystem::path>& roots);

// Position of `name` in the list (compared without regard to case), or -1.
int FindScheme(const SchemeListType& list, std::string_view name);
// The same for a SchemeName read from the settings file: when no name matches,
// the scheme whose name, written as it is, reads back as `stored` (earlier
// saves wrote names raw, so " Blue " came back as "Blue").
int FindStoredScheme(const SchemeListType& list, std::string_view stored);

// The file `name` in `folder`, matched without regard to case (an exact match
// is preferred); nothing if there is no such regular file.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);

// The scheme's Scheme.ini; an empty document when it is missing or unreadable.
IniDocument LoadSchemeIni(const std::filesystem::path& schemeDirectory);

// Where one picture comes from: the scheme's file when the built-in look is
// not in use and the file exists, otherwise the program's own resource.
std::optional<std::filesystem::path>
ResolveSchemePicture(const std::optional<std::filesystem::path>& schemeDirectory,
                     std::string_view fileName);

struct SchemePicture {
    std::string_view file;     // name in a scheme folder
    std::string_view resource; // built-in picture used otherwise
};
inline constexpr SchemePicture kMenuPictures[] = {
    {"credits.bmp", "Credits1"}, {"infoarea.bmp", "InfoArea"}, {"Games.bmp", "GameTyps"},
    {"BetValue.bmp", "Value"},   {"qolabel.bmp", "SuiteName"}, {"GmPicker.bmp", "Picker1"},
};
inline constexpr SchemePicture kSessionPictures[] = {
    {"digitals.bmp", "DigitalNumbers"},
    {"VantaBtns.bmp", "VantaBtns"},
};
// The last one is read only when the scheme shows the centre win panel.
inline constexpr SchemePicture kGamePictures[] = {
    {"credits.bmp", "Credits1"},
    {"digwin.bmp", "Win1"},
    {"GameSkin.bmp", "ScreenTiles"},
    {"Cards.bmp", "PokerGraphics"},
    {"CrdValue.bmp", "CrdValue"},
    {"Panel.bmp", "PaysPnlImage"},
    {"WinPanelImage.bmp", "WinPanelImage"},
};

// Colours in scheme files are integers in the form 0x00BBGGRR (red in the low
// byte). The high byte carries no colour and is ignored.
struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};
constexpr RgbColour ColourToRgb(std::int32_t colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}
constexpr std::int32_t RgbToColour(RgbColour rgb) {
    return static_cast<std::int32_t>(rgb.red | (rgb.green << 8) | (rgb.blue << 16));
}

// True only for http:, https: (with a host) and mailto: addresses, with no
// control characters or blanks. A scheme is a downloaded file; handing
// anything else to the system's "open" handler could run a program or open a
// local file.
bool IsSafeWebAddress(std::string_view address);

// The menu's web-link area. When disabled it shows no hint and opens nothing.
struct WebLinkArea {
    bool enabled = true;
    std::int32_t left = 593;
    std::int32_t top = 76;
    std::int32_t width = 171;
    std::int32_t height = 44;
    std::string address = std::string(kBuiltInWebAddress);
    bool hintOn = true;
    std::string hint = "Go to Ostrelwyn Web Site";
};

// The menu's part of a scheme (section Menu_Data), or the built-in look.
struct MenuScheme {
    std::string menuString;                      // empty: the built-in banner text
    std::int32_t exitPanelColour = 128;          // ExitPnlClr, maroon
    std::int32_t exitButtonFontColour = 255;     // ExitBtnFntClr, red
    bool gameTypeNamesVisible = true;            // GameTypeNamesVisible
    std::int32_t gameTypeNameFontColour = 65535; // GameTypeNameFontColor, yellow
    bool showCreditBorder = true;                // ShowCreditBorder
    WebLinkArea link;
};

// The built-in look; the link opens `configuredAddress`.
MenuScheme BuiltInMenuScheme(std::string_view configuredAddress = kBuiltInWebAddress);
// Reads Menu_Data. The web-link area is enabled by URLAreaActive, and disabled
// again by a URLAreaRectangle with fewer than four comma-separated parts
// (parts that are not numbers read as 0), or by a URLAreaAddress that is empty
// or not a safe web address.
MenuScheme ReadMenuScheme(const IniDocument& schemeIni,
                          std::string_view configuredAddress = kBuiltInWebAddress);
// The caption of a scheme in the Scheme submenu: its Name, or its folder name
// when Name is empty.
std::string SchemeCaption(const IniDocument& schemeIni, std::string_view folderName);

// The game screens' part of a scheme (section Game_Data). A colour that is
// absent (or not a number) stays as designed. Without the centre win panel the
// panel's two font colours and picture are not read.
struct GameScheme {
    std::optional<std::int32_t> payPanelShapeColour;  // ShpPysPnlClr
    bool centreWinPanel = true;                       // CntrPnlVis
    std::optional<std::int32_t> winPanelFontColour;   // PysPnlFntClr
    std::optional<std::int32_t> winPanelShadowColour; // PysPnlFntShdwClr
    std::optional<std::int32_t> holdFontColour;       // HoldFontColor
    std::optional<std::int32_t> holdShadowColour;     // HoldShadowFontColor
};
GameScheme ReadGameScheme(const IniDocument& schemeIni);

// The menu's look for a position in the scheme list: the built-in look for
// position 0 or an invalid position, else the scheme's Menu_Data.
MenuScheme LoadMenuScheme(const SchemeListType& list, int position,
                          std::string_view configuredAddress = kBuiltInWebAddress);
// A game screen's colours from a scheme folder; none (the built-in look)
// keeps every colour as designed and shows the centre win panel.
GameScheme LoadGameScheme(const std::optional<std::filesystem::path>& schemeDirectory);

} // namespace quintaro
