#pragma once
// The platform services that the portable routines need. The Windows build installs the real ones at
// start-up (support/PlatformWin32.cpp); tests install fakes with ScopedPlatform.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/Rect.h"

namespace nq {

// A moment in local time, as the file system reports it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    auto operator<=>(const LocalTime&) const = default;  // earlier is less
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
    // Replaces a file's whole content in one step, keeping the file's own attributes and permissions: a
    // temporary file in the same folder (support/FileReplace.h) is written and flushed, then renamed over
    // the file in one step. The file is there at every instant, the old one or the new one, whole. On a
    // failure EInOutError is thrown and the previous file stays whole.
    virtual void ReplaceAll(const std::string& path, const std::string& bytes) = 0;
    // Writes a new file with these bytes, flushed; false, leaving nothing behind, when a file of that
    // name exists or it cannot be written.
    virtual bool CreateNew(const std::string& path, const std::string& bytes) = 0;
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

// What a shell link file holds. A field the link does not set stays empty or zero.
struct ShellLinkData {
    std::string targetPath;  // the target's full path, as the link stores it
    FileEntry findData;      // the target's file-search data; findData.name is its file name
    std::string description;
    std::string arguments;
    std::string workingDirectory;
    std::string iconLocation;
    int iconIndex = 0;
    int hotKey = 0;  // virtual key in the low byte, modifiers in the next byte
    int showCommand = 0;
};

// The shell and system queries behind shortcut inspection and the well-known folders.
class IShell {
public:
    virtual ~IShell() = default;
    // Reads a shell link file. A file that cannot be loaded as a link (missing, not a link) gives a
    // record of empty fields; only a failure to create the system's link object throws.
    virtual ShellLinkData LoadShellLink(const std::string& linkFile) = 0;
    // Whether the system's icon extraction gives any answer for the path: an icon for a file that holds
    // icons, and on Windows a mere marker for a file that is no program, library or icon file. A folder,
    // a web address or a path that names nothing gets none.
    virtual bool ExtractsIcon(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;       // an existing file, not a folder
    virtual bool DirectoryExists(const std::string& path) = 0;  // a trailing backslash is allowed
    // A string value, as stored (environment references not expanded), under the current user's
    // registry root; nothing when the key or the value is missing or holds no text.
    virtual std::optional<std::string> UserRegistryString(const std::string& key,
                                                          const std::string& name) = 0;
    // Nothing when the variable is not set.
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;
    // The system folder, without a trailing backslash; empty when the system does not say.
    virtual std::string SystemFolder() = 0;
};

// A monitor as the system lists it: its whole rectangle, the part of it that the taskbar and docked
// bars leave (the work area), its density, and whether it is the primary one.
struct TMonitor {
    Rect area;
    Rect trabalho;
    int dpi = 96;
    bool principal = false;
    bool operator==(const TMonitor&) const = default;
};

class IMonitores {
public:
    virtual ~IMonitores() = default;
    // The monitors in the system's order (the user numbers them 1, 2, ... in this order); at least one.
    virtual std::vector<TMonitor> Listar() = 0;
};

struct Platform {
    IFileSystem* files = nullptr;
    IVersionInfo* versions = nullptr;
    ISystemInfo* system = nullptr;
    IShell* shell = nullptr;
    IMonitores* monitores = nullptr;
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
