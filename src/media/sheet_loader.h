#pragma once
// Loading the bitmap sheets: the one place that knows where a picture comes from.
//
// With a scheme folder given, a sheet comes from the scheme's replacement file when that
// file exists (its name matched without regard to case), is a regular file, reads as an
// image and has exactly the built-in sheet's width and height (the screens cut every sheet
// with fixed cell rectangles); otherwise, and always for the built-in look, from the
// picture built into the program. A replacement that is missing, not a regular file (a
// pipe or a device is never opened), unreadable, not an image, absurdly large or of
// another size falls back to the built-in picture for that sheet alone. Each sheet is
// decoded once and kept.
//
// Scheme folders are file-system paths (std::filesystem::path), so a folder whose name is
// not UTF-8 is still found; the QString forms are for callers that have a QString.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "media/sheet_geometry.h"

namespace quintaro {

class SheetLoader {
public:
    // Largest picture a scheme file may decode to, and largest file read.
    static constexpr qint64 kMaxDecodedBytes = 64LL * 1024 * 1024;

    // The program-wide loader (GUI thread only).
    static SheetLoader& Instance();

    // The sheet for a scheme folder (empty: the built-in look). The image is kept until
    // Clear(); it is converted for fast drawing (32-bit, or 1-bit for MASK kept as is in
    // Original()).
    const QImage& Image(sheets::Sheet sheet, const std::filesystem::path& schemeDir = {});
    const QPixmap& Pixmap(sheets::Sheet sheet, const std::filesystem::path& schemeDir = {});
    const QImage& Image(sheets::Sheet sheet, const QString& schemeDir);
    const QPixmap& Pixmap(sheets::Sheet sheet, const QString& schemeDir);

    // Whether the last Image() of this sheet and folder came from the scheme's file.
    bool FromSchemeFile(sheets::Sheet sheet, const std::filesystem::path& schemeDir);
    bool FromSchemeFile(sheets::Sheet sheet, const QString& schemeDir);

    // Forgets every decoded sheet (after files of a scheme changed on disk, or in tests).
    void Clear();

    // The built-in picture exactly as stored (8-bit palettised, MASK 1-bit), decoded anew.
    static QImage BuiltIn(sheets::Sheet sheet);
    // The built-in picture named by its resource name, matched without regard to case
    // ("VantaBtns" is VANTABTNS); a null image for an unknown name.
    static QImage BuiltIn(const QString& resourceName);
    // The resource path of a built-in sheet (":/quintaro/sheets/NAME.bmp").
    static QString ResourcePath(sheets::Sheet sheet);

    // The regular file in dir (links followed) whose name equals fileName without regard
    // to case, the exact name first; nothing (or empty) if none.
    static std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& dir,
                                                               std::string_view fileName);
    static QString FindFileNoCase(const QString& dir, const QString& fileName);
    // Reads a scheme picture; a null image when it is missing, not a regular file,
    // unreadable, not an image or too large.
    static QImage ReadSchemeFile(const std::filesystem::path& path);
    static QImage ReadSchemeFile(const QString& path);
    // A scheme's replacement for `sheet`: ReadSchemeFile, and null unless the picture has
    // the built-in sheet's width and height.
    static QImage ReadSchemePicture(const std::filesystem::path& path, sheets::Sheet sheet);

    // A QString path as the file system names it, and back (QFile's encoding).
    static std::filesystem::path ToPath(const QString& path);

private:
    struct Entry {
        QImage image;
        QPixmap pixmap;
        bool fromFile = false;
    };
    Entry& Load(sheets::Sheet sheet, const std::filesystem::path& schemeDir);

    std::map<std::pair<std::string, int>, Entry> cache_;
};

// A 120 x 180 card cell laid over a background through the card outline: outside the
// rounded corners the background stays, inside the card shows. `background` is the part of
// the table under the card (its top-left 120 x 180 is used); `cardSheet` the card sheet and
// `cell` its blank face or back; `mask` the MASK sheet.
QImage ComposeThroughMask(const QImage& background, const QImage& cardSheet,
                          const sheets::CellRect& cell, const QImage& mask);

// Draws the parts of a card onto a composed blank face, as the table shows it: the rank
// glyph and small suit in the corner, the large suit, and the picture of a court card or
// Ace, or the WILD picture of a deuce when deuces are wild. rank 0..12, suit 0..3.
void DrawCardParts(QImage& face, int rank, int suit, bool wildDeuce, const QImage& cardSheet,
                   const QImage& rankSheet);

} // namespace quintaro
