#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

constexpr size_t StakeRecordSize = 304;
constexpr uint8_t StakeRecordVersion = 2;

// The text shown when another copy of the program (or a missing write right) keeps the
// data files from being held.
extern const char* const ExclusiveAccessMessage;

class ExclusiveAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stakes file, held open and locked from start-up to shut-down. The lock is what keeps a
// second copy of the program off the same data directory.
class StakesFile {
public:
    StakesFile() = default;
    ~StakesFile();
    StakesFile(const StakesFile&) = delete;
    StakesFile& operator=(const StakesFile&) = delete;

    // Opens the file for reading and writing, creating it when missing, and locks it.
    // Throws ExclusiveAccessError when it is locked elsewhere or cannot be opened.
    void Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

    int64_t Size() const;
    int RecordCount() const { return static_cast<int>(Size() / static_cast<int64_t>(StakeRecordSize)); }

    // A non-empty file whose size is not a whole number of records, or whose first record is
    // not of the current version, is emptied. Its old content is first kept beside it in a
    // ".bak" file, so a damaged file loses nothing. Returns the warning to show, if any.
    std::optional<std::string> CheckVersion();

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

}  // namespace quorvel
