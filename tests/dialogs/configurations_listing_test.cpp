// The configurations window lists drives and folders by name: "[-c-]" and "[..]" were what the
// platform's own listing showed.
#include "dialogs/configurations_dialog.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(ConfigurationsListing, DrivesByLetterAndLabel) {
    EXPECT_EQ(DriveText('c', ""), "C:");
    EXPECT_EQ(DriveText('D', "Photos"), "D:  Photos");
}

TEST(ConfigurationsListing, FoldersFromTheRootDownThenTheSubfoldersByName) {
    const std::vector<FolderEntry> tree =
        FolderTree("C:\\Users\\me\\", {"gallery", "Backup", "clocks"});
    std::vector<std::string> texts, paths;
    for (const FolderEntry& entry : tree) {
        texts.push_back(entry.text);
        paths.push_back(entry.path);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"C:\\", "   Users", "      me", "         Backup",
                                               "         clocks", "         gallery"}));
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\", "C:\\Users", "C:\\Users\\me",
                                               "C:\\Users\\me\\Backup", "C:\\Users\\me\\clocks",
                                               "C:\\Users\\me\\gallery"}));
    EXPECT_EQ(CurrentFolderIndex("C:\\Users\\me\\"), 2u);

    const std::vector<FolderEntry> root = FolderTree("D:\\", {"x"});
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[1].path, "D:\\x");
    EXPECT_EQ(CurrentFolderIndex("D:\\"), 0u);
}

}  // namespace
}  // namespace marvix
