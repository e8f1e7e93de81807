// The temporary files of a replacement: their names, and what a start makes of the ones left behind.

#include "support/FileReplace.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace nq {
namespace {

const std::string kFolder = "D:\\Apps\\";
const std::string kFile = kFolder + "PivelConfig.ini";

TEST(FileReplace, NamesReadBackAndNoOtherNameIsTakenForOne) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    const std::string made = ReplacementName(kFile, 4242, 7, "[Config]\r\n");
    EXPECT_EQ(made, kFile + "~4242-7-10-" + "4a42b3d5.tmp");
    const std::optional<ReplaceLeftover> back =
        ParseReplaceName(made.substr(kFolder.size()), "PivelConfig.ini");
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->replaced);
    EXPECT_EQ(back->process, 4242u);
    EXPECT_EQ(back->n, 7u);
    EXPECT_EQ(back->size, 10u);
    EXPECT_EQ(back->crc, Crc32("[Config]\r\n"));
    const std::string aside = ReplacedName(kFile, 4242, 8);
    EXPECT_EQ(aside, kFile + "~4242-8-antigo.tmp");
    EXPECT_TRUE(ParseReplaceName("pivelconfig.INI~1-2-ANTIGO.TMP", "PivelConfig.ini")->replaced);

    for (const char* other : {"PivelConfig.ini", "PivelConfig.ini~.tmp", "PivelConfig.ini~1-2.tmp",
                              "PivelConfig.ini~1-2-3.tmp", "PivelConfig.ini~1-2-3-abcdefg.tmp",
                              "PivelConfig.ini~1-2-3-abcdefgh.tmp", "PivelConfig.ini~1-2-3-0000000a.txt",
                              "PivelConfig.ini~x-2-3-0000000a.tmp", "PivelConfig.ini~1-2-3-0000000a-4.tmp",
                              "PivelConfig.ini~1-2-velho.tmp", "OutraConfig.ini~1-2-antigo.tmp",
                              "PivelConfig.ini.bak~1-2-antigo.tmp", "PivelConfig.ini~-1-2-antigo.tmp"})
        EXPECT_FALSE(ParseReplaceName(other, "PivelConfig.ini")) << other;
}

class Leftovers : public ::testing::Test {
protected:
    // A file beside the settings file, as the file system lists it.
    void Put(const std::string& name, const std::string& bytes, int minute) {
        fake.files.Add(kFolder + name, LocalTime{2024, 3, 5, 14, minute, 0});
        fake.files.contents[kFolder + name] = bytes;
    }
    std::string New(const std::string& bytes, std::uint32_t n) {
        return ReplacementName(kFile, 99, n, bytes).substr(kFolder.size());
    }
    std::vector<std::string> Left() const {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : fake.files.contents) names.push_back(path.substr(kFolder.size()));
        return names;
    }

    test::FakePlatform fake;
};

TEST_F(Leftovers, AreRemovedExceptWhatIsStillOpenElsewhere) {
    Put("PivelConfig.ini", "[Config]\r\natual=1\r\n", 1);
    Put(New("[Config]\r\nnovo=1\r\n", 1), "[Config]\r\nnovo=1\r\n", 2);  // complete, but the file exists
    Put(New("[Config]\r\nnovo=2\r\n", 2), "[Config]\r\nno", 3);          // cut short
    Put("PivelConfig.ini~99-3-antigo.tmp", "[Config]\r\nvelho=1\r\n", 4);
    Put(New("sendo escrito", 4), "sendo", 5);  // another bar is writing it
    fake.files.inUse.push_back(kFolder + New("sendo escrito", 4));
    Put("piv1A2B.tmp", "[Config]\r\n", 6);  // an earlier version's
    Put("pivô.tmp", "not ours", 6);
    Put("piv12345.tmp", "not ours", 6);
    Put("OutraConfig.ini~99-1-antigo.tmp", "not ours", 6);
    RemoveLeftovers(kFile);
    EXPECT_EQ(Left(), (std::vector<std::string>{"OutraConfig.ini~99-1-antigo.tmp", "PivelConfig.ini",
                                                New("sendo escrito", 4), "piv12345.tmp", "pivô.tmp"}));
    EXPECT_EQ(fake.files.contents[kFile], "[Config]\r\natual=1\r\n");
}

TEST_F(Leftovers, AMissingFileIsRecoveredFromTheNewestCompleteOne) {
    struct Case {
        const char* what;
        std::vector<std::tuple<std::string, std::string, int>> files;  // name, bytes, minute written
        const char* recovered;                                         // nullptr: the file stays missing
    };
    const std::string a = "[Config]\r\nversao=a\r\n", b = "[Config]\r\nversao=b\r\n",
                      c = "[Config]\r\nversao=c\r\n";
    const Case cases[] = {
        {"the newest complete new content",
         {{New(a, 1), a, 1}, {New(b, 2), b, 3}, {New(c, 3), "[Con", 4}},
         "b"},
        {"new content before a file moved aside",
         {{"PivelConfig.ini~9-1-antigo.tmp", a, 5}, {New(b, 2), b, 1}},
         "b"},
        {"the newest file moved aside",
         {{"PivelConfig.ini~9-1-antigo.tmp", a, 5}, {"PivelConfig.ini~9-2-antigo.tmp", c, 2}},
         "a"},
        {"nothing complete", {{New(a, 1), std::string(a.size(), '\0'), 1}}, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        fake.files.contents.clear();
        fake.files.files.clear();
        for (const auto& [name, bytes, minute] : k.files) Put(name, bytes, minute);
        RemoveLeftovers(kFile);
        if (k.recovered) {
            EXPECT_EQ(fake.files.contents[kFile], std::string("[Config]\r\nversao=") + k.recovered + "\r\n");
            EXPECT_EQ(Left(), std::vector<std::string>{"PivelConfig.ini"});
        } else {
            EXPECT_TRUE(Left().empty());
        }
    }

    // When the file cannot be put back, the leftovers are the only copy: they stay.
    fake.files.contents.clear();
    fake.files.files.clear();
    Put(New(a, 1), a, 1);
    fake.files.refuseWrites = true;
    RemoveLeftovers(kFile);
    EXPECT_EQ(Left(), std::vector<std::string>{New(a, 1)});
}

}  // namespace
}  // namespace nq
