#include "command_line.h"

#include <string_view>

#include "quintaro_version.h"

namespace quintaro {
namespace {

constexpr const char* kUsage = "usage: quintaro [--help | --version]\n";

constexpr const char* kHelp =
    "usage: quintaro [--help | --version]\n"
    "\n"
    "Quintaro: video poker and strategy trainer. Without arguments, starts the game.\n"
    "\n"
    "  -h, --help     print this text and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "Settings: $XDG_CONFIG_HOME/Quintaro/Quintaro.ini (else ~/.config/Quintaro/).\n"
    "Schemes:  Schemes/ in the current folder and $XDG_DATA_HOME/Quintaro/Schemes\n"
    "          (else ~/.local/share/Quintaro/Schemes).\n"
    "See quintaro(6), quintaro-advise(1) and quintaro-artwork(1).\n";

} // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[], std::FILE* out, std::FILE* err) {
    if (argc <= 1) return std::nullopt;
    const std::string_view arg = argv[1];
    if (argc == 2 && (arg == "--help" || arg == "-h")) {
        std::fputs(kHelp, out);
        return 0;
    }
    if (argc == 2 && arg == "--version") {
        std::fputs("quintaro " QUINTARO_VERSION "\n", out);
        return 0;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h" || a == "--version") continue;
        std::fprintf(err, "quintaro: %s '%s'\n",
                     !a.empty() && a[0] == '-' ? "unknown option" : "unexpected argument", argv[i]);
        std::fputs(kUsage, err);
        return 2;
    }
    std::fputs("quintaro: give --help or --version alone\n", err);
    std::fputs(kUsage, err);
    return 2;
}

} // namespace quintaro
