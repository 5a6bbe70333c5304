#include "shell/ui/bills_in_form.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "components/press_button.h"
#include "components/window_kit.h"

namespace quintaro {

namespace {

using ui::kGreen;
using ui::kLime;
using ui::kRed;
using ui::kYellow;

constexpr std::array<int, 5> kBillTags{1, 5, 10, 20, 100};

// A banknote for the corner of the window.
QImage BillPicture() {
    QImage img(76, 38, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 70, 30), 1));
    p.setBrush(QColor(120, 170, 110));
    p.drawRoundedRect(QRectF(1.5, 3.5, 72, 31), 3, 3);
    p.setPen(QPen(QColor(40, 90, 45), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 7.5, 64, 23), 2, 2);
    p.setBrush(QColor(200, 225, 190));
    p.drawEllipse(QPointF(37.5, 19), 9, 9);
    p.setPen(QColor(20, 60, 25));
    p.setFont(ui::SansFont(12, true));
    p.drawText(QRectF(28.5, 10, 18, 18), Qt::AlignCenter, "$");
    p.setFont(ui::SansFont(9, true));
    p.drawText(QRectF(8, 8, 14, 10), Qt::AlignCenter, "1");
    p.drawText(QRectF(54, 20, 14, 10), Qt::AlignCenter, "1");
    return img;
}

QLabel* TitleLabel(QWidget* parent, const char* text, int x, int y, const QColor& color) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, 140, 34);
    l->setFont(ui::SansFont(28, true));
    l->setStyleSheet(QString("color: %1; background: transparent").arg(color.name()));
    return l;
}
} // namespace

QString TBillsInForm::FormatDollars(int dollars) {
    return QString("$ %L1.00").arg(dollars);
}

TBillsInForm::TBillsInForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TBillsInForm");
    setWindowTitle("Click on the Buttons to . . .");
    setFixedSize(277, 347);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    m_billPicture = BillPicture();

    // The shadowed title: each word twice, one pixel apart.
    TitleLabel(this, "INSERT", 17, 7, QColor(128, 0, 0));
    TitleLabel(this, "INSERT", 16, 6, kYellow);
    TitleLabel(this, "CREDITS", 17, 37, QColor(128, 0, 0));
    TitleLabel(this, "CREDITS", 16, 36, kYellow);

    auto* panel2 = new QFrame(this);
    panel2->setGeometry(14, 78, 249, 44);
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2->setLineWidth(2);
    panel2->setStyleSheet("background: black");
    LbBillsIn = new QLabel(panel2);
    LbBillsIn->setGeometry(4, 4, 241, 36);
    LbBillsIn->setAlignment(Qt::AlignCenter);
    LbBillsIn->setFont(ui::SansFont(26, true));

    PanelBillSlot = new QFrame(this);
    PanelBillSlot->setGeometry(40, 130, 197, 8);
    PanelBillSlot->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelBillSlot->setAutoFillBackground(true);

    auto* panel1 = new QFrame(this);
    panel1->setGeometry(14, 146, 249, 134);
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1->setStyleSheet("QFrame { background: #800000; }");

    const QString billStyle =
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }";
    static const char* const kCaptions[5] = {"$ 1", "$ 5", "$ 10", "$ 20", "$ 100"};
    for (int i = 0; i < 6; ++i) {
        const int col = i % 2;
        const int row = i / 2;
        auto* b = new ui::PressButton(i < 5 ? kCaptions[i] : "Clear", panel1);
        b->setGeometry(10 + col * 119, 8 + row * 42, 110, 36);
        b->setFont(ui::SansFont(17, true));
        b->setStyleSheet(billStyle);
        b->setFocusPolicy(Qt::NoFocus);
        if (i < 5) {
            m_bills[i] = b;
            const int tag = kBillTags[i];
            b->setProperty("tag", tag);
            connect(b, &QPushButton::clicked, this, [this, tag] { BtnInClick(tag); });
        } else {
            BtnClear = b;
            connect(b, &QPushButton::clicked, this, &TBillsInForm::BtnClearClick);
        }
    }
    m_bills[0]->setObjectName("Btn1in");
    m_bills[1]->setObjectName("Btn5in");
    m_bills[2]->setObjectName("Btn10in");
    m_bills[3]->setObjectName("Btn20in");
    m_bills[4]->setObjectName("Btn100in");

    auto* panel3 = new QFrame(this);
    panel3->setGeometry(14, 288, 249, 50);
    panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    BtnCancel = new ui::PressButton("Cancel", panel3);
    BtnCancel->setGeometry(10, 7, 110, 36);
    BtnOK = new ui::PressButton("OK", panel3);
    BtnOK->setGeometry(129, 7, 110, 36);
    for (auto* b : {BtnCancel, BtnOK}) {
        b->setFont(ui::SansFont(15, true));
        b->setStyleSheet(billStyle);
        b->setFocusPolicy(Qt::NoFocus);
    }
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    BtnClearClick();
    ui::CentreOnScreen(this);
}

void TBillsInForm::showEvent(QShowEvent* event) {
    BtnClearClick();
    QDialog::showEvent(event);
}

void TBillsInForm::BtnClearClick() {
    m_total = 0;
    LbBillsIn->setText(FormatDollars(0));
    LbBillsIn->setStyleSheet(QString("color: %1; background: black").arg(kRed.name()));
    PanelBillSlot->setStyleSheet("background: black; border: 1px solid #808080");
}

void TBillsInForm::BtnInClick(int tag) {
    m_total = std::min(m_total + tag, kMaxTotal);
    LbBillsIn->setText(FormatDollars(m_total));
    LbBillsIn->setStyleSheet(QString("color: %1; background: black").arg(kLime.name()));
    PanelBillSlot->setStyleSheet(
        QString("background: %1; border: 1px solid #808080").arg(kGreen.name()));
}

void TBillsInForm::keyPressEvent(QKeyEvent* event) {
    // The key preview: the window sees these keys before any button.
    switch (event->key()) {
    case Qt::Key_1:
        m_bills[0]->click();
        return;
    case Qt::Key_2:
        m_bills[1]->click();
        return;
    case Qt::Key_3:
        m_bills[2]->click();
        return;
    case Qt::Key_4:
        m_bills[3]->click();
        return;
    case Qt::Key_5:
        m_bills[4]->click();
        return;
    case Qt::Key_Delete:
        BtnClear->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BtnOK->click();
        return;
    case Qt::Key_Escape:
        BtnCancel->click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TBillsInForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawImage(186, 14, m_billPicture);
}

} // namespace quintaro
