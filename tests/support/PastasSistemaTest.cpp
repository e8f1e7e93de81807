// The documents folder from the user's shell folders and the system folder, against fake services.

#include "support/PastasSistema.h"

#include <gtest/gtest.h>

#include <optional>

#include "FakePlatform.h"

namespace nq {
namespace {

const std::string kPersonal =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Personal";

TEST(PastasSistema, DirDocsExpandsEnvironmentReferences) {
    struct Case {
        std::optional<std::string> stored;
        const char* out;
    };
    const Case cases[] = {
        {std::nullopt, ""},
        {"", ""},
        {"D:\\Meus Documentos", "D:\\Meus Documentos\\"},
        {"D:\\Docs\\", "D:\\Docs\\"},
        {"%USERPROFILE%\\Documents", "C:\\Users\\maria\\Documents\\"},
        {"%USERPROFILE%", "C:\\Users\\maria\\"},
        // Text before a reference and further references are kept (redirected or older profiles).
        {"%HOMEDRIVE%%HOMEPATH%\\Meus documentos", "C:\\Users\\maria\\Meus documentos\\"},
        {"\\\\servidor\\%USERNAME%\\Docs", "\\\\servidor\\maria\\Docs\\"},
        {"D:\\100%", "D:\\100%\\"},  // a lone "%" is plain text
        {"%NAOHA%\\Docs", "\\Docs\\"},
    };
    for (const Case& c : cases) {
        test::FakePlatform fake;
        fake.shell.environment = {{"USERPROFILE", "C:\\Users\\maria"},
                                  {"HOMEDRIVE", "C:"},
                                  {"HOMEPATH", "\\Users\\maria"},
                                  {"USERNAME", "maria"}};
        if (c.stored) fake.shell.registry[kPersonal] = *c.stored;
        EXPECT_EQ(DirDocs(), c.out) << c.stored.value_or("(missing)");
    }
}

TEST(PastasSistema, DirSystemEndsWithABackslash) {
    test::FakePlatform fake;
    fake.shell.systemFolder = "C:\\Windows\\system32";
    EXPECT_EQ(DirSystem(), "C:\\Windows\\system32\\");
    fake.shell.systemFolder = "";
    EXPECT_EQ(DirSystem(), "");
}

}  // namespace
}  // namespace nq
