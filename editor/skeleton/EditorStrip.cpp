#include "editor/skeleton/EditorStrip.h"

#include "core/Alert.h"
#include "gui/MessageBox.h"
#include "rl/Bitmap.h"

EditorStrip::EditorStrip() = default;
EditorStrip::~EditorStrip() = default;

bool EditorStrip::Load(const char* fileName, StripSource source, MissingStrip whenMissing, const char* message)
{
    Release();
    if (source == StripSource::kOwn)
        own_ = std::make_unique<rl::Bitmap>(fileName);
    else
        shared_.Load(fileName);
    if (Get() && Get()->IsValid())
        return true;
    Release();
    if (whenMissing == MissingStrip::kAlertAndClose) {
        ShowAlert(message);
        return false;
    }
    MessageBox(message, "", "", "Abort");
    if (whenMissing == MissingStrip::kMessageAndEnd)
        FatalExit(-1);
    return false;
}

void EditorStrip::Release()
{
    own_.reset();
    shared_.Reset();
}

rl::Bitmap* EditorStrip::Get() const { return own_ ? own_.get() : shared_.Get(); }
