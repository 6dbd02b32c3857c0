#pragma once
// The platform side of the statistics window's clipboard copy: putting the
// text on the clipboard, and the one-second waits that keep the window alive.
#include <QString>
#include <chrono>
#include <functional>

namespace tamberlo::ui {

// Clears the clipboard and puts the text on it; true only when the clipboard
// reads back the same text.
bool PutTextOnClipboard(const QString& text);

// Tests stand in for the clipboard; an empty writer restores the real one.
using ClipboardWriter = std::function<bool(const QString& text)>;
void SetClipboardWriter(ClipboardWriter writer);

// Handles window events until one second after `start` (a steady clock, so
// midnight or a clock change does not stretch it).
void WaitOneSecondFrom(std::chrono::steady_clock::time_point start);

}  // namespace tamberlo::ui
