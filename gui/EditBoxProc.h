#pragma once
// A one-line text field. dp is a character buffer of d1 bytes (so at most d1 - 1 characters), d2
// the caret position (0 .. length). A click places the caret between the characters nearest the
// mouse; Left, Right, Home, End move it; Delete and Backspace remove; printable characters are
// inserted while there is room and swallowed when the buffer is full; Enter closes the dialog when
// the exit flag is set. The caret shows while the field has the focus, and the field keeps the
// focus until another widget takes it.
//
// The text is clipped to the field. A text longer than the field scrolls sideways so the caret is
// always in view: while the text up to the caret fits, it starts at the field's left edge; past
// that, the caret sits at the right edge with the text before it.

#include "gui/Dialog.h"

int EditBoxProc(int message, DIALOG* d, int c);

// Where a click at x pixels from the field's left edge puts the caret in text: before the
// character under the mouse when on its left half, after it when on its right half.
int CaretFromClick(const char* text, int x);

// How far (pixels) the text is moved left so the caret at caretX (pixels into the text) shows in a
// field width pixels wide.
int TextScroll(int caretX, int width);
