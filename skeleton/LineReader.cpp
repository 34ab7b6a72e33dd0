#include "skeleton/LineReader.h"

#include <algorithm>

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
