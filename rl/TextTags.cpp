#include "rl/TextTags.h"

namespace rl {

namespace {

constexpr char kOpenTag[] = "[color ";
constexpr size_t kOpenLength = sizeof kOpenTag - 1;
constexpr char kCloseTag[] = "[/color]";
constexpr size_t kCloseLength = sizeof kCloseTag - 1;

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool ParseTagColour(const std::string& digits, Colour& colour)
{
    if (digits.size() != 6 && digits.size() != 8)
        return false;
    float channels[4] = {0, 0, 0, 1};
    for (size_t pair = 0; pair < digits.size() / 2; ++pair) {
        const int high = HexValue(digits[2 * pair]), low = HexValue(digits[2 * pair + 1]);
        if (high < 0 || low < 0)
            return false;
        channels[pair] = static_cast<float>(high * 16 + low) / 255.0f;
    }
    colour = Colour(channels[0], channels[1], channels[2], channels[3]);
    return true;
}

SplitText SplitTaggedText(const std::string& text, bool tagsEnabled)
{
    SplitText split;
    size_t runStart = 0;
    auto endRun = [&](size_t end) {
        if (end > runStart)
            split.runs.push_back({TextRun::Characters, runStart, end - runStart, Colour(), false});
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            endRun(i);
            split.runs.push_back({TextRun::NewLine, i, 1, Colour(), false});
            runStart = i + 1;
            continue;
        }
        if (text[i] != '[' || !tagsEnabled)
            continue;
        if (text.compare(i, kOpenLength, kOpenTag) == 0) {
            const size_t close = text.find(']', i + kOpenLength);
            if (close == std::string::npos) {
                // Without its "]" this is no tag: the "[" is printed like any character.
                if (split.unclosedTag == std::string::npos)
                    split.unclosedTag = i;
                continue;
            }
            endRun(i);
            TextRun tag {TextRun::TagColour, i + kOpenLength, close - (i + kOpenLength), Colour(), false};
            tag.parsed = ParseTagColour(text.substr(tag.begin, tag.length), tag.colour);
            split.runs.push_back(tag);
            i = close;
            runStart = close + 1;
        } else if (text.compare(i, kCloseLength, kCloseTag) == 0) {
            endRun(i);
            split.runs.push_back({TextRun::OwnColour, i, kCloseLength, Colour(), false});
            i += kCloseLength - 1;
            runStart = i + 1;
        }
    }
    endRun(text.size());
    return split;
}

} // namespace rl
