#include "components/banner.h"

#include <QFontMetrics>
#include <QPainter>

namespace quintaro {

namespace {
constexpr const char* kNothingToScroll = "Assign a bitmap or text to banner before enabling";
}

TBanner::TBanner(QWidget* parent) : QWidget(parent) {
    resize(100, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_timer.setInterval(200);
    connect(&m_timer, &QTimer::timeout, this, &TBanner::Step);
}

void TBanner::SetBitmap(const QImage& picture) {
    m_image = picture.convertToFormat(QImage::Format_RGB32);
    m_imageIsPicture = true;
    m_text.clear();
    m_lines.clear();
    if (m_autoEnable && m_image.width() > 0) SetEnabled(true);
    update();
}

void TBanner::SetEnabled(bool on) {
    if (m_loading) return;
    if (on) {
        if (m_image.isNull() || m_image.width() == 0 || m_image.height() == 0) {
            if (!m_lines.isEmpty())
                RenderLines();
            else if (!m_text.isEmpty())
                RenderText();
            else
                throw BannerError(kNothingToScroll);
        }
    } else if (!m_imageIsPicture) {
        // Text renderings are cheap to redo and may be stale by the next switch-on.
        m_image = QImage();
    }
    if (on) {
        if (!m_timer.isActive()) m_timer.start();
    } else {
        m_timer.stop();
    }
    m_enabled = on;
    if (on)
        emit OnEnable(this);
    else
        emit OnDisable(this);
}

void TBanner::SetScrollText(const QString& text) {
    SetEnabled(false);
    m_lines.clear();
    m_text = text;
    RenderText();
    // An empty text leaves nothing to scroll; switching on would only raise.
    if (m_autoEnable && !m_image.isNull()) SetEnabled(true);
    update();
}

void TBanner::SetLines(const QStringList& lines) {
    m_lines = lines;
    RenderLines();
    update();
}

void TBanner::SetLinesAlign(TLinesAlign align) {
    if (align == m_linesAlign) return;
    m_linesAlign = align;
    if (!m_lines.isEmpty()) {
        RenderLines();
        update();
    }
}

void TBanner::SetScrollDirection(TScrollDirection direction) {
    if (direction == m_direction) return;
    const bool wasHorizontal = Horizontal();
    m_direction = direction;
    const bool nowHorizontal = Horizontal();
    int p = m_position;
    if (wasHorizontal && nowHorizontal)
        p = m_image.width() + width() - p;
    else if (!wasHorizontal && !nowHorizontal)
        p = m_image.height() + height() - p;
    else if (nowHorizontal)
        p = m_image.width();
    else
        p = m_image.height();
    m_position = static_cast<std::uint16_t>(p);
    update();
}

void TBanner::SetColor(const QColor& color) {
    m_color = color;
    update();
}

void TBanner::Loaded() {
    m_loading = false;
    if (!m_text.isEmpty()) RenderText();
    if (!m_lines.isEmpty()) RenderLines();
    if (m_autoEnable && m_image.height() > 0) SetEnabled(true);
}

void TBanner::RenderText() {
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(m_text);
    const int h = metrics.height();
    m_imageIsPicture = false;
    if (m_text.isEmpty() || w <= 0 || h <= 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(w, h, QImage::Format_RGB32);
    m_image.fill(m_color);
    QPainter painter(&m_image);
    painter.setFont(font());
    painter.setPen(m_fontColor);
    painter.drawText(0, metrics.ascent(), m_text);
}

void TBanner::RenderLines() {
    const bool wasOn = m_enabled;
    if (wasOn) SetEnabled(false);
    m_text.clear();
    const QFontMetrics metrics(font());
    int blockWidth = 0;
    for (const QString& line : m_lines)
        blockWidth = std::max(blockWidth, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.height();
    m_imageIsPicture = false;
    if (blockWidth <= 0 || m_lines.isEmpty()) {
        m_image = QImage();
    } else {
        m_image =
            QImage(blockWidth, lineHeight * static_cast<int>(m_lines.size()), QImage::Format_RGB32);
        m_image.fill(m_color);
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(m_fontColor);
        for (int i = 0; i < m_lines.size(); ++i) {
            const int lineWidth = metrics.horizontalAdvance(m_lines[i]);
            int x = 0;
            if (m_linesAlign == TLinesAlign::Right)
                x = blockWidth - lineWidth;
            else if (m_linesAlign == TLinesAlign::Center)
                x = (blockWidth - lineWidth) / 2;
            painter.drawText(x, i * lineHeight + metrics.ascent(), m_lines[i]);
        }
    }
    if ((wasOn || m_autoEnable) && !m_image.isNull()) SetEnabled(true);
}

void TBanner::Step() {
    m_position = static_cast<std::uint16_t>(m_position + m_scrollPixels);
    const int imageExtent = Horizontal() ? m_image.width() : m_image.height();
    const int controlExtent = Horizontal() ? width() : height();
    if (m_noGap) {
        if (imageExtent > 0)
            while (m_position > imageExtent)
                m_position = static_cast<std::uint16_t>(m_position - imageExtent);
    } else if (m_position > imageExtent + controlExtent) {
        if (m_onlyOnce)
            SetEnabled(false);
        else
            m_position = 0;
    }
    update();
    emit OnScroll(this);
}

QPoint TBanner::ImageOrigin() const {
    const int p = m_position;
    switch (m_direction) {
    case TScrollDirection::sdRightToLeft:
        return {width() - p, 0};
    case TScrollDirection::sdLeftToRight:
        return {p - m_image.width(), 0};
    case TScrollDirection::sdTopToBottom:
        return {0, p - m_image.height()};
    case TScrollDirection::sdBottomToTop:
        return {0, height() - p};
    }
    return {};
}

QImage TBanner::Compose() const {
    QImage frame(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    frame.fill(m_color);
    if (m_image.isNull() || m_image.width() == 0 || m_image.height() == 0) return frame;
    QPainter painter(&frame);
    const QPoint origin = ImageOrigin();
    painter.drawImage(origin, m_image);
    if (m_noGap) {
        // Further copies trail the leading one, away from the edge it enters at.
        const int iw = m_image.width();
        const int ih = m_image.height();
        switch (m_direction) {
        case TScrollDirection::sdRightToLeft:
            for (int x = origin.x() - iw; x + iw > 0; x -= iw) painter.drawImage(x, 0, m_image);
            break;
        case TScrollDirection::sdLeftToRight:
            for (int x = origin.x() + iw; x < width(); x += iw) painter.drawImage(x, 0, m_image);
            break;
        case TScrollDirection::sdTopToBottom:
            for (int y = origin.y() + ih; y < height(); y += ih) painter.drawImage(0, y, m_image);
            break;
        case TScrollDirection::sdBottomToTop:
            for (int y = origin.y() - ih; y + ih > 0; y -= ih) painter.drawImage(0, y, m_image);
            break;
        }
    }
    return frame;
}

void TBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Compose());
}

} // namespace quintaro
