#include "game/PlayScreen.h"

#include <allegro.h>

#include <atomic>

#include "core/Clock.h"
#include "entities/EntityList.h"
#include "game/GameDraw.h"
#include "game/PlaySession.h"
#include "level/Level.h"
#include "rl/Canvas.h"
#include "rl/FramePacing.h"

namespace {

// Allegro reports the close button from its own thread.
std::atomic<bool> g_closeRequested {false};
void RequestClose() { g_closeRequested = true; }

} // namespace

void PlayOnScreen(PlaySession& session, Level& level)
{
    g_closeRequested = false;
    set_close_button_callback(RequestClose);
    // Ticks run on the clock; frames need not come faster than the display shows them. A program
    // that paces its frames already (the level editor) keeps its own pacing.
    const bool pace = rl::FramePacing() <= 0;
    if (pace)
        rl::SetFramePacing(60);
    clear_keybuf();
    while (!key[KEY_ESC] && !g_closeRequested) {
        session.Advance(ElapsedMs);
        rl::Canvas::Fill(0, 0, 0, 1);
        DrawGame(session.View(), level, session.Entities());
        rl::Canvas::Refresh();
    }
    // The Escape that ended play must not also reach whoever shows the screen next.
    while (key[KEY_ESC])
        rest(10);
    clear_keybuf();
    if (pace)
        rl::SetFramePacing(0);
    set_close_button_callback(nullptr);
}
