#include "core/util/file_search.h"

#include <algorithm>

namespace quorvel {

std::vector<std::filesystem::path> FindFilesNamed(const std::filesystem::path& directory,
                                                  std::string_view prefix, std::string_view suffix) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(directory, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < prefix.size() + suffix.size()) continue;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
        if (entry.is_directory(ec)) continue;
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace quorvel
