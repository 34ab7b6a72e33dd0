#pragma once
// The size a PNG file's header claims, read before anything is decoded, so a picture too large to
// hold is refused instead of taking gigabytes (an 8,000 x 8,000 picture decodes to 256 MB of
// pixels, and more again on its way to the graphics card).

#include <cstddef>
#include <cstdint>
#include <string>

namespace pngheader {

// The largest side a picture may have, in pixels.
constexpr uint32_t kMaxSide = 16384;
// Signature (8), IHDR length and type (8), width and height (8).
constexpr size_t kHeaderBytes = 24;

enum class Verdict {
    NotPng,    // no PNG signature: some other kind of picture, judged by its own loader
    Damaged,   // the signature, but no well-formed IHDR chunk after it
    TooLarge,  // a side over kMaxSide
    Zero,      // a side of 0 pixels
    Fits,
};

struct Header {
    Verdict verdict = Verdict::NotPng;
    uint32_t width = 0;
    uint32_t height = 0;
};

// Judges the first bytes of a file (at least kHeaderBytes of them for a PNG to be recognised).
Header Judge(const uint8_t* data, size_t size);
// Reads the first bytes of the named file and judges them; NotPng when it cannot be read.
Header JudgeFile(const std::string& fileName);

// The message for a refused picture: "Picture too large (30000 x 30000, more than 16384 pixels a
// side): <name>", "Damaged PNG header: <name>", "Picture without pixels: <name>"; "" otherwise.
std::string RefusalMessage(const Header& header, const std::string& fileName);

// Everything a picture file must pass before a decoder opens it: a regular file within the picture
// limit and, for a PNG, a header claiming a size we can hold. "" when it may be loaded (or is not
// there at all, which the decoder reports itself), else why not.
std::string PictureRefusal(const std::string& fileName);

} // namespace pngheader
