#pragma once
// TPracticeDrillForm: the practice drill's window. It deals the drill's hands
// (see PracticeDrill) for a chosen game and pay table without credits; the
// player holds cards with the table's keys or the mouse and checks the hold,
// and the window shows the value of that hold, the best hold(s), the list's
// hold and the cost, with a running tally.

#include <QDialog>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "record/practice_drill.h"
#include "record/training_record.h"
#include "record/ui/card_pictures.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quintaro {

class TPracticeDrillForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCardsLeft = 40;
    static constexpr int kCardsTop = 104;
    static constexpr int kCardPitch = 145;

    TPracticeDrillForm(TrainingRecord& record, const QString& schemeDir, int game, int payTable,
                       std::uint32_t seed, QWidget* parent = nullptr);

    // Starts the drill afresh for a game and pay-table choice.
    void Start(int game, int payTable);
    // Starts it on a named table of a game (recorded, the player's own or the
    // catalogue's): its mistakes, dealt again on its own pays.
    void StartNamed(const NamedPayTable& table);
    // The named tables the pay-table choice offers after the two built-in ones.
    const std::vector<NamedPayTable>& NamedTables() const { return m_named; }
    // Starts it on one kind of hand only: the hands whose strategy entry is `entry`.
    void StartKind(int game, int payTable, int entry);
    std::optional<int> Kind() const { return m_kind; }
    void ToggleHold(int position);
    // Check while the hand waits for an answer; the next hand after it.
    void CheckOrNext();

    PracticeDrill& Drill() { return *m_drill; }
    std::uint8_t Held() const { return m_held; }
    const std::optional<DrillAnswer>& LastAnswer() const { return m_answer; }
    QLabel* ResultLabel(int line) const { return m_result[static_cast<std::size_t>(line)]; }
    QLabel* TallyLabel() const { return m_tally; }
    QLabel* OriginLabel() const { return m_origin; }
    QLabel* KindLabel() const { return m_kindLabel; }
    QPushButton* CheckButton() const { return m_check; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Begin(int game, int payTable, const NamedPayTable* named = nullptr);
    void ShowHand();
    void ShowAnswer();
    void ShowTally();

    TrainingRecord& m_record;
    CardPictures m_pictures;
    std::uint32_t m_seed;
    std::unique_ptr<PracticeDrill> m_drill;
    std::uint8_t m_held = 0;
    std::optional<DrillAnswer> m_answer;
    std::array<QImage, 5> m_faces;
    QComboBox* m_gameChoice = nullptr;
    QComboBox* m_payChoice = nullptr;
    QLabel* m_origin = nullptr;
    std::array<QLabel*, 5> m_heldCaptions{};
    std::array<QLabel*, 5> m_result{};
    QLabel* m_tally = nullptr;
    QLabel* m_kindLabel = nullptr;
    std::optional<int> m_kind;
    std::vector<NamedPayTable> m_named;
    QPushButton* m_check = nullptr;
};

} // namespace quintaro
