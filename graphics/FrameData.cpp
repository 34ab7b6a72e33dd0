#include "graphics/FrameData.h"

#include <cstdlib>
#include <limits>

namespace framedata {

bool ReadLine(std::istream& in, std::string& line)
{
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof())
        return false;
    while (c != std::istream::traits_type::eof() && c != '\n' && c != '\r') {
        if (line.size() < kMaxLineLength)
            line.push_back(static_cast<char>(c));
        c = in.get();
    }
    if (c == '\r' && in.peek() == '\n')
        in.get();
    return true;
}

int32_t TextToInteger(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::vector<int32_t> ReadDurations(std::istream& in, int count)
{
    std::vector<int32_t> durations;
    std::string line;
    for (int i = 0; i < count; ++i)
        durations.push_back(ReadLine(in, line) ? TextToInteger(line) : kMissingLineDuration);
    return durations;
}

} // namespace framedata
