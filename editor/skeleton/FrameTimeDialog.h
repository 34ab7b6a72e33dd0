#pragma once
// The frame-time dialog ("Change Frame Time"): the time one frame of playback takes, in
// milliseconds, typed in a field of four digits.

#include <optional>

// Runs the dialog, centred, starting with the current time. The time typed when it ended with
// "Ok" and the text is a time the editor accepts; nothing otherwise.
std::optional<int> RunFrameTimeDialog(int current);

// The time a field's text asks for, when it is a whole number from kMinFrameTime to kMaxFrameTime.
std::optional<int> FrameTimeFromText(const char* text);

constexpr int kMinFrameTime = 21;
constexpr int kMaxFrameTime = 9999;
constexpr int kFrameTimeOk = 5;
