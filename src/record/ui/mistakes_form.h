#pragma once
// TMistakesForm: the player's costliest or most recent mistakes at the
// table in one game, read from the training record. Each row shows the dealt
// cards drawn small (the held ones framed), the cards held, the best hold and
// what the hold cost; a click on a row opens that hand.

#include <QDialog>

#include <functional>
#include <vector>

#include "record/training_record.h"
#include "record/ui/card_pictures.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace quintaro {

class TMistakesForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShownMistakes = 100;
    enum class Sort { ByCost = 0, ByDate = 1 };
    // Opens a hand: the row's game, pay-table choice, coins, cards and hold.
    using HandOpener = std::function<void(const DecisionRow& row)>;

    TMistakesForm(TrainingRecord& record, const QString& schemeDir, int game,
                  QWidget* parent = nullptr);

    void SetHandOpener(HandOpener opener) { m_open = std::move(opener); }

    void ShowGame(int game);
    // Lists only the mistakes of one kind: the hands of one entry of the list
    // of a game and pay-table choice. Choosing another game lists them all again.
    void ShowKind(int game, int payTable, int entry);
    bool FiltersKind() const { return m_kindEntry > 0; }
    void SetSort(Sort sort);
    int Game() const { return m_game; }
    const std::vector<DecisionRow>& Rows() const { return m_rows; }
    // What a click on row `index` does.
    void OpenRow(int index);

    QTableWidget* Table() const { return m_table; }
    QComboBox* GameChoice() const { return m_gameChoice; }
    QComboBox* SortChoice() const { return m_sortChoice; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fill();

    TrainingRecord& m_record;
    CardPictures m_pictures;
    HandOpener m_open;
    int m_game = 0;
    Sort m_sort = Sort::ByCost;
    int m_kindPayTable = 0;
    int m_kindEntry = 0; // 0: every kind
    std::vector<DecisionRow> m_rows;
    QComboBox* m_gameChoice = nullptr;
    QComboBox* m_sortChoice = nullptr;
    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
};

} // namespace quintaro
