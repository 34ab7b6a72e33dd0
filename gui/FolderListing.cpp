#include "gui/FolderListing.h"

#include <algorithm>
#include <allegro.h>
#include <cctype>
#include <cstdlib>
#include <sys/stat.h>

#include "rl/Layer.h"

namespace {

const std::string kAllFiles = "*.*";

std::string NameOf(const char* path)
{
    const std::string full = path;
    const std::string::size_type slash = full.find_last_of('/');
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

int CollectName(const char* path, int, void* names)
{
    static_cast<std::vector<std::string>*>(names)->push_back(NameOf(path));
    return 0;
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

std::vector<std::string> Enumerate(const std::string& folder, int required, int excluded)
{
    std::vector<std::string> names;
    for_each_file_ex((folder + "*").c_str(), required, excluded, CollectName, &names);
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

bool WildcardMatch(const char* pattern, const char* text)
{
    for (; *pattern; ++pattern, ++text) {
        if (*pattern == '*') {
            for (const char* rest = text;; ++rest) {
                if (WildcardMatch(pattern + 1, rest))
                    return true;
                if (!*rest)
                    return false;
            }
        }
        if (!*text)
            return false;
        if (*pattern != '?' && std::tolower(static_cast<unsigned char>(*pattern)) !=
                                   std::tolower(static_cast<unsigned char>(*text)))
            return false;
    }
    return !*text;
}

} // namespace

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MatchesExtension(const std::string& name, const std::string& extension)
{
    return WildcardMatch(("*." + extension).c_str(), name.c_str());
}

FolderListing ReadFolder(const std::string& path, const std::string& type)
{
    FolderListing listing;
    const std::string folder = FolderPart(path);
    if (folder.empty())
        return listing;
    for (const std::string& name : Enumerate(folder, FA_DIREC, 0)) {
        // "." is the folder itself; other names starting with a dot are hidden folders.
        if (name == "..")
            listing.folders.insert(listing.folders.begin(), name + "/");
        else if (!name.empty() && name[0] != '.')
            listing.folders.push_back(name + "/");
    }
    const std::vector<std::string> files = Enumerate(folder, 0, FA_DIREC | FA_HIDDEN);
    if (type == kAllFiles) {
        listing.files = files;
        return listing;
    }
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type semicolon = type.find(';', start);
        const std::string part = type.substr(start, semicolon == std::string::npos ? std::string::npos : semicolon - start);
        for (const std::string& name : files)
            if (!part.empty() && MatchesExtension(name, part))
                listing.files.push_back(name);
        if (semicolon == std::string::npos)
            break;
        start = semicolon + 1;
    }
    return listing;
}

std::string FolderPart(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ParentFolder(const std::string& folder)
{
    std::string path = FolderPart(folder);
    if (path.size() <= 1)
        return path.empty() ? "/" : path;
    path.pop_back();
    return FolderPart(path);
}

std::string NormalisePath(const std::string& path)
{
    std::vector<std::string> steps;
    std::string::size_type start = 0;
    bool endsAsFolder = false;
    while (start <= path.size()) {
        std::string::size_type slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        const std::string step = path.substr(start, slash - start);
        endsAsFolder = step.empty() || step == "." || step == "..";
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = slash + 1;
    }
    std::string result = "/";
    for (size_t i = 0; i < steps.size(); ++i) {
        result += steps[i];
        if (i + 1 < steps.size() || endsAsFolder)
            result += "/";
    }
    return result;
}

std::vector<std::string> FileSystemRoots()
{
    std::vector<std::string> roots {"/"};
    const char* home = std::getenv("HOME");
    if (home && *home && IsFolder(home)) {
        const std::string folder = NormalisePath(std::string(home) + "/");
        if (folder != "/")
            roots.push_back(folder);
    }
    const std::string data = NormalisePath(rl::ExecutablePath() + "../Game Data/");
    if (IsFolder(data) && std::find(roots.begin(), roots.end(), data) == roots.end())
        roots.push_back(data);
    return roots;
}

int RootOf(const std::string& folder, const std::vector<std::string>& roots)
{
    int best = -1;
    size_t bestLength = 0;
    for (size_t i = 0; i < roots.size(); ++i) {
        const std::string& root = roots[i];
        if (folder.compare(0, root.size(), root) == 0 && (best < 0 || root.size() > bestLength)) {
            best = static_cast<int>(i);
            bestLength = root.size();
        }
    }
    return best;
}

std::vector<std::string> TypeList(const std::string& filter)
{
    std::vector<std::string> types;
    if (!filter.empty() && filter != "*")
        types.push_back(filter);
    types.push_back(kAllFiles);
    return types;
}
