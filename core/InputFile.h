#pragma once
// Opening a file the program reads as data (skeletons, frame data, pictures, sounds, levels,
// entity lists) without trusting what the name points at. Only a regular file is read: a device
// such as /dev/zero would be read until memory runs out, a FIFO would block the program for good,
// and a folder has nothing to read. A file larger than the reader's limit is refused before any
// of it is read, so a huge or growing file cannot take all the memory.
//
// The check and the read happen on the same open descriptor (opened without blocking, so a FIFO
// is seen and refused rather than waited on), so a name swapped for a device between a check and
// the read still cannot get through. Libraries that open files by name themselves (the picture and
// sound decoders) are given the check by name just before.

#include <cstdint>
#include <string>

namespace inputfile {

constexpr uint64_t kMegabyte = 1024 * 1024;
// The limits of the readers. Each message says its figure in whole megabytes.
constexpr uint64_t kMaxSkeletonFileBytes = 64 * kMegabyte;
constexpr uint64_t kMaxEntityFileBytes = 64 * kMegabyte;
constexpr uint64_t kMaxLevelFileBytes = 64 * kMegabyte;
constexpr uint64_t kMaxFrameDataFileBytes = 1 * kMegabyte;
constexpr uint64_t kMaxPictureFileBytes = 256 * kMegabyte;
constexpr uint64_t kMaxSoundFileBytes = 256 * kMegabyte;

enum class Refusal {
    None,
    Missing,      // no such file
    NotRegular,   // a folder, device, FIFO or socket
    TooLarge,     // over the reader's limit
    ReadFailed,   // there, but it cannot be opened or read (no permission, an I/O error)
};

// What a refusal says to the user, naming the file: "File not found: <name>",
// "Not a regular file: <name>", "File too large (over 64 MB): <name>", "Could not read file: <name>".
std::string RefusalMessage(Refusal refusal, const std::string& fileName, uint64_t maxBytes);

// Whether the name is a regular file of at most maxBytes (symbolic links followed). The message
// of a refusal goes to message when it is not null.
Refusal Check(const std::string& fileName, uint64_t maxBytes, std::string* message = nullptr);

// Reads the whole regular file of at most maxBytes into contents (emptied on a refusal).
Refusal Read(const std::string& fileName, uint64_t maxBytes, std::string& contents, std::string* message = nullptr);

} // namespace inputfile
