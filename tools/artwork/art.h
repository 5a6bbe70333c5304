#pragma once
// Drawing the bitmap sheets. Every function paints one sheet at its exact size into a
// 32-bit image; main.cpp reduces it to a palette and writes the bitmap file.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "media/sheet_geometry.h"
#include "raster.h"

class QPainter;

namespace quintaro::artwork {

// The sheet at its exact size (32-bit, opaque).
QImage DrawSheet(sheets::Sheet sheet);
// How the sheet is reduced to 256 colours.
PaletteOptions PaletteFor(sheets::Sheet sheet);

// ---- shared by the drawing files ----------------------------------------------------------

inline const QRgb kPureBlack = qRgb(0, 0, 0);
inline const QRgb kPureWhite = qRgb(255, 255, 255);

QImage NewSheet(sheets::Sheet sheet, QColor fill);
QRect ToQRect(const sheets::CellRect& r);

QFont SansFont(int pixelSize, bool bold = true);
QFont SerifFont(int pixelSize, bool bold = true);
QFont SymbolFont(int pixelSize, bool bold = false);

// The outline of a text as a path with its baseline at y 0.
QPainterPath TextPath(const QFont& font, const QString& text, double letterSpacing = 0);
// The path moved and scaled into target, centred; keepAspect false stretches to fill.
QPainterPath FitPath(const QPainterPath& path, const QRectF& target, bool keepAspect = true);

// Wood with visible grain over rect of the image; seed varies the figure.
void PaintWood(QImage& image, const QRect& rect, std::uint64_t seed, double grainScale = 1.0);
// Polished edge: light top-left, dark bottom-right bevel of the given width.
void PaintBevel(QPainter& p, const QRectF& rect, int width, int lightAlpha, int darkAlpha);

// Seven-segment and alphanumeric LED glyphs in the meters' style.
struct LedStyle {
    double thickness = 4.0;
    double gap = 0.8;
    double slant = 0.10; // horizontal shift per pixel of height, to the right at the top
};
// Draws a digit 0..9 into the box (the glyph's own extent).
void DrawLedDigit(QPainter& p, const QRectF& box, int digit, const LedStyle& style);
// Draws a letter (A-Z subset used by the meters' words) into the box.
void DrawLedLetter(QPainter& p, const QRectF& box, QChar letter, const LedStyle& style);
void DrawLedComma(QPainter& p, const QRectF& box, const LedStyle& style);

// Cards (art_cards.cpp).
QImage DrawPokerGraphics();
QImage DrawCrdValue();
QImage DrawMask();
QPainterPath SuitPath(int suit, const QRectF& box);

// The cabinet (art_cabinet.cpp).
QImage DrawScreenTiles();
QImage DrawPaysPanel();
QImage DrawWinPanel();
QImage DrawWin1();
QImage DrawCredits1();
QImage DrawDigitalNumbers();
QImage DrawVantaButtons();
QImage DrawGameTypes();
QImage DrawPicker();
QImage DrawValue();
QImage DrawSuiteName();
QImage DrawInfoArea();

} // namespace quintaro::artwork
