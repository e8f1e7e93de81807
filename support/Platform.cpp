#include "support/Platform.h"

#include "support/Errors.h"

namespace nq {

namespace {
// Neutral services for a process that installed none: nothing exists, nothing is installed.
class NullFileSystem final : public IFileSystem {
public:
    std::vector<FileEntry> Find(const std::string&) override { return {}; }
    bool ForceDelete(const std::string&) override { return false; }
    std::optional<std::string> ReadAll(const std::string&) override { return std::nullopt; }
    void ReplaceAll(const std::string& path, const std::string&) override {
        throw EInOutError("Não foi possível gravar o arquivo " + path);
    }
    bool CreateNew(const std::string&, const std::string&) override { return false; }
};
class NullVersionInfo final : public IVersionInfo {
public:
    std::optional<FixedVersion> Read(const std::string&) override { return std::nullopt; }
};
class NullSystemInfo final : public ISystemInfo {
public:
    bool FontInstalled(const std::string&) override { return false; }
    bool VisualStylesActive() override { return false; }
    std::string ComputerName() override { return {}; }
    std::string UserName() override { return {}; }
    void ProcessMessages() override {}
};

class NullShell final : public IShell {
public:
    ShellLinkData LoadShellLink(const std::string&) override { return {}; }
    bool ExtractsIcon(const std::string&) override { return false; }
    bool FileExists(const std::string&) override { return false; }
    bool DirectoryExists(const std::string&) override { return false; }
    std::optional<std::string> UserRegistryString(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> EnvironmentVariable(const std::string&) override { return std::nullopt; }
    std::string SystemFolder() override { return {}; }
};

// One monitor of 1024 x 768, so that whatever is placed on it has somewhere to stand.
class NullMonitores final : public IMonitores {
public:
    std::vector<TMonitor> Listar() override { return {{{0, 0, 1024, 768}, {0, 0, 1024, 768}, 96, true}}; }
};

NullFileSystem gNullFiles;
NullVersionInfo gNullVersions;
NullSystemInfo gNullSystem;
NullShell gNullShell;
NullMonitores gNullMonitores;
Platform gPlatform{&gNullFiles, &gNullVersions, &gNullSystem, &gNullShell, &gNullMonitores};
}  // namespace

Platform& CurrentPlatform() { return gPlatform; }

ScopedPlatform::ScopedPlatform(const Platform& p) : previous_(gPlatform) {
    if (p.files) gPlatform.files = p.files;
    if (p.versions) gPlatform.versions = p.versions;
    if (p.system) gPlatform.system = p.system;
    if (p.shell) gPlatform.shell = p.shell;
    if (p.monitores) gPlatform.monitores = p.monitores;
}

ScopedPlatform::~ScopedPlatform() { gPlatform = previous_; }

}  // namespace nq
