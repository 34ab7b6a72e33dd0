#pragma once
// The lines of a text file as the skeleton reader sees them. CR LF, a lone LF and a lone CR all
// end a line and are not kept. A line keeps at most MaxLineLength characters (the rest of an
// over-long line is thrown away, so it can never pass for the lines after it), and ends at a NUL
// byte. The writer refuses to write a longer line, so whatever it writes reads back whole.
//
// Reads from text held in memory (tests and the fuzzer hand it strings; Skeleton::Load reads the
// file first). Bytes are 8-bit, never converted.

#include <string>
#include <string_view>

class LineReader {
public:
    static constexpr size_t MaxLineLength = 65536;

    // Reads the text that the caller keeps alive for as long as the reader is used.
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next line into line; false (and line empty) when the text has no more lines.
    bool Next(std::string& line);
    bool AtEnd() const { return position_ >= text_.size(); }
    // The 1-based number of the last line Next returned.
    int LineNumber() const { return lineNumber_; }

private:
    std::string_view text_;
    size_t position_ = 0;
    int lineNumber_ = 0;
};
