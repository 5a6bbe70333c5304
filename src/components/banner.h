#pragma once
// TBanner scrolls one image through its rectangle: an assigned picture, one line of
// text or a block of lines, each rendered once into an off-screen scroll image. A
// timer moves the image ScrollPixels per tick in one of four directions and the
// Scrolled signal after every step lets the owner react to the position.

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <stdexcept>

namespace quintaro {

enum class TScrollDirection { sdRightToLeft, sdLeftToRight, sdTopToBottom, sdBottomToTop };

enum class TLinesAlign { Left, Right, Center };

// Raised when scrolling is switched on with nothing to scroll.
class BannerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TBanner : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutoEnable READ AutoEnable WRITE SetAutoEnable)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool NoGap READ NoGap WRITE SetNoGap)
    Q_PROPERTY(bool OnlyOnce READ OnlyOnce WRITE SetOnlyOnce)
    Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollInterval)
    Q_PROPERTY(int ScrollPixels READ ScrollPixels WRITE SetScrollPixels)
    Q_PROPERTY(QString ScrollText READ ScrollText WRITE SetScrollText)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)

public:
    explicit TBanner(QWidget* parent = nullptr);

    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool on) { m_autoEnable = on; }

    // The assigned picture (or the rendering of the text or lines).
    const QImage& Bitmap() const { return m_image; }
    void SetBitmap(const QImage& picture);

    // Scrolling runs. Switching on with nothing to show throws BannerError.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool on);

    const QStringList& Lines() const { return m_lines; }
    void SetLines(const QStringList& lines);

    TLinesAlign LinesAlign() const { return m_linesAlign; }
    void SetLinesAlign(TLinesAlign align);

    bool NoGap() const { return m_noGap; }
    void SetNoGap(bool on) { m_noGap = on; }

    bool OnlyOnce() const { return m_onlyOnce; }
    void SetOnlyOnce(bool on) { m_onlyOnce = on; }

    TScrollDirection ScrollDirection() const { return m_direction; }
    void SetScrollDirection(TScrollDirection direction);

    int ScrollInterval() const { return m_timer.interval(); }
    void SetScrollInterval(int ms) { m_timer.setInterval(static_cast<std::uint16_t>(ms)); }

    int ScrollPixels() const { return m_scrollPixels; }
    void SetScrollPixels(int pixels) { m_scrollPixels = static_cast<std::uint16_t>(pixels); }

    const QString& ScrollText() const { return m_text; }
    void SetScrollText(const QString& text);

    // Background of the control and of rendered text.
    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);

    // Colour of rendered text (the font's colour).
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor& color) { m_fontColor = color; }

    // The scroll position in pixels; the owner may read and set it.
    std::uint16_t Position() const { return m_position; }
    void SetPosition(std::uint16_t position) { m_position = position; }

    // Where the leading copy of the image lies at the current position, in control
    // coordinates.
    QPoint ImageOrigin() const;

    // One timer step; public so that an owner or a test can drive the banner
    // without waiting for the timer.
    void Step();

    // Finishes a bulk set-up of properties: renders the text or lines assigned
    // while loading and switches scrolling on when AutoEnable asks for it.
    void BeginLoading() { m_loading = true; }
    void Loaded();

    // Renders the banner as it stands into an image of the control's size.
    QImage Compose() const;

signals:
    void OnScroll(QObject* sender);
    void OnEnable(QObject* sender);
    void OnDisable(QObject* sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RenderText();
    void RenderLines();
    bool Horizontal() const {
        return m_direction == TScrollDirection::sdRightToLeft ||
               m_direction == TScrollDirection::sdLeftToRight;
    }

    QImage m_image;
    bool m_imageIsPicture = false;
    QStringList m_lines;
    QString m_text;
    QTimer m_timer;
    QColor m_color = Qt::white;
    QColor m_fontColor = Qt::black;
    TLinesAlign m_linesAlign = TLinesAlign::Center;
    TScrollDirection m_direction = TScrollDirection::sdRightToLeft;
    std::uint16_t m_scrollPixels = 4;
    std::uint16_t m_position = 0;
    bool m_autoEnable = true;
    bool m_enabled = false;
    bool m_noGap = false;
    bool m_onlyOnce = false;
    bool m_loading = false;
};

} // namespace quintaro
