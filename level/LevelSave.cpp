#include "level/LevelSave.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <allegro.h>

#include "core/Log.h"
#include "core/Packfiles.h"

namespace {

constexpr size_t kNameBufferSize = 512;

// The file a name stands for: a symbolic link's target, so the link stays and its target gets the
// new contents.
std::string ResolvedTarget(const std::string& name)
{
    char resolved[PATH_MAX];
    struct stat link {};
    if (lstat(name.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && realpath(name.c_str(), resolved))
        return resolved;
    return name;
}

// A fresh, empty file beside `target` with the permissions `target` has (or would get).
std::string MakeTemporaryBeside(const std::string& target)
{
    std::string name = target + ".XXXXXX";
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        return "";
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        fchmod(descriptor, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(descriptor, 0666 & ~mask);
    }
    close(descriptor);
    return name;
}

// One file of the pair on its way: its place and the temporary file it is written to.
struct PendingFile {
    std::string target;
    std::string temporary;
};

bool WriteTemporary(PendingFile& file, const std::function<bool(PACKFILE*)>& write)
{
    file.temporary = MakeTemporaryBeside(file.target);
    if (file.temporary.empty())
        return false;
    PACKFILE* out = packfiles::OpenFileWriter(file.temporary);
    if (!out)
        return false;
    const bool written = write(out);
    return packfiles::CloseFileWriter(out) && written;
}

} // namespace

std::string EntityFileName(const std::string& levelFile)
{
    const std::string name = levelFile + "ENTS";
    return name.size() < kNameBufferSize ? name : "";
}

bool SaveLevelFiles(const Level& level, const std::string& levelFile, const EntityFileWriter& writeEntities,
                    std::string* error)
{
    std::vector<PendingFile> files;
    const auto fail = [&](const std::string& reason) {
        for (const PendingFile& file : files)
            if (!file.temporary.empty())
                unlink(file.temporary.c_str());
        LogString("LEVEL::SAVE -", reason.c_str(), 4);
        if (error)
            *error = reason;
        return false;
    };

    if (!level.HasGrid())
        return fail("There is no level to save.");
    const std::string entityFile = EntityFileName(levelFile);
    if (writeEntities && entityFile.empty())
        return fail("The file name is too long: " + levelFile);

    files.push_back({ResolvedTarget(levelFile), ""});
    if (!WriteTemporary(files[0], [&](PACKFILE* out) { return level.Save(out) == 0; }))
        return fail("ERROR SAVING LEVEL FILE");
    if (writeEntities) {
        files.push_back({ResolvedTarget(entityFile), ""});
        if (!WriteTemporary(files[1], writeEntities))
            return fail("Error saving ents to File!");
    }

    // Both are complete. The entity file goes first, and a copy of the old one stays at hand (a
    // second name for it) until the level is in place too.
    std::string backup;
    if (writeEntities) {
        const PendingFile& ents = files[1];
        if (access(ents.target.c_str(), F_OK) == 0) {
            backup = MakeTemporaryBeside(ents.target);
            if (backup.empty() || unlink(backup.c_str()) != 0 || link(ents.target.c_str(), backup.c_str()) != 0) {
                if (!backup.empty())
                    unlink(backup.c_str());
                return fail("Error saving ents to File!");
            }
        }
        if (std::rename(ents.temporary.c_str(), ents.target.c_str()) != 0) {
            if (!backup.empty())
                unlink(backup.c_str());
            return fail("Error saving ents to File!");
        }
        files[1].temporary.clear();
    }
    if (std::rename(files[0].temporary.c_str(), files[0].target.c_str()) != 0) {
        if (writeEntities) {
            if (!backup.empty())
                std::rename(backup.c_str(), files[1].target.c_str());
            else
                unlink(files[1].target.c_str());
        }
        return fail("ERROR SAVING LEVEL FILE");
    }
    if (!backup.empty())
        unlink(backup.c_str());
    return true;
}
