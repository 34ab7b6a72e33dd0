#pragma once
// The frame loop of a playing level on the screen: ticks on the clock, a frame drawn through the
// session's view and presented, until Escape is pressed or the window's close button is clicked.

class Level;
class PlaySession;

// Returns when the player ends the session. The session must have been started (Start). The
// window's close button ends the session too; afterwards it has no callback, so a program that had
// one installs it again.
void PlayOnScreen(PlaySession& session, Level& level);
