#pragma once
// Small services every window shares: the button and click sounds, pixel-sized fonts,
// the colours and labels of the forms, the raised-and-sunken window frame, placing a
// window in the middle of the screen, and pauses that a test can shorten to nothing.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <functional>
#include <string>
#include <string_view>

#include "core/sound_numbers.h"

class QAction;
class QKeySequence;
class QLabel;
class QMenu;
class QPainter;
class QWidget;

namespace quintaro::ui {

// The colours the forms share.
inline const QColor kMaroon(128, 0, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kLime(0, 255, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kAqua(0, 255, 255);
inline const QColor kTeal(0, 128, 128);
inline const QColor kPurple(128, 0, 128);
inline const QColor kSilver(192, 192, 192);

// A UTF-8 text of the logic as a QString.
QString Text(std::string_view text);
// The colour of a widget's text (of a label, and of a button's caption).
void SetTextColour(QWidget* widget, const QColor& colour);
// The colour a widget fills its background with.
void SetFillColour(QWidget* widget, const QColor& colour);
// The olive line under a panel's column headings.
void AddRule(QWidget* panel, const QRect& rect);
// A label at a fixed place with its font and colour.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& rect, const QFont& font,
                  const QColor& colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// Where the windows send their sound effects (the session's PlayEffect once it runs).
using EffectSink = std::function<void(int)>;
void SetEffectSink(EffectSink sink);
void PlayEffect(int effect);

// Blocking pause that lets window messages run; input is guarded by the callers'
// busy flags. A scale of 0 (tests) makes every pause return at once.
void Pause(int ms);
void SetPauseScale(double scale);

// The program's fonts at an exact pixel size.
QFont SansFont(int pixelSize, bool bold = false);
QFont RoundedFont(int pixelSize, bool bold = false);

// The 0x00BBGGRR colour integers of scheme files.
QColor FromColorRef(int bgr);

// A raised edge around rect and a sunken one 2 pixels inside it, 4 pixels in all.
void DrawWindowFrame(QPainter& painter, const QRect& rect);
// Draws a 2-pixel raised or sunken bevel just inside rect.
void DrawBevel(QPainter& painter, const QRect& rect, bool raised);

// A named command of a window's pop-up menu. The action belongs to the window
// and is added to it as well, so its shortcut works while the window is active
// and the menu is closed.
QAction* AddCommand(QWidget* window, QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut);

// Moves a top-level window's own area (its frame aside) to the middle of its screen, the
// same place at every showing.
void CentreOnScreen(QWidget* window);

// The maroon strip along the foot of the analysis windows, with the program's
// icon and its name in yellow at the left; the window's buttons go on it.
QWidget* AddBrandStrip(QWidget* window, const QRect& geometry);

// Tells the player that something could not be saved: a warning box with
// `what` and the reason, and the same on standard error.
void ReportSaveFailure(QWidget* parent, const QString& what, const std::string& reason);

} // namespace quintaro::ui
