#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/stakes/stake_record.h"

namespace quorvel {

// The text shown when another copy of the program (or a missing write right) keeps the
// data files from being held.
extern const char* const ExclusiveAccessMessage;

class ExclusiveAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stakes file, held open and locked from start-up to shut-down. The lock is what keeps a
// second copy of the program off the same data directory.
//
// The file can grow to millions of records during scenario tests, so it is never loaded whole:
// single records go through a one-record cache, whole-file passes read blocks of records, and
// every change is written in place at once. Each failing operation throws Error with its own
// message; the records written before the failure stay written.
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
    // Where deleting streams the records that stay: the file's name with the extension ".~tmp".
    std::filesystem::path TemporaryPath() const;

    int64_t Size() const;
    int RecordCount() const { return static_cast<int>(Size() / static_cast<int64_t>(StakeRecordSize)); }
    bool Empty() const { return Size() == 0; }

    // A non-empty file whose size is not a whole number of records, or whose first record is
    // not of the current version, is emptied. Its old content is first kept beside it in a
    // ".bak" file, so a damaged file loses nothing. Returns the warning to show, if any.
    std::optional<std::string> CheckVersion();

    // Forgets the cached record. The file stays held: closing it, even for a moment, would let
    // a second copy of the program take the directory.
    void Reopen();

    // Record i counted from 0, through the one-record cache. The reference is valid until the
    // next operation on the file.
    const TStakeRecord& Read(int index);
    // The last record, or nothing for an empty file.
    std::optional<TStakeRecord> ReadLast();
    // Up to count records from first on (fewer at the end of the file), bypassing the cache.
    std::vector<TStakeRecord> ReadBlock(int first, int count);

    // Writes records in place, from index first on; they must lie within the file.
    void Write(int index, const TStakeRecord& record);
    void WriteBlock(int first, const TStakeRecord* records, int count);

    // Appends one record; a checked stake is refused.
    void Append(const TStakeRecord& record);
    // Appends the stake for draws consecutive draws from its own: one copy per draw, each after
    // a separator when the file's last record is then a real stake. For one draw the record is
    // appended unchanged.
    void AppendForDraws(const TStakeRecord& record, int draws);
    // The same for many stakes, written in blocks. The first failure ends the work; every
    // whole record written before it stays. Returns the number of records appended.
    int AppendStakes(const std::vector<TStakeRecord>& records, int draws);

    // True when a record holds that draw number and the same staked values (equal count and
    // equal value at each counted position).
    bool Contains(int drawNumber, const TStakeComb& values);

    // Deleting streams the records that stay into the temporary file, which then takes the
    // file's place by a rename; the old file is untouched until that rename succeeds.
    // Returns the number of records deleted.
    int DeleteRange(int first, int last);
    // Deletes the stakes whose matches meet the condition; separators always stay.
    int DeleteWhere(TStakeCondition condition, int value);
    // Empties the file.
    void Clear();

    // A scenario run appends and checks many records one after another. Between these calls
    // the appended records are kept in memory, where reads, checks and searches find them, and
    // written to the end of the file in one go when the batch is flushed or ended, when they
    // grow many, or before the file is rewritten. A failed write throws as the append would
    // have, and the records it could not write are dropped. While a batch is open, new-stakes
    // searches use an index of the file's stakes, and a check starts after the records an
    // earlier check of the batch already looked at (the archive does not change meanwhile).
    void BeginBatch();
    void FlushBatch();
    void EndBatch();
    bool Batching() const { return batching_; }
    // Where a check starts, and what it reports back: how far it looked.
    int CheckStart() const;
    void MarkExamined(int count) { examined_ = count; }

    // The records below this index are all settled (separators or checked stakes), so a check
    // may start there. Appending keeps it; rewriting, emptying or writing back an unchecked
    // stake below it lowers it.
    int SettledPrefix() const { return settledPrefix_; }
    void SetSettledPrefix(int index) { settledPrefix_ = index; }

private:
    using KeepRule = std::function<bool(const TStakeRecord& record, int index)>;

    void RequireOpen() const;
    // Reads whole records as raw bytes; throws Error with the system's reason.
    size_t ReadRaw(int first, int count, std::string& bytes) const;
    void WriteRaw(int64_t offset, const std::string& bytes) const;
    int Rewrite(const KeepRule& keep);
    // Appends encoded records at the end; on a failure the file is cut back to its last whole
    // record and the count of records that made it is given to the caller through written.
    void AppendRaw(const std::string& bytes, int& written);

    // The key of a stake for new-stakes searches: draw number and staked values.
    struct StakeKey {
        int32_t DrawNumber = 0;
        int32_t Count = 0;
        uint32_t Values = 0;
        bool operator==(const StakeKey&) const = default;
    };
    struct StakeKeyHash {
        size_t operator()(const StakeKey& key) const;
    };
    static StakeKey KeyOf(int drawNumber, const TStakeComb& values);
    void AddPending(const TStakeRecord& record);
    void BuildIndex();
    // Reads the first count records of the file block by block until found says yes.
    bool SearchRecords(int count, const std::function<bool(const TStakeRecord&)>& found) const;
    int FileRecordCount() const;

    int fd_ = -1;
    // The window's thread may ask for the size while a run on another thread batches.
    std::atomic<bool> batching_{false};
    std::atomic<int> batchCount_{0};  // the file's records and the pending ones
    void CountBatch() { batchCount_ = fileCount_ + static_cast<int>(pending_.size()); }
    int fileCount_ = 0;  // records in the file itself while batching
    std::vector<TStakeRecord> pending_;
    int examined_ = 0;
    bool indexed_ = false;
    std::unordered_set<StakeKey, StakeKeyHash> index_;
    std::filesystem::path path_;
    // The one-record cache: the record most recently read or written, and its index.
    int cachedIndex_ = -1;
    TStakeRecord cached_;
    int settledPrefix_ = 0;
};

}  // namespace quorvel
