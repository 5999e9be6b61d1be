#include "core/util/safe_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/util/error.h"

namespace quorvel {

namespace {

std::string SystemReason(int error) {
    return std::strerror(error);
}

[[noreturn]] void FailWrite(const std::filesystem::path& path, int error) {
    // A paragraph of its own: the text after the system's reason would be kept with it, untranslated.
    throw Error("Не удалось записать файл \"" + PathText(path) + "\": " + SystemReason(error) +
                "\r\rПрежнее содержимое файла не изменено.");
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// A write beyond the file-size limit must fail with an error, not end the process.
void IgnoreFileSizeSignal() {
    static const bool done = [] {
        signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
    return path.string();
}

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes) {
    IgnoreFileSizeSignal();
    std::filesystem::path directory = path.parent_path();
    if (directory.empty()) directory = ".";
    std::string pattern = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) FailWrite(path, errno);
    const std::filesystem::path temporary = pattern;
    auto discard = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        FailWrite(path, error);
    };
    if (!WriteAll(fd, bytes)) discard(errno);
    if (::fsync(fd) != 0) discard(errno);
    // mkstemp makes the file private; keep the mode the old file had.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        FailWrite(path, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        FailWrite(path, error);
    }
    // Make the rename itself durable.
    int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        throw Error("Не удалось прочитать файл \"" + PathText(path) + "\": это каталог");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error("Не удалось открыть файл \"" + PathText(path) + "\": " + SystemReason(errno));
    }
    // In large pieces into room made once: parts of a back-test run to megabytes each.
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(size);
    std::array<char, 1 << 16> piece;
    while (in.read(piece.data(), piece.size()) || in.gcount() > 0)
        bytes.append(piece.data(), static_cast<size_t>(in.gcount()));
    if (in.bad()) throw Error("Не удалось прочитать файл \"" + PathText(path) + "\"");
    return bytes;
}

}  // namespace quorvel
