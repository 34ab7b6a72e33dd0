#pragma once
// The dialog conventions every widget of the toolkit shares.
//
// Dialogs are arrays of Allegro's dialog record (proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp,
// dp2, dp3), ended by a record whose proc is null, and run by Allegro's dialog engine. Every
// visible widget is one of our own procedures drawing through the rendering layer; Allegro only
// dispatches the messages. The engine's message, flag and return codes are used under their
// Allegro names; the numbers below are the ones our dialog tables and key handling rely on.

#include <allegro.h>

static_assert(D_EXIT == 1 && D_SELECTED == 2 && D_GOTFOCUS == 4 && D_HIDDEN == 16 && D_DISABLED == 32,
              "dialog flag bits");
static_assert(MSG_START == 1 && MSG_DRAW == 3 && MSG_CLICK == 4 && MSG_DCLICK == 5 && MSG_KEY == 6 &&
                  MSG_CHAR == 7 && MSG_WANTFOCUS == 10 && MSG_LOSTFOCUS == 12 && MSG_GOTMOUSE == 13 &&
                  MSG_LOSTMOUSE == 14 && MSG_IDLE == 15 && MSG_WHEEL == 17,
              "dialog messages");
static_assert(D_O_K == 0 && D_CLOSE == 1 && D_REDRAW == 2 && D_WANTFOCUS == 8 && D_USED_CHAR == 16,
              "dialog return codes");
// A char message carries the scancode in its high byte and the character in its low byte.
static_assert(KEY_ESC == 59 && KEY_BACKSPACE == 63 && KEY_ENTER == 67 && KEY_DEL == 77 && KEY_HOME == 78 &&
                  KEY_END == 79 && KEY_LEFT == 82 && KEY_RIGHT == 83 && KEY_UP == 84 && KEY_DOWN == 85,
              "scancodes");

// Two habits of the engine the widgets keep to:
// - A click answered with D_REDRAW (or a focus change answered so) ends the engine's wait for the
//   second click of a double click. A widget whose double click means something redraws by
//   broadcast_dialog_message(MSG_DRAW) and answers D_O_K.
// - A modal dialog that closes while a mouse button is still down hands the rest of that click
//   to the dialog beneath; the toolkit's modal helpers wait for the release before returning.

using DialogProc = int (*)(int message, DIALOG* d, int c);

// The getter behind a list or combo box (its dp): called with index -1 and a pointer it stores the
// item count there; called with an index 0 .. count-1 and a null pointer it returns that item.
using ListGetter = const char* (*)(int index, int* count);

// The dialog engine keeps the getter in the record's untyped pointer, as Allegro's own lists do.
inline void* GetterPointer(ListGetter getter) { return reinterpret_cast<void*>(getter); }
inline ListGetter GetterOf(const DIALOG* d) { return reinterpret_cast<ListGetter>(d->dp); }

// A colour as dialog tables store it: the screen mode packs red in the lowest byte, then green,
// then blue (the title-bar colour (171, 186, 139) is 0x8bbaab). -1 in a bg field means none.
constexpr int PackedColour(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr int kNoColour = -1;
constexpr int kWhite = PackedColour(255, 255, 255);
constexpr int kBlack = 0;
// The green of dialog title bars and edit fields.
constexpr int kTitleGreen = PackedColour(171, 186, 139);

// Scancode and character of a char message.
inline int Scancode(int c) { return (c >> 8) & 0xFF; }
inline int Character(int c) { return c & 0xFF; }

// One dialog record, for tables built in code.
inline DIALOG DialogRecord(DialogProc proc, int x, int y, int w, int h, int fg = 0, int bg = 0, int flags = 0,
                           int d1 = 0, int d2 = 0, void* dp = nullptr)
{
    DIALOG d {};
    d.proc = proc;
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.fg = fg;
    d.bg = bg;
    d.flags = flags;
    d.d1 = d1;
    d.d2 = d2;
    d.dp = dp;
    return d;
}

// The dialog's text (dp) as a C string, or null.
inline const char* DialogText(const DIALOG* d) { return static_cast<const char*>(d->dp); }
