#pragma once

// What the configurations window lists, as people read it: a drive as "C:" with its volume
// label, and the folders as a tree of names, from the drive's root down to the current folder,
// then the current folder's own subfolders one step further in.

#include <string>
#include <string_view>
#include <vector>

namespace marvix {

std::string DriveText(char letter, std::string_view volumeLabel);

struct FolderEntry {
    std::string text;  // the folder's name, indented by its depth
    std::string path;  // the folder it opens
};

// `folder` is a full path ("C:\Users\me"); `subfolders` are its subfolders' names, in any order.
// The entry of `folder` itself is the last of its ancestors, at index `CurrentFolderIndex`.
std::vector<FolderEntry> FolderTree(std::string_view folder, std::vector<std::string> subfolders);
size_t CurrentFolderIndex(std::string_view folder);

}  // namespace marvix
