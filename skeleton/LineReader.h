#pragma once
// The lines of a text file as the skeleton reader sees them. CR LF, a lone LF and a lone CR all
// end a line and are not kept. A line keeps at most 255 characters (the rest of an over-long line
// is thrown away, so it can never pass for the lines after it), and ends at a NUL byte, as text
// in the file's 256-byte line buffer always has.
//
// Reads from text held in memory (tests and the fuzzer hand it strings); FromFile fills it from a
// file. Bytes are 8-bit, never converted.

#include <string>
#include <string_view>

class LineReader {
public:
    static constexpr size_t MaxLineLength = 255;

    // Reads the text that the caller keeps alive for as long as the reader is used.
    explicit LineReader(std::string_view text) : text_(text) {}

    // Reads the whole file into contents; false when it cannot be opened or read.
    static bool ReadFile(const std::string& fileName, std::string& contents);

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
