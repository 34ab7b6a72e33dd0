#include "core/Paths.h"

#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kMaxPath = 512;

// Folds "." and ".." parts of an absolute path, as a file-name utility would.
std::string Normalise(const std::string& path)
{
    std::vector<std::string> parts;
    std::string::size_type start = 1;
    while (start <= path.size()) {
        std::string::size_type end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    if (result.empty() || path.back() == '/')
        result += "/";
    return result;
}

} // namespace

std::string ExecutablePath()
{
    char name[kMaxPath + 1] = {};
    ssize_t length = readlink("/proc/self/exe", name, kMaxPath);
    if (length <= 0)
        return "./";
    std::string path(name, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

std::string ToAbsolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    std::string absolute = Normalise(ExecutablePath() + path);
    if (!path.empty() && path.back() != '/' && absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    if (absolute.size() > kMaxPath - 1)
        absolute.resize(kMaxPath - 1);
    return absolute;
}
