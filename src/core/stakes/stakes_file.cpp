#include "stakes/stakes_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "util/error.h"
#include "util/format.h"
#include "util/safe_file.h"

namespace quorvel {

const char* const ExclusiveAccessMessage =
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: \r\r"
    "1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа "
    "нескольких копий программы возможна только из разных каталогов.\r\r"
    "2) Для программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и "
    "выше по умолчанию запрещена запись в c:\\Program Files.\r\rПрограмма будет закрыта!";

StakesFile::~StakesFile() {
    Close();
}

void StakesFile::Open(const std::filesystem::path& path) {
    Close();
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw ExclusiveAccessError(std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        ::close(fd);
        throw ExclusiveAccessError(std::strerror(error));
    }
    fd_ = fd;
    path_ = path;
}

void StakesFile::Close() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing releases the lock
    fd_ = -1;
}

int64_t StakesFile::Size() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return info.st_size;
}

std::optional<std::string> StakesFile::CheckVersion() {
    if (fd_ < 0) throw Error("Файл ставок не открыт!");
    const int64_t size = Size();
    if (size == 0) return std::nullopt;
    uint8_t version = 0;
    if (::pread(fd_, &version, 1, 0) != 1) {
        throw Error(Format("Ошибка чтения файла ставок!\r\r%s", {std::string(std::strerror(errno))}));
    }
    if (size % static_cast<int64_t>(StakeRecordSize) == 0 && version == StakeRecordVersion)
        return std::nullopt;
    std::filesystem::path backup = path_;
    backup += ".bak";
    WriteFileSafely(backup, ReadFileBytes(path_));
    if (::ftruncate(fd_, 0) != 0) {
        throw Error(Format("Ошибка записи в файл ставок!\r\r%s", {std::string(std::strerror(errno))}));
    }
    return Format(
        "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!"
        "\r\rПрежнее содержимое файла сохранено в \"%s\".",
        {PathText(backup)});
}

}  // namespace quorvel
