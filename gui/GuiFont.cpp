#include "gui/GuiFont.h"

#include <allegro.h>
#include <utility>

#include "core/Alert.h"
#include "gui/AlertDialog.h"
#include "rl/Canvas.h"
#include "rl/TextRenderer.h"

rl::TextRenderer* GuiFont = nullptr;

namespace {

struct GuiState {
    std::unique_ptr<rl::TextRenderer> font;
    bool ready = false;
};

GuiState& State()
{
    static GuiState state;
    return state;
}

void SetFont(std::unique_ptr<rl::TextRenderer> font)
{
    State().font = std::move(font);
    GuiFont = State().font.get();
}

std::unique_ptr<rl::TextRenderer> MakeFont(int glyphWidth, int glyphHeight)
{
    return std::make_unique<rl::TextRenderer>(GuiFontFile(), glyphWidth, glyphHeight, rl::Colour(0, 0, 0, 1), 0,
                                              true);
}

} // namespace

std::string GuiFontFile() { return rl::DefaultFontFile(); }

bool CreateGuiFont(int glyphWidth, int glyphHeight)
{
    SetFont(MakeFont(glyphWidth, glyphHeight));
    return GuiFont->IsValid();
}

void DestroyGuiFont()
{
    SetFont(nullptr);
    State().ready = false;
}

int InitGuiFont()
{
    GuiState& state = State();
    if (state.ready)
        return 0;
    if (!GuiFont || !GuiFont->IsValid()) {
        ShowAlert("Font not loaded properly");
        return 1;
    }
    show_os_cursor(MOUSE_CURSOR_ARROW);
    gui_mouse_focus = 0;
    rl::Canvas::DisableClipping();
    state.ready = true;
    InstallAlertDialog();
    return 0;
}

bool GuiReady() { return State().ready; }

TemporaryGuiFont::TemporaryGuiFont(int glyphWidth, int glyphHeight)
{
    previous_ = std::move(State().font);
    SetFont(MakeFont(glyphWidth, glyphHeight));
    ready_ = InitGuiFont() == 0;
}

TemporaryGuiFont::~TemporaryGuiFont()
{
    SetFont(std::move(previous_));
    State().ready = false;
}

rl::Colour ToColour(int packed)
{
    return rl::Colour(getr(packed) / 255.0f, getg(packed) / 255.0f, getb(packed) / 255.0f, 1.0f);
}

int TextWidth(const std::string& text) { return GuiFont ? GuiFont->Width(text) : 0; }
int TextHeight(const std::string& text) { return GuiFont ? GuiFont->Height(text) : 0; }

int RowHeight()
{
    const int height = TextHeight("I");
    return height < 1 ? 1 : height;
}

int TextFit(const std::string& text, int maxWidth)
{
    const int length = static_cast<int>(text.size());
    for (int n = 0; n <= length; ++n)
        if (TextWidth(text.substr(0, n)) >= maxWidth)
            return n > 0 ? n - 1 : 0;
    return length;
}
