#include "dialogs/configurations_dialog.h"

#include <algorithm>
#include <cctype>

namespace marvix {

namespace {

constexpr std::string_view kIndent = "   ";

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The root ("C:\") and each name below it; a path with no drive is a root of its own.
std::vector<std::string_view> Parts(std::string_view folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.remove_suffix(1);
    const bool drive = folder.size() >= 2 && folder[1] == ':';
    const size_t rootLength = drive ? std::min<size_t>(3, folder.size()) : folder.size();
    std::vector<std::string_view> parts{folder.substr(0, rootLength)};
    std::string_view rest = folder.substr(rootLength);
    while (!rest.empty()) {
        const size_t slash = rest.find('\\');
        if (slash != 0) parts.push_back(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    }
    return parts;
}

std::string Indented(size_t depth, std::string_view name) {
    std::string text;
    for (size_t i = 0; i < depth; ++i) text += kIndent;
    return text += name;
}

}  // namespace

std::string DriveText(char letter, std::string_view volumeLabel) {
    std::string text{static_cast<char>(std::toupper(static_cast<unsigned char>(letter))), ':'};
    if (!volumeLabel.empty()) (text += "  ") += volumeLabel;
    return text;
}

size_t CurrentFolderIndex(std::string_view folder) { return Parts(folder).size() - 1; }

std::vector<FolderEntry> FolderTree(std::string_view folder, std::vector<std::string> subfolders) {
    const std::vector<std::string_view> parts = Parts(folder);
    std::vector<FolderEntry> tree;
    std::string path;
    for (size_t depth = 0; depth < parts.size(); ++depth) {
        if (depth > 1) path += '\\';
        path += parts[depth];
        tree.push_back({Indented(depth, parts[depth]), path});
    }
    std::sort(subfolders.begin(), subfolders.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    const std::string parent = path.back() == '\\' ? path : path + '\\';
    for (const std::string& name : subfolders)
        tree.push_back({Indented(parts.size(), name), parent + name});
    return tree;
}

}  // namespace marvix
