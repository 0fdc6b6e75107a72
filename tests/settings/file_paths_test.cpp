#include "settings/file_paths.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(FilePaths, ARelativePathIsReadFromTheConfigurationsFolderAndAWholeOneAsItIs) {
    const struct {
        const char* folder;
        const char* path;
        const char* resolved;
    } cases[] = {
        {"C:\\clocks", "faces\\desk.bmp", "C:\\clocks\\faces\\desk.bmp"},
        {"C:\\clocks\\", "desk.bmp", "C:\\clocks\\desk.bmp"},
        {"C:\\clocks", ".\\faces\\desk.bmp", "C:\\clocks\\faces\\desk.bmp"},
        {"C:\\clocks", "..\\sounds\\tick.wav", "C:\\clocks\\..\\sounds\\tick.wav"},
        {"D:/clocks", "faces/desk.bmp", "D:/clocks\\faces/desk.bmp"},
        {"C:\\clocks", "E:\\faces\\desk.bmp", "E:\\faces\\desk.bmp"},
        {"C:\\clocks", "\\\\server\\faces\\desk.bmp", "\\\\server\\faces\\desk.bmp"},
        {"C:\\clocks", "\\faces\\desk.bmp", "\\faces\\desk.bmp"},
        {"C:\\clocks", "E:desk.bmp", "E:desk.bmp"},  // E:'s own current folder
        {"C:\\clocks", "", ""},                      // no face: the shown one stays
        {"", "faces\\desk.bmp", "faces\\desk.bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvedAgainst(c.folder, c.path), c.resolved) << c.path;
    EXPECT_EQ(FolderOf("C:\\clocks\\desk.ccf"), "C:\\clocks");
    EXPECT_EQ(FolderOf("desk.ccf"), "");
}

TEST(FilePaths, TheFaceAndEverySoundAreResolvedAndNothingElse) {
    ClockSettings s = DefaultSettings();
    s.BackPic = "faces\\desk.bmp";
    s.TickStr = "tick.wav";
    s.A5Str = "C:\\Windows\\Media\\alarm.wav";
    s.C4Str = "chimes\\quarter.wav";
    s.DDir = "faces";
    ResolveFilePaths(s, "C:\\clocks");
    EXPECT_EQ(s.BackPic, "C:\\clocks\\faces\\desk.bmp");
    EXPECT_EQ(s.TickStr, "C:\\clocks\\tick.wav");
    EXPECT_EQ(s.A5Str, "C:\\Windows\\Media\\alarm.wav");
    EXPECT_EQ(s.C4Str, "C:\\clocks\\chimes\\quarter.wav");
    EXPECT_EQ(s.DDir, "faces") << "a folder to browse from, not a file the clock reads";
}

// A configuration saved into the gallery's folder named its face by a whole path
// ("Z:\...\faces\mirror.bmp"), which broke once the folder moved.
TEST(FilePaths, AFileInsideTheSavedFilesFolderIsNamedFromIt) {
    const struct {
        const char *folder, *path, *related;
    } cases[] = {
        {"Z:\\gallery", "Z:\\gallery\\faces\\mirror.bmp", "faces\\mirror.bmp"},
        {"Z:\\gallery\\", "z:/GALLERY/faces/mirror.bmp", "faces/mirror.bmp"},
        {"Z:\\gallery", "Z:\\gallery-old\\faces\\mirror.bmp", "Z:\\gallery-old\\faces\\mirror.bmp"},
        {"Z:\\gallery", "Z:\\gallery\\", "Z:\\gallery\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(RelativeTo(c.folder, c.path), c.related) << c.path;
}

TEST(FilePaths, TheFirstCharacterAFileNameCannotHoldIsFound) {
    const std::pair<const char*, std::optional<char>> cases[] = {
        {"desk clock.ccf", std::nullopt},
        {"a/b:c?", '/'},
        {"tea?", '?'},
        {"x*y", '*'},
        {"say \"hi\"", '"'},
        {"<x>", '<'},
        {"a|b", '|'},
        {"tab\there", '\t'},
        {"back\\slash", '\\'},
        {"", std::nullopt},
    };
    for (const auto& [name, found] : cases)
        EXPECT_EQ(ForbiddenFileNameCharacter(name), found) << name;
}

}  // namespace
}  // namespace marvix
