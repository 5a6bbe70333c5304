#pragma once
// The two help windows share one layout: a borderless 800 x 600 black window with a
// yellow-framed notebook of three maroon pages, each with a shadowed title, its page
// number, the text (key and button names in yellow) and the paging buttons.
// TGameHelpForm explains playing a game, TMenuHelpForm the menu and the program.

#include <QDialog>
#include <QStackedWidget>

#include <array>

class QLabel;

namespace quintaro {

class TURLLabel;
namespace ui {
class PressButton;
}

struct HelpPageText {
    const char* text; // rich text; {...} marks a key or button name
};

class HelpFormBase : public QDialog {
    Q_OBJECT

public:
    struct Layout {
        int frameHeight; // height of the yellow-framed rectangle at 18, 25
        QRect notebook;  // the paged notebook
    };

    // 0-based index of the page shown.
    int PageIndex() const { return m_pages->currentIndex(); }

    ui::PressButton* NextPageButton(int page) const { return m_next[page]; }
    ui::PressButton* PreviousPageButton(int page) const { return m_previous[page]; }
    ui::PressButton* ExitHelpButton(int page) const { return m_exit[page]; }
    QLabel* TitleLabel(int page) const { return m_title[page]; }
    QLabel* TitleShadow(int page) const { return m_titleShadow[page]; }
    QLabel* PageLabel(int page) const { return m_pageNumber[page]; }
    QLabel* TextLabel(int page) const { return m_text[page]; }
    TURLLabel* WebLink() const { return m_link; }

    // Turns {name} marks into yellow spans.
    static QString Highlight(const char* text);

    void NextPageClick();
    void PreviousPageClick();
    void ExitHelpClick();

protected:
    HelpFormBase(const Layout& layout, const QString& title,
                 const std::array<HelpPageText, 3>& pages, QWidget* parent);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowPage(int index);

    Layout m_layout;
    QStackedWidget* m_pages = nullptr;
    std::array<QLabel*, 3> m_title{};
    std::array<QLabel*, 3> m_titleShadow{};
    std::array<QLabel*, 3> m_pageNumber{};
    std::array<QLabel*, 3> m_text{};
    std::array<ui::PressButton*, 3> m_next{};
    std::array<ui::PressButton*, 3> m_previous{};
    std::array<ui::PressButton*, 3> m_exit{};
    TURLLabel* m_link = nullptr;
};

// Help for playing a game; its title names the game.
class TGameHelpForm : public HelpFormBase {
    Q_OBJECT

public:
    // gameName: the display name of the game the help is opened from.
    explicit TGameHelpForm(const QString& gameName, QWidget* parent = nullptr);

    static QString TitleFor(const QString& gameName);
};

// Help for the main menu and the program as a whole.
class TMenuHelpForm : public HelpFormBase {
    Q_OBJECT

public:
    explicit TMenuHelpForm(QWidget* parent = nullptr);
};

} // namespace quintaro
