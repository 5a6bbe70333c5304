#pragma once
// The Qt side of the session: what TVantaSession asks of the outside world
// (sounds, pauses, message boxes, the shared dialogs, its two sheets), and
// the widgets that show its meters and its button bar.
//
// Usage, at start-up:
//     SessionView view;
//     TVantaSession session(config, view.Services()); // loads the sheets through the view
//     view.SetSession(&session);
//     auto* credit = new CreditMeterBox(view.Sheets(), panel);
//     session.AttachDisplays(credit, nullptr, nullptr);
//
// Every meter and the bar draw into an off-screen image first and copy it to
// the screen in one paint, so a counting meter never flickers.

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <string>

#include "shell/session_geometry.h"
#include "shell/session_services.h"

namespace quintaro {

class TVantaSession;
class TAboutBox;
class TBillsInForm;

// The meter digits and the button-bar tiles the session uses now.
class SessionSheets {
public:
    const QImage& Digits() const { return m_digits; }
    const QImage& Buttons() const { return m_buttons; }
    // The digits with every black pixel turned into `background` (the meter's
    // colour); kept until the colour or the sheet changes.
    const QImage& DigitsOn(const QColor& background);
    void Set(QImage digits, QImage buttons);

private:
    QImage m_digits;
    QImage m_buttons;
    QImage m_recoloured;
    QColor m_recolouredFor;
};

// A meter's paint box: an off-screen image of the box's size in its colour.
class MeterBox : public QWidget {
    Q_OBJECT

public:
    MeterBox(SessionSheets& sheets, QWidget* parent);
    // The box's colour: the blank part of the meter and the digits' black.
    void SetBackground(const QColor& colour);
    QColor Background() const { return m_background; }
    // What the box shows now.
    const QImage& Buffer() const { return m_buffer; }

signals:
    // The left mouse button went down on the box.
    void Clicked();

protected:
    // Draws the glyphs of a layout into a buffer `bufferWidth` wide, then
    // repaints the box.
    void DrawLayout(const MeterLayout& layout, int bufferWidth);
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    SessionSheets& m_sheets;
    QImage m_buffer;
    QColor m_background = Qt::black;
};

// The seven-digit credit meter, right-aligned.
class CreditMeterBox : public MeterBox, public CreditMeterDisplay {
    Q_OBJECT

public:
    using MeterBox::MeterBox;
    void DrawCreditMeter(std::int32_t credits) override;
};

// The win meter, left-aligned, 161 pixels wide.
class WinMeterBox : public MeterBox, public WinMeterDisplay {
    Q_OBJECT

public:
    using MeterBox::MeterBox;
    void DrawWinMeter(std::int32_t amount) override;
};

// The seven-slot button bar of a game screen.
class ButtonBarBox : public QWidget, public ButtonBarDisplay {
    Q_OBJECT

public:
    ButtonBarBox(SessionSheets& sheets, QWidget* parent);
    void DrawButtonBar(int state, const BarRow& tiles) override;
    void DrawBarSlot(int slot, int tile, bool pressed) override;
    const QImage& Buffer() const { return m_buffer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SessionSheets& m_sheets;
    QImage m_buffer;
};

// The dialogs made once at start-up; any may be missing (a test, or a
// window registered by nobody), and then the session's request for it makes
// one for the occasion.
struct SharedDialogs {
    QPointer<TAboutBox> about;
    QPointer<TBillsInForm> bills;
    QPointer<QDialog> strategyTable;
    QPointer<QDialog> statistics;
    QPointer<QDialog> handBuilder;
    QPointer<QDialog> strategyCredit; // the acknowledgement of the strategy tables
};

class SessionView : public QObject,
                    public SoundSink,
                    public Pacing,
                    public SessionDialogs,
                    public SessionArtwork {
    Q_OBJECT

public:
    explicit SessionView(QObject* parent = nullptr);
    ~SessionView() override;

    SessionServices Services() { return {this, this, this, this}; }
    // The session whose options the view reads (Sound for the windows' own
    // button sounds, the game name for the help window).
    void SetSession(TVantaSession* session);
    TVantaSession* Session() const { return m_session; }

    SessionSheets& Sheets() { return m_sheets; }
    SharedDialogs& Dialogs() { return m_dialogs; }

    // SoundSink
    void PlayEffect(int effect) override;
    void PlayTone(int tone) override;
    // Pacing
    void Pause(int milliseconds) override;
    bool EscapePressed() override;
    void ProcessPendingEvents() override;
    // SessionDialogs
    void ShowNotice(std::string_view caption, std::string_view text) override;
    std::optional<std::int32_t> AskForBills() override;
    void ShowAbout() override;
    void ShowStatistics() override;
    void ShowHandBuilder() override;
    void ShowGameHelp() override;
    // SessionArtwork
    void LoadSessionBitmaps(const SessionSheetFiles& files) override;

    // Whether sounds reach the speakers at all (tests switch them off).
    static void SetAudible(bool audible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TVantaSession* m_session = nullptr;
    SessionSheets m_sheets;
    SharedDialogs m_dialogs;
    bool m_escape = false;
};

// The window in front, as the parent of a message box or a dialog.
QWidget* FrontWindow();

} // namespace quintaro
