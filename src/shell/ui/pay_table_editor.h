#pragma once
// The pay-table editor: the tables of a game (the two built-in ones, the
// catalogue's and the player's own), any of them a starting point for a table
// of one's own. The cells are the per-coin pays of the game's rows, at one to
// four coins and at five; a bad cell is refused with its reason beside the
// grid, and a playable table shows its optimal return at once (worked out off
// the GUI thread).

#include <QDialog>

#include <optional>
#include <vector>

#include "core/named_pay_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace quintaro {

class PayTableBook;

class TPayTableEditor : public QDialog {
public:
    TPayTableEditor(PayTableBook& book, int game, QWidget* parent = nullptr);

    // The list's entries: built-in, catalogue, own, in that order.
    struct Entry {
        NamedPayTable table;
        bool own = false;
    };
    const std::vector<Entry>& Entries() const { return m_entries; }
    // The table the cells and the name make now, or none with the reason.
    std::optional<NamedPayTable> Draft(std::string* why = nullptr) const;

    // Commands (the buttons).
    void ChooseGame(int game);
    void ChooseEntry(int row);
    bool SaveAsNew();
    bool SaveOver();
    bool DeleteOwn();
    bool ImportFrom(const QString& path);
    bool ExportTo(const QString& path);

private:
    void FillEntries(const QString& select = {});
    void ShowTable(const NamedPayTable& table);
    void Check();
    // The optimal return, and the generated list's (below 0 while worked out).
    void ShowReturn(double optimal, double list);
    void Refused(const std::string& why);

    PayTableBook& m_book;
    int m_game = 0;
    int m_generation = 0; // of the draft the return is being worked out for
    bool m_filling = false;
    std::vector<Entry> m_entries;
    QComboBox* m_gameChoice = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_return = nullptr;
    QPushButton* m_saveNew = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
};

// Opens the editor modally on the program's book; registered in the window
// registry for the game screens.
void OpenPayTableEditor(QWidget* parent, int game);
void RegisterPayTableEditor();

} // namespace quintaro
