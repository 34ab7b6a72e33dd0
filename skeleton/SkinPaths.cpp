#include "skeleton/SkinPaths.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

std::string CanonicalPath(const std::string& path)
{
    fs::path result(path);
    if (!result.is_absolute()) {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd))
            result = fs::path(cwd) / result;
    }
    return result.lexically_normal().string();
}

std::string RelativePath(const std::string& path, const std::string& folder)
{
    std::string base = folder;
    // A folder given with its trailing "/" is the same folder.
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    fs::path relative = fs::path(path).lexically_relative(fs::path(base).lexically_normal());
    if (relative.empty())
        return path;
    return relative.string();
}
