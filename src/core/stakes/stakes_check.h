#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/archive/draw_archive.h"
#include "core/stakes/stake_record.h"
#include "core/stakes/stakes_file.h"

namespace quorvel {

class TStatList;
class TRating;

// A log file grows to this size at most; the next line starts it afresh.
constexpr int64_t StakeLogSizeLimit = 268435456;

// The stake logs, one file per number of matches, "Quorvel_3r10-%d.log" in the data directory.
// The files stay open while one check writes to them.
class TStakeLog {
public:
    explicit TStakeLog(std::filesystem::path directory);
    ~TStakeLog();
    TStakeLog(const TStakeLog&) = delete;
    TStakeLog& operator=(const TStakeLog&) = delete;

    static std::filesystem::path FilePath(const std::filesystem::path& directory, int matches);

    // Appends the line of a checked stake to the log of its number of matches. Throws Error
    // with "Ошибка удаления файла..." or "Ошибка записи в файл..." and the file's path.
    void Append(const TStakeRecord& record);

    // The local time as the line starts with it; tests may replace it.
    std::function<std::string()> Clock;

private:
    struct OpenLog {
        int Fd = -1;
        int64_t Size = 0;
    };
    OpenLog& Open(int matches);

    std::filesystem::path directory_;
    std::vector<std::pair<int, OpenLog>> open_;
};

// "yyyy.mm.dd hh:nn:ss" of the local time now.
std::string StakeLogTime();
// The text of a log line after the time, without the line end.
std::string StakeLogText(const TStakeRecord& record);

struct TStakeCheckResult {
    int Checked = 0;
    // The cause of the failure that ended the check early.
    std::optional<std::string> Error;
};

struct TStakeCheckHooks {
    std::function<void(const std::string&)> Progress;
    // A log file that could not be written; the check goes on without that file.
    std::function<void(const std::string&)> LogError;
};

// Checks every stake that is not yet checked, has a draw number and three values, and whose
// draw the archive holds: the drawn values, the matches and the profit are written into the
// record in place, the stake is added to the rating and, with a log, logged. A failure ends the
// check; every record checked before it is written and added to the rating.
TStakeCheckResult CheckAllStakes(StakesFile& file, const DrawArchive& archive, const TStatList& stats,
                                 TRating& rating, TStakeLog* log, const TStakeCheckHooks& hooks);

// Adds every checked stake of the file (draw number 0 or more) to the rating, from the first
// record on. A read failure throws; the stakes added before it stay added.
void AddCheckedStakes(StakesFile& file, TRating& rating);

// The stake logs present in the directory: "Quorvel_3r10-" and ".log" around any text.
std::vector<std::filesystem::path> FindStakeLogs(const std::filesystem::path& directory);

struct TDeleteReport {
    bool Success = true;
    std::string Text;  // the result, an empty line, the details
};
TDeleteReport DeleteFiles(const std::vector<std::filesystem::path>& files);

}  // namespace quorvel
