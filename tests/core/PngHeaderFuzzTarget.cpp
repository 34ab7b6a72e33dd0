#include "tests/core/PngHeaderFuzzTarget.h"

#include <cstdio>
#include <cstring>

#include "core/PngHeader.h"

namespace {

using pngheader::Verdict;

uint32_t BigEndian(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

bool Same(const pngheader::Header& a, const pngheader::Header& b)
{
    return a.verdict == b.verdict && a.width == b.width && a.height == b.height;
}

// What the header must say, worked out from the bytes straight.
std::string Check(const uint8_t* data, size_t size, const pngheader::Header& header)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    const bool png = size >= 8 && std::memcmp(data, kSignature, 8) == 0;
    if (!png)
        return header.verdict == Verdict::NotPng ? "" : "bytes without the signature taken for a PNG";
    const bool ihdr = size >= 24 && BigEndian(data + 8) == 13 && std::memcmp(data + 12, "IHDR", 4) == 0;
    if (!ihdr)
        return header.verdict == Verdict::Damaged ? "" : "a PNG without its IHDR chunk not called damaged";
    const uint32_t width = BigEndian(data + 16), height = BigEndian(data + 20);
    if (header.width != width || header.height != height)
        return "the size read is not the header's";
    const Verdict wanted = width == 0 || height == 0                             ? Verdict::Zero
                           : width > pngheader::kMaxSide || height > pngheader::kMaxSide ? Verdict::TooLarge
                                                                                          : Verdict::Fits;
    return header.verdict == wanted ? "" : "the verdict does not follow from the size";
}

} // namespace

std::string FuzzPngHeader(const uint8_t* data, size_t size, const std::string& folder)
{
    const pngheader::Header header = pngheader::Judge(data, size);
    std::string broken = Check(data, size, header);
    if (!broken.empty())
        return broken;
    // Only the header counts: the loaders read no more of the file than it.
    if (size > pngheader::kHeaderBytes && !Same(pngheader::Judge(data, pngheader::kHeaderBytes), header))
        return "bytes after the header changed the verdict";

    const std::string message = pngheader::RefusalMessage(header, "picture.png");
    const bool refused = header.verdict != Verdict::NotPng && header.verdict != Verdict::Fits;
    if (refused != !message.empty())
        return refused ? "a refusal without a message" : "a message for a picture that may load";
    if (refused && message.find("picture.png") == std::string::npos)
        return "the refusal does not name the file";

    if (!folder.empty()) {
        const std::string file = folder + "/picture.png";
        std::FILE* out = std::fopen(file.c_str(), "wb");
        if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
            return "could not write the picture";
        if (!Same(pngheader::JudgeFile(file), header))
            return "the file is judged otherwise than its bytes";
        const std::string refusal = pngheader::PictureRefusal(file);
        if (refused != !refusal.empty())
            return "the picture check disagrees with the header: " + refusal;
        std::remove(file.c_str());
    }
    return "";
}
