#include "core/stakes/stakes_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

const char* const ExclusiveAccessMessage =
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: \r\r"
    "1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа "
    "нескольких копий программы возможна только из разных каталогов.\r\r"
    "2) Для программы нет прав на запись в том каталоге, где она расположена. Например: в Windows 7 и "
    "выше по умолчанию запрещена запись в c:\\Program Files.\r\rПрограмма будет закрыта!";

namespace {

constexpr int BlockRecords = 1024;
constexpr const char* ReadRecordError = "Ошибка чтения записи из файла ставок!\r\r%s";
constexpr const char* WriteError = "Ошибка записи в файл ставок!\r\r%s";
constexpr const char* AppendError = "Ошибка добавления записи в файл ставок!\r\r%s";
constexpr const char* SearchError = "Ошибка поиска записи в файле ставок!\r\r%s";
constexpr const char* DeleteError = "Ошибка удаления записи из файла ставок!\r\r%s";

std::string SystemReason(int error) {
    return std::strerror(error);
}

[[noreturn]] void Fail(const char* fixedText, const std::string& cause) {
    throw Error(Format(fixedText, {cause}));
}

std::string NotFoundText(int index) {
    return Format("Запись со индексом %d в файле данных не найдена!", {index});
}

void Encode(std::string& bytes, const TStakeRecord& record) {
    const size_t at = bytes.size();
    bytes.resize(at + StakeRecordSize);
    WriteStakeRecord(reinterpret_cast<uint8_t*>(bytes.data() + at), record);
}

bool WriteAllAt(int fd, const char* data, size_t size, int64_t offset, size_t& done) {
    done = 0;
    while (done < size) {
        ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

StakesFile::~StakesFile() {
    Close();
}

void StakesFile::Open(const std::filesystem::path& path) {
    settledPrefix_ = 0;
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
    cachedIndex_ = -1;
}

void StakesFile::Close() {
    settledPrefix_ = 0;
    if (batching_) {
        try {
            EndBatch();
        } catch (const std::exception&) {
            // The owner ends the batch and reports a failure before closing; here only the
            // records that can still be written are.
        }
    }
    if (fd_ < 0) return;
    ::close(fd_);  // closing releases the lock
    fd_ = -1;
    cachedIndex_ = -1;
}

std::filesystem::path StakesFile::TemporaryPath() const {
    std::filesystem::path temporary = path_;
    temporary.replace_extension(".~tmp");
    return temporary;
}

int64_t StakesFile::Size() const {
    if (batching_) return static_cast<int64_t>(batchCount_) * static_cast<int64_t>(StakeRecordSize);
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return info.st_size;
}

void StakesFile::RequireOpen() const {
    if (fd_ < 0) throw Error("Файл ставок не открыт!");
}

std::optional<std::string> StakesFile::CheckVersion() {
    settledPrefix_ = 0;
    RequireOpen();
    cachedIndex_ = -1;
    const int64_t size = Size();
    if (size == 0) return std::nullopt;
    uint8_t version = 0;
    if (::pread(fd_, &version, 1, 0) != 1) {
        throw Error(Format("Ошибка чтения файла ставок!\r\r%s", {SystemReason(errno)}));
    }
    if (size % static_cast<int64_t>(StakeRecordSize) == 0 && version == StakeRecordVersion)
        return std::nullopt;
    std::filesystem::path backup = path_;
    backup += ".bak";
    WriteFileSafely(backup, ReadFileBytes(path_));
    if (::ftruncate(fd_, 0) != 0) Fail(WriteError, SystemReason(errno));
    return Format(
        "Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!"
        "\r\rПрежнее содержимое файла сохранено в \"%s\".",
        {PathText(backup)});
}

void StakesFile::Reopen() {
    RequireOpen();
    cachedIndex_ = -1;
}

size_t StakesFile::ReadRaw(int first, int count, std::string& bytes) const {
    const int64_t offset = static_cast<int64_t>(first) * static_cast<int64_t>(StakeRecordSize);
    bytes.resize(static_cast<size_t>(count) * StakeRecordSize);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::pread(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw Error(SystemReason(errno));
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return done / StakeRecordSize;
}

void StakesFile::WriteRaw(int64_t offset, const std::string& bytes) const {
    size_t done = 0;
    if (!WriteAllAt(fd_, bytes.data(), bytes.size(), offset, done)) throw Error(SystemReason(errno));
}

const TStakeRecord& StakesFile::Read(int index) {
    RequireOpen();
    if (index == cachedIndex_ && index >= 0) return cached_;
    if (index < 0 || index >= RecordCount()) throw Error(NotFoundText(index));
    if (batching_ && index >= fileCount_) return pending_[static_cast<size_t>(index - fileCount_)];
    std::string bytes;
    try {
        if (ReadRaw(index, 1, bytes) != 1) throw Error(NotFoundText(index));
    } catch (const std::exception& e) {
        Fail(ReadRecordError, e.what());
    }
    cached_ = ReadStakeRecord(reinterpret_cast<const uint8_t*>(bytes.data()));
    cachedIndex_ = index;
    return cached_;
}

std::optional<TStakeRecord> StakesFile::ReadLast() {
    const int count = RecordCount();
    if (count == 0) return std::nullopt;
    return Read(count - 1);
}

std::vector<TStakeRecord> StakesFile::ReadBlock(int first, int count) {
    RequireOpen();
    std::vector<TStakeRecord> records;
    if (first < 0 || count <= 0) return records;
    if (batching_ && first + count > fileCount_) {
        const int fromFile = std::max(0, fileCount_ - first);
        if (fromFile > 0) records = ReadBlock(first, fromFile);
        const int total = RecordCount();
        for (int i = std::max(first, fileCount_); i < std::min(first + count, total); ++i)
            records.push_back(pending_[static_cast<size_t>(i - fileCount_)]);
        return records;
    }
    std::string bytes;
    size_t got = 0;
    try {
        got = ReadRaw(first, count, bytes);
    } catch (const std::exception& e) {
        Fail(ReadRecordError, e.what());
    }
    records.reserve(got);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t i = 0; i < got; ++i)
        records.push_back(ReadStakeRecord(data + i * StakeRecordSize));
    return records;
}

void StakesFile::Write(int index, const TStakeRecord& record) {
    WriteBlock(index, &record, 1);
}

void StakesFile::WriteBlock(int first, const TStakeRecord* records, int count) {
    RequireOpen();
    if (count <= 0) return;
    if (first < 0 || first + count > RecordCount())
        Fail(WriteError, NotFoundText(first < 0 ? first : first + count - 1));
    if (cachedIndex_ >= first && cachedIndex_ < first + count) cachedIndex_ = -1;
    for (int i = 0; i < count && first + i < settledPrefix_; ++i) {
        if (records[i].IsRealStake() && !records[i].IsChecked())
            settledPrefix_ = std::min(settledPrefix_, first + i);
    }
    for (int i = 0; i < count && first + i < examined_; ++i) {
        if (records[i].IsRealStake() && !records[i].IsChecked()) examined_ = std::min(examined_, first + i);
    }
    if (batching_ && first + count > fileCount_) {
        const int inFile = std::max(0, fileCount_ - first);
        for (int i = inFile; i < count; ++i) {
            TStakeRecord& kept = pending_[static_cast<size_t>(first + i - fileCount_)];
            if (KeyOf(kept.DrawNumber, kept.Values) != KeyOf(records[i].DrawNumber, records[i].Values))
                indexed_ = false;
            kept = records[i];
        }
        if (inFile == 0) return;
        count = inFile;
    }
    // A record of the file may change its key; the index is then made again when needed.
    if (batching_) indexed_ = false;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(count) * StakeRecordSize);
    for (int i = 0; i < count; ++i)
        Encode(bytes, records[i]);
    try {
        WriteRaw(static_cast<int64_t>(first) * static_cast<int64_t>(StakeRecordSize), bytes);
    } catch (const std::exception& e) {
        Fail(WriteError, e.what());
    }
}

void StakesFile::AppendRaw(const std::string& bytes, int& written) {
    written = 0;
    // A file with a torn last record (left by a crash) grows from its last whole record.
    const int64_t start = static_cast<int64_t>(RecordCount()) * static_cast<int64_t>(StakeRecordSize);
    size_t done = 0;
    if (WriteAllAt(fd_, bytes.data(), bytes.size(), start, done)) {
        written = static_cast<int>(bytes.size() / StakeRecordSize);
        return;
    }
    const int error = errno;
    // Cut a half-written record off, so the file stays a whole number of records.
    const size_t whole = done / StakeRecordSize;
    written = static_cast<int>(whole);
    const off_t kept = static_cast<off_t>(start + static_cast<int64_t>(whole * StakeRecordSize));
    if (::ftruncate(fd_, kept) != 0) {
        // Should even the cut fail, the size check at the next start keeps the content aside.
    }
    throw Error(SystemReason(error));
}

void StakesFile::Append(const TStakeRecord& record) {
    AppendStakes({record}, 1);
}

void StakesFile::AppendForDraws(const TStakeRecord& record, int draws) {
    AppendStakes({record}, draws);
}

int StakesFile::AppendStakes(const std::vector<TStakeRecord>& records, int draws) {
    RequireOpen();
    int appended = 0;
    std::string bytes;
    int pending = 0;
    // Whether the file's last record, as it will be once the pending bytes are written, is a
    // real stake. Only the first look goes to the file.
    bool lastIsStake = false;
    bool lastKnown = false;
    auto flush = [&] {
        if (bytes.empty()) return;
        int written = 0;
        int base = RecordCount();
        try {
            AppendRaw(bytes, written);
        } catch (const std::exception& e) {
            appended += written;
            Fail(AppendError, e.what());
        }
        appended += written;
        // The last record written is the one a caller most likely reads next.
        cached_ =
            ReadStakeRecord(reinterpret_cast<const uint8_t*>(bytes.data() + bytes.size() - StakeRecordSize));
        cachedIndex_ = base + written - 1;
        bytes.clear();
        pending = 0;
    };
    auto add = [&](const TStakeRecord& record) {
        if (batching_) {
            AddPending(record);
            ++appended;
            lastIsStake = record.IsRealStake();
            return;
        }
        Encode(bytes, record);
        lastIsStake = record.IsRealStake();
        if (++pending == BlockRecords) flush();
    };
    for (const TStakeRecord& record : records) {
        if (record.IsChecked()) {
            flush();
            Fail(AppendError, "Добавление в конец файла уже проверенной ставки!");
        }
        if (draws <= 1) {
            add(record);
            continue;
        }
        if (static_cast<int64_t>(record.DrawNumber) + draws - 1 > INT32_MAX) {
            flush();
            Fail(AppendError,
                 Format("Номер тиража %d для ставки на %d тиражей выходит за пределы от 1 до 2147483647!",
                        {record.DrawNumber, draws}));
        }
        for (int j = 1; j <= draws; ++j) {
            if (!lastKnown) {
                try {
                    auto last = ReadLast();
                    lastIsStake = last && last->IsRealStake();
                } catch (const std::exception& e) {
                    Fail(AppendError, e.what());
                }
                lastKnown = true;
            }
            if (lastIsStake) add(StakeSeparator());
            TStakeRecord copy = record;
            copy.DrawNumber = record.DrawNumber + (j - 1);
            add(copy);
        }
    }
    flush();
    return appended;
}

bool StakesFile::Contains(int drawNumber, const TStakeComb& values) {
    RequireOpen();
    if (batching_) {
        if (!indexed_) BuildIndex();
        return index_.count(KeyOf(drawNumber, values)) > 0;
    }
    const StakeKey key = KeyOf(drawNumber, values);
    return SearchRecords(RecordCount(), [&](const TStakeRecord& record) {
        return KeyOf(record.DrawNumber, record.Values) == key;
    });
}

bool StakesFile::SearchRecords(int count, const std::function<bool(const TStakeRecord&)>& found) const {
    std::string bytes;
    for (int first = 0; first < count; first += BlockRecords) {
        size_t got = 0;
        try {
            got = ReadRaw(first, std::min(BlockRecords, count - first), bytes);
        } catch (const std::exception& e) {
            Fail(SearchError, e.what());
        }
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        for (size_t i = 0; i < got; ++i) {
            if (found(ReadStakeRecord(data + i * StakeRecordSize))) return true;
        }
    }
    return false;
}

int StakesFile::Rewrite(const KeepRule& keep) {
    settledPrefix_ = 0;
    RequireOpen();
    FlushBatch();
    examined_ = 0;
    indexed_ = false;
    const std::filesystem::path temporary = TemporaryPath();
    struct stat old {};
    const mode_t mode = ::fstat(fd_, &old) == 0 ? (old.st_mode & 07777) : 0644;
    int out = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (out < 0) {
        throw Error(Format("Ошибка создания временного файла ставок \"%s\"!\r\r%s",
                           {PathText(temporary), SystemReason(errno)}));
    }
    auto discard = [&](const std::string& cause) {
        ::close(out);
        ::unlink(temporary.c_str());
        throw Error(cause);
    };
    // The new file is held before it takes the name, so no second copy can slip in between.
    if (::flock(out, LOCK_EX | LOCK_NB) != 0) discard(SystemReason(errno));
    const int count = RecordCount();
    int removed = 0;
    int64_t outSize = 0;
    std::string bytes;
    std::string kept;
    for (int first = 0; first < count; first += BlockRecords) {
        size_t got = 0;
        try {
            got = ReadRaw(first, std::min(BlockRecords, count - first), bytes);
        } catch (const std::exception& e) {
            discard(e.what());
        }
        kept.clear();
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        for (size_t i = 0; i < got; ++i) {
            // Kept records are copied byte for byte.
            if (keep(ReadStakeRecord(data + i * StakeRecordSize), first + static_cast<int>(i))) {
                kept.append(bytes, i * StakeRecordSize, StakeRecordSize);
            } else {
                ++removed;
            }
        }
        size_t done = 0;
        if (!WriteAllAt(out, kept.data(), kept.size(), outSize, done)) discard(SystemReason(errno));
        outSize += static_cast<int64_t>(kept.size());
    }
    if (::fsync(out) != 0) discard(SystemReason(errno));
    // The rename replaces the old file in one step; until it succeeds the old file is whole.
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        discard(Format("Ошибка переименования / удаления временного файла ставок \"%s\"!\r\r%s",
                       {PathText(temporary), SystemReason(errno)}));
    }
    ::close(fd_);
    fd_ = out;
    cachedIndex_ = -1;
    if (batching_) {
        fileCount_ = FileRecordCount();
        CountBatch();
    }
    const std::filesystem::path directory = path_.has_parent_path() ? path_.parent_path() : ".";
    int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return removed;
}

int StakesFile::DeleteRange(int first, int last) {
    try {
        return Rewrite([&](const TStakeRecord&, int index) { return index < first || index > last; });
    } catch (const std::exception& e) {
        Fail(DeleteError, e.what());
    }
}

int StakesFile::DeleteWhere(TStakeCondition condition, int value) {
    try {
        return Rewrite([&](const TStakeRecord& record, int) {
            return record.Kind == StakeKindSeparator || !StakeMeetsCondition(record, condition, value);
        });
    } catch (const std::exception& e) {
        Fail(DeleteError, e.what());
    }
}

void StakesFile::Clear() {
    settledPrefix_ = 0;
    RequireOpen();
    cachedIndex_ = -1;
    pending_.clear();
    fileCount_ = 0;
    CountBatch();
    examined_ = 0;
    index_.clear();
    indexed_ = batching_;
    if (::ftruncate(fd_, 0) != 0) Fail(DeleteError, SystemReason(errno));
}

int StakesFile::FileRecordCount() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return static_cast<int>(info.st_size / static_cast<off_t>(StakeRecordSize));
}

void StakesFile::BeginBatch() {
    RequireOpen();
    if (batching_) return;
    fileCount_ = FileRecordCount();
    pending_.clear();
    CountBatch();
    examined_ = 0;
    indexed_ = false;
    index_.clear();
    batching_ = true;
}

void StakesFile::FlushBatch() {
    if (!batching_ || pending_.empty()) return;
    std::string bytes;
    bytes.reserve(pending_.size() * StakeRecordSize);
    for (const TStakeRecord& record : pending_)
        Encode(bytes, record);
    // Whatever happens, the records are the file's now or lost with the failure.
    pending_.clear();
    CountBatch();
    int count = 0;
    try {
        AppendRaw(bytes, count);
    } catch (const std::exception& e) {
        fileCount_ = FileRecordCount();
        CountBatch();
        indexed_ = false;
        cachedIndex_ = -1;
        Fail(AppendError, e.what());
    }
    fileCount_ += count;
    CountBatch();
}

void StakesFile::EndBatch() {
    if (!batching_) return;
    struct End {
        StakesFile& file;
        ~End() {
            file.batching_ = false;
            file.index_.clear();
            file.indexed_ = false;
            file.cachedIndex_ = -1;
        }
    } end{*this};
    FlushBatch();
}

int StakesFile::CheckStart() const {
    return batching_ ? std::max(settledPrefix_, examined_) : settledPrefix_;
}

StakesFile::StakeKey StakesFile::KeyOf(int drawNumber, const TStakeComb& values) {
    StakeKey key{drawNumber, values.Count, 0};
    const int positions = std::clamp(values.Count, 0, static_cast<int>(values.Values.size()));
    for (int i = 0; i < positions; ++i)
        key.Values |= static_cast<uint32_t>(values.Values[static_cast<size_t>(i)]) << (8 * i);
    return key;
}

size_t StakesFile::StakeKeyHash::operator()(const StakeKey& key) const {
    const uint64_t mixed = (static_cast<uint64_t>(static_cast<uint32_t>(key.DrawNumber)) << 32 | key.Values) *
                               0x9E3779B97F4A7C15ull ^
                           static_cast<uint32_t>(key.Count);
    return static_cast<size_t>(mixed ^ (mixed >> 29));
}

void StakesFile::AddPending(const TStakeRecord& record) {
    pending_.push_back(record);
    CountBatch();
    if (indexed_) index_.insert(KeyOf(record.DrawNumber, record.Values));
    constexpr size_t FlushRecords = 4096;
    if (pending_.size() >= FlushRecords) FlushBatch();
}

void StakesFile::BuildIndex() {
    index_.clear();
    SearchRecords(fileCount_, [&](const TStakeRecord& record) {
        index_.insert(KeyOf(record.DrawNumber, record.Values));
        return false;
    });
    for (const TStakeRecord& record : pending_)
        index_.insert(KeyOf(record.DrawNumber, record.Values));
    indexed_ = true;
}

}  // namespace quorvel
