#pragma once
// The interface the resource manager calls to turn one kind of file into an in-memory object and
// to release it again. The manager picks a plug-in by the file's upper-cased extension and calls it
// only for the first load and the last unload of a file name; a plug-in remembers nothing itself.
//
// Plug-ins are created by main, registered once and live until the process ends: the manager
// stores the pointers it is given and never deletes them.

#include <cstdint>
#include <string>

class RPlugin {
public:
    RPlugin();
    RPlugin(const RPlugin&) = delete;
    RPlugin& operator=(const RPlugin&) = delete;
    virtual ~RPlugin();

    // Creates the resource from the file; null when the file cannot be turned into one.
    virtual void* Load(const std::string& fileName) = 0;
    // Releases a resource this plug-in's Load returned.
    virtual int32_t Unload(void* resource) = 0;
};
