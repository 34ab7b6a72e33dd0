#pragma once
// What the toolbar's buttons do. The toolbar calls this for a click on a button that is not
// greyed, after drawing; the toggles flip their state between normal and on.

// Runs button `index`'s action and returns its dialog code (ok for the toggles 0 to 3, redraw for
// the rest).
int RunToolbarAction(int index);
