#include "shell/ui/session_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

#include <memory>

#include "components/window_kit.h"
#include "media/qt_audio_backend.h"
#include "media/sheet_loader.h"
#include "shell/session.h"
#include "shell/ui/about_box.h"
#include "shell/ui/bills_in_form.h"
#include "shell/ui/game_launch.h"
#include "shell/ui/help_form.h"

namespace quintaro {

namespace {

using ui::Text;

bool& Audible() {
    static bool audible = true;
    return audible;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// A picture of a scheme's file, or the program's own when there is no file or
// it cannot be read or is not of the built-in sheet's size.
QImage SessionPicture(const std::optional<std::filesystem::path>& file, sheets::Sheet sheet) {
    if (file) {
        QImage image = SheetLoader::ReadSchemePicture(*file, sheet);
        if (!image.isNull()) return image.convertToFormat(QImage::Format_RGB32);
    }
    return SheetLoader::Instance().Image(sheet).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QWidget* FrontWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return nullptr;
}

// ---- sheets ----------------------------------------------------------------------------------

const QImage& SessionSheets::DigitsOn(const QColor& background) {
    if (m_recoloured.isNull() || m_recolouredFor != background) {
        m_recoloured = m_digits.convertToFormat(QImage::Format_RGB32);
        const QRgb black = qRgb(0, 0, 0);
        const QRgb into = background.rgb();
        if (into != black) {
            for (int y = 0; y < m_recoloured.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(m_recoloured.scanLine(y));
                for (int x = 0; x < m_recoloured.width(); ++x)
                    if ((line[x] & 0xFFFFFF) == 0) line[x] = into;
            }
        }
        m_recolouredFor = background;
    }
    return m_recoloured;
}

void SessionSheets::Set(QImage digits, QImage buttons) {
    m_digits = std::move(digits);
    m_buttons = std::move(buttons);
    m_recoloured = QImage();
}

// ---- meters ----------------------------------------------------------------------------------

MeterBox::MeterBox(SessionSheets& sheets, QWidget* parent) : QWidget(parent), m_sheets(sheets) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MeterBox::SetBackground(const QColor& colour) {
    m_background = colour;
    update();
}

void MeterBox::DrawLayout(const MeterLayout& layout, int bufferWidth) {
    if (m_buffer.size() != QSize(bufferWidth, height()))
        m_buffer = QImage(bufferWidth, height(), QImage::Format_RGB32);
    m_buffer.fill(m_background);
    QPainter p(&m_buffer);
    const QImage& digits = m_sheets.DigitsOn(m_background);
    p.fillRect(ToQRect(layout.blank), m_background);
    for (const MeterGlyph& g : layout.glyphs)
        p.drawImage(ToQRect(g.target), digits, ToQRect(g.source));
    p.end();
    // Shown at once: a count-up pauses between steps and must show each one.
    repaint();
}

void MeterBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_background);
    if (!m_buffer.isNull()) p.drawImage(0, 0, m_buffer);
}

void MeterBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
    QWidget::mousePressEvent(event);
}

void CreditMeterBox::DrawCreditMeter(std::int32_t credits) {
    DrawLayout(CreditMeterLayout(credits), width());
}

void WinMeterBox::DrawWinMeter(std::int32_t amount) {
    DrawLayout(WinMeterLayout(amount), kMeterWidth);
}

// ---- button bar ------------------------------------------------------------------------------

ButtonBarBox::ButtonBarBox(SessionSheets& sheets, QWidget* parent)
    : QWidget(parent), m_sheets(sheets) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ButtonBarBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(Qt::black);
    if (!m_buffer.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, m_buffer);
    }
    m_buffer = grown;
}

void ButtonBarBox::DrawButtonBar(int, const BarRow& tiles) {
    if (m_buffer.size() != size()) {
        m_buffer = QImage(size(), QImage::Format_RGB32);
        m_buffer.fill(Qt::black);
    }
    QPainter p(&m_buffer);
    for (int slot = 0; slot < kBarSlots; ++slot) {
        const int tile = tiles[static_cast<std::size_t>(slot)];
        const int row = (tile >= 0 && tile < kBarTiles) ? tile : 0;
        p.drawImage(ToQRect(kBarSlotRects[static_cast<std::size_t>(slot)]), m_sheets.Buttons(),
                    ToQRect(BarTileRect(row)));
    }
    p.end();
    repaint();
}

void ButtonBarBox::DrawBarSlot(int slot, int tile, bool pressed) {
    if (slot < 0 || slot >= kBarSlots) return;
    if (m_buffer.size() != size()) {
        m_buffer = QImage(size(), QImage::Format_RGB32);
        m_buffer.fill(Qt::black);
    }
    const int row = (tile >= 0 && tile < kBarTiles) ? tile : 0;
    QPainter p(&m_buffer);
    p.drawImage(ToQRect(kBarSlotRects[static_cast<std::size_t>(slot)]), m_sheets.Buttons(),
                ToQRect(BarTileRect(row, pressed)));
    p.end();
    repaint();
}

void ButtonBarBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}

// ---- the session's services --------------------------------------------------------------------

SessionView::SessionView(QObject* parent) : QObject(parent) {
    // Escape is polled by the count-up; the filter only notes it and lets it through.
    if (qApp) qApp->installEventFilter(this);
}

SessionView::~SessionView() {
    if (qApp) qApp->removeEventFilter(this);
    ui::SetEffectSink(nullptr);
    // The shared dialogs belong to whoever made them (the start-up); nothing to free here.
}

void SessionView::SetSession(TVantaSession* session) {
    m_session = session;
    if (session)
        ui::SetEffectSink([session](int effect) { session->PlayEffect(effect); });
    else
        ui::SetEffectSink(nullptr);
}

void SessionView::SetAudible(bool audible) {
    Audible() = audible;
}

void SessionView::PlayEffect(int effect) {
    if (Audible()) ProgramSoundPlayer().PlayEffect(effect);
}

void SessionView::PlayTone(int tone) {
    if (Audible()) ProgramSoundPlayer().PlayTone(tone);
}

void SessionView::Pause(int milliseconds) {
    ui::Pause(milliseconds);
}

bool SessionView::EscapePressed() {
    QCoreApplication::processEvents();
    const bool pressed = m_escape;
    m_escape = false;
    return pressed;
}

void SessionView::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

bool SessionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        m_escape = true;
    return QObject::eventFilter(watched, event);
}

void SessionView::ShowNotice(std::string_view caption, std::string_view text) {
    QMessageBox::information(FrontWindow(), Text(caption), Text(text));
}

std::optional<std::int32_t> SessionView::AskForBills() {
    std::unique_ptr<TBillsInForm> own;
    TBillsInForm* bills = m_dialogs.bills;
    if (!bills) {
        own = std::make_unique<TBillsInForm>(FrontWindow());
        bills = own.get();
    }
    if (bills->exec() != QDialog::Accepted) return std::nullopt;
    return bills->Total();
}

void SessionView::ShowAbout() {
    std::unique_ptr<TAboutBox> own;
    TAboutBox* about = m_dialogs.about;
    if (!about) {
        own = std::make_unique<TAboutBox>(SheetLoader::Instance().Image(sheets::Sheet::SuiteName),
                                          FrontWindow());
        about = own.get();
    }
    about->exec();
}

namespace {

void ExecShared(QPointer<QDialog>& dialog, const WindowRegistry::SharedWindowFactory& factory,
                TVantaSession* session, SessionView& view) {
    std::unique_ptr<QDialog> own;
    QDialog* window = dialog;
    if (!window) {
        if (!factory || !session) return;
        own.reset(factory(*session, view, FrontWindow()));
        window = own.get();
        if (!window) return;
    }
    window->exec();
}

} // namespace

void SessionView::ShowStatistics() {
    ExecShared(m_dialogs.statistics, Windows().statistics, m_session, *this);
}

void SessionView::ShowHandBuilder() {
    ExecShared(m_dialogs.handBuilder, Windows().handBuilder, m_session, *this);
}

void SessionView::ShowGameHelp() {
    const QString name = m_session ? Text(m_session->GameName()) : QString();
    // The help window frees itself when it closes.
    auto* help = new TGameHelpForm(name, FrontWindow());
    help->exec();
}

void SessionView::LoadSessionBitmaps(const SessionSheetFiles& files) {
    m_sheets.Set(SessionPicture(files.digits, sheets::Sheet::DigitalNumbers),
                 SessionPicture(files.buttons, sheets::Sheet::VantaBtns));
}

} // namespace quintaro
