#pragma once
// The frame loop of a playing level on the screen: ticks on the clock, a frame drawn through the
// session's view and presented, until Escape is pressed or the window's close button is clicked.

class Level;
class PlaySession;

// Returns when the player ends the session. The session must have been started (Start).
void PlayOnScreen(PlaySession& session, Level& level);
