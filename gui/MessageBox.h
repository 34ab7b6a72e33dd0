#pragma once
// The modal message box: a box of up to three centred lines under the title "Alert", with one to
// three buttons. Every text is kept in a 50-byte buffer between calls (at most 49 characters), and
// a null argument leaves the previous text in place. Button 2 shows only when it is given a text,
// button 3 only beside a button 2. Enter presses button 1.
//
// Returns 0 when button 1 closed the box, 1 for button 2, 2 for button 3, and -5 when it was
// closed with Escape, which every caller takes as a refusal. Without a screen nothing can be
// asked: -5 as well.

int MessageBox(const char* line1, const char* line2, const char* line3, const char* button1,
               const char* button2 = nullptr, const char* button3 = nullptr);
