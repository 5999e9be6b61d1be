#include "core/app/data_dir.h"

#include <unistd.h>

#include "core/util/version.h"

namespace quorvel {

std::filesystem::path DataDirectory::ExecutableDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

DataDirectory DataDirectory::FromArguments(std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data-dir" && i + 1 < args.size()) {
            std::filesystem::path root = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
            return DataDirectory(std::filesystem::absolute(root));
        }
        if (args[i].rfind("--data-dir=", 0) == 0) {
            std::filesystem::path root = args[i].substr(11);
            args.erase(args.begin() + static_cast<long>(i));
            return DataDirectory(std::filesystem::absolute(root));
        }
    }
    return DataDirectory(ExecutableDirectory());
}

std::filesystem::path DataDirectory::SettingsPath() const {
    return root_ / (std::string(ProgramName) + ".ini");
}
std::filesystem::path DataDirectory::UiStatePath() const {
    return root_ / (std::string(ProgramName) + ".frm");
}
std::filesystem::path DataDirectory::DrawsPath() const {
    return root_ / (std::string(ProgramName) + ".ldr");
}
std::filesystem::path DataDirectory::NamesPath() const {
    return root_ / (std::string(ProgramName) + ".flt");
}
std::filesystem::path DataDirectory::StakesPath() const {
    return root_ / (std::string(ProgramName) + ".lsk");
}

}  // namespace quorvel
