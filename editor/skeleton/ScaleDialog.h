#pragma once
// The scale dialog ("Scale Bone Lengths"): a slider from 0 to 100 and a text field for the factor.
// Each click on the slider writes (value / 50) squared into the field, so the middle is 1.00 and the
// right end 4.00; the factor can also be typed (at most five characters).

#include <optional>
#include <string>

// Runs the dialog, centred. The factor read from the field when it ended with "Ok" and the text
// reads as a number other than 0; nothing otherwise. Slider and text start at 50 and "1.00" every
// time.
std::optional<float> RunScaleDialog();

// The field's text for a slider value, or nothing when the square is 0.01 or less (the field then
// keeps what it had).
std::optional<std::string> ScaleTextForSlider(int value);
// The factor a field's text asks for: nothing when it is not a number or reads as 0.
std::optional<float> ScaleFactorFromText(const char* text);

constexpr int kScaleDialogOk = 6;
