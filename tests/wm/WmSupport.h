// Helpers of the window-manager tests: the program's windows on a private X display with a real
// window manager, what the X server says about them, and a person's keys and clicks.
//
// Everything here waits for conditions with a generous deadline and never for a fixed time:
// the windows live in another process's hands (the window manager) and the machine may be busy.
#pragma once

#include "WmX.h"
#include "winlib/Forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wm {

// Set by main: why the private display is not there (empty when it runs).
const std::string& SkipReason();
void SetSkipReason(const std::string& Reason);

// Processes the program's events until Done() is true; false when the deadline passed first.
bool WaitUntil(const std::function<bool()>& Done, int DeadlineMs = 20000);

// The window of the form as the X server knows it, found by the form's caption; 0 while hidden.
Window WindowOf(TForm* Form);

// Waits until the form is shown, framed and the active window.
bool WaitShownAndActive(TForm* Form);
bool WaitHidden(TForm* Form);

// A person's input, through the X server's test extension (xdotool).
void Xdotool(const std::vector<std::string>& Args); // any command: wheel clicks, drags, ...
void Key(const std::string& KeySym);                // "Return", "Escape", "Right", "alt+F4", ...
void Type(const std::string& Text);
void Click(int X, int Y);
void DoubleClick(int X, int Y);
// The screen point at (X, Y) of the control's client area, from the X server's place of the
// control's window.
TPoint OnScreen(TControl* Control, int X, int Y);
void ClickControl(TControl* Control);
void DoubleClickControl(TControl* Control);
// Asks the window manager to activate the window, as a click on its title does.
void Activate(Window W);

// Runs Open, which shows Dialog modally and returns when it closes, and runs Body meanwhile,
// inside the dialog's loop. A dialog that Body left open is cancelled, so the test goes on.
void WhileModal(TForm* Dialog, const std::function<void()>& Open, const std::function<void()>& Body);

// Writes the screen to a PNG file for a person to look at, when ImageMagick's import is there.
void Screenshot(const std::string& File);

// The program's six windows, created in their order in a temporary program folder on the
// built-in PDF printer, with the main window shown. Created once for the whole run.
class Program {
  public:
    static Program& Get(); // starts the program the first time
    static void End();     // destroys the windows, removes the folder
    static void Restart(); // ends the program and starts it again on the settings it stored
    // Hides every window but the main one, and brings the main one back to its first size,
    // unmaximised and active.
    void Reset();

  private:
    explicit Program(const std::string& Folder); // a new temporary folder when empty
    std::string folder_;
    TRect firstBounds_; // the main window's frame once it first came up
};

// Skips the test when there is no private display.
class WmTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace wm
