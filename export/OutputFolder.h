#pragma once
// Where an export's files go, all or nothing: every file is first written into a hidden staging
// folder inside the output folder and moved into place only when the whole export has succeeded.
// Whatever is still staged when the object goes is deleted, with the staging folder and any
// output folders this object made.

#include <string>
#include <vector>

class OutputFolder {
public:
    OutputFolder() = default;
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    // Makes the folder (and missing parents) and the staging folder inside it. False, with the
    // reason in error, when either cannot be made.
    bool Open(const std::string& folder, std::string& error);
    // The path to write the file of that name to; the name is remembered for Commit.
    std::string Stage(const std::string& name);
    // Moves every staged file into the folder (replacing files of the same names). False, with
    // the reason, when a move fails; the files already moved are removed again.
    bool Commit(std::string& error);

    const std::string& Folder() const { return folder_; }

private:
    void Discard();

    std::string folder_;
    std::string staging_;
    std::vector<std::string> staged_;
    std::vector<std::string> madeFolders_;   // made by Open, innermost last
    bool committed_ = false;
};
