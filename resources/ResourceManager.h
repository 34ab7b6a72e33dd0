#pragma once
// The single place where files become in-memory resources: a table of plug-ins keyed by upper-case
// extension, and a reference-counted database of loaded resources keyed by the file name exactly as
// the caller spelt it (case and path spelling matter: two spellings are two entries).
//
// Loading a name that is already loaded raises its count and hands back the same object; only the
// last Unload hands the object back to its plug-in. Every successful Load must be paired with one
// Unload of the same name. The manager owns its records, not the plug-ins and not the resources
// (those belong to the plug-in that made them). Whatever is still loaded when the manager is
// destroyed is reported and unloaded.
//
// One instance, created and deleted by main, reached through g_ResourceManager. Main thread only.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "resources/RPlugin.h"

struct ResourceRecord {
    int32_t refCount = 0;
    void* resource = nullptr;
};

class ResourceManager {
public:
    ResourceManager();
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    // Registers the plug-in for the extension as given (callers pass upper case: "PNG"). A second
    // plug-in for a registered extension is refused and left to its creator.
    void AddPlugin(const std::string& extension, RPlugin* plugin);

    // The text after the last '.', upper-cased (possibly empty); empty as well without a '.'.
    std::string GetExtension(const std::string& fileName);

    // The resource for the file, loaded by the extension's plug-in on the first request; null on
    // failure. The caller casts it to what that plug-in produces (an rl::Bitmap for "PNG").
    void* Load(const std::string& fileName);

    // 0 when the resource was released, the remaining count when others still hold it, -1 when
    // nothing could be done (never loaded, or no plug-in to hand it back to).
    int32_t Unload(const std::string& fileName);

    // Outstanding loads of the name; 0 when it is not loaded.
    int32_t ReferenceCount(const std::string& fileName) const;
    // Number of file names in the database.
    size_t ResourceCount() const { return resources.size(); }

private:
    // std::map orders keys byte-wise, which fixes the order of the destructor's report.
    std::map<std::string, std::unique_ptr<ResourceRecord>> resources;
    std::map<std::string, RPlugin*> plugins;
};

// The manager main created at start-up; null before that and after shut-down.
extern ResourceManager* g_ResourceManager;
