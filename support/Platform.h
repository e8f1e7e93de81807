#pragma once
// The platform services that the portable routines need. The Windows build installs the real ones at
// start-up (support/PlatformWin32.cpp); tests install fakes with ScopedPlatform.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nq {

// A moment in local time, as the file system reports it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

struct FileEntry {
    std::string name;  // the entry's name, without its folder
    bool isDirectory = false;
    LocalTime lastWrite;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // Entries that match a path whose last part may hold the wildcards * and ?, all attributes
    // allowed (hidden and system entries included), in the platform's order.
    virtual std::vector<FileEntry> Find(const std::string& pattern) = 0;
    // Makes the file a plain archive file (no read-only, hidden or system flag), then deletes it.
    virtual bool ForceDelete(const std::string& path) = 0;
    // The whole content of a file, or nothing when it does not exist or cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Replaces a file's whole content in one step: a temporary file in the same folder is written and
    // flushed, then swapped in. On any failure the previous file stays whole and EInOutError is thrown.
    virtual void ReplaceAll(const std::string& path, const std::string& bytes) = 0;
};

// The fixed file version of an executable's version resource, as two 32-bit halves.
struct FixedVersion {
    std::uint32_t mostSignificant = 0;
    std::uint32_t leastSignificant = 0;
};

class IVersionInfo {
public:
    virtual ~IVersionInfo() = default;
    // Nothing when the file is missing or has no readable version resource.
    virtual std::optional<FixedVersion> Read(const std::string& path) = 0;
};

class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;
    virtual bool FontInstalled(const std::string& family) = 0;  // family compared without regard to case
    virtual bool VisualStylesActive() = 0;
    virtual std::string ComputerName() = 0;
    virtual std::string UserName() = 0;  // the logon name
    // Handles the window messages waiting in the queue, so that windows stay responsive.
    virtual void ProcessMessages() = 0;
};

struct Platform {
    IFileSystem* files = nullptr;
    IVersionInfo* versions = nullptr;
    ISystemInfo* system = nullptr;
};

// The services in force; every member is non-null once the platform is installed.
Platform& CurrentPlatform();

// Puts other services in force for the lifetime of the object (tests), restoring the previous ones.
class ScopedPlatform {
public:
    explicit ScopedPlatform(const Platform& p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform previous_;
};

}  // namespace nq
