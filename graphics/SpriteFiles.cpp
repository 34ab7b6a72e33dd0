#include "graphics/SpriteFiles.h"

#include <cstdio>
#include <filesystem>

namespace spritefiles {

namespace {

template <typename... Args>
std::optional<std::string> Format(const char* format, Args... args)
{
    char buffer[kNameBufferSize];
    const int written = std::snprintf(buffer, sizeof buffer, format, args...);
    if (written < 0 || static_cast<size_t>(written) >= sizeof buffer)
        return std::nullopt;
    return std::string(buffer, static_cast<size_t>(written));
}

} // namespace

std::optional<char> SetLetter(int setIndex)
{
    if (setIndex < 0 || 'a' + setIndex > 255)
        return std::nullopt;
    return static_cast<char>('a' + setIndex);
}

std::optional<std::string> SetName(const std::string& baseName, int setIndex)
{
    const std::optional<char> letter = SetLetter(setIndex);
    if (!letter)
        return std::nullopt;
    return Format("%s-%c", baseName.c_str(), *letter);
}

std::optional<std::string> FirstPictureName(const std::string& baseName, int setIndex)
{
    const std::optional<char> letter = SetLetter(setIndex);
    if (!letter)
        return std::nullopt;
    return Format("%s-%c-00.png", baseName.c_str(), *letter);
}

std::optional<std::string> FrameFileName(const std::string& setName, int frame)
{
    return Format("%s-%02d.png", setName.c_str(), frame);
}

std::optional<std::string> DataFileName(const std::string& setName) { return Format("%s.txt", setName.c_str()); }

bool FileExists(const std::string& name)
{
    // A name with a NUL inside was cut by the C string routines that built it: no such file.
    if (name.empty() || name.find('\0') != std::string::npos)
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

bool FileExists(const std::optional<std::string>& name) { return name && FileExists(*name); }

bool IsSinglePictureName(const std::string& name)
{
    return name.find(".png") != std::string::npos || name.find(".PNG") != std::string::npos;
}

} // namespace spritefiles
