#pragma once
// The on-disk names of sprite pictures and frame data files, and the file-existence test.
//
// Names are built as in 512-character buffers: a name that would not fit is not built (nullopt)
// and counts as a file that does not exist, so a long or unterminated base name can never overflow
// or wrap onto another file.

#include <optional>
#include <string>

namespace spritefiles {

constexpr size_t kNameBufferSize = 512;

// The letter of frame set i: 'a' + i, in character-code order; none past the last byte value.
std::optional<char> SetLetter(int setIndex);
// "<base>-<letter>": the name of frame set i.
std::optional<std::string> SetName(const std::string& baseName, int setIndex);
// "<base>-<letter>-00.png": the first picture of frame set i.
std::optional<std::string> FirstPictureName(const std::string& baseName, int setIndex);
// "<set>-<ff>.png": picture f of a set, at least two digits.
std::optional<std::string> FrameFileName(const std::string& setName, int frame);
// "<set>.txt": the set's frame data file.
std::optional<std::string> DataFileName(const std::string& setName);

// Whether the name is an existing file (folders are not pictures).
bool FileExists(const std::string& name);
bool FileExists(const std::optional<std::string>& name);

// Whether the name is one picture rather than a base name: it contains ".png" or ".PNG".
bool IsSinglePictureName(const std::string& name);

} // namespace spritefiles
