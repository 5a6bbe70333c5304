#include "record/ui/mistakes_form.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "components/window_kit.h"
#include "core/game_variant.h"
#include "core/pay_table.h"
#include "record/progress.h"

namespace quintaro {

namespace {

using ui::Text;

constexpr int kCardWidth = 30;
constexpr int kRowHeight = 50;

QLabel* Caption(QWidget* parent, const QString& text, const QRect& rect, int size,
                const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setFont(ui::SansFont(size, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

// "2026-12-07 11:20" from the stored UTC time.
QString ShortDate(const std::string& playedAt) {
    QString s = QString::fromStdString(playedAt);
    s.replace('T', ' ');
    return s.left(16);
}

// The pay table a row was played on: a named table's name as it was then, or
// the built-in table's caption.
QString TableText(const DecisionRow& r) {
    return r.pays ? QString::fromStdString(r.tableName)
                  : Text(PayTableMenuCaption(r.game, r.payTable));
}

} // namespace

TMistakesForm::TMistakesForm(TrainingRecord& record, const QString& schemeDir, int game,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_record(record), m_pictures(schemeDir), m_game(IsValidGame(game) ? game : 0) {
    setObjectName("MistakesForm");
    setWindowTitle("Mistakes");
    setFixedSize(760, 560);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    setPalette(pal);
    setAutoFillBackground(true);

    Caption(this, "Your Mistakes", QRect(14, 10, 220, 28), 20, QColor(255, 255, 0));
    const QString comboStyle = "QComboBox { background: #c0c0c0; color: black; "
                               "border: 2px outset #e8e8e8; padding-left: 4px; }";
    m_gameChoice = new QComboBox(this);
    m_gameChoice->setObjectName("GameChoice");
    for (int g = 0; g < kGameCount; ++g) m_gameChoice->addItem(Text(GameInfoFor(g).name));
    m_gameChoice->setGeometry(250, 12, 210, 26);
    m_gameChoice->setFont(ui::SansFont(13, true));
    m_gameChoice->setStyleSheet(comboStyle);
    m_gameChoice->setCurrentIndex(m_game);
    m_sortChoice = new QComboBox(this);
    m_sortChoice->setObjectName("SortChoice");
    m_sortChoice->addItems({"Costliest first", "Most recent first"});
    m_sortChoice->setGeometry(474, 12, 180, 26);
    m_sortChoice->setFont(ui::SansFont(13, true));
    m_sortChoice->setStyleSheet(comboStyle);

    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName("MistakeList");
    m_table->setGeometry(14, 48, 732, 440);
    m_table->setHorizontalHeaderLabels({"Played (UTC)", "Dealt", "Held", "Best Hold", "Cost"});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setShowGrid(false);
    m_table->setIconSize(m_pictures.Row({0, 1, 2, 3, 4}, 0, kCardWidth).size());
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setFont(ui::SansFont(13, true));
    m_table->horizontalHeader()->setFont(ui::SansFont(13, true));
    m_table->setColumnWidth(0, 150);
    m_table->setColumnWidth(1, m_table->iconSize().width() + 12);
    m_table->setColumnWidth(2, 140);
    m_table->setColumnWidth(3, 140);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setCursor(Qt::PointingHandCursor);
    m_table->setStyleSheet(
        "QTableWidget { background: black; color: #00ff00; border: 2px inset #808080; }"
        "QTableWidget::item:selected { background: #000080; color: #ffff00; }"
        "QHeaderView::section { background: #c0c0c0; color: #000080; border: 1px outset "
        "#e8e8e8; padding: 2px; }");
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row, int) { OpenRow(row); });

    m_summary = Caption(this, QString(), QRect(14, 496, 600, 22), 14, QColor(255, 255, 255));
    m_summary->setObjectName("Summary");
    Caption(this, "Click a hand to open it in the hand builder with the values of every hold.",
            QRect(14, 520, 600, 20), 12, QColor(255, 255, 0));

    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseButton");
    close->setGeometry(632, 508, 114, 32);
    close->setFont(ui::SansFont(14, true));
    close->setStyleSheet("QPushButton { background: #c0c0c0; color: black; border: 2px outset "
                         "#e8e8e8; } QPushButton:pressed { border: 2px inset #808080; }");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    connect(m_gameChoice, &QComboBox::currentIndexChanged, this, [this](int g) { ShowGame(g); });
    connect(m_sortChoice, &QComboBox::currentIndexChanged, this,
            [this](int s) { SetSort(static_cast<Sort>(s)); });
    Fill();
    ui::CentreOnScreen(this);
}

void TMistakesForm::ShowGame(int game) {
    if (!IsValidGame(game)) return;
    m_game = game;
    m_kindEntry = 0;
    if (m_gameChoice->currentIndex() != game) m_gameChoice->setCurrentIndex(game);
    Fill();
}

void TMistakesForm::ShowKind(int game, int payTable, int entry) {
    if (!IsValidGame(game)) return;
    m_game = game;
    {
        const QSignalBlocker block(m_gameChoice);
        m_gameChoice->setCurrentIndex(game);
    }
    m_kindPayTable = payTable ? 1 : 0;
    m_kindEntry = entry;
    Fill();
}

void TMistakesForm::SetSort(Sort sort) {
    m_sort = sort;
    if (m_sortChoice->currentIndex() != static_cast<int>(sort))
        m_sortChoice->setCurrentIndex(static_cast<int>(sort));
    Fill();
}

void TMistakesForm::Fill() {
    RowQuery q;
    q.game = m_game;
    q.mistakesOnly = true;
    q.order = m_sort == Sort::ByCost ? RowQuery::Order::Costliest : RowQuery::Order::Newest;
    q.limit = kShownMistakes;
    if (m_kindEntry > 0) {
        q.payTable = m_kindPayTable;
        q.limit = 0;
    }
    m_rows = m_record.Rows(q);
    if (m_kindEntry > 0) {
        std::erase_if(m_rows, [this](const DecisionRow& r) {
            return !IsOfKind(r, m_game, m_kindPayTable, m_kindEntry);
        });
        if (m_rows.size() > static_cast<std::size_t>(kShownMistakes))
            m_rows.resize(static_cast<std::size_t>(kShownMistakes));
    }
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        const DecisionRow& r = m_rows[static_cast<std::size_t>(i)];
        const QString table = TableText(r);
        auto* date = new QTableWidgetItem(
            ShortDate(r.playedAt) + "\n" +
            m_table->fontMetrics().elidedText(table, Qt::ElideRight, m_table->columnWidth(0) - 8));
        date->setToolTip(table);
        auto* dealt = new QTableWidgetItem();
        dealt->setData(Qt::DecorationRole, m_pictures.Row(r.dealt, r.game, kCardWidth,
                                                          static_cast<std::uint8_t>(r.held)));
        dealt->setToolTip(
            QString("%1, %2 coin%3").arg(table).arg(r.coins).arg(r.coins == 1 ? "" : "s"));
        auto* held = new QTableWidgetItem(HoldText(r.dealt, r.held));
        auto* best = new QTableWidgetItem(HoldText(r.dealt, r.bestHold));
        auto* cost = new QTableWidgetItem(QString::number(r.Cost(), 'f', 4));
        cost->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        best->setForeground(QColor(255, 255, 0));
        held->setForeground(QColor(255, 96, 96));
        m_table->setItem(i, 0, date);
        m_table->setItem(i, 1, dealt);
        m_table->setItem(i, 2, held);
        m_table->setItem(i, 3, best);
        m_table->setItem(i, 4, cost);
    }
    if (m_kindEntry > 0) {
        m_summary->setText(
            QString("%1 of the kind \"%2\" (%3)")
                .arg(m_rows.size() == 1 ? QString("1 mistake")
                                        : QString("%1 mistakes").arg(m_rows.size()))
                .arg(QString::fromStdString(EntryText(m_game, m_kindPayTable, m_kindEntry)))
                .arg(Text(PayTableMenuCaption(m_game, m_kindPayTable))));
        return;
    }
    RowQuery all;
    all.game = m_game;
    const Grades g = m_record.Grade(all);
    if (!m_record.Usable())
        m_summary->setText("The training record is not in use.");
    else {
        const auto count = [](std::int64_t n, const char* one, const char* many) {
            return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
        };
        m_summary->setText(QString("%1, %2, %3 credits lost, accuracy %4")
                               .arg(count(g.decisions, "decision", "decisions"))
                               .arg(count(g.mistakes, "mistake", "mistakes"))
                               .arg(QString::fromStdString(g.CreditsLostText()))
                               .arg(QString::fromStdString(g.AccuracyText())));
    }
}

void TMistakesForm::OpenRow(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()) || !m_open) return;
    m_open(m_rows[static_cast<std::size_t>(index)]);
}

void TMistakesForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    ui::DrawWindowFrame(p, rect());
}

} // namespace quintaro
