#include "skeleton/LineReader.h"

#include <cstdio>

bool LineReader::ReadFile(const std::string& fileName, std::string& contents)
{
    contents.clear();
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        contents.append(buffer, got);
    // A folder opens on Linux but cannot be read: that is a file we could not open.
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool LineReader::Next(std::string& line)
{
    line.clear();
    if (AtEnd())
        return false;
    size_t end = position_;
    while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
        ++end;
    std::string_view whole = text_.substr(position_, end - position_);
    whole = whole.substr(0, std::min(whole.find('\0'), MaxLineLength));
    line.assign(whole.data(), whole.size());

    if (end < text_.size()) {
        if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n')
            ++end;
        ++end;
    }
    position_ = end;
    ++lineNumber_;
    return true;
}
