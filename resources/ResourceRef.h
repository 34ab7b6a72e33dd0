#pragma once
// Typed access to the resource manager. A ResourceRef<T> holds one load of a file name: it loads
// through g_ResourceManager, hands the resource out as the T that the extension's plug-in makes
// (rl::Bitmap for "PNG" and "BMP", Skeleton for "TXT", FMOD::Sound for "WAV"), and gives its load
// back in its destructor. Movable, not copyable: one load, one release.
//
// KeepLoaded<T> is the typed load for what stays loaded until the manager goes at shut-down (the
// pictures of sprite frames, which the engine never hands back).

#include <cstddef>
#include <string>
#include <utility>

#include "resources/ResourceManager.h"

template <class T>
class ResourceRef {
public:
    ResourceRef() = default;
    explicit ResourceRef(const std::string& fileName) { Load(fileName); }
    ~ResourceRef() { Reset(); }
    ResourceRef(const ResourceRef&) = delete;
    ResourceRef& operator=(const ResourceRef&) = delete;
    ResourceRef(ResourceRef&& other) noexcept { *this = std::move(other); }
    ResourceRef& operator=(ResourceRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            fileName_ = std::move(other.fileName_);
            resource_ = std::exchange(other.resource_, nullptr);
            manager_ = std::exchange(other.manager_, nullptr);
        }
        return *this;
    }

    // Gives back what was held, then loads the file; false (holding nothing) when there is no
    // manager or it has nothing for the name.
    bool Load(const std::string& fileName)
    {
        Reset();
        if (!g_ResourceManager)
            return false;
        resource_ = static_cast<T*>(g_ResourceManager->Load(fileName));
        if (!resource_)
            return false;
        fileName_ = fileName;
        manager_ = g_ResourceManager;
        return true;
    }

    // Unloads the held resource. A manager that has gone (shut-down came first) took everything
    // with it, so there is nothing left to give back then.
    void Reset()
    {
        if (resource_ && manager_ && manager_ == g_ResourceManager)
            manager_->Unload(fileName_);
        resource_ = nullptr;
        manager_ = nullptr;
        fileName_.clear();
    }

    T* Get() const { return resource_; }
    T* operator->() const { return resource_; }
    T& operator*() const { return *resource_; }
    explicit operator bool() const { return resource_ != nullptr; }
    const std::string& FileName() const { return fileName_; }
    friend bool operator==(const ResourceRef& ref, std::nullptr_t) { return !ref.resource_; }
    friend bool operator==(std::nullptr_t, const ResourceRef& ref) { return !ref.resource_; }
    friend bool operator!=(const ResourceRef& ref, std::nullptr_t) { return ref.resource_ != nullptr; }
    friend bool operator!=(std::nullptr_t, const ResourceRef& ref) { return ref.resource_ != nullptr; }

private:
    std::string fileName_;
    T* resource_ = nullptr;
    ResourceManager* manager_ = nullptr;   // the manager the load came from
};

template <class T>
T* KeepLoaded(const std::string& fileName)
{
    return g_ResourceManager ? static_cast<T*>(g_ResourceManager->Load(fileName)) : nullptr;
}
