#pragma once
// TURLLabel is a label that behaves like a hyperlink: it changes colour under the
// mouse and while pressed, and a release over it opens its address with the
// system's default handler. Only web and mail addresses are ever handed over, so a
// downloaded colour scheme cannot make the link run a program or open a local file.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QUrl>

#include <functional>

namespace quintaro {

class TURLLabel : public QLabel {
    Q_OBJECT

public:
    // What opens an address; tests replace it to record the requests.
    using Opener = std::function<void(const QUrl&)>;
    static void SetOpener(Opener opener);
    static void ResetOpener();

    explicit TURLLabel(QWidget* parent = nullptr);

    QColor ColorNormal() const { return m_colorNormal; }
    void SetColorNormal(const QColor& color);
    QColor ColorMoveOver() const { return m_colorMoveOver; }
    void SetColorMoveOver(const QColor& color) { m_colorMoveOver = color; }
    QColor ColorClick() const { return m_colorClick; }
    void SetColorClick(const QColor& color) { m_colorClick = color; }

    const QString& URL() const { return m_url; }
    void SetURL(const QString& url) { m_url = url; }

    // The colour the text is drawn in now.
    QColor FontColor() const { return m_fontColor; }
    bool Pressed() const { return m_pressed; }

    // Opens URL (or the caption when URL is empty) if it is a safe web or mail
    // address (IsSafeWebAddress); returns whether it was handed to the opener.
    bool Open();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetFontColor(const QColor& color);

    QColor m_colorNormal = Qt::blue;
    QColor m_colorMoveOver = Qt::blue;
    QColor m_colorClick = Qt::red;
    QColor m_fontColor = Qt::blue;
    QString m_url;
    bool m_pressed = false;
};

} // namespace quintaro
