#include "resources/ResourceManager.h"

#include <cctype>

#include "core/Log.h"

ResourceManager* g_ResourceManager = nullptr;

namespace {

// Every line of the manager is a trace line.
void Trace(const std::string& text) { LogText(text, 1); }

} // namespace

ResourceManager::ResourceManager() { Trace("Creating game resource manager...."); }

ResourceManager::~ResourceManager()
{
    Trace("");
    Trace("<<<< DESTROYING RESOURCE MANAGER >>>>");
    // Step by key, not by iterator: a plug-in's Unload may release other names of the database too.
    auto entry = resources.begin();
    while (entry != resources.end()) {
        const std::string fileName = entry->first;
        Trace("");
        Trace("Resource not unloaded: '" + fileName + "' referenced " + std::to_string(entry->second->refCount) +
              " times!");
        int32_t left = Unload(fileName);
        Trace("Resource instances left: " + std::to_string(left));
        while (left > 0) {
            left = Unload(fileName);
            Trace("Resource instances left: " + std::to_string(left));
        }
        entry = resources.upper_bound(fileName);
    }
    Trace("Resource Manager destroyed");
    resources.clear();
    plugins.clear();
}

void ResourceManager::AddPlugin(const std::string& extension, RPlugin* plugin)
{
    if (plugins.count(extension)) {
        Trace("Plugin already loaded");
        return;
    }
    plugins[extension] = plugin;
    Trace("New plugin added for: " + extension);
}

std::string ResourceManager::GetExtension(const std::string& fileName)
{
    const std::string::size_type dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        Trace("INVALID FILENAME! No extension - " + fileName);
        return "";
    }
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Trace("Found extension: " + extension);
    return extension;
}

void* ResourceManager::Load(const std::string& fileName)
{
    Trace("*** Trying to load file: " + fileName);
    const std::string extension = GetExtension(fileName);
    if (extension.empty())
        return nullptr;
    const auto plugin = plugins.find(extension);
    if (plugin == plugins.end()) {
        Trace("Could not find extension in plugin DB - " + extension);
        return nullptr;
    }
    Trace("Found extension in plugin DB - " + extension);

    const auto loaded = resources.find(fileName);
    if (loaded != resources.end()) {
        ResourceRecord& record = *loaded->second;
        Trace("Found file in resource database, now referenced: " + std::to_string(record.refCount + 1));
        Trace("");
        ++record.refCount;
        return record.resource;
    }

    Trace("File not found in resource database, loading from disk...");
    auto record = std::make_unique<ResourceRecord>();
    record->resource = plugin->second->Load(fileName);
    if (!record->resource) {
        Trace("ERROR LOADING, INVALID RESOURCE FILE!");
        return nullptr;
    }
    record->refCount = 1;
    void* resource = record->resource;
    resources[fileName] = std::move(record);
    return resource;
}

int32_t ResourceManager::Unload(const std::string& fileName)
{
    Trace("");
    Trace("Unloading Resource: " + fileName);
    const auto loaded = resources.find(fileName);
    if (loaded == resources.end()) {
        Trace("Resource not found in database!");
        return -1;
    }
    ResourceRecord& record = *loaded->second;
    if (record.refCount > 1) {
        Trace("Other objects are still using this reference so won't unload.");
        Trace("Objects still referencing data: " + std::to_string(record.refCount - 1));
        return --record.refCount;
    }

    const std::string extension = GetExtension(fileName);
    if (extension.empty()) {
        Trace("ERROR: Invalid extension!");
        return -1;
    }
    const auto plugin = plugins.find(extension);
    if (plugin == plugins.end()) {
        Trace("Could not find extension in plugin DB - " + extension);
        return -1;
    }
    Trace("Found extension in plugin DB - " + extension);
    // The entry goes before the plug-in runs, so a plug-in that unloads further names (a skeleton
    // releasing its skins) never sees this one half-released.
    void* resource = record.resource;
    resources.erase(loaded);
    plugin->second->Unload(resource);
    return 0;
}

int32_t ResourceManager::ReferenceCount(const std::string& fileName) const
{
    const auto loaded = resources.find(fileName);
    return loaded == resources.end() ? 0 : loaded->second->refCount;
}
