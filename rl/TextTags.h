#pragma once
// Splitting a text into what the text renderer draws: runs of characters, line breaks and the
// inline colour tags "[color RRGGBB]", "[color RRGGBBAA]" and "[/color]". Pure text work, shared by
// printing and measuring so that both always agree on what is a tag.

#include <string>
#include <vector>

#include "rl/Colour.h"

namespace rl {

struct TextRun {
    enum Kind {
        Characters,   // text[begin, begin + length) drawn as it is
        NewLine,
        TagColour,    // "[color ...]": text[begin, begin + length) is what stood between "[color " and "]"
        OwnColour,    // "[/color]": back to the renderer's own colour
    };
    Kind kind = Characters;
    size_t begin = 0, length = 0;
    Colour colour;        // TagColour: the colour, when parsed
    bool parsed = false;  // TagColour: whether the digits were a colour
};

struct SplitText {
    std::vector<TextRun> runs;
    // Where a "[color " had no "]" after it (it then stays ordinary text), or npos.
    size_t unclosedTag = std::string::npos;
};

// With tags off, only newlines split the text.
SplitText SplitTaggedText(const std::string& text, bool tagsEnabled);

// Exactly 6 or 8 hexadecimal digits (either case): red, green, blue and optionally alpha, each pair
// 00 to FF as 0 to 1; alpha is 1 without its pair. False (colour untouched) otherwise.
bool ParseTagColour(const std::string& digits, Colour& colour);

} // namespace rl
