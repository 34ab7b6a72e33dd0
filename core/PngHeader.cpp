#include "core/PngHeader.h"

#include <cstring>
#include <fstream>

#include "core/InputFile.h"

namespace pngheader {

namespace {

const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t BigEndian(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

} // namespace

Header Judge(const uint8_t* data, size_t size)
{
    Header header;
    if (!data || size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0)
        return header;
    // The first chunk must be IHDR, 13 bytes long.
    if (size < kHeaderBytes || BigEndian(data + 8) != 13 || std::memcmp(data + 12, "IHDR", 4) != 0) {
        header.verdict = Verdict::Damaged;
        return header;
    }
    header.width = BigEndian(data + 16);
    header.height = BigEndian(data + 20);
    if (header.width == 0 || header.height == 0)
        header.verdict = Verdict::Zero;
    else if (header.width > kMaxSide || header.height > kMaxSide)
        header.verdict = Verdict::TooLarge;
    else
        header.verdict = Verdict::Fits;
    return header;
}

Header JudgeFile(const std::string& fileName)
{
    uint8_t bytes[kHeaderBytes] = {};
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return Header {};
    file.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    return Judge(bytes, static_cast<size_t>(file.gcount()));
}

std::string RefusalMessage(const Header& header, const std::string& fileName)
{
    switch (header.verdict) {
    case Verdict::TooLarge:
        return "Picture too large (" + std::to_string(header.width) + " x " + std::to_string(header.height) +
               ", more than " + std::to_string(kMaxSide) + " pixels a side): " + fileName;
    case Verdict::Damaged:
        return "Damaged PNG header: " + fileName;
    case Verdict::Zero:
        return "Picture without pixels: " + fileName;
    default:
        return "";
    }
}

std::string PictureRefusal(const std::string& fileName)
{
    std::string refusal;
    const inputfile::Refusal check = inputfile::Check(fileName, inputfile::kMaxPictureFileBytes, &refusal);
    if (check == inputfile::Refusal::Missing)
        return "";   // the decoder says so in its own words
    if (check != inputfile::Refusal::None)
        return refusal;
    return RefusalMessage(JudgeFile(fileName), fileName);
}

} // namespace pngheader
