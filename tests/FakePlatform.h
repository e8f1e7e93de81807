#pragma once
// In-memory platform services for the portable tests.

#include <map>
#include <string>
#include <vector>

#include "support/Errors.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq::test {

// Windows-style wildcard match (* and ?), without regard to case.
inline bool WildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || LowerChar(static_cast<unsigned char>(pattern[p])) ==
                                                           LowerChar(static_cast<unsigned char>(name[n])))) {
            ++p, ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++, mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1, n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

struct FakeFile {
    bool isDirectory = false;
    LocalTime lastWrite;
};

// Files by full path ("C:\Dir\name"); Find lists the entries of one folder in insertion order.
class FakeFileSystem : public IFileSystem {
public:
    std::vector<std::pair<std::string, FakeFile>> files;
    std::vector<std::string> deleted;
    bool refuseDeletes = false;
    std::vector<std::string> inUse;               // held open by another program: cannot be deleted
    std::map<std::string, std::string> contents;  // file contents by path, for ReadAll and ReplaceAll
    bool refuseWrites = false;

    // Attributes such as hidden or read-only are not modelled: Find and ForceDelete ignore them.
    void Add(const std::string& path, LocalTime lastWrite = {}) { files.emplace_back(path, FakeFile{false, lastWrite}); }
    void AddFolder(const std::string& path) { files.emplace_back(path, FakeFile{true, {}}); }
    bool Has(const std::string& path) const {
        for (auto& [p, f] : files)
            if (SameText(p, path)) return true;
        return false;
    }

    std::vector<FileEntry> Find(const std::string& pattern) override {
        const std::size_t sep = pattern.rfind('\\');
        const std::string folder = pattern.substr(0, sep + 1);
        const std::string mask = pattern.substr(sep + 1);
        std::vector<FileEntry> out;
        for (auto& [path, f] : files) {
            if (path.size() <= folder.size() || !SameText(path.substr(0, folder.size()), folder)) continue;
            const std::string name = path.substr(folder.size());
            if (name.find('\\') != std::string::npos || !WildcardMatch(mask, name)) continue;
            out.push_back(FileEntry{name, f.isDirectory, f.lastWrite});
        }
        return out;
    }

    bool ForceDelete(const std::string& path) override {
        if (refuseDeletes) return false;
        for (const std::string& open : inUse)
            if (SameText(open, path)) return false;
        contents.erase(path);
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (SameText(it->first, path)) {
                deleted.push_back(it->first);
                files.erase(it);
                return true;
            }
        }
        return false;
    }

    std::optional<std::string> ReadAll(const std::string& path) override {
        auto it = contents.find(path);
        if (it == contents.end()) return std::nullopt;
        return it->second;
    }

    void ReplaceAll(const std::string& path, const std::string& bytes) override {
        if (refuseWrites) throw EInOutError("cannot write " + path);
        contents[path] = bytes;
    }

    bool CreateNew(const std::string& path, const std::string& bytes) override {
        if (refuseWrites || contents.count(path) || Has(path)) return false;
        contents[path] = bytes;
        return true;
    }
};

class FakeVersionInfo : public IVersionInfo {
public:
    std::map<std::string, FixedVersion> versions;
    std::optional<FixedVersion> Read(const std::string& path) override {
        auto it = versions.find(path);
        if (it == versions.end()) return std::nullopt;
        return it->second;
    }
};

class FakeSystemInfo : public ISystemInfo {
public:
    std::vector<std::string> fonts;
    bool themes = false;
    int pumps = 0;
    bool FontInstalled(const std::string& family) override {
        for (auto& f : fonts)
            if (SameText(f, family)) return true;
        return false;
    }
    bool VisualStylesActive() override { return themes; }
    std::string computer = "PC01";
    std::string user = "MARIA";
    std::string ComputerName() override { return computer; }
    std::string UserName() override { return user; }
    void ProcessMessages() override { ++pumps; }
};

// Shell queries over the fake file system: files and folders are the entries of `files`, links and the
// rest are set by the test. Paths are compared without regard to case or trailing backslashes.
class FakeShell : public IShell {
public:
    explicit FakeShell(FakeFileSystem& files) : files_(files) {}

    std::map<std::string, ShellLinkData> links;   // by link file path
    std::vector<std::string> withIcon;            // paths the icon extraction answers for
    std::map<std::string, std::string> registry;  // "key\name" under the current user -> value
    std::map<std::string, std::string> environment;
    std::string systemFolder = "C:\\Windows\\system32";
    bool linkObjectMissing = false;  // LoadShellLink throws, as when the link object cannot be created
    std::vector<std::string> loadedLinks;
    int existenceChecks = 0;  // FileExists and DirectoryExists calls

    ShellLinkData LoadShellLink(const std::string& linkFile) override {
        if (linkObjectMissing) throw std::runtime_error("no shell link object");
        loadedLinks.push_back(linkFile);
        for (auto& [path, link] : links)
            if (SamePath(path, linkFile)) return link;
        return {};
    }
    bool ExtractsIcon(const std::string& path) override {
        for (auto& p : withIcon)
            if (SamePath(p, path)) return true;
        return false;
    }
    bool FileExists(const std::string& path) override { return ++existenceChecks, Kind(path) == 1; }
    bool DirectoryExists(const std::string& path) override { return ++existenceChecks, Kind(path) == 2; }
    std::optional<std::string> UserRegistryString(const std::string& key, const std::string& name) override {
        auto it = registry.find(key + "\\" + name);
        if (it == registry.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        for (auto& [n, v] : environment)
            if (SameText(n, name)) return v;
        return std::nullopt;
    }
    std::string SystemFolder() override { return systemFolder; }

    static bool SamePath(std::string_view a, std::string_view b) {
        while (!a.empty() && a.back() == '\\') a.remove_suffix(1);
        while (!b.empty() && b.back() == '\\') b.remove_suffix(1);
        return SameText(a, b);
    }

private:
    // 0 nothing, 1 a file, 2 a folder.
    int Kind(const std::string& path) const {
        if (path.empty()) return 0;
        for (auto& [p, f] : files_.files)
            if (SamePath(p, path)) return f.isDirectory ? 2 : 1;
        return 0;
    }
    FakeFileSystem& files_;
};

// One primary monitor of 1920 x 1080 with a taskbar at the bottom, unless a test lists others.
class FakeMonitores : public IMonitores {
public:
    std::vector<TMonitor> lista{{RectLTRB(0, 0, 1920, 1080), RectLTRB(0, 0, 1920, 1040), 96, true}};
    std::vector<TMonitor> Listar() override { return lista; }
};

// All the fakes, in force while the object lives.
struct FakePlatform {
    FakeFileSystem files;
    FakeVersionInfo versions;
    FakeSystemInfo system;
    FakeShell shell{files};
    FakeMonitores monitores;
    ScopedPlatform scope{Platform{&files, &versions, &system, &shell, &monitores}};
};

}  // namespace nq::test
