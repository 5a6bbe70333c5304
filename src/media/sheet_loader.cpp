#include "media/sheet_loader.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintaro {

SheetLoader& SheetLoader::Instance() {
    static SheetLoader loader;
    return loader;
}

QString SheetLoader::ResourcePath(sheets::Sheet sheet) {
    return QStringLiteral(":/quintaro/sheets/") +
           QString::fromLatin1(sheets::Info(sheet).resource.data(),
                               static_cast<int>(sheets::Info(sheet).resource.size())) +
           QStringLiteral(".bmp");
}

QImage SheetLoader::BuiltIn(sheets::Sheet sheet) {
    QImageReader reader(ResourcePath(sheet), "bmp");
    return reader.read();
}

QImage SheetLoader::BuiltIn(const QString& resourceName) {
    const auto sheet = sheets::FindByResource(resourceName.toStdString());
    return sheet ? BuiltIn(*sheet) : QImage();
}

std::filesystem::path SheetLoader::ToPath(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    return std::filesystem::path(std::string(native.constData(), std::size_t(native.size())));
}

std::optional<std::filesystem::path> SheetLoader::FindFileNoCase(const std::filesystem::path& dir,
                                                                 std::string_view fileName) {
    namespace fs = std::filesystem;
    if (dir.empty() || fileName.empty()) return std::nullopt;
    std::error_code ec;
    // The exact name first: the common case, and the only one on case-blind file systems.
    const fs::path exact = dir / fs::path(std::string(fileName));
    if (fs::is_regular_file(exact, ec)) return exact;
    const QString wanted = QString::fromUtf8(fileName.data(), qsizetype(fileName.size()));
    std::optional<fs::path> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Only plain files: a pipe or a device named like a picture is never opened.
        std::error_code typeError;
        if (QString::fromUtf8(name.data(), qsizetype(name.size()))
                    .compare(wanted, Qt::CaseInsensitive) == 0 &&
            it->is_regular_file(typeError) && (!found || name < found->filename().string()))
            found = it->path();
    }
    return found;
}

QString SheetLoader::FindFileNoCase(const QString& dir, const QString& fileName) {
    if (dir.isEmpty() || fileName.isEmpty()) return {};
    const QByteArray name = fileName.toUtf8();
    const auto found = FindFileNoCase(ToPath(dir), std::string_view(name.constData(), name.size()));
    return found ? QFile::decodeName(QByteArray::fromStdString(found->native())) : QString();
}

QImage SheetLoader::ReadSchemeFile(const std::filesystem::path& path) {
    if (path.empty()) return {};
    // Opened without waiting (a pipe would block a plain open) and checked on the open
    // file, so nothing but a regular file is ever read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return {};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxDecodedBytes) {
        ::close(fd);
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) return {};
    const QSize size = reader.size();
    // A header that claims an enormous picture is refused before anything is allocated.
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() * 4 > kMaxDecodedBytes)
        return {};
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (static_cast<qint64>(image.sizeInBytes()) > kMaxDecodedBytes) return {};
    return image;
}

QImage SheetLoader::ReadSchemeFile(const QString& path) {
    if (path.isEmpty()) return {};
    return ReadSchemeFile(ToPath(path));
}

QImage SheetLoader::ReadSchemePicture(const std::filesystem::path& path, sheets::Sheet sheet) {
    QImage image = ReadSchemeFile(path);
    const sheets::SheetInfo& info = sheets::Info(sheet);
    // The screens cut sheets with fixed cells: a picture of another size would leave the
    // meters or the button bar blank, so it is not used.
    if (image.isNull() || image.size() != QSize(info.width, info.height)) return {};
    return image;
}

namespace {
// Sheets are drawn by copying rectangles; 32-bit images copy fastest. MASK keeps its two
// colours but becomes 32-bit as well so it can be combined with other images directly.
QImage ForDrawing(const QImage& image) {
    if (image.isNull()) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}
} // namespace

SheetLoader::Entry& SheetLoader::Load(sheets::Sheet sheet, const std::filesystem::path& schemeDir) {
    const auto key = std::make_pair(schemeDir.native(), static_cast<int>(sheet));
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;

    Entry entry;
    const sheets::SheetInfo& info = sheets::Info(sheet);
    if (!schemeDir.empty() && !info.schemeFile.empty()) {
        const auto file = FindFileNoCase(schemeDir, info.schemeFile);
        QImage image = file ? ReadSchemePicture(*file, sheet) : QImage();
        if (!image.isNull()) {
            entry.image = ForDrawing(image);
            entry.fromFile = true;
        }
    }
    if (entry.image.isNull()) {
        entry.image = ForDrawing(BuiltIn(sheet));
        if (entry.image.isNull()) {
            // Only a broken build lacks a sheet; draw black rather than crash.
            entry.image = QImage(info.width, info.height, QImage::Format_RGB32);
            entry.image.fill(Qt::black);
        }
    }
    return cache_.emplace(key, std::move(entry)).first->second;
}

const QImage& SheetLoader::Image(sheets::Sheet sheet, const std::filesystem::path& schemeDir) {
    return Load(sheet, schemeDir).image;
}

const QPixmap& SheetLoader::Pixmap(sheets::Sheet sheet, const std::filesystem::path& schemeDir) {
    Entry& entry = Load(sheet, schemeDir);
    if (entry.pixmap.isNull()) entry.pixmap = QPixmap::fromImage(entry.image);
    return entry.pixmap;
}

bool SheetLoader::FromSchemeFile(sheets::Sheet sheet, const std::filesystem::path& schemeDir) {
    return Load(sheet, schemeDir).fromFile;
}

const QImage& SheetLoader::Image(sheets::Sheet sheet, const QString& schemeDir) {
    return Image(sheet, schemeDir.isEmpty() ? std::filesystem::path() : ToPath(schemeDir));
}

const QPixmap& SheetLoader::Pixmap(sheets::Sheet sheet, const QString& schemeDir) {
    return Pixmap(sheet, schemeDir.isEmpty() ? std::filesystem::path() : ToPath(schemeDir));
}

bool SheetLoader::FromSchemeFile(sheets::Sheet sheet, const QString& schemeDir) {
    return FromSchemeFile(sheet, schemeDir.isEmpty() ? std::filesystem::path() : ToPath(schemeDir));
}

void SheetLoader::Clear() {
    cache_.clear();
}

QImage ComposeThroughMask(const QImage& background, const QImage& cardSheet,
                          const sheets::CellRect& cell, const QImage& mask) {
    const int w = sheets::kCardWidth;
    const int h = sheets::kCardHeight;
    QImage out(w, h, QImage::Format_RGB32);
    out.fill(Qt::black);
    {
        QPainter p(&out);
        p.drawImage(0, 0, background);
    }
    const QImage src = cardSheet.copy(cell.left, cell.top, cell.width(), cell.height())
                           .convertToFormat(QImage::Format_RGB32);
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    const sheets::CellRect mc = sheets::kMaskCell;
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* s =
            y < src.height() ? reinterpret_cast<const QRgb*>(src.constScanLine(y)) : nullptr;
        const int my = mc.top + y;
        const auto* mline =
            my < m.height() ? reinterpret_cast<const QRgb*>(m.constScanLine(my)) : nullptr;
        for (int x = 0; x < w; ++x) {
            const int mx = mc.left + x;
            const bool inside = mline && mx < m.width() && qGray(mline[mx]) < 128;
            if (inside && s && x < src.width()) dst[x] = s[x];
        }
    }
    return out;
}

void DrawCardParts(QImage& face, int rank, int suit, bool wildDeuce, const QImage& cardSheet,
                   const QImage& rankSheet) {
    QPainter p(&face);
    auto part = [&](const sheets::CellRect& src, sheets::CardPartPlace at, const QImage& sheet) {
        p.drawImage(QPoint(at.x, at.y), sheet, QRect(src.left, src.top, src.width(), src.height()));
    };
    part(sheets::SmallSuit(suit), sheets::kSmallSuitPlace, cardSheet);
    part(sheets::LargeSuit(suit), sheets::kLargeSuitPlace, cardSheet);
    part(sheets::RankGlyphForSuit(rank, suit), sheets::kRankGlyphPlace, rankSheet);
    if (auto picture = sheets::CourtPicture(rank))
        part(*picture, sheets::kPicturePlace, cardSheet);
    else if (wildDeuce && rank == 1)
        part(sheets::WildPicture(sheets::IsRedSuit(suit)), sheets::kPicturePlace, cardSheet);
}

} // namespace quintaro
