#pragma once
// What every window needs beyond plain Qt: layouts in twips, the fonts,
// placement by the outer frame, Enter on buttons, message boxes titled with
// the program's name, the beep. Tests replace the message boxes and the beep.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <string>

class QPushButton;
class QWidget;

namespace tamberlo::ui {

// The windows are laid out in twips, 15 to the pixel.
constexpr int Px(int twips) { return twips / 15; }
QRect TwipsRect(int left, int top, int width, int height);

inline QColor Rgb(int red, int green, int blue) { return QColor(red, green, blue); }

// Liberation, else DejaVu (scripts/install-deps.sh installs both), else the
// machine's own sans-serif or serif font; sizes in points.
QFont SansFont(double points);
QFont SerifFont(double points, bool bold);

// `font` as it must be for `text` to fit in `room` pixels: unchanged where
// it fits, else narrowed, then made smaller. The installed fonts run wider
// than the windows' places were measured for, and a text cut at its border
// would read as another text.
QFont FittingFont(QFont font, const QString& text, int room);

// Calls `place` whenever the window manager changes the frame around
// `window` (it adds it only once the window is shown), for a window placed
// or sized by its outer frame. A window the user moves stays where it is.
void WhenFrameChanges(QWidget* window, std::function<void()> place);

// Enter on a focused button clicks it, as Space does; in a window that is
// not a dialog a push button would otherwise ignore Enter.
void EnterClicks(QPushButton* button);

enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A modal message box; its title is the program's name.
Answer MessageBox(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok);

// Tests answer message boxes without showing them; an empty responder
// restores the real boxes.
using MessageResponder = std::function<Answer(const QString& text, Buttons buttons)>;
void SetMessageResponder(MessageResponder responder);

// Runs before every message box is shown (the main window puts the run logs
// on disk, where the user may look while the box waits); empty for none.
void SetBeforeMessageHook(std::function<void()> hook);

// What the program tells the user when it cannot go on: standard error and a message box.
void ReportError(const std::string& message);

void Beep();
// Tests count beeps; an empty hook restores the real beep.
void SetBeepHook(std::function<void()> hook);

}  // namespace tamberlo::ui
