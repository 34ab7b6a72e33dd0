#include "core/InputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace inputfile {

namespace {

Refusal Refuse(Refusal refusal, const std::string& fileName, uint64_t maxBytes, std::string* message)
{
    if (message)
        *message = RefusalMessage(refusal, fileName, maxBytes);
    return refusal;
}

Refusal Judge(const struct stat& status, uint64_t maxBytes)
{
    if (!S_ISREG(status.st_mode))
        return Refusal::NotRegular;
    if (static_cast<uint64_t>(status.st_size) > maxBytes)
        return Refusal::TooLarge;
    return Refusal::None;
}

bool HasNul(const std::string& fileName) { return fileName.find('\0') != std::string::npos; }

} // namespace

std::string RefusalMessage(Refusal refusal, const std::string& fileName, uint64_t maxBytes)
{
    switch (refusal) {
    case Refusal::None:
        return "";
    case Refusal::Missing:
        return "File not found: " + fileName;
    case Refusal::NotRegular:
        return "Not a regular file: " + fileName;
    case Refusal::TooLarge:
        return "File too large (over " + std::to_string((maxBytes + kMegabyte - 1) / kMegabyte) + " MB): " + fileName;
    case Refusal::ReadFailed:
        break;
    }
    return "Could not read file: " + fileName;
}

Refusal Check(const std::string& fileName, uint64_t maxBytes, std::string* message)
{
    struct stat status {};
    if (fileName.empty() || HasNul(fileName))
        return Refuse(Refusal::Missing, fileName, maxBytes, message);
    if (stat(fileName.c_str(), &status) != 0)
        return Refuse(errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::ReadFailed, fileName, maxBytes,
                      message);
    const Refusal refusal = Judge(status, maxBytes);
    return refusal == Refusal::None ? refusal : Refuse(refusal, fileName, maxBytes, message);
}

Refusal Read(const std::string& fileName, uint64_t maxBytes, std::string& contents, std::string* message)
{
    contents.clear();
    if (fileName.empty() || HasNul(fileName))
        return Refuse(Refusal::Missing, fileName, maxBytes, message);
    // Without O_NONBLOCK opening a FIFO waits for a writer that never comes.
    const int descriptor = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return Refuse(errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::ReadFailed, fileName, maxBytes,
                      message);
    struct stat status {};
    Refusal refusal = fstat(descriptor, &status) != 0 ? Refusal::ReadFailed : Judge(status, maxBytes);
    if (refusal == Refusal::None) {
        contents.reserve(static_cast<size_t>(status.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = read(descriptor, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                refusal = Refusal::ReadFailed;
                break;
            }
            if (got == 0)
                break;
            // A file that grows while it is read is held to the same limit.
            if (contents.size() + static_cast<size_t>(got) > maxBytes) {
                refusal = Refusal::TooLarge;
                break;
            }
            contents.append(buffer, static_cast<size_t>(got));
        }
    }
    close(descriptor);
    if (refusal != Refusal::None) {
        contents.clear();
        contents.shrink_to_fit();
        return Refuse(refusal, fileName, maxBytes, message);
    }
    return Refusal::None;
}

} // namespace inputfile
