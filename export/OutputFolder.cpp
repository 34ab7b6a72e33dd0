#include "export/OutputFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

OutputFolder::~OutputFolder() { Discard(); }

bool OutputFolder::Open(const std::string& folder, std::string& error)
{
    folder_ = folder;
    while (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
    const auto refuse = [&](const std::string& path) {
        error = "cannot write to the output folder '" + folder_ + "': " + std::strerror(errno) +
                (path != folder_ ? " ('" + path + "')" : "");
        Discard();
        return false;
    };
    // Every missing folder on the way, from the outermost.
    for (size_t at = folder_.find('/', 1); ; at = folder_.find('/', at + 1)) {
        const std::string part = at == std::string::npos ? folder_ : folder_.substr(0, at);
        if (!IsFolder(part)) {
            if (mkdir(part.c_str(), 0777) != 0)
                return refuse(part);
            madeFolders_.push_back(part);
        }
        if (at == std::string::npos)
            break;
    }
    std::string pattern = folder_ + "/.marl-export-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        return refuse(folder_);
    staging_ = name.data();
    // mkdtemp makes it private; the files moved out of it get the usual permissions anyway.
    return true;
}

std::string OutputFolder::Stage(const std::string& name)
{
    staged_.push_back(name);
    return staging_ + "/" + name;
}

bool OutputFolder::Commit(std::string& error)
{
    std::vector<std::string> moved;
    for (const std::string& name : staged_) {
        const std::string target = folder_ + "/" + name;
        if (std::rename((staging_ + "/" + name).c_str(), target.c_str()) != 0) {
            error = "cannot move '" + name + "' into the output folder '" + folder_ + "': " + std::strerror(errno);
            for (const std::string& done : moved)
                unlink((folder_ + "/" + done).c_str());
            return false;
        }
        moved.push_back(name);
    }
    staged_.clear();
    committed_ = true;
    Discard();
    return true;
}

void OutputFolder::Discard()
{
    for (const std::string& name : staged_)
        unlink((staging_ + "/" + name).c_str());
    staged_.clear();
    if (!staging_.empty())
        rmdir(staging_.c_str());
    staging_.clear();
    if (!committed_)
        for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
            rmdir(folder->c_str());
    madeFolders_.clear();
}
