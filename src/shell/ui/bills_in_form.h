#pragma once
// TBillsInForm: the player clicks bills into the slot (at most $500 at a time) and
// confirms with OK. Keys 1 to 5 (main row or keypad) press the five bill buttons,
// Delete clears, Enter is OK and Escape is Cancel.

#include <QDialog>

#include <array>

class QLabel;
class QFrame;

namespace quintaro {

namespace ui {
class PressButton;
}

class TBillsInForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxTotal = 500;

    explicit TBillsInForm(QWidget* parent = nullptr);

    // Whole dollars inserted so far.
    int Total() const { return m_total; }

    // "$ 0.00" style text of a dollar amount.
    static QString FormatDollars(int dollars);

    QLabel* Display() const { return LbBillsIn; }
    QFrame* BillSlot() const { return PanelBillSlot; }
    ui::PressButton* BillButton(int index) const { return m_bills[index]; }
    ui::PressButton* ClearButton() const { return BtnClear; }
    ui::PressButton* OKButton() const { return BtnOK; }
    ui::PressButton* CancelButton() const { return BtnCancel; }

    void BtnInClick(int tag);
    void BtnClearClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_total = 0;
    std::array<ui::PressButton*, 5> m_bills{};
    ui::PressButton* BtnClear = nullptr;
    ui::PressButton* BtnOK = nullptr;
    ui::PressButton* BtnCancel = nullptr;
    QLabel* LbBillsIn = nullptr;
    QFrame* PanelBillSlot = nullptr;
    QImage m_billPicture;
};

} // namespace quintaro
