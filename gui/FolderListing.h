#pragma once
// What the file selector lists: the sub-folders and files of one folder, the roots it can jump
// to, its type filters, and the path arithmetic of walking folders. Folders end with "/".

#include <string>
#include <vector>

struct FolderListing {
    // ".." first, then the sub-folders by name, each followed by "/". The folder's own "." and
    // hidden folders are left out.
    std::vector<std::string> folders;
    // The visible files matching the type, by name within each of the type's parts.
    std::vector<std::string> files;
};

// Reads the folder part of path (up to and including its last "/"). type "*.*" lists every file;
// otherwise it is one or more extensions separated by ";" ("PNG", "PNG;BMP"), each part listing
// the files named "*." + part, in turn. Extensions match in any case, as they do on the systems the
// data files come from. A folder that cannot be read lists nothing.
FolderListing ReadFolder(const std::string& path, const std::string& type);

// Whether a file name matches "*." + extension, ignoring case ('*' and '?' in extension are
// wildcards).
bool MatchesExtension(const std::string& name, const std::string& extension);

// The path up to and including its last "/" ("" when there is none).
std::string FolderPart(const std::string& path);
// One folder up: "/a/b/" gives "/a/"; the root stays the root.
std::string ParentFolder(const std::string& folder);
// An absolute path with "." and ".." steps and doubled separators resolved; a trailing "/" kept.
std::string NormalisePath(const std::string& path);

bool IsFolder(const std::string& path);

// The roots the selector can jump to: "/", the user's home folder and the program's "Game Data"
// folder, each where it exists.
std::vector<std::string> FileSystemRoots();
// The root that begins folder for the longest stretch, or -1.
int RootOf(const std::string& folder, const std::vector<std::string>& roots);

// The types offered for an extension filter: the filter (unless empty or "*"), then "*.*".
std::vector<std::string> TypeList(const std::string& filter);
