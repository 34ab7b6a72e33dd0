#pragma once
// Allegro packfiles over things other than a plain file handle: bytes in memory (so readers and
// writers that take a PACKFILE can be fed and checked without touching the disk), and a file
// writer whose every failure shows up (a plain packfile buffers writes and may drop a failed flush).
//
// The memory packfiles are closed with pack_fclose.

#include <cstdint>
#include <string>
#include <string_view>

struct PACKFILE;

namespace packfiles {

// Reads the bytes (which must outlive the packfile).
PACKFILE* OpenMemoryReader(std::string_view bytes);
// Appends everything written to *out (which must outlive the packfile).
PACKFILE* OpenMemoryWriter(std::string* out);

// Creates or truncates the file for writing ("w"); null when it cannot be opened. Close it with
// CloseFileWriter, which tells whether everything reached the disk: a short write, a failed flush
// or a failed close all count.
PACKFILE* OpenFileWriter(const std::string& path);
bool CloseFileWriter(PACKFILE* file);

// Test seam: file writers opened from now on accept only this many bytes in all (each write beyond
// fails as a full disk does); a negative budget lifts the limit.
void SetFileWriteBudget(int64_t bytes);

} // namespace packfiles
