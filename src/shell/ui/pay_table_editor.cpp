// The generated list before any Qt header: a list field is named like a Qt keyword.
#include "generate/generated_list.h"

#include "shell/ui/pay_table_editor.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QThreadPool>

#include <charconv>

#include "components/window_kit.h"
#include "core/hand_names.h"
#include "core/sound_numbers.h"
#include "exact/exact_analysis.h"
#include "shell/pay_table_file.h"
#include "shell/ui/game_launch.h"
#include "table/generated_lists.h"

namespace quintaro {

namespace {

using ui::kNavy;
using ui::MakeLabel;
using ui::Text;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
const QColor kFormGrey(128, 128, 128);
const QColor kBadCell(255, 200, 200);

// A cell's number: a whole number from 0 to the largest pay, nothing else.
std::optional<std::int32_t> CellValue(const QString& text, std::string& why) {
    const std::string s = text.trimmed().toStdString();
    std::int64_t v = -1;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < 0 ||
        v > kMaxPayPerCoin) {
        why = "'" + s + "' is not a whole number from 0 to " + std::to_string(kMaxPayPerCoin);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

} // namespace

TPayTableEditor::TPayTableEditor(PayTableBook& book, int game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_book(book), m_game(IsValidGame(game) ? game : 0) {
    setObjectName("PayTableEditor");
    setWindowTitle("Pay Tables");
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFormGrey);
    setPalette(pal);
    setAutoFillBackground(true);

    MakeLabel(this, "Pay Tables", QRect(10, 6, 300, 30), ui::SansFont(21, true), Qt::white)
        ->setObjectName("LbTitle");
    const QFont labelFont = ui::SansFont(12, true);
    const QFont cellFont = ui::SansFont(13);

    m_gameChoice = new QComboBox(this);
    m_gameChoice->setObjectName("GameChoice");
    m_gameChoice->setGeometry(8, 44, 200, 24);
    for (const GameInfo& g : kGames) m_gameChoice->addItem(Text(g.name));
    m_list = new QListWidget(this);
    m_list->setObjectName("TableList");
    m_list->setGeometry(8, 74, 200, 300);
    m_list->setFont(cellFont);

    MakeLabel(this, "Name", QRect(220, 46, 50, 20), labelFont, Qt::white);
    m_name = new QLineEdit(this);
    m_name->setObjectName("TableName");
    m_name->setGeometry(270, 44, 362, 24);
    m_name->setMaxLength(static_cast<int>(kMaxPayTableName));
    m_name->setFont(cellFont);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName("PayGrid");
    m_grid->setGeometry(220, 74, 412, 300);
    m_grid->setColumnCount(3);
    m_grid->setHorizontalHeaderLabels({"Hand", "Per Coin", "At 5 Coins"});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->setColumnWidth(1, 80);
    m_grid->setColumnWidth(2, 80);
    m_grid->setFont(cellFont);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->setTabKeyNavigation(true);

    m_reason = MakeLabel(this, "", QRect(8, 378, 624, 18), labelFont, QColor(255, 255, 160));
    m_reason->setObjectName("LbReason");
    m_return = MakeLabel(this, "", QRect(8, 398, 624, 18), labelFont, Qt::white);
    m_return->setObjectName("LbReturn");

    QWidget* strip = ui::AddBrandStrip(this, QRect(0, kHeight - 57, kWidth, 57));
    auto button = [&](const char* name, const QString& caption, int x, int w) {
        auto* b = new QPushButton(caption, strip);
        b->setObjectName(name);
        b->setGeometry(x, 14, w, 28);
        b->setAutoDefault(false);
        return b;
    };
    m_saveNew = button("SaveNewButton", "Save as &New", 150, 96);
    m_save = button("SaveButton", "&Save", 250, 60);
    m_delete = button("DeleteButton", "&Delete", 314, 64);
    QPushButton* import = button("ImportButton", "&Import...", 382, 76);
    QPushButton* exportButton = button("ExportButton", "E&xport...", 462, 76);
    QPushButton* close = button("CloseButton", "Close", 562, 70);
    setTabOrder(m_gameChoice, m_list);
    setTabOrder(m_list, m_name);
    setTabOrder(m_name, m_grid);

    connect(m_gameChoice, &QComboBox::currentIndexChanged, this, [this](int g) { ChooseGame(g); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int r) { ChooseEntry(r); });
    connect(m_name, &QLineEdit::textChanged, this, [this] { Check(); });
    connect(m_grid, &QTableWidget::itemChanged, this, [this] { Check(); });
    connect(m_saveNew, &QPushButton::clicked, this, [this] { SaveAsNew(); });
    connect(m_save, &QPushButton::clicked, this, [this] { SaveOver(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteOwn(); });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Import a Pay Table", QString(),
                                                          "Pay tables (*.ini);;All files (*)");
        if (!path.isEmpty()) ImportFrom(path);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Export the Pay Table", QString(),
                                                          "Pay tables (*.ini)");
        if (!path.isEmpty()) ExportTo(path);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_gameChoice->setCurrentIndex(m_game);
    ChooseGame(m_game);
    ui::CentreOnScreen(this);
}

void TPayTableEditor::ChooseGame(int game) {
    if (!IsValidGame(game)) return;
    m_game = game;
    if (m_gameChoice->currentIndex() != game) m_gameChoice->setCurrentIndex(game);
    FillEntries();
}

void TPayTableEditor::FillEntries(const QString& select) {
    m_entries.clear();
    for (int choice = 0; choice < 2; ++choice)
        m_entries.push_back({{m_game, std::string(PayTableMenuCaption(m_game, choice)),
                              BuiltInSchedule(m_game, choice)},
                             false});
    for (const NamedPayTable* t : CatalogueTablesFor(m_game)) m_entries.push_back({*t, false});
    for (const NamedPayTable* t : m_book.OwnFor(m_game)) m_entries.push_back({*t, true});
    m_filling = true;
    m_list->clear();
    int current = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        const char* mark = i < 2 ? "  (built in)" : e.own ? "" : "  (catalogue)";
        m_list->addItem(Text(e.table.name) + mark);
        if (e.own && Text(e.table.name) == select) current = static_cast<int>(i);
    }
    m_filling = false;
    m_list->setCurrentRow(current);
    ChooseEntry(current);
}

void TPayTableEditor::ChooseEntry(int row) {
    if (m_filling || row < 0 || row >= static_cast<int>(m_entries.size())) return;
    ShowTable(m_entries[static_cast<std::size_t>(row)].table);
}

void TPayTableEditor::ShowTable(const NamedPayTable& table) {
    m_filling = true;
    m_name->setText(Text(table.name));
    const auto names = CategoryNamesFor(m_game);
    const int rows = PayingCategoryCount(m_game);
    m_grid->setRowCount(rows);
    // The best hand at the top, as on the table's panel.
    for (int r = 0; r < rows; ++r) {
        const HandCategory c = rows - r;
        auto* hand = new QTableWidgetItem(Text(names[static_cast<std::size_t>(c)].rowCaption));
        hand->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(r, 0, hand);
        m_grid->setItem(r, 1, new QTableWidgetItem(QString::number(table.pays.belowFive[c])));
        auto* five = new QTableWidgetItem(QString::number(table.pays.atFive[c]));
        // Only the rows the royal rule lifts pay differently at five coins.
        if (!IsFiveCoinRow(m_game, c)) five->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(r, 2, five);
        for (int col = 1; col < 3; ++col)
            m_grid->item(r, col)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_filling = false;
    Check();
}

std::optional<NamedPayTable> TPayTableEditor::Draft(std::string* why) const {
    NamedPayTable t;
    t.game = m_game;
    t.name = m_name->text().toStdString();
    const int rows = m_grid->rowCount();
    const auto names = CategoryNamesFor(m_game);
    std::string problem;
    for (int r = 0; r < rows && problem.empty(); ++r) {
        const HandCategory c = rows - r;
        for (int col = 1; col < 3 && problem.empty(); ++col) {
            const QTableWidgetItem* item = m_grid->item(r, col);
            // A row that pays alike at every bet takes its per-coin cell at five coins.
            const QTableWidgetItem* source =
                col == 2 && !IsFiveCoinRow(m_game, c) ? m_grid->item(r, 1) : item;
            const auto v = CellValue(source ? source->text() : QString(), problem);
            if (!v) {
                problem = std::string(names[static_cast<std::size_t>(c)].statisticsName) +
                          (col == 1 ? ", per coin: " : ", at five coins: ") + problem;
                break;
            }
            (col == 1 ? t.pays.belowFive : t.pays.atFive)[c] = *v;
        }
    }
    if (problem.empty()) problem = NamedPayTableProblem(t);
    if (why) *why = problem;
    if (!problem.empty()) return std::nullopt;
    return t;
}

void TPayTableEditor::Check() {
    if (m_filling) return;
    // Rows that pay alike at every bet show their per-coin value at five coins.
    m_filling = true;
    const int rows = m_grid->rowCount();
    for (int r = 0; r < rows; ++r) {
        const HandCategory c = rows - r;
        QTableWidgetItem* per = m_grid->item(r, 1);
        QTableWidgetItem* five = m_grid->item(r, 2);
        if (!per || !five) continue;
        if (!IsFiveCoinRow(m_game, c) && five->text() != per->text()) five->setText(per->text());
        for (QTableWidgetItem* item : {per, five}) {
            std::string why;
            const bool good = CellValue(item->text(), why).has_value();
            item->setBackground(good ? QBrush() : QBrush(kBadCell));
            item->setToolTip(good ? QString() : Text(why));
        }
    }
    m_filling = false;

    std::string why;
    const auto draft = Draft(&why);
    const int row = m_list->currentRow();
    const bool own = row >= 0 && row < static_cast<int>(m_entries.size()) &&
                     m_entries[static_cast<std::size_t>(row)].own;
    std::string nameWhy = draft ? OwnTableNameProblem(m_book.Own(), m_game, draft->name) : why;
    m_saveNew->setEnabled(draft && nameWhy.empty());
    std::string overWhy;
    if (draft && own)
        overWhy = OwnTableNameProblem(m_book.Own(), m_game, draft->name,
                                      m_entries[static_cast<std::size_t>(row)].table.name);
    m_save->setEnabled(draft && own && overWhy.empty());
    m_delete->setEnabled(own);
    m_reason->setText(
        draft ? (own || nameWhy.empty() ? QString() : Text("To save it as a new table: " + nameWhy))
              : Text(why));
    if (!draft) {
        ++m_generation;
        m_return->setText("Optimal return at five coins: -");
        return;
    }
    const int generation = ++m_generation;
    m_return->setText("Optimal return at five coins: working it out...");
    QPointer<TPayTableEditor> self(this);
    const int game = m_game;
    const PaySchedule pays = draft->pays;
    QThreadPool::globalInstance()->start([self, game, pays, generation] {
        const double optimal = exact::ComputeOptimalReturn(game, pays, 5, 1);
        QMetaObject::invokeMethod(
            qApp,
            [self, optimal, generation] {
                if (self && self->m_generation == generation) self->ShowReturn(optimal, -1);
            },
            Qt::QueuedConnection);
        const double list = TheGeneratedLists().Get(game, pays)->listReturn;
        QMetaObject::invokeMethod(
            qApp,
            [self, optimal, list, generation] {
                if (self && self->m_generation == generation) self->ShowReturn(optimal, list);
            },
            Qt::QueuedConnection);
    });
}

void TPayTableEditor::ShowReturn(double optimal, double list) {
    m_return->setText(QString("Optimal return at five coins: %1 %").arg(optimal * 100, 0, 'f', 4) +
                      (list < 0 ? QString("     Generated list: being worked out...")
                                : QString("     Generated list: %1 %").arg(list * 100, 0, 'f', 4)));
}

void TPayTableEditor::Refused(const std::string& why) {
    m_reason->setText(Text(why));
}

bool TPayTableEditor::SaveAsNew() {
    std::string why;
    const auto draft = Draft(&why);
    if (!draft) return Refused(why), false;
    if (const FileResult r = m_book.Save(*draft); !r) return Refused(r.error), false;
    ui::PlayEffect(kEffectClick);
    FillEntries(Text(draft->name));
    return true;
}

bool TPayTableEditor::SaveOver() {
    const int row = m_list->currentRow();
    std::string why;
    const auto draft = Draft(&why);
    if (row < 0 || !m_entries[static_cast<std::size_t>(row)].own) return false;
    if (!draft) return Refused(why), false;
    const std::string old = m_entries[static_cast<std::size_t>(row)].table.name;
    if (const FileResult r = m_book.Save(*draft, old); !r) return Refused(r.error), false;
    ui::PlayEffect(kEffectClick);
    FillEntries(Text(draft->name));
    return true;
}

bool TPayTableEditor::DeleteOwn() {
    const int row = m_list->currentRow();
    if (row < 0 || !m_entries[static_cast<std::size_t>(row)].own) return false;
    const std::string name = m_entries[static_cast<std::size_t>(row)].table.name;
    if (const FileResult r = m_book.Remove(m_game, name); !r) return Refused(r.error), false;
    ui::PlayEffect(kEffectClick);
    FillEntries();
    return true;
}

bool TPayTableEditor::ImportFrom(const QString& path) {
    const auto imported = m_book.Import(path.toStdString());
    if (!imported.table) return Refused("Nothing imported: " + imported.error), false;
    ChooseGame(imported.table->game);
    ShowTable(*imported.table);
    m_reason->setText("Imported; Save as New keeps it.");
    return true;
}

bool TPayTableEditor::ExportTo(const QString& path) {
    std::string why;
    const auto draft = Draft(&why);
    if (!draft) return Refused(why), false;
    if (const FileResult r = PayTableBook::Export(*draft, path.toStdString()); !r)
        return Refused(r.error), false;
    m_reason->setText("Exported to " + path);
    return true;
}

void OpenPayTableEditor(QWidget* parent, int game) {
    TPayTableEditor editor(ThePayTableBook(), game, parent);
    editor.exec();
}

void RegisterPayTableEditor() {
    Windows().payTableEditor = &OpenPayTableEditor;
}

} // namespace quintaro
