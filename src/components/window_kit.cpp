#include "components/window_kit.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "media/program_icon.h"

namespace quintaro::ui {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

void SetFillColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void AddRule(QWidget* panel, const QRect& rect) {
    auto* rule = new QFrame(panel);
    rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
    rule->setGeometry(rect);
    QPalette rp = rule->palette();
    rp.setColor(QPalette::WindowText, QColor(128, 128, 0));
    rule->setPalette(rp);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& rect, const QFont& font,
                  const QColor& colour, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(align);
    SetTextColour(label, colour);
    return label;
}

namespace {
EffectSink& Sink() {
    static EffectSink sink;
    return sink;
}
double& Scale() {
    static double scale = 1.0;
    return scale;
}
} // namespace

void SetEffectSink(EffectSink sink) {
    Sink() = std::move(sink);
}

void PlayEffect(int effect) {
    if (Sink()) Sink()(effect);
}

void SetPauseScale(double scale) {
    Scale() = scale < 0 ? 0 : scale;
}

void Pause(int ms) {
    const int wait = static_cast<int>(ms * Scale());
    if (wait <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    // Input is not excluded: Escape must reach its watcher during a count-up, and
    // every handler guards itself with its busy flag.
    loop.exec();
}

QFont SansFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont RoundedFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({"Arial Rounded MT Bold", "Liberation Sans", "DejaVu Sans"});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QColor FromColorRef(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

namespace {
const QColor kHighlight(255, 255, 255);
const QColor kLight(227, 227, 227);
const QColor kShadow(160, 160, 160);
const QColor kDarkShadow(105, 105, 105);

// One 1-pixel ring: top and left in one colour, bottom and right in another.
void Ring(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}
} // namespace

void DrawBevel(QPainter& painter, const QRect& rect, bool raised) {
    if (raised) {
        Ring(painter, rect, kLight, kDarkShadow);
        Ring(painter, rect.adjusted(1, 1, -1, -1), kHighlight, kShadow);
    } else {
        Ring(painter, rect, kShadow, kHighlight);
        Ring(painter, rect.adjusted(1, 1, -1, -1), kDarkShadow, kLight);
    }
}

void DrawWindowFrame(QPainter& painter, const QRect& rect) {
    DrawBevel(painter, rect, true);
    DrawBevel(painter, rect.adjusted(2, 2, -2, -2), false);
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    // From the sizes: QRect::center() rounds down, one pixel short of the middle on an
    // even screen. The window's own area is placed, not its frame: a move() places the
    // frame once the window manager has framed the window but the window's area before
    // (the frame is not known yet), so a dialog shown again stood a title bar lower.
    window->setGeometry(area.x() + (area.width() - window->width()) / 2,
                        area.y() + (area.height() - window->height()) / 2, window->width(),
                        window->height());
}

QAction* AddCommand(QWidget* window, QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut) {
    auto* action = new QAction(caption, window);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    window->addAction(action);
    return action;
}

QWidget* AddBrandStrip(QWidget* window, const QRect& geometry) {
    auto* panel = new QWidget(window);
    panel->setObjectName("PanelBottom");
    panel->setGeometry(geometry);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);

    auto* logo = new QLabel(panel);
    logo->setObjectName("ImageLogo");
    logo->setPixmap(QPixmap::fromImage(ProgramIconImage(32)));
    logo->setGeometry(24, 4, 32, 32);
    auto* name = new QLabel("Quintaro", panel);
    name->setGeometry(4, 36, 72, 16);
    name->setFont(SansFont(12, true));
    name->setAlignment(Qt::AlignCenter);
    QPalette namePal = name->palette();
    namePal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    name->setPalette(namePal);
    return panel;
}

void ReportSaveFailure(QWidget* parent, const QString& what, const std::string& reason) {
    const QString why =
        QString::fromLocal8Bit(reason.data(), static_cast<qsizetype>(reason.size()));
    std::fprintf(stderr, "Quintaro: %s %s\n", qPrintable(what), qPrintable(why));
    QMessageBox::warning(parent, "Quintaro", QString("%1\n\n%2").arg(what, why));
}

} // namespace quintaro::ui
