#pragma once
// The fonts built into the program, so the table looks the same on every machine.
// They are free fonts from Debian packages (see README.md for their licences).

#include <QFont>
#include <QString>

namespace quintaro {

// Family names of the embedded fonts and what they stand in for.
inline const char* const kSansFamily = "Liberation Sans";   // Arial, Arial Black, Arial Rounded
inline const char* const kSerifFamily = "TeX Gyre Bonum";   // the Bookman-like pay-table serif
inline const char* const kSymbolFamily = "DejaVu Sans";     // suit symbols and general glyphs
inline const char* const kFixedFamily = "DejaVu Sans Mono"; // the fixed-pitch strategy table

// Adds the embedded fonts to the application's font database. Safe to call more than once
// and from any program that links quintaro_media or quintaro_fonts; needs a
// QGuiApplication. Returns false if a font could not be registered.
bool RegisterEmbeddedFonts();

// A font of one of the families above at an exact pixel size (the sheets and the windows
// are laid out in pixels, never points). weight: QFont::Normal or QFont::Bold etc.
QFont EmbeddedFont(const char* family, int pixelSize, int weight = QFont::Normal);

} // namespace quintaro
