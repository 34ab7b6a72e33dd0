#pragma once
// The frame data file of a frame set: plain text, line k holding the display time of frame k-1 in
// milliseconds. Frames past the file's last line get 1000 ms.

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace framedata {

// Lines keep at most this many characters.
constexpr size_t kMaxLineLength = 255;
// The display time of a frame the file has no line for.
constexpr int32_t kMissingLineDuration = 1000;

// Reads the next line without its end (LF, CR LF or a lone CR). An over-long line is cut at
// kMaxLineLength and the rest of it thrown away, so it never turns into further lines. False when
// no line is left.
bool ReadLine(std::istream& in, std::string& line);

// The standard text-to-integer reading: leading blanks skipped, an optional sign, then digits up to
// the first other character; 0 without digits. Values beyond 32 bits are held at the limit.
int32_t TextToInteger(const std::string& text);

// The durations of count frames from the file's lines.
std::vector<int32_t> ReadDurations(std::istream& in, int count);

} // namespace framedata
