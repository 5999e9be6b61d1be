#include "core/stakes/stakes_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>

#include "core/model/matching.h"
#include "core/model/text_forms.h"
#include "core/stakes/rating.h"
#include "core/stats/stat_list.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "core/util/file_search.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

namespace {

constexpr int CheckBlockRecords = 1024;
constexpr std::string_view LogPrefix = "Quorvel_3r10-";
constexpr std::string_view LogSuffix = ".log";

std::string DrawnValuesText(const TStakeRecord& record) {
    TStakeComb drawn{PositionCount, {record.DrawValues[0], record.DrawValues[1], record.DrawValues[2], 0}};
    return StakeCombToStr(drawn, ";");
}

bool IsEligible(const TStakeRecord& record) {
    return !record.IsChecked() && record.DrawNumber > 0 && record.Values.Count >= PositionCount;
}

// The archive index of a draw number; stakes come in runs for one draw, so the last answer is
// kept.
class DrawLookup {
public:
    explicit DrawLookup(const DrawArchive& archive) : archive_(archive) {}
    int IndexOf(int number) {
        if (number != number_) {
            number_ = number;
            index_ = archive_.IndexOfNumber(number);
        }
        return index_;
    }

private:
    const DrawArchive& archive_;
    int number_ = INT_MIN;
    int index_ = -1;
};

}  // namespace

TStakeLog::TStakeLog(std::filesystem::path directory)
    : Clock(StakeLogTime), directory_(std::move(directory)) {}

TStakeLog::~TStakeLog() {
    for (auto& [matches, log] : open_) {
        if (log.Fd >= 0) ::close(log.Fd);
    }
}

std::filesystem::path TStakeLog::FilePath(const std::filesystem::path& directory, int matches) {
    return directory / Format("Quorvel_3r10-%d.log", {matches});
}

TStakeLog::OpenLog& TStakeLog::Open(int matches) {
    for (auto& [key, log] : open_) {
        if (key == matches) return log;
    }
    const std::filesystem::path path = FilePath(directory_, matches);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw Error(Format("Ошибка записи в файл \"%s\"!\r\r%s",
                           {PathText(path), std::string(std::strerror(errno))}));
    }
    struct stat info {};
    OpenLog log{fd, ::fstat(fd, &info) == 0 ? static_cast<int64_t>(info.st_size) : 0};
    open_.emplace_back(matches, log);
    return open_.back().second;
}

void TStakeLog::Append(const TStakeRecord& record) {
    const int matches = record.Matches.Count;
    const std::filesystem::path path = FilePath(directory_, matches);
    OpenLog& log = Open(matches);
    if (log.Size > StakeLogSizeLimit) {
        ::close(log.Fd);
        log.Fd = -1;
        open_.erase(std::find_if(open_.begin(), open_.end(),
                                 [&](const auto& entry) { return entry.first == matches; }));
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            throw Error(Format("Ошибка удаления файла \"%s\"!\r\r%s",
                               {PathText(path), std::string(std::strerror(errno))}));
        }
        return Append(record);
    }
    const std::string line = Utf8ToCp1251(Clock() + ": " + StakeLogText(record)) + "\r\n";
    size_t done = 0;
    while (done < line.size()) {
        ssize_t n = ::write(log.Fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            throw Error(Format("Ошибка записи в файл \"%s\"!\r\r%s",
                               {PathText(path), std::string(std::strerror(error))}));
        }
        done += static_cast<size_t>(n);
    }
    log.Size += static_cast<int64_t>(line.size());
}

std::string StakeLogTime() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return Format("%.4d.%.2d.%.2d %.2d:%.2d:%.2d", {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                                                    parts.tm_hour, parts.tm_min, parts.tm_sec});
}

std::string StakeLogText(const TStakeRecord& record) {
    return Format(
        "Тираж № %s. Ставка: \"%s\" [%s] {%d}. Результаты тиража: [%s]. Совпадений: %d. Профит: %.2f.",
        {std::to_string(record.DrawNumber), record.Comment.Text(), StakeCombToStr(record.Values, ";"),
         record.SelectionSize, DrawnValuesText(record), record.Matches.Count, MoneyToDouble(record.Profit)});
}

TStakeCheckResult CheckAllStakes(StakesFile& file, const DrawArchive& archive, const TStatList& stats,
                                 TRating& rating, TStakeLog* log, const TStakeCheckHooks& hooks) {
    TStakeCheckResult result;
    DrawLookup lookup(archive);
    std::vector<int> failedLogs;
    int firstEligible = -1;
    int remaining = 0;  // records from the first eligible one to the end
    int step = 1;
    auto report = [&](int index) {
        if (firstEligible < 0 || !hooks.Progress) return;
        const int done = index - firstEligible + 1;
        if (done > 0 && done % step == 0) {
            hooks.Progress(
                Format("Проверка результатов ставок ( завершено %.0f %% )...", {100.0 * done / remaining}));
        }
    };
    auto logStake = [&](const TStakeRecord& record) {
        if (log == nullptr) return;
        const int matches = record.Matches.Count;
        if (std::find(failedLogs.begin(), failedLogs.end(), matches) != failedLogs.end()) return;
        try {
            log->Append(record);
        } catch (const std::exception& e) {
            // One message per file; the stakes are checked all the same.
            failedLogs.push_back(matches);
            if (hooks.LogError) hooks.LogError(e.what());
        }
    };
    try {
        const int count = file.RecordCount();
        // A scenario test checks after every variant: only the records since the last check
        // are read again.
        const int start = std::min(file.CheckStart(), count);
        // Records before the start that are still waiting for their draw keep the settled mark.
        const bool whole = start <= file.SettledPrefix();
        int firstUnsettled = -1;
        for (int first = start; first < count; first += CheckBlockRecords) {
            std::vector<TStakeRecord> records =
                file.ReadBlock(first, std::min(CheckBlockRecords, count - first));
            if (records.empty()) break;
            std::vector<bool> changed(records.size(), false);
            std::optional<std::string> failure;
            size_t computed = 0;
            try {
                for (; computed < records.size(); ++computed) {
                    TStakeRecord& record = records[computed];
                    if (!IsEligible(record)) continue;
                    if (firstEligible < 0) {
                        firstEligible = first + static_cast<int>(computed);
                        remaining = count - firstEligible;
                        step = std::max(1, remaining / 100);
                    }
                    const int index = lookup.IndexOf(record.DrawNumber);
                    if (index < 0) continue;
                    const TDraw& draw = archive.Draws()[static_cast<size_t>(index)];
                    TStakeRecord checked = record;
                    checked.Checked = 1;
                    checked.DrawValues = draw.Values;
                    checked.Matches = DrawStakeMatches(draw, record.Values);
                    checked.Profit = stats.StakeResult(record.Values.Count, checked.Matches.Count);
                    record = checked;
                    changed[computed] = true;
                }
            } catch (const std::exception& e) {
                failure = e.what();
            }
            // Runs of checked records are written back with one write each; a stake reaches the
            // rating and the log only once its record is written.
            for (size_t a = 0; a < computed;) {
                if (!changed[a]) {
                    ++a;
                    continue;
                }
                size_t b = a;
                while (b < computed && changed[b])
                    ++b;
                file.WriteBlock(first + static_cast<int>(a), &records[a], static_cast<int>(b - a));
                for (size_t k = a; k < b; ++k) {
                    rating.AddStake(records[k]);
                    ++result.Checked;
                    logStake(records[k]);
                }
                a = b;
            }
            if (failure) throw Error(*failure);
            for (size_t k = 0; k < records.size(); ++k) {
                report(first + static_cast<int>(k));
                if (firstUnsettled < 0 && IsEligible(records[k]))
                    firstUnsettled = first + static_cast<int>(k);
            }
        }
        if (whole) file.SetSettledPrefix(firstUnsettled < 0 ? count : firstUnsettled);
        file.MarkExamined(count);
    } catch (const std::exception& e) {
        result.Error = e.what();
    }
    return result;
}

void AddCheckedStakes(StakesFile& file, TRating& rating) {
    const int count = file.RecordCount();
    for (int first = 0; first < count; first += CheckBlockRecords) {
        for (const TStakeRecord& record : file.ReadBlock(first, CheckBlockRecords)) {
            if (record.DrawNumber >= 0 && record.IsChecked()) rating.AddStake(record);
        }
    }
}

std::vector<std::filesystem::path> FindStakeLogs(const std::filesystem::path& directory) {
    return FindFilesNamed(directory, LogPrefix, LogSuffix);
}

TDeleteReport DeleteFiles(const std::vector<std::filesystem::path>& files) {
    TDeleteReport report;
    int deleted = 0;
    std::vector<std::string> details;
    for (const auto& file : files) {
        if (::unlink(file.c_str()) == 0) {
            ++deleted;
            details.push_back(PathText(file));
        } else {
            report.Success = false;
            details.push_back(Format("%s: %s", {PathText(file), std::string(std::strerror(errno))}));
        }
    }
    std::string text = report.Success
                           ? Format("Удалено файлов: %d", {deleted})
                           : Format("Удалено файлов: %d из %d", {deleted, static_cast<int>(files.size())});
    text += "\r\r";
    for (size_t i = 0; i < details.size(); ++i) {
        if (i > 0) text += "\r";
        text += details[i];
    }
    report.Text = text;
    return report;
}

}  // namespace quorvel
