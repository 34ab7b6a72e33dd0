#pragma once
// Skin paths as the skeleton file stores them: relative to the folder of the program's executable,
// so a skeleton saved on one machine finds its skins on another. Purely textual, like the
// platform's file-name utilities: symbolic links are not followed and nothing needs to exist.

#include <string>

// Absolute (a relative path is taken against the working folder) with "." and ".." folded.
std::string CanonicalPath(const std::string& path);
// The path of the absolute path seen from the absolute folder ("/a/b/c/" and "/a/b/d/e.txt" give
// "../d/e.txt"); the path itself when no relative path exists.
std::string RelativePath(const std::string& path, const std::string& folder);
