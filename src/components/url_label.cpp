#include "components/url_label.h"

#include <QDesktopServices>
#include <QMouseEvent>

#include "shell/schemes.h"

namespace quintaro {

namespace {
// The component's own address, used until an owner sets URL.
constexpr const char* kComponentAddress = "https://www.ostrelwyn.example/";

TURLLabel::Opener& CurrentOpener() {
    static TURLLabel::Opener opener;
    return opener;
}
} // namespace

void TURLLabel::SetOpener(Opener opener) {
    CurrentOpener() = std::move(opener);
}
void TURLLabel::ResetOpener() {
    CurrentOpener() = nullptr;
}

TURLLabel::TURLLabel(QWidget* parent) : QLabel(parent), m_url(kComponentAddress) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setText("Click me!");
    setMouseTracking(true);
    SetFontColor(Qt::blue);
}

void TURLLabel::SetColorNormal(const QColor& color) {
    m_colorNormal = color;
    if (!m_pressed && !underMouse()) SetFontColor(color);
}

void TURLLabel::SetFontColor(const QColor& color) {
    m_fontColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

bool TURLLabel::Open() {
    const QString address = m_url.isEmpty() ? text() : m_url;
    if (!IsSafeWebAddress(address.toStdString())) return false;
    const QUrl url(address, QUrl::StrictMode);
    if (CurrentOpener())
        CurrentOpener()(url);
    else
        QDesktopServices::openUrl(url); // a failure to open is silent
    return true;
}

void TURLLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    SetFontColor(m_colorClick);
    QLabel::mousePressEvent(event);
}

void TURLLabel::mouseMoveEvent(QMouseEvent* event) {
    SetFontColor(m_pressed ? m_colorClick : m_colorMoveOver);
    QLabel::mouseMoveEvent(event);
}

void TURLLabel::leaveEvent(QEvent* event) {
    SetFontColor(m_colorNormal);
    QLabel::leaveEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool inside = p.x() >= 0 && p.y() >= 0 && p.x() <= width() && p.y() <= height();
    if (inside) {
        if (m_pressed) Open();
        SetFontColor(m_colorMoveOver);
    } else {
        SetFontColor(m_colorNormal);
    }
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
}

} // namespace quintaro
