#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

// Where every data file lives: the executable's directory unless "--data-dir DIR" names another.
class DataDirectory {
public:
    explicit DataDirectory(std::filesystem::path root) : root_(std::move(root)) {}

    // Takes "--data-dir DIR" (or "--data-dir=DIR") out of the arguments; the executable's
    // directory otherwise.
    static DataDirectory FromArguments(std::vector<std::string>& args);
    static std::filesystem::path ExecutableDirectory();

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path SettingsPath() const;
    std::filesystem::path UiStatePath() const;
    std::filesystem::path DrawsPath() const;
    std::filesystem::path StakesPath() const;
    std::filesystem::path NamesPath() const;
    std::filesystem::path File(const std::string& name) const { return root_ / name; }

private:
    std::filesystem::path root_;
};

}  // namespace quorvel
