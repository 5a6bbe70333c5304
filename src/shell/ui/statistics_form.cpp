#include "shell/ui/statistics_form.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>

#include "components/press_button.h"
#include "components/window_kit.h"
#include "shell/session.h"

namespace quintaro {

namespace {

using ui::AddRule;
using ui::kMaroon;
using ui::kYellow;
using ui::MakeLabel;
using ui::SetFillColour;
using ui::SetTextColour;
using ui::Text;

using ui::kLime;
using ui::kSilver;

// Columns of the chart panel (Panel2).
constexpr int kCaptionLeft = 8;
constexpr int kCaptionWidth = 162;
constexpr int kCountLeft = 170;
constexpr int kCountWidth = 50;
constexpr int kCreditsLeft = 224;
constexpr int kCreditsWidth = 58;
constexpr QRect kPanel2Rect(148, 10, 611, 360);
constexpr QRect kPanel1Rect(290, 4, 316, 352);
constexpr int kBarHeight = 10;
constexpr int kPercentWidth = 52;

// The picture of the totals panel: a small bar chart on a playing card.
QImage ChartPicture() {
    QImage img(92, 70, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 50, 68), 5, 5);
    QPainterPath heart;
    heart.moveTo(16, 26);
    heart.cubicTo(4, 17, 8, 6, 16, 12);
    heart.cubicTo(24, 6, 28, 17, 16, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawPath(heart);
    const int heights[] = {18, 34, 26, 48};
    const QColor colours[] = {QColor(184, 0, 0), QColor(0, 160, 0), QColor(0, 160, 0),
                              QColor(0, 255, 0)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(colours[i]);
        p.drawRect(QRectF(32.5 + 14 * i, 66.5 - heights[i], 11, heights[i]));
    }
    p.setPen(QPen(kYellow, 2));
    p.drawLine(QPointF(28, 67), QPointF(91, 67));
    return img;
}

} // namespace

TTableBuilderForm::TTableBuilderForm(TVantaSession* session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_session(session) {
    setObjectName("TableBuilderForm");
    setWindowTitle("Current Session  Statistics");
    setFixedSize(769, 573);
    SetFillColour(this, kMaroon);
    m_picture = ChartPicture();

    BuildGameButtons();
    BuildChart();
    BuildTotals();

    const QString style =
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:pressed { background: #a8a8a8; border: 2px inset #808080; }";
    m_reset = new ui::PressButton("Reset All Stats", this);
    m_reset->setObjectName("ResetAllStatsBtn");
    m_reset->setGeometry(10, 440, 128, 32);
    m_close = new ui::PressButton("Close", this);
    m_close->setObjectName("CloseFormBtn");
    m_close->setGeometry(10, 521, 128, 32);
    // The training grades and charts have a window of their own.
    m_progress = new ui::PressButton("Training Progress", this);
    m_progress->setObjectName("TrainingProgressBtn");
    m_progress->setGeometry(10, 378, 128, 32);
    m_progress->hide();
    connect(m_progress, &QPushButton::clicked, this, [this] {
        if (m_openProgress) m_openProgress();
    });
    for (ui::PressButton* b : {m_reset, m_close, m_progress}) {
        b->setFont(ui::SansFont(14, true));
        b->setStyleSheet(style);
        b->setAutoDefault(false);
    }
    m_close->setDefault(true);
    connect(m_reset, &QPushButton::clicked, this, &TTableBuilderForm::ResetAllStatsBtnClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    // FormCreate: the page starts at the last game.
    if (m_session) m_page = std::clamp(m_session->LastGame, 0, kGameCount - 1);
    ui::CentreOnScreen(this);
}

void TTableBuilderForm::BuildGameButtons() {
    auto* title = MakeLabel(this, "Current Session", QRect(10, 8, 128, 20), ui::SansFont(14, true),
                            kYellow, Qt::AlignCenter);
    title->setObjectName("LbSession");
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    const QString style =
        "QPushButton { background: #c0c0c0; color: black; border: 2px outset #e8e8e8; }"
        "QPushButton:checked { background: #000080; color: #ffff00; border: 2px inset #404080; }"
        "QPushButton:disabled { color: #808080; }";
    for (int g = 0; g < kGameCount; ++g) {
        auto* b =
            new ui::PressButton(Text(kStatisticsButtonCaptions[static_cast<std::size_t>(g)]), this);
        b->setObjectName(QString("GmBtn%1").arg(g));
        b->setGeometry(10, 34 + g * 33, 128, 28);
        b->setFont(ui::SansFont(13, true));
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(style);
        b->setProperty("tag", g);
        m_group->addButton(b, g);
        connect(b, &QPushButton::clicked, this, [this, g] { WhichGameButton(g); });
        m_gameButtons[static_cast<std::size_t>(g)] = b;
    }
}

void TTableBuilderForm::BuildChart() {
    m_panel2 = new QFrame(this);
    m_panel2->setObjectName("Panel2");
    m_panel2->setGeometry(kPanel2Rect);
    m_panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel2->setLineWidth(2);
    SetFillColour(m_panel2, kSilver);
    // Display only: clicks go nowhere.
    m_panel2->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QFont heading = ui::SansFont(13, true);
    MakeLabel(m_panel2, "Category", QRect(kCaptionLeft, 8, kCaptionWidth, 18), heading,
              QColor(0, 0, 128));
    MakeLabel(m_panel2, "Count", QRect(kCountLeft, 8, kCountWidth, 18), heading, QColor(0, 0, 128),
              Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(m_panel2, "Credits", QRect(kCreditsLeft, 8, kCreditsWidth, 18), heading,
              QColor(0, 0, 128), Qt::AlignRight | Qt::AlignVCenter);

    m_panel1 = new QFrame(m_panel2);
    m_panel1->setObjectName("Panel1");
    m_panel1->setGeometry(kPanel1Rect);
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel1->setLineWidth(1);
    SetFillColour(m_panel1, Qt::black);
    MakeLabel(m_panel1, "Percentage of Total Hands", QRect(0, 4, kPanel1Rect.width(), 18), heading,
              kYellow, Qt::AlignCenter);

    m_separator = new QFrame(m_panel2);
    m_separator->setObjectName("Shape10");
    m_separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    m_separator->setGeometry(kCaptionLeft, RowTop(0) - 7, kCreditsLeft + kCreditsWidth - 4, 2);

    const QFont rowFont = ui::SansFont(12, true);
    const QFont percentFont = ui::SansFont(12);
    for (int r = 0; r < kStatisticsRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const int top = RowTop(r);
        const QString two = QString("%1").arg(r, 2, 10, QChar('0'));
        m_captions[i] =
            MakeLabel(m_panel2, QString(), QRect(kCaptionLeft, top, kCaptionWidth, kRowHeight),
                      rowFont, Qt::black);
        m_captions[i]->setObjectName("LbCap" + two);
        m_counts[i] =
            MakeLabel(m_panel2, QString(), QRect(kCountLeft, top, kCountWidth, kRowHeight), rowFont,
                      Qt::black, Qt::AlignRight | Qt::AlignVCenter);
        m_counts[i]->setObjectName("LbTimeHit" + two);
        m_credits[i] =
            MakeLabel(m_panel2, QString(), QRect(kCreditsLeft, top, kCreditsWidth, kRowHeight),
                      rowFont, Qt::black, Qt::AlignRight | Qt::AlignVCenter);
        m_credits[i]->setObjectName("LbCredits" + two);

        const int barTop = top - kPanel1Rect.top() + (kRowHeight - kBarHeight) / 2;
        m_bars[i] = new QFrame(m_panel1);
        m_bars[i]->setObjectName(QString("Bar%1").arg(r));
        m_bars[i]->setGeometry(kStatBarLeft, barTop, 0, kBarHeight);
        m_percents[i] =
            MakeLabel(m_panel1, QString(),
                      QRect(kStatBarLeft + 5, top - kPanel1Rect.top(), kPercentWidth, kRowHeight),
                      percentFont, kLime);
        m_percents[i]->setObjectName("LbPer" + two);
        for (QWidget* w : {static_cast<QWidget*>(m_captions[i]), static_cast<QWidget*>(m_counts[i]),
                           static_cast<QWidget*>(m_credits[i]), static_cast<QWidget*>(m_bars[i]),
                           static_cast<QWidget*>(m_percents[i])})
            w->hide();
    }
}

void TTableBuilderForm::BuildTotals() {
    auto* panel3 = new QFrame(this);
    panel3->setObjectName("Panel3");
    panel3->setGeometry(148, 378, 611, 185);
    panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel3->setLineWidth(2);
    SetFillColour(panel3, Qt::black);
    panel3->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QFont heading = ui::SansFont(15, true);
    const QFont line = ui::SansFont(15, true);
    MakeLabel(panel3, "This Game", QRect(150, 12, 110, 22), heading, kYellow,
              Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(panel3, "Session", QRect(280, 12, 110, 22), heading, kYellow,
              Qt::AlignRight | Qt::AlignVCenter);
    AddRule(panel3, QRect(16, 38, 376, 1));

    static const char* const kLines[4] = {"Total Hands", "Credits Bet", "Credits Won", "Payback"};
    static const char* const kNames[2][4] = {{"Label10", "Label2", "CreditsWon", "PayBack"},
                                             {"Label11", "Label5", "Label7", "Label8"}};
    for (int k = 0; k < 4; ++k) {
        const int y = 48 + 32 * k;
        MakeLabel(panel3, kLines[k], QRect(16, y, 130, 22), line, Qt::white);
        for (int c = 0; c < 2; ++c) {
            QLabel* value = MakeLabel(panel3, "0", QRect(150 + 130 * c, y, 110, 22), line, kLime,
                                      Qt::AlignRight | Qt::AlignVCenter);
            value->setObjectName(kNames[c][k]);
            m_totals[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)] = value;
        }
    }

    auto* product = MakeLabel(panel3, "Quintaro", QRect(420, 112, 176, 40),
                              ui::RoundedFont(30, true), kYellow, Qt::AlignCenter);
    product->setObjectName("LbProduct");
    auto* picture = new QLabel(panel3);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap::fromImage(m_picture));
    picture->setGeometry(462, 30, m_picture.width(), m_picture.height());
}

bool TTableBuilderForm::FormShow() {
    if (!m_session) return false;
    const StatisticsRecord& record = m_session->Statistics;
    for (int g = 0; g < kGameCount; ++g)
        m_gameButtons[static_cast<std::size_t>(g)]->setEnabled(
            record.HandsPlayed[static_cast<std::size_t>(g)] != 0);
    const int page = ChooseStatisticsPage(record, m_session->LastGame);
    if (page < 0) return false;
    m_page = page;
    m_gameButtons[static_cast<std::size_t>(page)]->setChecked(true);
    FillStatisticsPage(page);
    return true;
}

void TTableBuilderForm::WhichGameButton(int game) {
    m_page = game;
    FillStatisticsPage(game);
}

void TTableBuilderForm::FillStatisticsPage(int game) {
    if (!m_session) return;
    const StatisticsPage page = BuildStatisticsPage(m_session->Statistics, game);
    setWindowTitle(QString::fromStdString(page.windowCaption));

    for (int r = 0; r < kStatisticsRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const StatisticsRow& row = page.rows[i];
        QLabel* caption = m_captions[i];
        QLabel* count = m_counts[i];
        QLabel* credits = m_credits[i];
        QLabel* percent = m_percents[i];
        QFrame* bar = m_bars[i];
        for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(count),
                           static_cast<QWidget*>(credits), static_cast<QWidget*>(bar),
                           static_cast<QWidget*>(percent)})
            w->setVisible(row.visible);
        if (!row.visible) continue;
        const QColor text = ui::FromColorRef(row.textColour);
        caption->setText(QString::fromStdString(row.caption));
        count->setText(QString::number(row.count));
        credits->setText(QString::number(row.credits));
        for (QLabel* l : {caption, count, credits}) SetTextColour(l, text);
        SetFillColour(bar, ui::FromColorRef(row.barColour));
        bar->setGeometry(kStatBarLeft, bar->y(), row.barWidth, kBarHeight);
        percent->setText(QString::fromStdString(row.percentText));
        SetTextColour(percent, ui::FromColorRef(row.percentColour));
        percent->move(row.percentLeft, percent->y());
    }
    m_separator->move(m_separator->x(), RowTop(page.firstRow) - 7);

    const StatisticsTotals* totals[2] = {&page.thisGame, &page.session};
    for (std::size_t c = 0; c < 2; ++c) {
        m_totals[c][0]->setText(QString::number(totals[c]->hands));
        m_totals[c][1]->setText(QString::number(totals[c]->creditsBet));
        m_totals[c][2]->setText(QString::number(totals[c]->creditsWon));
        m_totals[c][3]->setText(QString::fromStdString(totals[c]->payback));
    }
    SetButtonCursors();
}

void TTableBuilderForm::SetProgressOpener(std::function<void()> opener) {
    m_openProgress = std::move(opener);
    m_progress->setVisible(static_cast<bool>(m_openProgress));
    m_progress->setFont(ui::SansFont(12, true));
}

void TTableBuilderForm::SetButtonCursors() {
    if (!m_session) return;
    for (int g = 0; g < kGameCount; ++g) {
        ui::PressButton* b = m_gameButtons[static_cast<std::size_t>(g)];
        const bool hasHands = m_session->Statistics.HandsPlayed[static_cast<std::size_t>(g)] != 0;
        b->setCursor(hasHands && g != m_page ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
}

void TTableBuilderForm::ResetAllStatsBtnClick() {
    QMessageBox box(QMessageBox::Question, Text(kResetStatisticsCaption),
                    Text(kResetStatisticsQuestion), QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("ResetConfirmation");
    if (box.exec() != QMessageBox::Yes) return;
    if (m_session) m_session->Statistics.Reset();
    accept();
}

void TTableBuilderForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::CentreOnScreen(this);
    // With no hands at all there is nothing to show: the window goes away once
    // the dialog's own event loop runs.
    if (!FormShow()) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void TTableBuilderForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    ui::DrawWindowFrame(p, rect());
}

} // namespace quintaro
