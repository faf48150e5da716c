#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/folder_listing.h"
#include "temp_dir.h"

namespace vrk {
namespace {

namespace fs = std::filesystem;

using ScratchFolder = testing::TempDir;

TEST(FolderListing, PatternsIgnoreCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"TIGERS.DAT", "*.DAT", true},
        {"tigers.dat", "*.DAT", true},
        {"TIGERS.DATA", "*.DAT", false},
        {"TIGERS.SCH", "*.DAT", false},
        {"README", "*. ", true},
        {"READ.ME", "*. ", false},
        {"READ_ME.TXT", "READ_ME.TXT", true},
        {"a.b.prn", "*.PRN", true},
        {".DAT", "*.DAT", true},
        {"X.DAT", "?.DAT", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
}

TEST(FolderListing, FilesSortedAndCutAtTheLimit) {
    ScratchFolder f;
    for (const char* name : {"b.DAT", "A.dat", "C.DAT", "notes.txt"}) f.write(name, "x\n");
    fs::create_directories(f.dir / "Z.DAT");  // a folder, not a file

    const FileListing all = listFiles(f.dir.string(), {"*.DAT"});
    EXPECT_EQ(all.names, (std::vector<std::string>{"A.dat", "b.DAT", "C.DAT"}));
    EXPECT_FALSE(all.truncated);

    const FileListing two = listFiles(f.dir.string(), {"*.DAT", "*.TXT"}, 2);
    EXPECT_EQ(two.names, (std::vector<std::string>{"A.dat", "b.DAT"}));
    EXPECT_TRUE(two.truncated);

    EXPECT_TRUE(listFiles((f.dir / "missing").string(), {"*.DAT"}).names.empty());
}

TEST(FolderListing, FoldersLeadUpDownAndToTheRoot) {
    ScratchFolder f;
    fs::create_directories(f.dir / "teams");
    fs::create_directories(f.dir / "Archive");
    fs::create_directories(f.dir / ".hidden");
    const std::string here = f.dir.string();

    EXPECT_EQ(listFolders(here), (std::vector<std::string>{"..", "/", "Archive", "teams"}));
    EXPECT_EQ(enterFolder(here, "teams"), (f.dir / "teams").string() + "/");
    EXPECT_EQ(enterFolder(here + "/teams/", ".."), here + "/");
    EXPECT_EQ(enterFolder(here, "/"), "/");
    EXPECT_EQ(enterFolder("/", ".."), "/") << "the root has no parent";

    const auto atRoot = listFolders("/");
    EXPECT_TRUE(std::find(atRoot.begin(), atRoot.end(), "..") == atRoot.end());
    EXPECT_TRUE(std::find(atRoot.begin(), atRoot.end(), "/") == atRoot.end());
}

}  // namespace
}  // namespace vrk
