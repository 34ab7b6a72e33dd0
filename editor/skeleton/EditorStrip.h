#pragma once
// A picture strip of the editor's buttons and tabs. The toolbar's strip is its own picture; the
// tabs, transport and frame-edit strips are shared through the resource manager and given back
// when released. The editor state holds all four; the procedure that shows a strip loads it on
// its start and releases it on its end.

#include <memory>

#include "resources/ResourceRef.h"

namespace rl {
class Bitmap;
}

enum class StripSource { kOwn, kShared };

// What a strip that is missing or unreadable does: an alert, or a message box with an "Abort"
// button, after which the editor closes; or the message box and the end of the program.
enum class MissingStrip { kAlertAndClose, kMessageAndClose, kMessageAndEnd };

class EditorStrip {
public:
    EditorStrip();
    ~EditorStrip();
    EditorStrip(const EditorStrip&) = delete;
    EditorStrip& operator=(const EditorStrip&) = delete;

    // Loads the strip (releasing what it held). False when it is missing or unreadable, after the
    // message; with kMessageAndEnd it does not return then.
    bool Load(const char* fileName, StripSource source, MissingStrip whenMissing, const char* message);
    void Release();

    rl::Bitmap* Get() const;
    rl::Bitmap* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }

private:
    std::unique_ptr<rl::Bitmap> own_;
    ResourceRef<rl::Bitmap> shared_;
};
