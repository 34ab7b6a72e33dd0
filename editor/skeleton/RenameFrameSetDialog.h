#pragma once
// The rename dialog ("Rename FrameSet") of the frames panel's context menu: the frame set's name in
// a field that has the focus from the start, with the caret after the name.

#include <optional>
#include <string>

// Runs the dialog, centred, starting with the name (at most 75 characters of it). The text in the
// field when it ended with "Ok" (or Enter); nothing otherwise.
std::optional<std::string> RunRenameFrameSetDialog(const std::string& name);

// The dialog's entries, in their order.
enum RenameFrameSetEntry {
    kRenameFrame,
    kRenameTitleBar,
    kRenameTitle,
    kRenameText,
    kRenameOk,
    kRenameCancel,
    kRenameRefresh,
    kRenameYield,
    kRenameEntries,
};
