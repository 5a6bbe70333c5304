#pragma once
// THoldValuesView: every hold of one hand, best first. At the top the hand's
// five cards with the selected hold marked; below, one row per hold with the
// held cards drawn small, its value per coin and for the coins bet, how far it
// falls short of the best, and marks for the strategy list's hold and the
// player's own. Selecting a row shows its hold on the cards. The window only
// shows; it never changes anything on the table.

#include <QDialog>
#include <QImage>

#include <array>
#include <vector>

#include "exact/exact_analysis.h"
#include "strategy/ui/hold_values_view.h"
#include "table/exact_figures.h"

class QLabel;
class QListWidget;

namespace quintaro {

namespace ui {
class PressButton;
}

class THoldValuesView : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 562;
    static constexpr int kHeight = 590;
    static constexpr int kRowHeight = 36;

    THoldValuesView(const HoldValuesQuery& request, QWidget* parent = nullptr);

    const HoldValuesQuery& Request() const { return m_request; }
    const exact::HoldValues& Values() const { return m_values; }
    exact::HoldMask ListHold() const { return m_listHold; }
    const std::vector<HoldValueRow>& Rows() const { return m_rows; }
    // The hold shown on the cards (the selected row's).
    exact::HoldMask ShownHold() const { return m_shown; }
    QListWidget* List() const { return m_list; }
    QLabel* TitleLabel() const { return m_title; }
    QLabel* SelectionLine() const { return m_selection; }
    QLabel* HoldLabel(int position) const {
        return m_holdLabels[static_cast<std::size_t>(position)];
    }
    ui::PressButton* CloseButton() const { return m_close; }
    // The picture of a card as the table draws it, and its small corner.
    const QImage& CardPicture(int position) const {
        return m_faces[static_cast<std::size_t>(position)];
    }
    const QImage& CornerPicture(int position) const {
        return m_corners[static_cast<std::size_t>(position)];
    }

protected:
    // Escape closes (and so frees) the window, like its Close button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildCards();
    void BuildList();
    void BuildBottomPanel();
    void ShowRow(int row);

    HoldValuesQuery m_request;
    exact::HoldValues m_values;
    exact::HoldMask m_listHold = 0;
    exact::HoldMask m_shown = 0;
    std::vector<HoldValueRow> m_rows;
    std::array<QImage, 5> m_faces;
    std::array<QImage, 5> m_corners;
    QLabel* m_title = nullptr;
    QLabel* m_titleShadow = nullptr;
    QLabel* m_selection = nullptr;
    std::array<QWidget*, 5> m_cardBoxes{};
    std::array<QLabel*, 5> m_holdLabels{};
    QListWidget* m_list = nullptr;
    ui::PressButton* m_close = nullptr;
};

} // namespace quintaro
