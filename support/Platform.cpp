#include "support/Platform.h"

namespace nq {

namespace {
// Neutral services for a process that installed none: nothing exists, nothing is installed.
class NullFileSystem final : public IFileSystem {
public:
    std::vector<FileEntry> Find(const std::string&) override { return {}; }
    bool ForceDelete(const std::string&) override { return false; }
};
class NullVersionInfo final : public IVersionInfo {
public:
    std::optional<FixedVersion> Read(const std::string&) override { return std::nullopt; }
};
class NullSystemInfo final : public ISystemInfo {
public:
    bool FontInstalled(const std::string&) override { return false; }
    bool VisualStylesActive() override { return false; }
    void ProcessMessages() override {}
};

NullFileSystem gNullFiles;
NullVersionInfo gNullVersions;
NullSystemInfo gNullSystem;
Platform gPlatform{&gNullFiles, &gNullVersions, &gNullSystem};
}  // namespace

Platform& CurrentPlatform() { return gPlatform; }

ScopedPlatform::ScopedPlatform(const Platform& p) : previous_(gPlatform) {
    if (p.files) gPlatform.files = p.files;
    if (p.versions) gPlatform.versions = p.versions;
    if (p.system) gPlatform.system = p.system;
}

ScopedPlatform::~ScopedPlatform() { gPlatform = previous_; }

}  // namespace nq
