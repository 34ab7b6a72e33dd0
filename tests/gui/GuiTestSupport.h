#pragma once
// In-process driving of the toolkit's widgets under Xvfb: scripted mouse and keys on a wall-clock
// timeline, pumping a dialog, and reading what was drawn.
//
// The script replaces Allegro's gui_mouse_x/y/z/b hooks, which both the dialog engine and our
// widgets read. A pressed button is let go when its time is up (by the clock, not after a number of
// reads), keys go through simulate_keypress, and held keys set key[] for a while. Modal helpers
// (message box, file selector, popup menu) run their own loops; the script plays inside them
// because those loops read the hooks. If a script's dialog is still running 4 s after its last step,
// the script holds and presses Escape and records that it had to (TimedOut()), so a broken test
// fails instead of hanging.

#include <allegro.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/Dialog.h"

namespace guitest {

class InputScript {
public:
    InputScript();
    ~InputScript();
    InputScript(const InputScript&) = delete;
    InputScript& operator=(const InputScript&) = delete;

    // Steps follow one another on the timeline; Wait moves the timeline on.
    InputScript& Wait(int ms);
    InputScript& MoveTo(int x, int y);
    // Holds the buttons (1 left, 2 right) for holdMs, and moves the timeline past the release.
    InputScript& Press(int buttons = 1, int holdMs = 60);
    // Presses or lets go of buttons from this point on.
    InputScript& Hold(int buttons);
    InputScript& Release(int buttons);
    // Moves there, waits 50 ms, presses, and waits 350 ms (past the double-click window).
    InputScript& Click(int x, int y, int buttons = 1);
    // Two presses 120 ms apart, then 350 ms.
    InputScript& DoubleClick(int x, int y);
    InputScript& Wheel(int steps);
    // A key press as readkey() sees it: scancode, and the character it types.
    InputScript& Key(int scancode, int character = 0);
    InputScript& Type(const std::string& text);
    // key[scancode] set for ms (the timeline moves past it).
    InputScript& HoldKey(int scancode, int ms);
    // Runs action on the main thread at this point of the timeline.
    InputScript& Do(std::function<void()> action);

    // The timeline starts now.
    void Start();
    bool TimedOut() const { return timedOut_; }
    int ElapsedMs() const;

    // Applies due key events and actions (the hooks do this too).
    void Advance();

    int X() const;
    int Y() const;
    int Z() const;
    int Buttons() const;

private:
    struct Event {
        enum Kind { Move, ButtonDown, ButtonUp, WheelStep, KeyPress, KeyDown, KeyUp, Action } kind;
        int time;
        int a = 0, b = 0;      // x, y / buttons / steps / scancode, character
        std::function<void()> action;
    };

    void Add(Event event);

    std::vector<Event> events_;
    size_t nextMainThreadEvent_ = 0;
    int cursor_ = 0;
    int64_t startNs_ = -1;
    bool timedOut_ = false;
    int lastEscapeMs_ = 0;
};

// Runs update_dialog for ms of wall-clock time (or until the dialog ends); whether it still runs.
bool Pump(DIALOG_PLAYER* player, int ms);

// A dialog player that is shut down when it goes.
class Player {
public:
    Player(DIALOG* dialog, int focus = -1) : player_(init_dialog(dialog, focus)) {}
    ~Player() { Finish(); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;
    DIALOG_PLAYER* get() { return player_; }
    bool Pump(int ms) { return guitest::Pump(player_, ms); }
    // Shuts the dialog down; the index of the object that closed it (-1 for Escape).
    int Finish();

private:
    DIALOG_PLAYER* player_;
    int result_ = -2;
};

// Puts the mouse at (x, y) and sends the widget a click; its result.
int ClickAt(DIALOG& d, int x, int y);

// One dialog record; End() ends an array.
inline DIALOG Record(DialogProc proc, int x, int y, int w, int h, int fg = 0, int bg = 0, int flags = 0, int d1 = 0,
                     int d2 = 0, void* dp = nullptr)
{
    return DialogRecord(proc, x, y, w, h, fg, bg, flags, d1, d2, dp);
}
DIALOG End();

// A getter over a list of texts that a test can change between messages. Calls with index -1 and
// a null pointer, or an index outside the list, are counted as misuse.
struct TestList {
    static std::vector<std::string> items;
    static int misuse;
    static const char* Get(int index, int* count);
};

// A pixel of the back buffer as 0xAARRGGBB.
uint32_t Pixel(int x, int y);
// How many pixels of a rectangle have the colour (within tolerance per channel).
int CountColour(int x, int y, int w, int h, uint32_t rgb, int tolerance = 2);
// Whether any pixel of the rectangle differs from colour by more than 40 per channel (text there).
bool HasInk(int x, int y, int w, int h, uint32_t background);

// Saves the back buffer as a PNG into $MARL_SCREENSHOT_DIR (when set) under name + ".png".
void SaveScreenshot(const std::string& name);

// Readies the GUI for a test: the screen, the GUI font, cleared to black.
void OpenGui();

} // namespace guitest
