#pragma once
// TAboutBox: the product name, the program icon, the maker's lines, the version, an
// invitation to write, and the link to the maker's web site. Space, Enter and Esc
// close it as the OK button does.

#include <QDialog>
#include <QImage>

class QLabel;

namespace quintaro {

class TURLLabel;
namespace ui {
class PressButton;
}

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // productName: the product-name picture (164 x 24).
    explicit TAboutBox(const QImage& productName, QWidget* parent = nullptr);

    ui::PressButton* OKButton() const { return m_ok; }
    TURLLabel* WebLink() const { return m_link; }
    static QString VersionLine();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ui::PressButton* m_ok = nullptr;
    TURLLabel* m_link = nullptr;
};

// TStrategyCreditBox names where the strategy tables come from.
class TStrategyCreditBox : public QDialog {
    Q_OBJECT

public:
    explicit TStrategyCreditBox(QWidget* parent = nullptr);

    QPushButton* OKButton() const { return m_ok; }
    TURLLabel* WebLink() const { return m_link; }

    // The picture at 24, 162: the top of a strategy table, drawn once.
    static QImage Picture();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    TURLLabel* m_link = nullptr;
};

// The program's icon at 32 x 32 (media/program_icon.h draws it at any size).
QImage ProgramIcon();

} // namespace quintaro
