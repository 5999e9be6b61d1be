#include "core/app/processes.h"

#include <unistd.h>

#include <filesystem>

namespace quorvel {

bool OtherProcessRunning(const std::string& executableName) {
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string pid = entry.path().filename().string();
        if (pid == self || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code linkError;
        auto exe = std::filesystem::read_symlink(entry.path() / "exe", linkError);
        if (!linkError && exe.filename() == executableName) return true;
    }
    return false;
}

}  // namespace quorvel
