#include "shell/ui/about_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "components/press_button.h"
#include "components/url_label.h"
#include "components/window_kit.h"
#include "media/program_icon.h"
#include "quintaro_version.h"
#include "shell/ui/maker_info.h"

namespace quintaro {

namespace {

using ui::kYellow;
const QColor kLightGrey(192, 192, 192);

QLabel* AddLine(QWidget* parent, const QString& text, int y, int pixelSize, const QColor& color,
                bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(0, y, parent->width(), pixelSize + 6);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ui::SansFont(pixelSize, bold));
    label->setStyleSheet(QString("color: %1").arg(color.name()));
    return label;
}
} // namespace

QImage ProgramIcon() {
    return ProgramIconImage(32);
}

QString TAboutBox::VersionLine() {
    return QString("Version %1").arg(QUINTARO_VERSION);
}

TAboutBox::TAboutBox(const QImage& productName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TAboutBox");
    setWindowTitle("About");
    setFixedSize(298, 310);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    auto* name = new QLabel(this);
    name->setGeometry(65, 12, 164, 24);
    name->setPixmap(QPixmap::fromImage(productName));
    auto* icon = new QLabel(this);
    icon->setGeometry(131, 43, 32, 32);
    icon->setPixmap(QPixmap::fromImage(ProgramIcon()));

    AddLine(this, QString("Copyright \u00A9 %1 %2").arg(kCopyrightYear).arg(kMakerName), 86, 14,
            Qt::white, true);
    AddLine(this, kMakerName + QString(" Games, ") + kMakerPlace, 106, 13, Qt::white);
    AddLine(this, "Video poker and strategy trainer", 124, 13, Qt::white);
    AddLine(this, VersionLine(), 148, 13, kLightGrey);
    AddLine(this, "We welcome your comments and", 176, 13, Qt::white);
    AddLine(this, "suggestions. Visit us on the web:", 194, 13, Qt::white);

    m_link = new TURLLabel(this);
    m_link->setText("www.ostrelwyn.example");
    m_link->SetURL(kMakerWebAddress);
    m_link->setFont([] {
        QFont f = ui::SansFont(14, true);
        f.setUnderline(true);
        return f;
    }());
    m_link->SetColorNormal(kYellow);
    m_link->SetColorMoveOver(Qt::white);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setGeometry(49, 218, 200, 22);
    m_link->setToolTip(kMakerLinkHint);
    m_link->setCursor(Qt::PointingHandCursor);

    m_ok = new ui::PressButton("OK", this);
    m_ok->setGeometry(107, 253, 84, 35);
    m_ok->setFont(ui::SansFont(14, true));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    ui::CentreOnScreen(this);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_ok->setFocus(Qt::OtherFocusReason);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        accept();
        return;
    default:
        event->accept(); // every other key leaves the box open
    }
}

QImage TStrategyCreditBox::Picture() {
    QImage img(308, 215, QImage::Format_RGB32);
    img.fill(QColor(0x1c, 0x4a, 0x2e));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(255, 255, 0));
    p.setFont(ui::SansFont(14, true));
    p.drawText(QRect(0, 6, 308, 20), Qt::AlignCenter, "Jacks or Better 9/6, five coins");
    p.setPen(QColor(230, 230, 230));
    p.setFont(ui::SansFont(12));
    p.drawText(QRect(0, 26, 308, 16), Qt::AlignCenter, "made hands, value per coin");
    struct Row {
        const char* hold;
        const char* value;
    };
    const Row rows[] = {
        {"Royal Flush", "800.0000"}, {"Straight Flush", "50.0000"}, {"Four of a Kind", "25.0000"},
        {"Full House", "9.0000"},    {"Flush", "6.0000"},
    };
    int y = 52;
    const QFont mono = [] {
        QFont f;
        f.setFamilies({"DejaVu Sans Mono", "Liberation Mono", "Courier New"});
        f.setPixelSize(14);
        return f;
    }();
    p.setFont(mono);
    for (const Row& row : rows) {
        p.fillRect(QRect(16, y - 2, 276, 24), y == 52 ? QColor(0, 0, 128) : QColor(0, 0, 0));
        p.setPen(y == 52 ? QColor(255, 255, 255) : QColor(0, 255, 0));
        p.drawText(QRect(24, y, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, row.hold);
        p.drawText(QRect(180, y, 104, 20), Qt::AlignRight | Qt::AlignVCenter, row.value);
        y += 28;
    }
    p.setPen(QColor(200, 200, 200));
    p.setFont(ui::SansFont(12));
    p.drawText(QRect(0, 192, 308, 18), Qt::AlignCenter, "... and one entry for every hold pattern");
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    return img;
}

TStrategyCreditBox::TStrategyCreditBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TStrategyCreditBox");
    setWindowTitle("Strategy Tables");
    setFixedSize(357, 434);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kLightGrey);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* title = new QLabel("Quintaro Strategy Tables", this);
    title->setGeometry(10, 10, 337, 24);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(ui::SansFont(17, true));

    auto* text = new QLabel(this);
    text->setGeometry(18, 38, 321, 92);
    text->setWordWrap(true);
    text->setFont(ui::SansFont(13));
    text->setText("The strategy tables are Quintaro's own: for every game and each of its pay "
                  "tables, a ranked list of hold patterns, each with its expected value per "
                  "coin, computed by Ostrelwyn for five-coin play. Auto Hold, Show Mistakes, "
                  "the strategy table and the hand builder all use them.");

    m_link = new TURLLabel(this);
    m_link->setText("How the tables were computed");
    m_link->SetURL(kStrategyWebAddress);
    m_link->setGeometry(18, 134, 321, 22);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setFont([] {
        QFont f = ui::SansFont(14, true);
        f.setUnderline(true);
        return f;
    }());
    m_link->SetColorNormal(QColor(0, 0, 160));
    m_link->SetColorMoveOver(QColor(0, 0, 255));
    m_link->setToolTip(kMakerLinkHint);
    m_link->setCursor(Qt::PointingHandCursor);

    auto* picture = new QLabel(this);
    picture->setGeometry(24, 162, 308, 215);
    picture->setPixmap(QPixmap::fromImage(Picture()));

    m_ok = new QPushButton("OK", this);
    m_ok->setGeometry(142, 391, 75, 30);
    m_ok->setDefault(true);
    m_ok->setCursor(Qt::PointingHandCursor);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    ui::CentreOnScreen(this);
}

void TStrategyCreditBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_ok->setFocus(Qt::OtherFocusReason);
}

} // namespace quintaro
