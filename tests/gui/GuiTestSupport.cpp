#include "tests/gui/GuiTestSupport.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "gui/GuiFont.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "tests/support/TestSupport.h"

namespace guitest {

namespace {

InputScript* g_script = nullptr;
std::thread::id g_mainThread;
std::atomic<int64_t> g_startNs {-1};

constexpr int kGraceMs = 4000;

int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool OnMainThread() { return std::this_thread::get_id() == g_mainThread; }

int HookX()
{
    if (OnMainThread())
        g_script->Advance();
    return g_script->X();
}
int HookY() { return g_script->Y(); }
int HookZ() { return g_script->Z(); }
int HookB()
{
    if (OnMainThread())
        g_script->Advance();
    return g_script->Buttons();
}

int (*g_savedX)() = nullptr;
int (*g_savedY)() = nullptr;
int (*g_savedZ)() = nullptr;
int (*g_savedB)() = nullptr;

} // namespace

InputScript::InputScript()
{
    g_mainThread = std::this_thread::get_id();
    g_savedX = gui_mouse_x;
    g_savedY = gui_mouse_y;
    g_savedZ = gui_mouse_z;
    g_savedB = gui_mouse_b;
    g_script = this;
    gui_mouse_x = HookX;
    gui_mouse_y = HookY;
    gui_mouse_z = HookZ;
    gui_mouse_b = HookB;
}

InputScript::~InputScript()
{
    gui_mouse_x = g_savedX;
    gui_mouse_y = g_savedY;
    gui_mouse_z = g_savedZ;
    gui_mouse_b = g_savedB;
    g_script = nullptr;
    g_startNs = -1;
    key[KEY_ESC] = 0;
}

void InputScript::Add(Event event) { events_.push_back(std::move(event)); }

InputScript& InputScript::Wait(int ms)
{
    cursor_ += ms;
    return *this;
}

InputScript& InputScript::MoveTo(int x, int y)
{
    Add({Event::Move, cursor_, x, y, {}});
    return *this;
}

InputScript& InputScript::Press(int buttons, int holdMs) { return Hold(buttons).Wait(holdMs).Release(buttons); }

InputScript& InputScript::Hold(int buttons)
{
    Add({Event::ButtonDown, cursor_, buttons, 0, {}});
    return *this;
}

InputScript& InputScript::Release(int buttons)
{
    Add({Event::ButtonUp, cursor_, buttons, 0, {}});
    return *this;
}

InputScript& InputScript::Click(int x, int y, int buttons)
{
    return MoveTo(x, y).Wait(50).Press(buttons).Wait(350);
}

InputScript& InputScript::DoubleClick(int x, int y)
{
    return MoveTo(x, y).Wait(50).Press(1, 40).Wait(80).Press(1, 40).Wait(350);
}

InputScript& InputScript::Wheel(int steps)
{
    Add({Event::WheelStep, cursor_, steps, 0, {}});
    return *this;
}

InputScript& InputScript::Key(int scancode, int character)
{
    Add({Event::KeyPress, cursor_, scancode, character, {}});
    return Wait(20);
}

InputScript& InputScript::Type(const std::string& text)
{
    for (char c : text)
        Key(0, static_cast<unsigned char>(c));
    return *this;
}

InputScript& InputScript::HoldKey(int scancode, int ms)
{
    Add({Event::KeyDown, cursor_, scancode, 0, {}});
    Add({Event::KeyUp, cursor_ + ms, scancode, 0, {}});
    cursor_ += ms;
    return *this;
}

InputScript& InputScript::Do(std::function<void()> action)
{
    Add({Event::Action, cursor_, 0, 0, std::move(action)});
    return *this;
}

void InputScript::Start()
{
    nextMainThreadEvent_ = 0;
    g_startNs = NowNs();
    startNs_ = g_startNs;
}

int InputScript::ElapsedMs() const
{
    const int64_t start = g_startNs;
    return start < 0 ? 0 : static_cast<int>((NowNs() - start) / 1000000);
}

void InputScript::Advance()
{
    if (startNs_ < 0)
        return;
    const int now = ElapsedMs();
    while (nextMainThreadEvent_ < events_.size() && events_[nextMainThreadEvent_].time <= now) {
        Event& event = events_[nextMainThreadEvent_++];
        switch (event.kind) {
        case Event::KeyPress:
            // readkey() codes: scancode in the high byte, character in the low byte.
            simulate_keypress((event.a << 8) | event.b);
            break;
        case Event::KeyDown:
            key[event.a] = 1;
            break;
        case Event::KeyUp:
            key[event.a] = 0;
            break;
        case Event::Action:
            event.action();
            break;
        default:
            break;
        }
    }
    if (now > cursor_ + kGraceMs && now - lastEscapeMs_ >= 100) {
        timedOut_ = true;
        lastEscapeMs_ = now;
        key[KEY_ESC] = 1;
        simulate_keypress((KEY_ESC << 8) | 27);
    }
}

int InputScript::X() const
{
    const int now = ElapsedMs();
    int x = 0;
    if (g_startNs < 0)
        return x;
    for (const Event& event : events_)
        if (event.kind == Event::Move && event.time <= now)
            x = event.a;
    return x;
}

int InputScript::Y() const
{
    const int now = ElapsedMs();
    int y = 0;
    if (g_startNs < 0)
        return y;
    for (const Event& event : events_)
        if (event.kind == Event::Move && event.time <= now)
            y = event.b;
    return y;
}

int InputScript::Z() const
{
    const int now = ElapsedMs();
    int z = 0;
    if (g_startNs < 0)
        return z;
    for (const Event& event : events_)
        if (event.kind == Event::WheelStep && event.time <= now)
            z += event.a;
    return z;
}

int InputScript::Buttons() const
{
    const int now = ElapsedMs();
    int buttons = 0;
    if (g_startNs < 0)
        return buttons;
    for (const Event& event : events_) {
        if (event.time > now)
            break;
        if (event.kind == Event::ButtonDown)
            buttons |= event.a;
        else if (event.kind == Event::ButtonUp)
            buttons &= ~event.a;
    }
    return buttons;
}

bool Pump(DIALOG_PLAYER* player, int ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (g_script)
            g_script->Advance();
        if (!update_dialog(player))
            return false;
        rest(1);
    }
    return true;
}

int Player::Finish()
{
    if (player_) {
        result_ = shutdown_dialog(player_);
        player_ = nullptr;
    }
    return result_;
}

int ClickAt(DIALOG& d, int x, int y)
{
    InputScript script;
    script.MoveTo(x, y);
    script.Start();
    return object_message(&d, MSG_CLICK, 0);
}

DIALOG End() { return DIALOG {}; }

std::vector<std::string> TestList::items;
int TestList::misuse = 0;

const char* TestList::Get(int index, int* count)
{
    if (index < 0) {
        if (count)
            *count = static_cast<int>(items.size());
        else
            ++misuse;
        return nullptr;
    }
    if (index >= static_cast<int>(items.size())) {
        ++misuse;
        return nullptr;
    }
    return items[index].c_str();
}

uint32_t Pixel(int x, int y) { return rl::Canvas::ReadPixel(x, y); }

int CountColour(int x, int y, int w, int h, uint32_t rgb, int tolerance)
{
    int count = 0;
    for (uint32_t p : rl::Canvas::ReadPixels(x, y, w, h))
        if (testsupport::Near(p, rgb, tolerance))
            ++count;
    return count;
}

bool HasInk(int x, int y, int w, int h, uint32_t background)
{
    for (uint32_t p : rl::Canvas::ReadPixels(x, y, w, h))
        if (!testsupport::Near(p, background, 40))
            return true;
    return false;
}

void SaveScreenshot(const std::string& name)
{
    const char* folder = std::getenv("MARL_SCREENSHOT_DIR");
    if (!folder || !*folder)
        return;
    const int w = rl::ScreenWidth(), h = rl::ScreenHeight();
    const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, w, h);
    testsupport::WritePng(std::string(folder) + "/" + name + ".png", w, h,
                          [&](int x, int y) { return pixels[y * w + x] | 0xFF000000u; });
}

void OpenGui()
{
    testsupport::OpenScreen();
    ASSERT_TRUE(CreateGuiFont());
    ASSERT_EQ(InitGuiFont(), 0);
    rl::Canvas::Fill(0, 0, 0, 1);
}

} // namespace guitest
