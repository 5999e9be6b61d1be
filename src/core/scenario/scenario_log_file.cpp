#include "core/scenario/scenario_log_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "core/util/codepage.h"
#include "core/util/file_search.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

constexpr std::string_view LogPrefix = "ScriptLog_";
constexpr std::string_view LogSuffix = ".txt";

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}

// Appends the bytes; the system's message when it fails.
std::string AppendBytes(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    size_t done = 0;
    std::string failure;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failure = std::strerror(n < 0 ? errno : ENOSPC);
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0 && failure.empty()) failure = std::strerror(errno);
    return failure;
}

// A run that starts within the same second as another must not write into that run's log: the
// first free name of "ScriptLog_<stamp>.txt", "ScriptLog_<stamp>-2.txt", ... is created and so
// taken, even against another process doing the same.
std::filesystem::path ClaimLogPath(const std::filesystem::path& directory, const std::string& stamp) {
    constexpr int Attempts = 1000;
    for (int n = 1; n <= Attempts; ++n) {
        const std::string name =
            std::string(LogPrefix) + stamp + (n > 1 ? "-" + std::to_string(n) : "") + std::string(LogSuffix);
        const std::filesystem::path path = directory / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        // Any failure other than a taken name shows when the first line is written.
        if (errno != EEXIST) return path;
    }
    return directory / (std::string(LogPrefix) + stamp + std::string(LogSuffix));
}

}  // namespace

ScenarioLogFile::ScenarioLogFile(const std::filesystem::path& directory, ErrorCallback onError)
    : onError_(std::move(onError)) {
    const std::tm t = LocalNow();
    const std::string stamp =
        Format("%.4d-%.2d-%.2d-%.2d-%.2d-%.2d",
               {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
    path_ = ClaimLogPath(directory, stamp);
}

void ScenarioLogFile::WriteLine(const std::string& line) {
    const std::string failure = AppendBytes(path_, Utf8ToCp1251(ScenarioLogTimePrefix() + line) + "\r\n");
    if (!failure.empty() && onError_) onError_(Format("Ошибка записи журнала: %s!", {failure}));
}

std::string ScenarioLogTimePrefix() {
    const std::tm t = LocalNow();
    return Format("[%.4d-%.2d-%.2d %.2d:%.2d:%.2d]: ",
                  {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
}

std::vector<std::filesystem::path> FindScenarioLogs(const std::filesystem::path& directory) {
    return FindFilesNamed(directory, LogPrefix, LogSuffix);
}

}  // namespace quorvel
