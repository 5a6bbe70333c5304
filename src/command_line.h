#pragma once
// The game's command line, read before anything of Qt starts, so that --help and
// --version need no display.

#include <cstdio>
#include <optional>

namespace quintaro {

// Reads the arguments after the program's name. With none, returns nothing and the game
// starts. --help (-h) and --version print to out and return 0; anything else prints what
// was wrong and a short usage to err and returns 2.
std::optional<int> HandleCommandLine(int argc, char* argv[], std::FILE* out = stdout,
                                     std::FILE* err = stderr);

} // namespace quintaro
