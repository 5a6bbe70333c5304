#include "media/embedded_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace quintaro {

namespace {
const char* const kFontFiles[] = {
    ":/quintaro/fonts/LiberationSans-Regular.ttf",
    ":/quintaro/fonts/LiberationSans-Bold.ttf",
    ":/quintaro/fonts/texgyrebonum-regular.otf",
    ":/quintaro/fonts/texgyrebonum-bold.otf",
    ":/quintaro/fonts/DejaVuSans.ttf",
    ":/quintaro/fonts/DejaVuSans-Bold.ttf",
    ":/quintaro/fonts/DejaVuSansMono.ttf",
    ":/quintaro/fonts/DejaVuSansMono-Bold.ttf",
};
} // namespace

bool RegisterEmbeddedFonts() {
    static const bool registered = [] {
        bool ok = true;
        for (const char* file : kFontFiles)
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) ok = false;
        return ok;
    }();
    return registered;
}

QFont EmbeddedFont(const char* family, int pixelSize, int weight) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace quintaro
